#include "model/dat_file.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/dat_layout.h"
#include "model/document.h"
#include "model/document_copies.h"
#include "model/file_paths.h"
#include "model/new_file.h"
#include "model/program_versions.h"
#include "model/text_ids.h"

namespace zq61 {
namespace {

namespace fs = std::filesystem;

// At most `limit` bytes from the start of the file; nothing when it cannot
// be opened or read.
std::optional<std::vector<uint8_t>> readBytes(const std::string& path, std::size_t limit) {
    std::ifstream in(filePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes(limit);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool isCountValid(int16_t count) {
    return count >= 0 && count <= kMaxChannels;
}

// A name in the folder of `target` that no file has yet.
std::string temporaryNameFor(const std::string& target) {
    static std::mt19937 random{std::random_device{}()};
    return target + ".~" + std::to_string(random() % 1000000) + ".tmp";
}

// Writes `bytes` to a new temporary file and renames it over `target`, so
// the target is either the earlier file or the complete new one.
bool replaceFile(const std::string& target, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    const fs::path targetPath = filePath(target);
    const bool targetExists = fs::exists(targetPath, ec);
    if (targetExists) {
        // A file the user may not write to is not replaced behind his back.
        std::fstream probe(targetPath, std::ios::in | std::ios::out | std::ios::binary);
        if (!probe.is_open()) return false;
    }
    fs::path temp;
    NewFileResult result = NewFileResult::NameTaken;
    for (int attempt = 0; attempt < 20 && result == NewFileResult::NameTaken; ++attempt) {
        temp = filePath(temporaryNameFor(target));
        result = writeNewFile(temp, bytes);
    }
    if (result == NewFileResult::NameTaken) return false;
    if (result == NewFileResult::Written) {
        if (targetExists) fs::permissions(temp, fs::status(targetPath, ec).permissions(), ec);
        fs::rename(temp, targetPath, ec);
        if (!ec) return true;
    }
    fs::remove(temp, ec);
    return false;
}

void showFileError(Document& doc) {
    doc.tell(txt::kFileError);
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
    if (!replaceFile(path, documentFileBytes(doc))) {
        showFileError(doc);
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
    const auto bytes = readBytes(path, dat::kFileSize);
    if (!bytes || bytes->size() < dat::kHeaderSize) {
        showFileError(doc);
        return OpenResult::Failed;
    }
    const FileHeader header = dat::readHeader(*bytes);

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

    if (bytes->size() < dat::kFileSize) {
        showFileError(doc);
        return OpenResult::Failed;
    }
    RadioData data;
    ChannelArray channels{};
    dat::readFile(*bytes, data, channels);
    if (!isCountValid(data.ChannelCount)) {
        showFileError(doc);
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
    const auto bytes = readBytes(path, dat::kFileSize);
    if (bytes && bytes->size() == dat::kFileSize) {
        RadioData data;
        ChannelArray channels{};
        dat::readFile(*bytes, data, channels);
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
    const auto bytes = readBytes(path, dat::kSettingsSize);
    if (bytes && bytes->size() == dat::kSettingsSize) {
        doc.FileData = dat::readSettings(*bytes);
        doc.FileData.ChannelCount = 0;
        refreshSettings(doc);
        return true;
    }
    copyWorkToFile(doc);
    return false;
}

}  // namespace zq61
