// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zq61 {
namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("zq61-profile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string file = (dir / "setup.ini").string();
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void writeFile(const std::string& text) { std::ofstream(file) << text; }
};

TEST_F(ProfileFileTest, ReadsTrimmedValuesIgnoringCaseAndFallsBackToDefault) {
    writeFile("; comment\n[Language]\nIsFirstRun =   1  \ncomport=3\n");
    EXPECT_EQ(readProfileString(file, "language", "IsFirstRun", "x", 512), "1");
    EXPECT_EQ(readProfileString(file, "LANGUAGE", "COMPORT", "x", 512), "3");
    EXPECT_EQ(readProfileString(file, "language", "missing", "dflt", 512), "dflt");
    EXPECT_EQ(readProfileString(file, "nosection", "comPort", "", 512), "");
    EXPECT_EQ(readProfileString((dir / "absent.ini").string(), "a", "b", "d", 512), "d");
}

TEST_F(ProfileFileTest, CutsLongValuesByCharactersNotBytes) {
    // 300 Chinese characters: three bytes each in UTF-8.
    std::string longText;
    for (int i = 0; i < 300; ++i) longText += "\xE4\xB8\xAD";
    writeFile("[Msg]\n9000=" + longText + "\n");
    const std::string value = readProfileString(file, "Msg", "9000", "", 255);
    EXPECT_EQ(value.size(), 254u * 3u);
}

TEST_F(ProfileFileTest, WritingAKeyKeepsTheOtherKeysAndComments) {
    writeFile("; installed by setup\n[language]\nIsFirstRun=1\ncomPort=1\n");
    ASSERT_TRUE(writeProfileString(file, "language", "comPort", "4"));
    ASSERT_TRUE(writeProfileString((dir / "new.ini").string(), "language", "CurrentLanguage", "2"));
    EXPECT_EQ(readProfileString(file, "language", "comPort", "", 512), "4");
    EXPECT_EQ(readProfileString(file, "language", "IsFirstRun", "", 512), "1");
    EXPECT_EQ(readProfileString((dir / "new.ini").string(), "language", "CurrentLanguage", "", 512), "2");
    std::ifstream in(file);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "; installed by setup");
    const std::string rest((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(rest.find("comPort=4"), std::string::npos) << rest;
}

}  // namespace
}  // namespace zq61
