// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/dat_file.h"

#include <algorithm>
#include <vector>

#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/dat_layout.h"
#include "model/document.h"
#include "model/document_copies.h"
#include "model/file_io.h"
#include "model/program_versions.h"
#include "model/text_ids.h"

namespace zq61 {
namespace {

bool isCountValid(int16_t count) {
    return count >= 0 && count <= kMaxChannels;
}

// Message 9002 with the file and why it failed on a line of its own.
void showFileError(Document& doc, const FileProblem& problem) {
    doc.prompter->message(
        Prompt::ofText(txt::kFileError, doc.text(txt::kFileError) + "\r\n" + problem.text()));
}

// A file that opened and read but is not a whole data file.
void showNotADataFile(Document& doc, const std::string& path) {
    showFileError(doc, {path, doc.text(txt::kNotWholeDataFile)});
}

}  // namespace

std::vector<uint8_t> documentFileBytes(const Document& doc) {
    // The file is built from what copy work to file would make.
    RadioData data = doc.WorkData;
    data.Header.Model = doc.ModelName;
    data.Header.HeaderBandMode = doc.BandMode;
    data.Header.Version = kDataVersion;
    ChannelArray channels = doc.FileChannels;
    const int count = std::clamp<int>(data.ChannelCount, 0, kMaxChannels);
    std::copy_n(doc.WorkChannels.begin(), count, channels.begin());
    return dat::writeFile(data, channels);
}

bool saveDocumentAs(Document& doc, const std::string& path) {
    // The file copy only changes once the file is safely written: after a
    // failed save the document still counts as unsaved.
    if (const auto problem = replaceFile(path, documentFileBytes(doc))) {
        showFileError(doc, *problem);
        return false;
    }
    copyWorkToFile(doc);
    doc.DataFileName = path;
    doc.IsUntitled = false;
    return true;
}

bool saveDocument(Document& doc) {
    return saveDocumentAs(doc, doc.DataFileName);
}

OpenResult openDocument(Document& doc, const std::string& path, const ProgramVersions& versions) {
    // Everything is checked on a private copy of the file; the document is
    // only touched once the file is accepted.
    const FileBytes file = readFileBytes(path, dat::kFileSize);
    if (file.problem) {
        showFileError(doc, *file.problem);
        return OpenResult::Failed;
    }
    const std::vector<uint8_t>& bytes = file.bytes;
    if (bytes.size() < dat::kHeaderSize) {
        showNotADataFile(doc, path);
        return OpenResult::Failed;
    }
    const FileHeader header = dat::readHeader(bytes);

    if (cleanString(header.Model.view()) != cleanString(doc.ModelName)) {
        doc.tell(txt::kWrongModel);
        return OpenResult::Refused;
    }
    const std::string version = cleanString(header.Version.view());
    if (!isValidVersion(version)) {
        doc.tell(txt::kBadDataVersion);
        return OpenResult::Refused;
    }
    if (!versions.table().isCompatible(kDataVersion, version)) {
        const std::string question =
            mismatchMessage(*doc.texts, kDataVersion, version, ForeignKind::File);
        if (doc.prompter->yesNo(Prompt::ofText(txt::kVersionMismatch, question,
                                               PromptIcon::Question)) == PromptAnswer::Yes &&
            versions.startProgramVersionFor(version, *doc.prompter, *doc.texts))
            return OpenResult::OtherVersionStarted;
        return OpenResult::Refused;
    }

    if (bytes.size() < dat::kFileSize) {
        showNotADataFile(doc, path);
        return OpenResult::Failed;
    }
    RadioData data;
    ChannelArray channels{};
    dat::readFile(bytes, data, channels);
    if (!isCountValid(data.ChannelCount)) {
        showNotADataFile(doc, path);
        return OpenResult::Failed;
    }
    if (!isKnownBandMode(data.Header.HeaderBandMode)) {
        doc.tell(FixedText::CountryModeError);
        return OpenResult::Refused;
    }

    doc.FileData = data;
    doc.FileChannels = channels;
    doc.FileData.Header.Version = kDataVersion;
    copyFileToWork(doc);
    doc.DataFileName = path;
    doc.IsUntitled = false;
    return OpenResult::Opened;
}

bool fullRead(Document& doc, const std::string& path) {
    const FileBytes file = readFileBytes(path, dat::kFileSize);
    if (!file.problem && file.bytes.size() == dat::kFileSize) {
        RadioData data;
        ChannelArray channels{};
        dat::readFile(file.bytes, data, channels);
        if (isCountValid(data.ChannelCount) && isKnownBandMode(data.Header.HeaderBandMode)) {
            doc.FileData = data;
            doc.FileChannels = channels;
            copyFileToWork(doc);
            return true;
        }
    }
    copyWorkToFile(doc);
    return false;
}

bool settingsOnlyRead(Document& doc, const std::string& path) {
    const FileBytes file = readFileBytes(path, dat::kSettingsSize);
    if (!file.problem && file.bytes.size() == dat::kSettingsSize) {
        doc.FileData = dat::readSettings(file.bytes);
        doc.FileData.ChannelCount = 0;
        refreshSettings(doc);
        return true;
    }
    copyWorkToFile(doc);
    return false;
}

}  // namespace zq61
