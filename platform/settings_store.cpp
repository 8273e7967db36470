// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_store.h"

#include <QSettings>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zq61 {
namespace {

namespace fs = std::filesystem;

// Why `path` cannot be written: its folder cannot be made, a trial file in
// it cannot be written (read-only, full), or the file itself refuses.
std::string reasonNotWritable(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return ec.message();
    const std::string trial = (folder / ".zq61-write-trial").string();
    if (const auto problem = replaceFile(trial, std::string_view("?"))) return problem->reason;
    fs::remove(trial, ec);
    if (!fs::exists(path, ec)) return systemReason(EIO);  // nothing else to blame
    errno = 0;
    if (std::FILE* file = std::fopen(path.c_str(), "r+b")) {
        std::fclose(file);
        return systemReason(EIO);
    }
    return systemReason(errno != 0 ? errno : EIO);
}

}  // namespace

std::optional<FileProblem> saveSettingsStore(QSettings& store) {
    store.sync();
    if (store.status() != QSettings::AccessError) return std::nullopt;
    const std::string path = store.fileName().toStdString();
    return FileProblem{path, reasonNotWritable(path)};
}

}  // namespace zq61
