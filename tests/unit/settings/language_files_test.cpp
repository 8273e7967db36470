// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped language files: every text the program uses exists in both
// languages, the files hold the same keys, and no text is too long.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include <SimpleIni.h>

#include "model/terms.h"
#include "model/text_ids.h"
#include "settings/lang_text.h"

namespace zq61 {
namespace {

using KeySet = std::set<std::pair<std::string, std::string>>;

KeySet keysOf(const std::string& path) {
    CSimpleIniA ini;
    EXPECT_GE(ini.LoadFile(path.c_str()), 0) << path;
    KeySet keys;
    CSimpleIniA::TNamesDepend sections, names;
    ini.GetAllSections(sections);
    for (const auto& section : sections) {
        ini.GetAllKeys(section.pItem, names);
        for (const auto& name : names)
            keys.emplace(section.pItem, name.pItem);
    }
    return keys;
}

std::size_t characters(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

class LanguageFilesTest : public ::testing::TestWithParam<const char*> {};

TEST_P(LanguageFilesTest, EveryUsedTextExistsAndFits) {
    Settings settings;
    settings.ProgramFolder = ZQ61_STAGE_DIR "/V100";
    settings.LanguageFileName = GetParam();
    const LangText texts(settings);
    for (int id : allTextIds())
        EXPECT_NE(texts.text(id), "") << GetParam() << " lacks " << id;

    CSimpleIniA ini;
    ASSERT_GE(ini.LoadFile(languageFilePath(settings).c_str()), 0);
    for (const auto& [section, key] : keysOf(languageFilePath(settings))) {
        const std::string value = ini.GetValue(section.c_str(), key.c_str(), "");
        EXPECT_LE(characters(value), 254u) << section << "/" << key;
        EXPECT_EQ(languageSection(std::stoi(key)), section) << key << " is in the wrong section";
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageFilesTest,
                         ::testing::Values("english.ini", "chinese.ini"));

// The command line's English words of compared documents and verify
// messages are the English file's.
TEST(LanguageFiles, EnglishWordsAreTheBuiltInOnes) {
    Settings settings;
    settings.ProgramFolder = ZQ61_STAGE_DIR "/V100";
    settings.LanguageFileName = "english.ini";
    const LangText texts(settings);
    for (int t = 0; t < txt::kTermCount; ++t)
        EXPECT_EQ(texts.text(txt::kTermBase + t), Terms::english(static_cast<Term>(t))) << t;
}

TEST(LanguageFiles, BothLanguagesHoldTheSameKeys) {
    const std::string folder = ZQ61_SOURCE_DIR "/lang/";
    EXPECT_EQ(keysOf(folder + "english.ini"), keysOf(folder + "chinese.ini"));
}

}  // namespace
}  // namespace zq61
