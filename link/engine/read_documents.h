// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Documents made from radio memory rather than from a file: what a read
// gives (the command line's reads, the backups, the compare window) and a
// document as the radio would hold it once written, so that a comparison
// with the radio does not list what the radio cannot store (such as the
// scan switch of the VFO slot).

#include <span>
#include <string>
#include <string_view>

#include "link/engine/memory_map.h"

namespace zq61 {

class Document;

// A new HAM document of the program's model, as the program has open at
// start-up: what a read from the radio replaces.
void prepareReadDocument(Document& doc, const std::string& programDir);

// A fresh document (as above) holding `image` of a radio in `bandMode`.
void documentOfImage(Document& doc, const MemoryBytes& image, int bandMode,
                     const std::string& programDir);

// A backup's memory image file as a document: its bytes (a whole image)
// and its name, whose end tells the band mode ("..._HF.img").
enum class ImageFileResult { Done, WrongSize, NoBandMode };
ImageFileResult documentOfImageFile(Document& doc, std::span<const uint8_t> bytes,
                                    std::string_view fileName, const std::string& programDir);

// The working copy packed into a memory image and unpacked again. A
// document the radio could not take (a frequency that is not a number)
// stays as it is.
void holdAsTheRadioDoes(Document& doc);

// The working copy of `from` (data, channels, model and band) into `to`.
void copyWorkingDocument(const Document& from, Document& to);

}  // namespace zq61
