// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own settings, outside the radio data: language and serial
// port from mysetup.ini, four reserved bytes from Setting.ini, and the
// decimal separator.
//
// Usage at start-up:
//     Settings settings;
//     settings.ProgramFolder = <folder of the program file>;
//     readStartupSettings(settings, localeNameFromEnvironment());
//     ... splash, main window ...
//     loadSettingBytes(settings);
// and at shut-down:  saveSettingBytes(settings);
// The language dialog calls applyLanguageChoice, the port dialog
// applyPortChoice; both write mysetup.ini.
// Programs that use Qt call useDotDecimalSeparator() right after creating
// the application object.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/file_io.h"

namespace zq61 {

inline constexpr int16_t kEnglish = 1;
inline constexpr int16_t kChinese = 2;

struct Settings {
    // Folder that holds the program file; the language files are in its
    // "language" folder, Setting.ini beside the program.
    std::string ProgramFolder;

    int16_t CurrentLanguage = kEnglish;  // 1 English, 2 Chinese
    int16_t ShownLanguage = kEnglish;    // language the main window shows
    std::string LanguageFileName = "english.ini";
    int16_t ComPortNumber = 1;  // COM1..COM16
    // A serial port chosen by its device path (USB adapters and the like);
    // while set it is used instead of ComPortNumber.
    std::string PortName;
    bool FirstRun = false;
    bool IsNt60 = false;
    std::array<uint8_t, 4> ReservedSettingBytes{};
    bool InitialSettingsRequest = false;  // next new document starts from the Initialize file
    // Where mysetup.ini and Setting.ini are kept for this user when the
    // installation's own files cannot be written (a package under /usr);
    // empty: in the installation, as staged.
    std::string UserSettingsFolder;
    // The settings files of this run that could not be written, and why,
    // in order; the program tells the user (once for each folder) and
    // clears the list. The choices still hold until the program ends.
    std::vector<FileProblem> WriteProblems;
};

// The installation folder that holds Version.ini and language/mysetup.ini:
// the parent of the program folder (the folder itself when it has no parent
// below the file system root, as "/" or "/V100").
std::string SettingsRoot(const std::string& programFolder);

// An installation whose mysetup.ini cannot be written (installed for all
// users) keeps each user's mysetup.ini and Setting.ini in `userFolder`
// instead: the first time from a copy of the installation's mysetup.ini, so
// its defaults hold. A writable installation keeps its own files. Call
// before readStartupSettings; sets UserSettingsFolder.
void useUserSettingsWhereInstallationIsReadOnly(Settings& settings, const std::string& userFolder);
// Whether the installation's mysetup.ini can be written (or made). Nothing
// is kept: a file that is there is opened for appending, and for a missing
// one a trial file is made and removed again.
bool installationSettingsWritable(const Settings& settings);

// Paths of the settings and language files.
std::string mySetupPath(const Settings& settings);
std::string settingBytesPath(const Settings& settings);
std::string languageFilePath(const Settings& settings);

// The locale name the user runs under: LC_ALL, then LC_MESSAGES, then LANG
// (the first that is set and not empty).
std::string localeNameFromEnvironment();

// Chinese for a mainland Chinese locale ("zh_CN..."), English otherwise.
int16_t languageFromLocaleName(const std::string& localeName);

// "chinese.ini" for Chinese, "english.ini" otherwise.
std::string languageFileNameFor(int16_t language);

// Start-up: clears the one-shot flags, takes the language from the locale,
// then reads mysetup.ini. On the first run (or when the file or its
// "IsFirstRun" is missing or unreadable) the locale's language stays and
// "IsFirstRun" becomes 0; later runs take "CurrentLanguage" from the file
// (a number other than 1 or 2 is kept but the locale's file stays in use).
// Writes "comPort" and "CurrentLanguage" back every time. Write failures
// are added to WriteProblems.
void readStartupSettings(Settings& settings, const std::string& localeName);

// The language dialog's OK: n becomes the current language (remembering
// the shown one so the main window re-applies its texts) and is written to
// mysetup.ini even when unchanged. Returns false when the file could not
// be written (added to WriteProblems); the choice still holds for this run.
bool applyLanguageChoice(Settings& settings, int16_t language);

// The port dialog's OK: stores the port number, and the device path (empty
// for none), in the settings and in mysetup.ini.
bool applyPortChoice(Settings& settings, int16_t portNumber, const std::string& portName);

// Setting.ini: four bytes kept unchanged from start to end of the run. A
// missing file is created and reads as 00 00 00 00; any error gives
// 00 00 00 01; a file that cannot be made is added to WriteProblems.
// Saving replaces the file whole (through a temporary file); it returns
// false on error, added to WriteProblems, and changes nothing else.
void loadSettingBytes(Settings& settings);
bool saveSettingBytes(Settings& settings);

// Whether the operating system is the NT 6.0 generation; false off Windows.
bool detectIsNt60();

// Sets the C library's numeric formatting back to the "C" locale so that
// "." is the decimal separator everywhere (Qt sets the user's locale when
// the application object is created). The system settings stay untouched.
void useDotDecimalSeparator();

}  // namespace zq61
