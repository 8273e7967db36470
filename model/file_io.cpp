// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "model/file_paths.h"
#include "model/new_file.h"

namespace zq61 {
namespace {

namespace fs = std::filesystem;

// A name in the folder of `target` that no file has yet (opened with "x").
std::string temporaryNameFor(const std::string& target) {
    static std::mt19937 random{std::random_device{}()};
    return target + ".~" + std::to_string(random() % 1000000) + ".tmp";
}

// The reason of the call that just failed; errno is read before anything
// else can change it.
FileProblem lastProblem(const std::string& path) {
    const int error = errno;
    return {path, systemReason(error != 0 ? error : EIO)};
}

}  // namespace

std::string systemReason(int error) {
    return std::generic_category().message(error);
}

FileBytes readFileBytes(const std::string& path, std::size_t limit) {
    FileBytes result;
    errno = 0;
    std::FILE* file = openFile(filePath(path), "rb");
    if (file == nullptr) {
        result.problem = lastProblem(path);
        return result;
    }
    uint8_t chunk[8192];
    while (result.bytes.size() < limit) {
        const std::size_t want = std::min(sizeof chunk, limit - result.bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, file);
        result.bytes.insert(result.bytes.end(), chunk, chunk + got);
        if (got < want) break;
    }
    // A folder opens but does not read ("Is a directory").
    if (std::ferror(file)) {
        result.problem = lastProblem(path);
        result.bytes.clear();
    }
    std::fclose(file);
    return result;
}

std::optional<FileProblem> replaceFile(const std::string& target, std::span<const uint8_t> bytes) {
    std::error_code ec;
    const fs::path targetPath = filePath(target);
    const bool targetExists = fs::exists(targetPath, ec);
    if (targetExists) {
        // A file the user may not write to is not replaced behind his back.
        errno = 0;
        std::FILE* probe = openFile(targetPath, "r+b");
        if (probe == nullptr) return lastProblem(target);
        std::fclose(probe);
    }
    // Written whole and synced to the disk (a full disk shows at the latest
    // there) before it takes the target's place.
    fs::path temp;
    NewFileResult result = NewFileResult::NameTaken;
    for (int attempt = 0; attempt < 20 && result == NewFileResult::NameTaken; ++attempt) {
        temp = filePath(temporaryNameFor(target));
        errno = 0;
        result = writeNewFile(temp, bytes);
    }
    // The folder's reason, told with the name the user knows.
    if (result == NewFileResult::NameTaken) return FileProblem{target, systemReason(EEXIST)};
    std::optional<FileProblem> problem;
    if (result == NewFileResult::Failed) {
        problem = lastProblem(target);
    } else {
        if (targetExists) fs::permissions(temp, fs::status(targetPath, ec).permissions(), ec);
        fs::rename(temp, targetPath, ec);
        if (!ec) return std::nullopt;
        problem = FileProblem{target, ec.message()};
    }
    fs::remove(temp, ec);
    return problem;
}

std::optional<FileProblem> replaceFile(const std::string& target, std::string_view text) {
    return replaceFile(target, std::span<const uint8_t>(
                                   reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace zq61
