// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/serial_ports.h"

#include <charconv>

namespace zq61 {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool startsWithCom(std::string_view name) {
    if (name.size() < 3) return false;
    for (std::size_t i = 0; i < 3; ++i)
        if ((name[i] | 0x20) != "com"[i]) return false;
    return true;
}

}  // namespace

std::string comPortDeviceName(int number) {
#ifdef _WIN32
    return "COM" + std::to_string(number);
#else
    return "/dev/ttyS" + std::to_string(number - 1);
#endif
}

std::string typedPortDeviceName(std::string_view typed) {
    const std::string_view name = trimmed(typed);
    if (startsWithCom(name)) {
        const std::string_view digits = name.substr(3);
        int number = 0;
        const auto [end, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (ec == std::errc() && end == digits.data() + digits.size() && digits.size() <= 3 &&
            number >= 1)
            return comPortDeviceName(number);
    }
    return std::string(name);
}

std::string settingsPortDeviceName(const Settings& settings) {
    if (!settings.PortName.empty()) return typedPortDeviceName(settings.PortName);
    return comPortDeviceName(settings.ComPortNumber);
}

std::string portFileStem(std::string_view device) {
    std::string_view name = trimmed(device);
    for (std::string_view prefix : {"/dev/", "\\\\.\\"})
        if (name.starts_with(prefix)) name.remove_prefix(prefix.size());
    std::string stem;
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        stem += c == '/' || c == '\\' ? '-' : plain ? c : '_';
    }
    // "." and ".." are no file names of their own.
    if (stem.find_first_not_of('.') == std::string::npos) stem.insert(0, "port");
    return stem;
}

}  // namespace zq61
