// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <system_error>

#include "model/file_paths.h"
#include "model/profile_file.h"
#include "model/version_table.h"

namespace zq61 {
namespace {

constexpr const char* kSection = "language";
constexpr const char* kFirstRunKey = "IsFirstRun";
constexpr const char* kComPortKey = "comPort";
constexpr const char* kLanguageKey = "CurrentLanguage";
constexpr const char* kPortNameKey = "portName";
constexpr std::size_t kValueBuffer = 512;

std::string readSetup(const Settings& settings, const char* key) {
    return readProfileString(mySetupPath(settings), kSection, key, "", kValueBuffer);
}

// Writes one key, creating the settings folder when it is missing; a
// failure is kept for the program to tell.
bool writeSetup(Settings& settings, const char* key, const std::string& value) {
    const std::string path = mySetupPath(settings);
    std::error_code ec;
    std::filesystem::create_directories(filePath(path).parent_path(), ec);
    FileProblem why;
    if (writeProfileString(path, kSection, key, value, &why)) return true;
    // A folder that could not be made is the reason, not the missing file.
    if (ec) why.reason = ec.message();
    settings.WriteProblems.push_back(why);
    return false;
}

// Whether `file` can be written without changing it: a file that is there
// is opened for appending; for a missing one a trial file is made (and
// removed) in its folder, which is created as the start-up would.
bool canWrite(const std::string& file) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(filePath(file), ec)) {
        std::ofstream probe(filePath(file), std::ios::app);
        return probe.is_open();
    }
    const fs::path folder = filePath(file).parent_path();
    fs::create_directories(folder, ec);
    const fs::path trial = folder / ".zq61-write-trial";
    {
        std::ofstream probe(trial);
        if (!probe.is_open()) return false;
    }
    fs::remove(trial, ec);
    return true;
}

// A whole decimal number that fits a 16-bit integer; nothing otherwise.
std::optional<int16_t> parseInt16(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(value);
}

// "0" is false, any other number true; "true"/"false" are taken too.
std::optional<bool> parseBoolean(const std::string& text) {
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (lower == "true") return true;
    if (lower == "false") return false;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec == std::errc::result_out_of_range) return true;  // a huge number is still non-zero
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value != 0;
}

}  // namespace

std::string SettingsRoot(const std::string& programFolder) {
    // The same folder as the version table's, so that both settings files
    // of one installation sit side by side.
    std::string folder = programFolder;
    while (folder.size() > 1 && isPathSeparator(folder.back()))
        folder.pop_back();
    return installationRoot(folder);
}

std::string mySetupPath(const Settings& settings) {
    if (!settings.UserSettingsFolder.empty())
        return joinPath(settings.UserSettingsFolder, "mysetup.ini");
    return joinPath(joinPath(SettingsRoot(settings.ProgramFolder), "language"), "mysetup.ini");
}

std::string settingBytesPath(const Settings& settings) {
    if (!settings.UserSettingsFolder.empty())
        return joinPath(settings.UserSettingsFolder, "Setting.ini");
    return joinPath(settings.ProgramFolder, "Setting.ini");
}

bool installationSettingsWritable(const Settings& settings) {
    Settings installation = settings;
    installation.UserSettingsFolder.clear();
    return canWrite(mySetupPath(installation));
}

void useUserSettingsWhereInstallationIsReadOnly(Settings& settings, const std::string& userFolder) {
    namespace fs = std::filesystem;
    settings.UserSettingsFolder.clear();
    if (installationSettingsWritable(settings)) return;
    const std::string installed = mySetupPath(settings);
    settings.UserSettingsFolder = userFolder;
    const std::string own = mySetupPath(settings);
    std::error_code ec;
    fs::create_directories(filePath(userFolder), ec);
    if (!fs::exists(filePath(own), ec) && fs::is_regular_file(filePath(installed), ec))
        fs::copy_file(filePath(installed), filePath(own), ec);
}

std::string languageFilePath(const Settings& settings) {
    return joinPath(joinPath(settings.ProgramFolder, "language"), settings.LanguageFileName);
}

std::string localeNameFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

int16_t languageFromLocaleName(const std::string& localeName) {
    return localeName.rfind("zh_CN", 0) == 0 ? kChinese : kEnglish;
}

std::string languageFileNameFor(int16_t language) {
    return language == kChinese ? "chinese.ini" : "english.ini";
}

void readStartupSettings(Settings& settings, const std::string& localeName) {
    settings.InitialSettingsRequest = false;
    settings.CurrentLanguage = languageFromLocaleName(localeName);
    settings.LanguageFileName = languageFileNameFor(settings.CurrentLanguage);
    settings.ShownLanguage = settings.CurrentLanguage;
    settings.IsNt60 = detectIsNt60();
    settings.ComPortNumber = 1;

    // A missing file, or one without a readable first-run flag, counts as
    // the first run: the locale decides the language and the file is
    // written with all its keys.
    settings.FirstRun = parseBoolean(readSetup(settings, kFirstRunKey)).value_or(true);
    settings.ComPortNumber = parseInt16(readSetup(settings, kComPortKey)).value_or(1);
    settings.PortName = readSetup(settings, kPortNameKey);

    std::error_code ec;
    std::filesystem::create_directories(filePath(mySetupPath(settings)).parent_path(), ec);
    if (settings.FirstRun) {
        writeSetup(settings, kFirstRunKey, "0");
    } else if (const auto language = parseInt16(readSetup(settings, kLanguageKey))) {
        settings.CurrentLanguage = *language;
        if (*language == kEnglish || *language == kChinese)
            settings.LanguageFileName = languageFileNameFor(*language);
    }
    writeSetup(settings, kComPortKey, std::to_string(settings.ComPortNumber));
    writeSetup(settings, kLanguageKey, std::to_string(settings.CurrentLanguage));
}

bool applyLanguageChoice(Settings& settings, int16_t language) {
    if (language != settings.CurrentLanguage) {
        settings.ShownLanguage = settings.CurrentLanguage;
        settings.CurrentLanguage = language;
        settings.LanguageFileName = languageFileNameFor(language);
    }
    return writeSetup(settings, kLanguageKey, std::to_string(language));
}

bool applyPortChoice(Settings& settings, int16_t portNumber, const std::string& portName) {
    settings.ComPortNumber = portNumber;
    settings.PortName = portName;
    const bool numberWritten = writeSetup(settings, kComPortKey, std::to_string(portNumber));
    return writeSetup(settings, kPortNameKey, portName) && numberWritten;
}

void useDotDecimalSeparator() {
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace zq61
