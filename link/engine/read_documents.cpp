// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/read_documents.h"

#include <algorithm>

#include "model/backup_names.h"
#include "model/bands.h"
#include "model/document.h"
#include "model/document_copies.h"
#include "model/new_document.h"

namespace zq61 {

void prepareReadDocument(Document& doc, const std::string& programDir) {
    setBand(doc, kBandHAM);
    NewDocumentOptions fresh;
    fresh.programDir = programDir;
    newDocument(doc, fresh);
}

void documentOfImage(Document& doc, const MemoryBytes& image, int bandMode,
                     const std::string& programDir) {
    prepareReadDocument(doc, programDir);
    UnpackDocument(doc, image, bandMode);
}

ImageFileResult documentOfImageFile(Document& doc, std::span<const uint8_t> bytes,
                                    std::string_view fileName, const std::string& programDir) {
    MemoryBytes image{};
    if (bytes.size() != image.size()) return ImageFileResult::WrongSize;
    const int bandMode = bandModeOfBackupFile(fileName);
    if (bandMode < 0) return ImageFileResult::NoBandMode;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    documentOfImage(doc, image, bandMode, programDir);
    return ImageFileResult::Done;
}

void holdAsTheRadioDoes(Document& doc) {
    MemoryBytes image{};
    if (PackDocument(doc, image) != 0) return;  // not writable as it is: kept as it is
    UnpackDocument(doc, image, doc.BandMode);
}

void copyWorkingDocument(const Document& from, Document& to) {
    to.WorkData = from.WorkData;
    to.WorkChannels = from.WorkChannels;
    to.ModelName = from.ModelName;
    to.BandMode = from.BandMode;
    to.BandRangeText = from.BandRangeText;
    to.BandLowMHz = from.BandLowMHz;
    to.BandHighMHz = from.BandHighMHz;
}

}  // namespace zq61
