// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Moving a document between its working copy (what the editors change) and
// its file copy (what was last loaded or saved), and telling whether the two
// differ. The .dat file code, the radio transfers and New use these.

namespace zq61 {

class Document;

// The header of WorkData from ModelName, BandMode and "V100"; FileData :=
// WorkData; the first WorkData.ChannelCount channels into FileChannels (the
// later entries of FileChannels keep what they held).
void copyWorkToFile(Document& doc);

// WorkData := FileData, take over the header, the first FileData.ChannelCount
// channels into WorkChannels.
void copyFileToWork(Document& doc);

// ModelName, BandMode, band range and limits and the radio information band
// mode from the header of FileData. A band mode outside 0..2 takes the CB
// range (callers refuse such headers before they get here).
void takeOverHeader(Document& doc);

// After new settings arrived in FileData (channels untouched): WorkData :=
// FileData with the header of the current document, FileData := WorkData.
void refreshSettings(Document& doc);

// BandMode := bandMode, its range text and the band limits read from it.
void setBand(Document& doc, int bandMode);

// True when the working copy differs from the file copy: header model and
// band mode, channel count, the valid channels, options, feature channel,
// keys, DTMF settings (codes compared without trailing blanks) and tone tips.
// The data versions are not compared.
bool isChanged(const Document& doc);

}  // namespace zq61
