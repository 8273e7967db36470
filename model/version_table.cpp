// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/version_table.h"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "codec/text_helpers.h"
#include "model/file_paths.h"
#include "model/profile_file.h"
#include "model/radio_data.h"
#include "model/text_ids.h"

namespace zq61 {
namespace {

constexpr std::size_t kValueBuffer = 512;
// A count beyond any real table: a damaged count must not keep the program
// reading keys that are not there.
constexpr int kMaxTableEntries = 1000;

std::string readValue(const std::string& path, const char* section, const std::string& key) {
    return cleanString(readProfileString(path, section, key, "", kValueBuffer));
}

int readCount(const std::string& path, const char* key) {
    const std::string text = readValue(path, "Version", key);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return 0;
    return std::clamp(value, 0, kMaxTableEntries);
}

std::string leftChars(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, std::min(n, text.size())));
}

std::string rightChars(std::string_view text, std::size_t n) {
    return std::string(text.substr(text.size() - std::min(n, text.size())));
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

}  // namespace

VersionTable VersionTable::load(const std::string& installRoot) {
    VersionTable table;
    const std::string path = joinPath(installRoot, "Version.ini");
    if (!std::ifstream(filePath(path))) {
        table.CurrentVersion = kDataVersion;
        table.Pairs.push_back({kDataVersion, kDataVersion});
        return table;
    }
    table.CurrentVersion = readValue(path, "Version", "CurrentVersion");
    const int softCount = readCount(path, "SoftVersionCount");
    const int firmCount = readCount(path, "FirmVersionCount");
    for (int i = 0; i < softCount; ++i)
        table.SoftVersions.push_back(readValue(path, "Soft", "Version" + std::to_string(i)));
    for (int i = 0; i < firmCount; ++i) {
        const std::string value = readValue(path, "Firm", "Firm" + std::to_string(i));
        table.Pairs.push_back({leftChars(value, 4), rightChars(value, 4)});
    }
    return table;
}

bool VersionTable::isCompatible(std::string_view program, std::string_view foreign) const {
    return std::any_of(Pairs.begin(), Pairs.end(), [&](const VersionPair& p) {
        return p.program == program && p.foreign == foreign;
    });
}

std::string VersionTable::programVersionFor(std::string_view foreign) const {
    for (const auto& p : Pairs)
        if (p.foreign == foreign) return p.program;
    return {};
}

std::string installationRoot(std::string_view programDir) {
    std::size_t pos = programDir.size();
    while (pos > 0 && !isSeparator(programDir[pos - 1]))
        --pos;
    if (pos <= 1) return std::string(programDir);  // no separator after the first character
    return std::string(programDir.substr(0, pos - 1));
}

bool isValidVersion(std::string_view version) {
    const std::string v = cleanString(version);
    return v.size() == 4 && v[0] == 'V' &&
           std::all_of(v.begin() + 1, v.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string versionDisplayForm(std::string_view version) {
    return leftChars(version, 2) + "." + rightChars(version, 2);
}

std::string mismatchMessage(const Texts& texts, std::string_view program, std::string_view foreign,
                            ForeignKind kind) {
    const int foreignLine =
        kind == ForeignKind::Radio ? txt::kVersionRadioLine : txt::kVersionFileLine;
    return texts.text(txt::kVersionMismatch) + "\r\n" + texts.text(foreignLine) + " " +
           versionDisplayForm(foreign) + "\r\n" + texts.text(txt::kVersionProgramLine) + " " +
           versionDisplayForm(program);
}

}  // namespace zq61
