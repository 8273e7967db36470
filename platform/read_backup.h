// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The backup of one successful read from a radio, as the command line and
// the window program keep it: the radio's memory image, and the document it
// gives (made from the image on its own, so it is the radio's data whatever
// document was open) when the band mode is one the program knows.

#include <string>

#include "link/engine/memory_map.h"
#include "platform/backup_store.h"

namespace zq61 {

class Prompter;
class Texts;

struct ReadBackup {
    const MemoryBytes& image;
    int bandMode = -1;       // the radio's; unknown ones keep only the image
    std::string model;       // e.g. "ZQ-61"
    std::string programDir;  // the program's folder (defaults of a new document)
};

// Saves the backup into `store`; never throws. `prompter` and `texts` serve
// the document made from the image, which asks nothing.
BackupResult keepReadBackup(const BackupStore& store, const ReadBackup& read, Prompter& prompter,
                            const Texts& texts);

}  // namespace zq61
