// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_settings.h"

#include <charconv>
#include <filesystem>
#include <optional>

#include "model/file_paths.h"
#include "model/profile_file.h"

namespace zq61::cli {
namespace {

std::string readSetup(const Settings& settings, const char* key) {
    return readProfileString(mySetupPath(settings), "language", key, "", 512);
}

std::optional<int16_t> number(const std::string& text) {
    int16_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

Settings readSettingsReadOnly(const std::string& programDir, const std::string& userFolder) {
    Settings settings;
    settings.ProgramFolder = programDir;
    // A shared installation keeps each user's choices in their own folder
    // (see useUserSettingsWhereInstallationIsReadOnly); read them there.
    if (!installationSettingsWritable(settings)) {
        Settings own = settings;
        own.UserSettingsFolder = userFolder;
        std::error_code ec;
        if (std::filesystem::exists(filePath(mySetupPath(own)), ec))
            settings.UserSettingsFolder = userFolder;
    }
    settings.CurrentLanguage = languageFromLocaleName(localeNameFromEnvironment());
    settings.LanguageFileName = languageFileNameFor(settings.CurrentLanguage);
    settings.ShownLanguage = settings.CurrentLanguage;
    settings.ComPortNumber = number(readSetup(settings, "comPort")).value_or(1);
    settings.PortName = readSetup(settings, "portName");
    // After the first run the file's language holds; on the first run (or
    // without the file) the locale's.
    if (number(readSetup(settings, "IsFirstRun")) == int16_t{0}) {
        const auto language = number(readSetup(settings, "CurrentLanguage"));
        if (language == kEnglish || language == kChinese) {
            settings.CurrentLanguage = *language;
            settings.LanguageFileName = languageFileNameFor(*language);
        }
    }
    return settings;
}

std::string CliTexts::text(int id) const {
    std::string found = texts_.text(id);
    return found.empty() ? "(text " + std::to_string(id) + ")" : found;
}

}  // namespace zq61::cli
