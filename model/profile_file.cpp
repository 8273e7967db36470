// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile_file.h"

#include <SimpleIni.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "model/file_io.h"
#include "model/file_paths.h"

namespace zq61 {
namespace {

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Cuts a UTF-8 text after `maxChars` characters without splitting one.
std::string cutCharacters(const std::string& text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {  // first byte of a character
            if (chars == maxChars) return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

// SimpleIni's own loading opens files by narrow path, which on Windows
// misses any folder named outside the system's code page: the file is read
// here and handed over.
bool load(CSimpleIniA& ini, const std::string& path) {
    const FileBytes file = readFileBytes(path);
    return !file.problem &&
           ini.LoadData(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()) >= 0;
}

}  // namespace

std::string readProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& def,
                              std::size_t bufferSize) {
    CSimpleIniA ini;
    ini.SetMultiKey(false);
    if (!load(ini, path)) return def;
    const char* value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
    if (value == nullptr) return def;
    const std::string trimmed = trimBlanks(value);
    return bufferSize == 0 ? std::string() : cutCharacters(trimmed, bufferSize - 1);
}

bool writeProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value, FileProblem* why) {
    CSimpleIniA ini;
    std::error_code ec;
    // A file that exists but cannot be read is never replaced by a new one:
    // that would lose every other key in it.
    if (std::filesystem::exists(filePath(path), ec)) {
        const FileBytes file = readFileBytes(path);
        if (file.problem) {
            if (why) *why = *file.problem;
            return false;
        }
        const SI_Error loaded =
            ini.LoadData(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
        if (loaded < 0) {
            if (why) *why = {path, systemReason(loaded == SI_NOMEM ? ENOMEM : EILSEQ)};
            return false;
        }
    }
    // Written as key=value, the way the installed files and every earlier
    // version of the program wrote them.
    ini.SetSpaces(false);
    ini.SetValue(section.c_str(), key.c_str(), value.c_str());
    // Lines end as the platform's own text files do (CR LF on Windows).
    // Made in memory and put in place whole: a full disk or a crash never
    // leaves the file empty or cut short.
    std::string text;
    ini.Save(text, false);
    const auto problem = replaceFile(path, text);
    if (problem && why) *why = *problem;
    return !problem;
}

}  // namespace zq61
