// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/file_paths.h"
#include "model/profile_file.h"
#include "support/test_platform.h"

namespace zq61 {
namespace {

namespace fs = std::filesystem;

TEST(SettingsPaths, RootIsTheParentOfTheProgramFolder) {
    const struct {
        const char* folder;
        const char* root;
        const char* mySetup;
        const char* languageFile;
    } cases[] = {
#ifdef _WIN32
        {"C:\\Tools\\Radio", "C:\\Tools", "C:\\Tools\\language\\mysetup.ini",
         "C:\\Tools\\Radio\\language\\english.ini"},
        {"C:\\Tools\\Radio\\", "C:\\Tools", "C:\\Tools\\language\\mysetup.ini",
         "C:\\Tools\\Radio\\language\\english.ini"},
        {"C:\\", "C:", "C:\\language\\mysetup.ini", "C:\\language\\english.ini"},
        {"\\\\server\\share\\V100", "\\\\server\\share", "\\\\server\\share\\language\\mysetup.ini",
         "\\\\server\\share\\V100\\language\\english.ini"},
        {"C:/Tools/Radio", "C:/Tools", "C:/Tools\\language\\mysetup.ini",
         "C:/Tools/Radio\\language\\english.ini"},
#else
        {"/opt/zq61/V100", "/opt/zq61", "/opt/zq61/language/mysetup.ini",
         "/opt/zq61/V100/language/english.ini"},
        {"/opt/zq61/V100/", "/opt/zq61", "/opt/zq61/language/mysetup.ini",
         "/opt/zq61/V100/language/english.ini"},
        {"/", "/", "/language/mysetup.ini", "/language/english.ini"},
        {"/V100", "/V100", "/V100/language/mysetup.ini", "/V100/language/english.ini"},
#endif
        {"V100", "V100", nullptr, nullptr},
        {"stage/V100", "stage", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(SettingsRoot(c.folder), c.root);
        if (c.mySetup == nullptr) continue;
        Settings settings;
        settings.ProgramFolder = c.folder;
        EXPECT_EQ(mySetupPath(settings), c.mySetup);
        EXPECT_EQ(languageFilePath(settings), c.languageFile);
    }
    Settings settings;
    settings.ProgramFolder = "/opt/zq61/V100";
    EXPECT_EQ(settingBytesPath(settings), joinPath("/opt/zq61/V100", "Setting.ini"));
}

TEST(SettingsLocale, OnlyMainlandChineseLocalesPickChinese) {
    EXPECT_EQ(languageFromLocaleName("zh_CN.UTF-8"), kChinese);
    EXPECT_EQ(languageFromLocaleName("zh_CN"), kChinese);
    for (const char* name : {"zh_TW.UTF-8", "zh_HK", "en_US.UTF-8", "de_DE", "C", ""})
        EXPECT_EQ(languageFromLocaleName(name), kEnglish) << name;
    EXPECT_EQ(languageFileNameFor(kChinese), "chinese.ini");
    EXPECT_EQ(languageFileNameFor(kEnglish), "english.ini");
    EXPECT_EQ(languageFileNameFor(7), "english.ini");
}

TEST(SettingsLocale, EnvironmentPrecedenceIsAllThenMessagesThenLang) {
    struct Saved {
        const char* name;
        std::string value;
        bool set;
    };
    std::vector<Saved> saved;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(name);
        saved.push_back({name, v ? v : "", v != nullptr});
    }
    test::setEnvironment("LANG", "de_DE.UTF-8");
    test::setEnvironment("LC_MESSAGES", "zh_CN.UTF-8");
    test::setEnvironment("LC_ALL", "");  // set but empty: skipped
    EXPECT_EQ(localeNameFromEnvironment(), "zh_CN.UTF-8");
    test::setEnvironment("LC_ALL", "en_GB.UTF-8");
    EXPECT_EQ(localeNameFromEnvironment(), "en_GB.UTF-8");
    test::unsetEnvironment("LC_ALL");
    test::unsetEnvironment("LC_MESSAGES");
    EXPECT_EQ(localeNameFromEnvironment(), "de_DE.UTF-8");
    for (const auto& s : saved) {
        if (s.set)
            test::setEnvironment(s.name, s.value);
        else
            test::unsetEnvironment(s.name);
    }
}

class SettingsFilesTest : public ::testing::Test {
  protected:
    fs::path root = fs::temp_directory_path() /
                    ("zq61-settings-" +
                     std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::path setup = root / "language" / "mysetup.ini";
    fs::path bytesFile = root / "V100" / "Setting.ini";
    Settings settings;

    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(root / "V100");
        settings.ProgramFolder = (root / "V100").string();
    }
    void TearDown() override {
        fs::permissions(root / "V100", fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }
    void writeSetup(const std::string& text) {
        fs::create_directories(setup.parent_path());
        std::ofstream(setup) << text;
    }
    std::string setupValue(const char* key) {
        return readProfileString(setup.string(), "language", key, "<none>", 512);
    }
    std::string fileBytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(SettingsFilesTest, FirstRunTakesTheLocaleAndClearsTheFlag) {
    writeSetup("[language]\nIsFirstRun=1\ncomPort=3\nCurrentLanguage=1\n");
    settings.InitialSettingsRequest = true;
    readStartupSettings(settings, "zh_CN.UTF-8");
    EXPECT_TRUE(settings.FirstRun);
    EXPECT_FALSE(settings.InitialSettingsRequest);
    EXPECT_FALSE(settings.IsNt60);
    EXPECT_EQ(settings.CurrentLanguage, kChinese);
    EXPECT_EQ(settings.ShownLanguage, kChinese);
    EXPECT_EQ(settings.LanguageFileName, "chinese.ini");
    EXPECT_EQ(settings.ComPortNumber, 3);
    EXPECT_EQ(setupValue("IsFirstRun"), "0");
    EXPECT_EQ(setupValue("CurrentLanguage"), "2");
    EXPECT_EQ(setupValue("comPort"), "3");
}

TEST_F(SettingsFilesTest, LaterRunsTakeTheStoredLanguageWhateverTheLocale) {
    writeSetup("[language]\nIsFirstRun=0\ncomPort= 7 \nCurrentLanguage=2\n");
    readStartupSettings(settings, "en_US.UTF-8");
    EXPECT_FALSE(settings.FirstRun);
    EXPECT_EQ(settings.CurrentLanguage, kChinese);
    EXPECT_EQ(settings.LanguageFileName, "chinese.ini");
    EXPECT_EQ(settings.ShownLanguage, kEnglish);  // the main window re-applies its texts
    EXPECT_EQ(settings.ComPortNumber, 7);
    EXPECT_EQ(setupValue("comPort"), "7");

    writeSetup("[language]\nIsFirstRun=0\ncomPort=2\nCurrentLanguage=1\n");
    readStartupSettings(settings, "zh_CN");
    EXPECT_EQ(settings.CurrentLanguage, kEnglish);
    EXPECT_EQ(settings.LanguageFileName, "english.ini");
    EXPECT_EQ(settings.ShownLanguage, kChinese);
}

TEST_F(SettingsFilesTest, AnUnknownLanguageNumberKeepsTheLocaleFile) {
    writeSetup("[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=3\n");
    readStartupSettings(settings, "zh_CN.UTF-8");
    EXPECT_EQ(settings.CurrentLanguage, 3);
    EXPECT_EQ(settings.LanguageFileName, "chinese.ini");
    EXPECT_EQ(setupValue("CurrentLanguage"), "3");
}

TEST_F(SettingsFilesTest, MissingFileOrKeysGiveTheDefaultsAndAreWritten) {
    readStartupSettings(settings, "zh_CN.UTF-8");  // no file, no folder
    EXPECT_TRUE(settings.FirstRun);
    EXPECT_EQ(settings.ComPortNumber, 1);
    EXPECT_EQ(settings.CurrentLanguage, kChinese);
    EXPECT_EQ(setupValue("IsFirstRun"), "0");
    EXPECT_EQ(setupValue("comPort"), "1");
    EXPECT_EQ(setupValue("CurrentLanguage"), "2");

    // A file or flag that cannot be read counts as the first run.
    const struct {
        const char* file;
        bool firstRun;
        int16_t port;
        int16_t language;
    } cases[] = {
        {"[language]\n", true, 1, kEnglish},
        {"[language]\nIsFirstRun=\ncomPort=\n", true, 1, kEnglish},
        {"[language]\nIsFirstRun=yes\ncomPort=COM3\nCurrentLanguage=2\n", true, 1, kEnglish},
        {"[language]\nIsFirstRun=-1\ncomPort=4\nCurrentLanguage=2\n", true, 4, kEnglish},
        {"[language]\nIsFirstRun=0\ncomPort=99999\n", false, 1, kEnglish},
        {"[language]\nIsFirstRun=0\ncomPort=4\nCurrentLanguage=\n", false, 4, kEnglish},
        {"[language]\nIsFirstRun=0\ncomPort=4\nCurrentLanguage=two\n", false, 4, kEnglish},
        {"[language]\nIsFirstRun=false\ncomPort=4\nCurrentLanguage=2\n", false, 4, kChinese},
    };
    for (const auto& c : cases) {
        writeSetup(c.file);
        readStartupSettings(settings, "en_US.UTF-8");
        EXPECT_EQ(settings.FirstRun, c.firstRun) << c.file;
        EXPECT_EQ(settings.ComPortNumber, c.port) << c.file;
        EXPECT_EQ(settings.CurrentLanguage, c.language) << c.file;
        EXPECT_EQ(setupValue("comPort"), std::to_string(c.port)) << c.file;
        EXPECT_EQ(setupValue("CurrentLanguage"), std::to_string(c.language)) << c.file;
        if (c.firstRun) {
            EXPECT_EQ(setupValue("IsFirstRun"), "0") << c.file;
        }
    }
}

TEST_F(SettingsFilesTest, AnUnreadableSetupFileIsNeitherFatalNorReplaced) {
    if (!test::filePermissionsBind()) GTEST_SKIP() << "file permissions do not keep this user out";
    writeSetup("[language]\nIsFirstRun=0\ncomPort=9\nCurrentLanguage=2\n");
    fs::permissions(setup, fs::perms::none);
    readStartupSettings(settings, "en_US.UTF-8");
    fs::permissions(setup, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(settings.ComPortNumber, 1);
    EXPECT_EQ(settings.CurrentLanguage, kEnglish);
    EXPECT_EQ(setupValue("comPort"), "9");
}

TEST_F(SettingsFilesTest, DialogChoicesAreStored) {
    writeSetup("[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=1\n");
    readStartupSettings(settings, "en_US");
    ASSERT_TRUE(applyLanguageChoice(settings, kEnglish));  // unchanged: still written
    EXPECT_EQ(settings.ShownLanguage, kEnglish);
    ASSERT_TRUE(applyLanguageChoice(settings, kChinese));
    EXPECT_EQ(settings.ShownLanguage, kEnglish);
    EXPECT_EQ(settings.CurrentLanguage, kChinese);
    EXPECT_EQ(settings.LanguageFileName, "chinese.ini");
    EXPECT_EQ(setupValue("CurrentLanguage"), "2");

    ASSERT_TRUE(applyPortChoice(settings, 4, "/dev/ttyUSB0"));
    readStartupSettings(settings, "en_US");
    EXPECT_EQ(settings.ComPortNumber, 4);
    EXPECT_EQ(settings.PortName, "/dev/ttyUSB0");
    ASSERT_TRUE(applyPortChoice(settings, 2, ""));
    readStartupSettings(settings, "en_US");
    EXPECT_EQ(settings.ComPortNumber, 2);
    EXPECT_EQ(settings.PortName, "");
}

TEST_F(SettingsFilesTest, SettingBytesMissingAreCreatedAndWrittenBackAsZeros) {
    settings.ReservedSettingBytes = {9, 9, 9, 9};
    loadSettingBytes(settings);
    EXPECT_EQ(settings.ReservedSettingBytes, (std::array<uint8_t, 4>{0, 0, 0, 0}));
    EXPECT_TRUE(fs::exists(bytesFile));
    EXPECT_EQ(fs::file_size(bytesFile), 0u);
    ASSERT_TRUE(saveSettingBytes(settings));
    EXPECT_EQ(fileBytes(bytesFile), std::string(4, '\0'));
}

TEST_F(SettingsFilesTest, SettingBytesAreKeptAsStored) {
    std::ofstream(bytesFile, std::ios::binary) << std::string("\x12\xFF\x00\x80tail", 8);
    loadSettingBytes(settings);
    EXPECT_EQ(settings.ReservedSettingBytes, (std::array<uint8_t, 4>{0x12, 0xFF, 0x00, 0x80}));
    settings.ReservedSettingBytes = {1, 2, 3, 4};
    ASSERT_TRUE(saveSettingBytes(settings));
    EXPECT_EQ(fileBytes(bytesFile), std::string("\x01\x02\x03\x04tail", 8));

    std::ofstream(bytesFile, std::ios::binary) << "\x05";  // a short file
    loadSettingBytes(settings);
    EXPECT_EQ(settings.ReservedSettingBytes, (std::array<uint8_t, 4>{5, 0, 0, 0}));
}

TEST_F(SettingsFilesTest, UnreadableSettingBytesGiveZeroZeroZeroOne) {
    fs::create_directories(bytesFile);  // a folder in place of the file
    loadSettingBytes(settings);
    EXPECT_EQ(settings.ReservedSettingBytes, (std::array<uint8_t, 4>{0, 0, 0, 1}));
    EXPECT_FALSE(saveSettingBytes(settings));
    fs::remove(bytesFile);

    if (!test::filePermissionsBind()) GTEST_SKIP() << "file permissions do not keep this user out";
    std::ofstream(bytesFile, std::ios::binary) << "abcd";
    fs::permissions(bytesFile, fs::perms::none);
    loadSettingBytes(settings);
    EXPECT_EQ(settings.ReservedSettingBytes, (std::array<uint8_t, 4>{0, 0, 0, 1}));
    fs::remove(bytesFile);
    fs::permissions(root / "V100", fs::perms::owner_read | fs::perms::owner_exec);
    loadSettingBytes(settings);  // missing and cannot be created
    EXPECT_EQ(settings.ReservedSettingBytes, (std::array<uint8_t, 4>{0, 0, 0, 1}));
    EXPECT_FALSE(saveSettingBytes(settings));
}

// Switches to a locale whose decimal separator is ",", building one in a
// temporary folder when the machine has none installed.
bool useCommaLocale(const fs::path& folder) {
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "German_Germany.1252"})
        if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') return true;
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    fs::create_directories(folder);
    if (std::system(command.c_str()) != 0) return false;
    test::setEnvironment("LOCPATH", folder.string());
    const bool done = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    test::unsetEnvironment("LOCPATH");
    return done && *std::localeconv()->decimal_point == ',';
}

TEST(DecimalSeparator, NumbersUseADotAfterTheUserLocaleIsSet) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const fs::path folder = fs::temp_directory_path() / "zq61-comma-locale";
    if (!useCommaLocale(folder)) {
        std::setlocale(LC_ALL, before.c_str());
        fs::remove_all(folder);
        GTEST_SKIP() << "no locale with a decimal comma is available";
    }
    const std::string characters = std::setlocale(LC_CTYPE, nullptr);
    useDotDecimalSeparator();
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", 28.015);
    EXPECT_STREQ(text, "28.01500");
    EXPECT_EQ(std::setlocale(LC_CTYPE, nullptr), characters);  // the rest stays the user's
    std::setlocale(LC_ALL, before.c_str());
    fs::remove_all(folder);
}

// A shared installation (a package under /usr) cannot be written; each
// user's choices are kept in their own folder instead.
class UserSettingsTest : public SettingsFilesTest {
  protected:
    fs::path user = root / "home-config" / "zq61";
};

TEST_F(UserSettingsTest, AWritableInstallationKeepsItsOwnFilesAndLeavesNoTrace) {
    for (bool withFile : {false, true}) {
        fs::remove_all(setup.parent_path());
        if (withFile) writeSetup("[language]\nIsFirstRun=0\ncomPort=4\n");
        useUserSettingsWhereInstallationIsReadOnly(settings, user.string());
        EXPECT_TRUE(settings.UserSettingsFolder.empty()) << withFile;
        EXPECT_EQ(mySetupPath(settings), setup.string());
        EXPECT_FALSE(fs::exists(user));
        // Only what was there before is there after the check.
        std::vector<fs::path> left;
        for (const auto& entry : fs::directory_iterator(setup.parent_path()))
            left.push_back(entry.path().filename());
        EXPECT_EQ(left, withFile ? std::vector<fs::path>{"mysetup.ini"} : std::vector<fs::path>{});
        if (withFile) {
            EXPECT_EQ(setupValue("comPort"), "4");
        }
    }
}

TEST_F(UserSettingsTest, ASharedInstallationKeepsEachUsersChoicesInTheirFolder) {
    // A regular file where the language folder would be: nothing can be
    // written there, whoever runs the test.
    fs::create_directories(root);
    std::ofstream(root / "language") << "not a folder";
    ASSERT_FALSE(installationSettingsWritable(settings));
    useUserSettingsWhereInstallationIsReadOnly(settings, user.string());
    EXPECT_EQ(settings.UserSettingsFolder, user.string());
    EXPECT_EQ(mySetupPath(settings), (user / "mysetup.ini").string());
    EXPECT_EQ(settingBytesPath(settings), (user / "Setting.ini").string());
    readStartupSettings(settings, "en_US.UTF-8");
    EXPECT_TRUE(applyLanguageChoice(settings, kChinese));
    EXPECT_TRUE(applyPortChoice(settings, 5, ""));
    loadSettingBytes(settings);
    EXPECT_TRUE(saveSettingBytes(settings));
    EXPECT_TRUE(fs::exists(user / "Setting.ini"));

    // The next run finds them again.
    Settings next;
    next.ProgramFolder = settings.ProgramFolder;
    useUserSettingsWhereInstallationIsReadOnly(next, user.string());
    readStartupSettings(next, "en_US.UTF-8");
    EXPECT_EQ(next.CurrentLanguage, kChinese);
    EXPECT_EQ(next.ComPortNumber, 5);
}

TEST_F(UserSettingsTest, AUsersFirstRunStartsFromTheInstallationsSettings) {
    if (!test::filePermissionsBind()) GTEST_SKIP() << "file permissions do not keep this user out";
    writeSetup("[language]\nIsFirstRun=0\ncomPort=4\nCurrentLanguage=2\n");
    fs::permissions(setup, fs::perms::owner_read);
    fs::permissions(setup.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    useUserSettingsWhereInstallationIsReadOnly(settings, user.string());
    readStartupSettings(settings, "en_US.UTF-8");
    fs::permissions(setup.parent_path(), fs::perms::owner_all);
    fs::permissions(setup, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(settings.ComPortNumber, 4);
    EXPECT_EQ(settings.CurrentLanguage, kChinese);
    EXPECT_EQ(setupValue("comPort"), "4");  // the installation's file as it was
}

}  // namespace
}  // namespace zq61
