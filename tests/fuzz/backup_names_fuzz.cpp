// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary file names as found in the backups folder, where anyone may have
// put any file. A name taken for a backup's must give back its own stem, and
// a band mode read from a name must be the one the name ends in.

#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "model/backup_names.h"
#include "model/bands.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zq61;
    const std::string_view fileName(reinterpret_cast<const char*>(data), size);
    if (const auto stem = backupStemOfFile(fileName)) {
        fuzz::check(fileName.starts_with(*stem));
        const auto name = parseBackupStem(*stem);
        fuzz::check(name.has_value() && backupStem(*name) == *stem);
        fuzz::check(name->band.find('_') == std::string::npos);
    }
    const int bandMode = bandModeOfBackupFile(fileName);
    if (bandMode >= 0) {
        fuzz::check(isKnownBandMode(bandMode));
        const std::string_view stem = fileName.substr(0, fileName.rfind('.'));
        fuzz::check(stem.ends_with("_" + bandModeName(bandMode)));
    }
    return 0;
}
