// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_paths.h"

namespace zq61 {

std::filesystem::path filePath(std::string_view utf8) {
    // Made from UTF-8 code units, the path is converted to the platform's
    // own encoding (UTF-16 on Windows); on Linux it keeps the same bytes.
    const std::u8string_view units(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size());
    return std::filesystem::path(units);
}

std::string pathText(const std::filesystem::path& path) {
    const std::u8string units = path.u8string();
    return std::string(units.begin(), units.end());
}

bool isPathSeparator(char c) {
    return c == '/' || c == static_cast<char>(std::filesystem::path::preferred_separator);
}

std::string joinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string path(folder);
    if (!isPathSeparator(path.back()))
        path += static_cast<char>(std::filesystem::path::preferred_separator);
    return path + std::string(name);
}

}  // namespace zq61
