// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/backup_names.h"

#include <cstdio>

#include "model/bands.h"

namespace zq61 {
namespace {

// "2026-12-08_091800.123Z_": the fixed part at the start of every stem.
constexpr std::string_view kTimeForm = "dddd-dd-dd_dddddd.dddZ_";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isNameCharacter(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_';
}

// Letters, digits and '-' of a text; anything else becomes '_'.
std::string nameSafe(const std::string& text) {
    std::string out;
    for (const char c : text)
        out += isNameCharacter(c) && c != '_' ? c : '_';
    return out.empty() ? "unknown" : out;
}

int number(std::string_view digits) {
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

}  // namespace

BackupName backupNameOf(int year, int month, int day, int hour, int minute, int second,
                        int millisecond, const std::string& model, int bandMode) {
    BackupName name{year, month, day, hour, minute, second, millisecond, nameSafe(model), {}};
    name.band = nameSafe(bandModeName(bandMode));
    return name;
}

std::string backupStem(const BackupName& name) {
    char time[64];
    std::snprintf(time, sizeof time, "%04d-%02d-%02d_%02d%02d%02d.%03dZ_", name.year, name.month,
                  name.day, name.hour, name.minute, name.second, name.millisecond);
    return time + name.model + "_" + name.band;
}

std::optional<BackupName> parseBackupStem(std::string_view stem) {
    if (stem.size() < kTimeForm.size()) return std::nullopt;
    for (std::size_t i = 0; i < kTimeForm.size(); ++i) {
        const bool digitWanted = kTimeForm[i] == 'd';
        if (digitWanted ? !isDigit(stem[i]) : stem[i] != kTimeForm[i]) return std::nullopt;
    }
    const std::string_view rest = stem.substr(kTimeForm.size());
    for (const char c : rest)
        if (!isNameCharacter(c)) return std::nullopt;
    BackupName name;
    name.year = number(stem.substr(0, 4));
    name.month = number(stem.substr(5, 2));
    name.day = number(stem.substr(8, 2));
    name.hour = number(stem.substr(11, 2));
    name.minute = number(stem.substr(13, 2));
    name.second = number(stem.substr(15, 2));
    name.millisecond = number(stem.substr(18, 3));
    const std::size_t last = rest.rfind('_');
    if (last == std::string_view::npos) return std::nullopt;  // no model and band
    name.model = std::string(rest.substr(0, last));
    name.band = std::string(rest.substr(last + 1));
    return name;
}

std::optional<std::string> backupStemOfFile(std::string_view fileName) {
    for (const std::string_view extension : kBackupExtensions) {
        if (!fileName.ends_with(extension)) continue;
        const std::string_view stem = fileName.substr(0, fileName.size() - extension.size());
        if (parseBackupStem(stem)) return std::string(stem);
    }
    return std::nullopt;
}

int bandModeOfBackupFile(std::string_view fileName) {
    // Only the end of the name counts: an image renamed "radio_HF.img" still
    // tells its band mode.
    const std::string_view stem = fileName.substr(0, fileName.rfind('.'));
    const std::size_t last = stem.rfind('_');
    if (last == std::string_view::npos) return -1;
    for (const int mode : {kBandCB, kBandHF, kBandHAM})
        if (stem.substr(last + 1) == bandModeName(mode)) return mode;
    return -1;
}

}  // namespace zq61
