// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/backup_names.h"

#include <gtest/gtest.h>

namespace zq61 {
namespace {

// A backup's name is made from the read's time, the model and the band
// mode; a file in the folder counts as a backup's only when its name has
// exactly that form, and an image tells its band mode by its name's end.
TEST(BackupNames, MadeAndReadBackOnlyInTheirOwnForm) {
    const BackupName name = backupNameOf(2026, 12, 8, 9, 18, 0, 123, "ZQ 61/x", 1);
    EXPECT_EQ(backupStem(name), "2026-12-08_091800.123Z_ZQ_61_x_HF");
    EXPECT_EQ(parseBackupStem(backupStem(name)), name);
    EXPECT_EQ(backupStem(backupNameOf(2027, 1, 31, 23, 59, 59, 999, "", 7)),
              "2027-01-31_235959.999Z_unknown_Unknown");

    struct Case {
        const char* file;
        const char* stem;  // nullptr: not a backup's
        int bandMode;
    };
    const Case cases[] = {
        {"2026-12-08_091800.123Z_ZQ-61_HAM.dat", "2026-12-08_091800.123Z_ZQ-61_HAM", 2},
        {"2026-12-08_091800.123Z_ZQ-61_CB.img", "2026-12-08_091800.123Z_ZQ-61_CB", 0},
        {"2026-12-08_091800.123Z_ZQ-61_unknown.info", "2026-12-08_091800.123Z_ZQ-61_unknown", -1},
        {"2026-12-08_091800.123Z_ZQ-61_HF.txt", nullptr, 1},
        {"2026-12-08_091800.123Z_ZQ-61.dat", nullptr, -1},  // no band mode
        {"2026-12-08_091800.123Z_ZQ 61_HF.dat", nullptr, 1},
        {"2026-12-08_0918.123Z_ZQ-61_HF.dat", nullptr, 1},
        {"2026-12-08T091800.123Z_ZQ-61_HF.dat", nullptr, 1},
        {"radio_HF.img", nullptr, 1},
        {"notes.txt", nullptr, -1},
        {".dat", nullptr, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto stem = backupStemOfFile(c.file);
        EXPECT_EQ(stem.has_value(), c.stem != nullptr);
        if (stem && c.stem) {
            EXPECT_EQ(*stem, c.stem);
        }
        EXPECT_EQ(bandModeOfBackupFile(c.file), c.bandMode);
    }
}

}  // namespace
}  // namespace zq61
