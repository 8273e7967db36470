// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saving and opening .dat document files (layout in dat_layout.h).
//
//   Save:     saveDocument(doc) or, for Save As, saveDocumentAs(doc, path).
//             Messages: 9002 when the file cannot be written.
//   Open:     openDocument(doc, path, versions) after asking about unsaved
//             changes and closing the child windows. On Opened the caller
//             shows the channel grid, refreshes its captions and texts and
//             cascades; on OtherVersionStarted it ends the program at once.
//   Defaults: fullRead / settingsOnlyRead for the files of a new document;
//             silent, see new_document.h.
//
// A refused or failed open or save changes nothing in the document: both
// copies, DataFileName and IsUntitled stay as they were, and a failed save
// leaves the earlier file on disk intact.

#include <cstdint>
#include <string>
#include <vector>

namespace zq61 {

class Document;
class ProgramVersions;

// The bytes Save would write for the document, without writing them and
// without changing the document (backups are made of these).
std::vector<uint8_t> documentFileBytes(const Document& doc);

// Writes the document to `path` (through a temporary file in the same folder
// that replaces the target only once it is complete). On success the file
// copy equals the working copy, DataFileName = path and IsUntitled = false.
// On failure message 9002; returns false.
bool saveDocumentAs(Document& doc, const std::string& path);
// The same to DataFileName.
bool saveDocument(Document& doc);

enum class OpenResult {
    Opened,               // document replaced; DataFileName = path, IsUntitled = false
    Refused,              // a check refused the file; its message was shown
    Failed,               // the file could not be read or is damaged; 9002 was shown
    OtherVersionStarted,  // the user chose the program version of the file: end now
};

// Checks, in order: the model (9012), the data version form (9065), the
// version pair (question; Yes starts the other program version), the size
// and channel count (9002) and the band mode ("Country Mode Error!").
OpenResult openDocument(Document& doc, const std::string& path, const ProgramVersions& versions);

// A complete file into both copies, without checks and without messages.
// A file that cannot be read, is short, or holds a channel count or band mode
// out of range restores the file copy from the working copy; returns false.
bool fullRead(Document& doc, const std::string& path);

// The settings part of a file into both copies with an empty channel list;
// channels and header of the current document stay. Silent; on failure the
// file copy is restored from the working copy and false returned.
bool settingsOnlyRead(Document& doc, const std::string& path);

}  // namespace zq61
