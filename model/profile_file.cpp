#include "model/profile_file.h"

#include <SimpleIni.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

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

// The whole file; nothing when it cannot be opened or read. SimpleIni's own
// loading opens files by narrow path, which on Windows misses any folder
// named outside the system's code page.
std::optional<std::string> readWholeFile(const std::string& path) {
    std::ifstream in(filePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string data;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        data.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return data;
}

bool load(CSimpleIniA& ini, const std::string& path) {
    const auto data = readWholeFile(path);
    return data && ini.LoadData(*data) >= 0;
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
                        const std::string& value) {
    CSimpleIniA ini;
    std::error_code ec;
    // A file that exists but cannot be read is never replaced by a new one:
    // that would lose every other key in it.
    if (std::filesystem::exists(filePath(path), ec) && !load(ini, path)) return false;
    // Written as key=value, the way the installed files and every earlier
    // version of the program wrote them.
    ini.SetSpaces(false);
    ini.SetValue(section.c_str(), key.c_str(), value.c_str());
    // Lines end as the platform's own text files do (CR LF on Windows).
    std::string data;
    if (ini.Save(data) < 0) return false;
    std::ofstream out(filePath(path), std::ios::binary | std::ios::trunc);
    out << data;
    out.close();
    return !out.fail();
}

}  // namespace zq61
