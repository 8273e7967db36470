// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/lang_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zq61 {
namespace {

TEST(LanguageSection, RangesMapToTheirSections) {
    const std::pair<int, const char*> cases[] = {
        {-5, "OTHER"},     {0, "OTHER"},           {8999, "OTHER"},
        {9000, "Msg"},     {9999, "Msg"},          {10000, "Menu"},
        {12999, "Main"},   {14101, "ChannelInfo"}, {17001, "Radio"},
        {21000, "Local"},  {29201, "TONETIPS"},    {31999, "ResetMode"},
        {32000, "Others"}, {2147483647, "Others"}, {-2147483647 - 1, "OTHER"},
    };
    for (const auto& [id, section] : cases)
        EXPECT_EQ(languageSection(id), section) << id;
}

class LangTextTest : public ::testing::Test {
  protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("zq61-langtext-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    Settings settings;
    LangText texts{settings};

    void SetUp() override {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "V100" / "language");
        settings.ProgramFolder = (dir / "V100").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void writeLanguage(const std::string& name, const std::string& content) {
        std::ofstream(dir / "V100" / "language" / name) << content;
    }
};

TEST_F(LangTextTest, LooksUpTrimmedTextsInTheRightSection) {
    writeLanguage("english.ini",
                  "[Msg]\n9017=   OK  \n[Menu]\n10000=&File\n9017=wrong section\n"
                  "[OTHER]\n-1=negative\n[Others]\n40000=far\n");
    EXPECT_EQ(texts.text(9017), "OK");
    EXPECT_EQ(texts.text(10000), "&File");
    EXPECT_EQ(texts.text(-1), "negative");
    EXPECT_EQ(texts.text(40000), "far");
    EXPECT_EQ(texts.text(10001), "");  // absent key
    EXPECT_EQ(texts.text(11000), "");  // absent section
    settings.LanguageFileName = "missing.ini";
    EXPECT_EQ(texts.text(9017), "");
}

TEST_F(LangTextTest, CutsLongTextsAt254Characters) {
    std::string latin(300, 'x');
    std::string han;
    for (int i = 0; i < 300; ++i)
        han += "\xE6\x96\x87";  // one Han character, three bytes
    writeLanguage("english.ini", "[Msg]\n9001=" + latin + "\n9002=" + han + "\n");
    EXPECT_EQ(texts.text(9001), std::string(254, 'x'));
    EXPECT_EQ(texts.text(9002), han.substr(0, 254 * 3));
}

TEST_F(LangTextTest, AChangedLanguageFileNameShowsInTheNextLookup) {
    writeLanguage("english.ini", "[Msg]\n9018=Cancel\n");
    writeLanguage("chinese.ini", "[Msg]\n9018=取消\n");
    EXPECT_EQ(texts.text(9018), "Cancel");
    ASSERT_TRUE(applyLanguageChoice(settings, kChinese));
    EXPECT_EQ(texts.text(9018), "取消");
    // A language file edited while the program runs is read afresh.
    writeLanguage("chinese.ini", "[Msg]\n9018=取消(&C)\n");
    EXPECT_EQ(texts.text(9018), "取消(&C)");
}

}  // namespace
}  // namespace zq61
