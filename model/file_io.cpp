#include "model/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

// POSIX: fsync() where the system has it, so that a file is on the disk
// before it replaces the earlier one.
#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

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

// Writes everything and pushes it to the disk; a full disk shows at the
// latest in the flush or the sync.
std::optional<FileProblem> writeAndSync(std::FILE* file, const std::string& path,
                                        std::span<const uint8_t> bytes) {
    errno = 0;
    if ((!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) ||
        std::fflush(file) != 0)
        return lastProblem(path);
#if __has_include(<unistd.h>)
    if (::fsync(::fileno(file)) != 0) return lastProblem(path);
#endif
    return std::nullopt;
}

}  // namespace

std::string systemReason(int error) {
    return std::generic_category().message(error);
}

FileBytes readFileBytes(const std::string& path, std::size_t limit) {
    FileBytes result;
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
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
    const bool targetExists = fs::exists(target, ec);
    if (targetExists) {
        // A file the user may not write to is not replaced behind his back.
        errno = 0;
        std::FILE* probe = std::fopen(target.c_str(), "r+b");
        if (probe == nullptr) return lastProblem(target);
        std::fclose(probe);
    }
    std::string temp;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 20 && file == nullptr; ++attempt) {
        temp = temporaryNameFor(target);
        errno = 0;
        file = std::fopen(temp.c_str(), "wbx");
        if (file == nullptr && errno != EEXIST) break;
    }
    // The folder's reason, told with the name the user knows.
    if (file == nullptr) return lastProblem(target);
    std::optional<FileProblem> problem = writeAndSync(file, target, bytes);
    errno = 0;
    if (std::fclose(file) != 0 && !problem) problem = lastProblem(target);
    if (!problem) {
        if (targetExists) fs::permissions(temp, fs::status(target, ec).permissions(), ec);
        fs::rename(temp, target, ec);
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
