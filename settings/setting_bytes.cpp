// Setting.ini: four opaque bytes at the start of the file, read at start-up
// and written back unchanged when the program ends.

#include <filesystem>
#include <fstream>
#include <system_error>

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
        std::ofstream create(path, std::ios::binary);
        settings.ReservedSettingBytes = create ? std::array<uint8_t, 4>{} : kUnreadableBytes;
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

bool saveSettingBytes(const Settings& settings) {
    const std::filesystem::path path = filePath(settingBytesPath(settings));
    // Only the first four bytes are replaced; the file is created when missing.
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!out.is_open()) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec) || ec) return false;
        out.open(path, std::ios::binary | std::ios::out);
        if (!out.is_open()) return false;
    }
    out.seekp(0);
    out.write(reinterpret_cast<const char*>(settings.ReservedSettingBytes.data()), 4);
    out.close();
    return !out.fail();
}

}  // namespace zq61
