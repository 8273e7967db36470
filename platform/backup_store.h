// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The backups of radio reads: every successful read from a radio is kept in
// the per-user data folder ("<AppDataLocation>/backups") as the document it
// gave (a .dat file), the radio's raw memory image (.img, 7424 bytes) and,
// when it was read, its information area (.info, 256 bytes). The files of
// one backup share a name made of the date and time (UTC, to the
// millisecond, so names sort by age), the model and the band mode:
//   2026-12-08_091800.123Z_ZQ-61_HAM.dat / .img / .info
// Only the newest kKeptBackups are kept; older ones are removed after each
// new one. Files of other names in the folder are never touched.

#include <QDateTime>

#include <cstdint>
#include <string>
#include <vector>

namespace zq61 {

inline constexpr int kKeptBackups = 100;

// What one read leaves behind. An empty `info` is not written, nor an empty
// `document` (a read whose image could not become a document, e.g. of an
// unknown band mode, still keeps the image).
struct BackupContent {
    std::vector<uint8_t> document;
    std::vector<uint8_t> image;
    std::vector<uint8_t> info;
    std::string model;  // e.g. "ZQ-61"
    int bandMode = 0;   // an unknown one is named "unknown"
};

struct BackupResult {
    bool saved = false;
    std::string path;   // the .dat file when saved, or the .img without a document
    std::string error;  // why not, for the user
};

class BackupStore {
  public:
    explicit BackupStore(std::string folder) : folder_(std::move(folder)) {}

    // "<AppDataLocation>/backups" of the running program. Needs a
    // QCoreApplication whose name is the program's ("zq61").
    static std::string defaultFolder();

    const std::string& folder() const { return folder_; }

    // Writes one backup (creating the folder), then removes the oldest
    // beyond `keep`. A backup that cannot be written completely is removed
    // again and reported; it never throws.
    BackupResult save(const BackupContent& content,
                      const QDateTime& when = QDateTime::currentDateTimeUtc(),
                      int keep = kKeptBackups) const;

    // The name stems of the backups in the folder, newest first.
    std::vector<std::string> list() const;

  private:
    void prune(int keep) const;
    std::string folder_;
};

}  // namespace zq61
