// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/read_backup.h"

#include "link/engine/read_documents.h"
#include "model/bands.h"
#include "model/dat_file.h"
#include "model/document.h"

namespace zq61 {

BackupResult keepReadBackup(const BackupStore& store, const ReadBackup& read, Prompter& prompter,
                            const Texts& texts) {
    BackupContent content;
    content.image.assign(read.image.begin(), read.image.end());
    content.model = read.model;
    content.bandMode = isKnownBandMode(read.bandMode) ? read.bandMode : -1;
    if (isKnownBandMode(read.bandMode)) {
        Document doc(prompter, texts);
        documentOfImage(doc, read.image, read.bandMode, read.programDir);
        content.document = documentFileBytes(doc);
    }
    return store.save(content);
}

}  // namespace zq61
