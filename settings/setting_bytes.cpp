// SPDX-License-Identifier: GPL-3.0-or-later
// Setting.ini: four opaque bytes at the start of the file, read at start-up
// and written back unchanged when the program ends.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "model/file_paths.h"
#include "settings/settings.h"

namespace zq61 {
namespace {

constexpr std::array<uint8_t, 4> kUnreadableBytes = {0, 0, 0, 1};

}  // namespace

void loadSettingBytes(Settings& settings) {
    namespace fs = std::filesystem;
    const fs::path path = filePath(settingBytesPath(settings));
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec && status.type() != fs::file_type::not_found) {
        settings.ReservedSettingBytes = kUnreadableBytes;
        return;
    }
    if (status.type() == fs::file_type::not_found) {
        // Created empty, as opening the file always did; reads as zeros.
        const auto problem = replaceFile(settingBytesPath(settings), std::string_view());
        settings.ReservedSettingBytes = problem ? kUnreadableBytes : std::array<uint8_t, 4>{};
        if (problem) settings.WriteProblems.push_back(*problem);
        return;
    }
    if (status.type() != fs::file_type::regular) {
        settings.ReservedSettingBytes = kUnreadableBytes;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    char bytes[4] = {};
    if (in) in.read(bytes, sizeof bytes);
    if (!in.is_open() || in.bad()) {
        settings.ReservedSettingBytes = kUnreadableBytes;
        return;
    }
    // A short file reads as its bytes followed by zeros.
    for (std::size_t i = 0; i < 4; ++i)
        settings.ReservedSettingBytes[i] = static_cast<uint8_t>(bytes[i]);
}

bool saveSettingBytes(Settings& settings) {
    const std::string path = settingBytesPath(settings);
    // Only the first four bytes change; whatever follows them stays. The
    // file is replaced whole, so a full disk never leaves it empty.
    std::vector<uint8_t> bytes;
    std::error_code ec;
    if (std::filesystem::exists(filePath(path), ec)) {
        FileBytes file = readFileBytes(path);
        if (file.problem) {
            settings.WriteProblems.push_back(*file.problem);
            return false;
        }
        bytes = std::move(file.bytes);
    }
    if (bytes.size() < 4) bytes.resize(4);
    std::copy(settings.ReservedSettingBytes.begin(), settings.ReservedSettingBytes.end(),
              bytes.begin());
    if (const auto problem = replaceFile(path, bytes)) {
        settings.WriteProblems.push_back(*problem);
        return false;
    }
    return true;
}

}  // namespace zq61
