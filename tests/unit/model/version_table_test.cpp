// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/version_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/program_versions.h"
#include "support/recording_starter.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

namespace fs = std::filesystem;
using test::RecordingStarter;

class VersionTableTest : public ::testing::Test {
  protected:
    fs::path root = fs::temp_directory_path() /
                    ("zq61-version-" +
                     std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override { fs::create_directories(root); }
    void TearDown() override { fs::remove_all(root); }
    void writeTable(const std::string& text) { std::ofstream(root / "Version.ini") << text; }
    VersionTable load() { return VersionTable::load(root.string()); }
};

TEST_F(VersionTableTest, ReadsEntriesInKeyOrderAndAnswersPairQueries) {
    writeTable(
        "[Version]\nCurrentVersion=V100\nSoftVersionCount=2\nFirmVersionCount=3\n"
        "[Soft]\nVersion0=V100\nVersion1= V200 \n"
        "[Firm]\nFirm0=V100V100\nFirm1=V200V210\nFirm2=V300V210\nFirm3=V900V900\n");
    const VersionTable t = load();
    EXPECT_EQ(t.CurrentVersion, "V100");
    EXPECT_EQ(t.SoftVersions, (std::vector<std::string>{"V100", "V200"}));
    ASSERT_EQ(t.Pairs.size(), 3u);  // Firm3 is beyond the count
    EXPECT_TRUE(t.isCompatible("V100", "V100"));
    EXPECT_FALSE(t.isCompatible("V100", "V210"));
    EXPECT_FALSE(t.isCompatible("v100", "V100"));    // exact comparison
    EXPECT_EQ(t.programVersionFor("V210"), "V200");  // first listed wins
    EXPECT_EQ(t.programVersionFor("V900"), "");
}

TEST_F(VersionTableTest, MissingTableAcceptsOwnVersionOnlyAndBadCountsReadAsEmpty) {
    const VersionTable missing = load();
    EXPECT_EQ(missing.Pairs, (std::vector<VersionPair>{{"V100", "V100"}}));
    EXPECT_TRUE(missing.isCompatible("V100", "V100"));

    // A table that is there but lists nothing refuses even this program's files.
    writeTable("[Version]\nFirmVersionCount=abc\n[Firm]\nFirm0=V100V100\n");
    EXPECT_TRUE(load().Pairs.empty());
    writeTable("[Version]\nFirmVersionCount=-4\n");
    EXPECT_TRUE(load().Pairs.empty());
}

TEST(VersionText, ValidFormDisplayFormAndInstallationRoot) {
    for (const char* good : {"V100", "V999", "V100  "})
        EXPECT_TRUE(isValidVersion(good)) << good;
    EXPECT_TRUE(isValidVersion(std::string("V100\0xy", 7)));
    for (const char* bad : {"V10", "X100", "V1A0", "V1000", "", " V10", "V 10", "V1.0", "v100"})
        EXPECT_FALSE(isValidVersion(bad)) << bad;

    EXPECT_EQ(versionDisplayForm("V100"), "V1.00");
    EXPECT_EQ(versionDisplayForm("V200"), "V2.00");

    EXPECT_EQ(installationRoot("/opt/radio/V100"), "/opt/radio");
    EXPECT_EQ(installationRoot("C:\\Radio\\V100"), "C:\\Radio");
    EXPECT_EQ(installationRoot("/V100"), "/V100");  // the only separator is the first character
    EXPECT_EQ(installationRoot("V100"), "V100");
}

TEST(VersionText, MismatchMessageNamesTheForeignKindAndBothVersions) {
    test::TableTexts texts;
    EXPECT_EQ(mismatchMessage(texts, "V100", "V200", ForeignKind::File),
              "T9062\r\nT9064 V2.00\r\nT9061 V1.00");
    EXPECT_EQ(mismatchMessage(texts, "V100", "V110", ForeignKind::Radio),
              "T9062\r\nT9060 V1.10\r\nT9061 V1.00");
}

TEST_F(VersionTableTest, StartsOnlyAListedWellFormedVersionFromItsFolder) {
    writeTable(
        "[Version]\nFirmVersionCount=3\n"
        "[Firm]\nFirm0=V200V200\nFirm1=../xV300\nFirm2=V1V400\n");
    RecordingStarter starter;
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    const ProgramVersions versions(load(), root.string(), "zq61", starter);

    EXPECT_TRUE(versions.startProgramVersionFor("V200", prompter, texts));
    EXPECT_EQ(starter.started, (std::vector<std::string>{(root / "V200" / "zq61").string()}));
    EXPECT_TRUE(prompter.shown.empty());

    // Not listed, listed with a version that is no folder name, or a start
    // that failed: message 9063, nothing (more) started.
    for (const char* foreign : {"V999", "V300", "V400"}) {
        prompter.shown.clear();
        EXPECT_FALSE(versions.startProgramVersionFor(foreign, prompter, texts)) << foreign;
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{"T9063"}) << foreign;
    }
    EXPECT_EQ(starter.started.size(), 1u);
    starter.succeed = false;
    prompter.shown.clear();
    EXPECT_FALSE(versions.startProgramVersionFor("V200", prompter, texts));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"T9063"});
}

}  // namespace
}  // namespace zq61
