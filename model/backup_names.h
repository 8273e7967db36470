// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names of the backups of radio reads (the files themselves are kept by
// platform/backup_store.h). One backup's files share a stem made of the
// read's date and time (UTC, to the millisecond, so that names sort by age),
// the model and the band mode, and end in .dat, .img or .info:
//   2026-12-08_091800.123Z_ZQ-61_HAM.dat
// Names come back from the folder, where anyone may have put any file, so
// reading them back is strict: a name that does not have this form is not a
// backup's.

#include <optional>
#include <string>
#include <string_view>

namespace zq61 {

// The extensions of a backup's files: the document, the memory image, the
// information area.
inline constexpr const char* kBackupExtensions[] = {".dat", ".img", ".info"};

struct BackupName {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    std::string model;  // letters, digits, '-' and '_'
    std::string band;   // "CB", "HF", "HAM" or "Unknown"; after the last '_'

    bool operator==(const BackupName&) const = default;
};

// The name of a backup taken at that time (UTC) of a radio of that model
// in that band mode (-1 or any other unknown one: "Unknown"): in the model
// and the band every character other than a letter, a digit or '-' is
// made '_'.
BackupName backupNameOf(int year, int month, int day, int hour, int minute, int second,
                        int millisecond, const std::string& model, int bandMode);

// The stem of a backup's files: "2026-12-08_091800.123Z_ZQ-61_HAM".
std::string backupStem(const BackupName& name);

// A stem read back; nothing when it is not a backup's. What it gives makes
// the same stem again.
std::optional<BackupName> parseBackupStem(std::string_view stem);

// The stem of a backup's file name ("....dat", ".img", ".info"); nothing
// for any other file.
std::optional<std::string> backupStemOfFile(std::string_view fileName);

// The band mode a backup's file is named after (0 CB, 1 HF, 2 HAM): the
// part of the name after its last '_' and before its extension; -1 when
// that is none of them.
int bandModeOfBackupFile(std::string_view fileName);

}  // namespace zq61
