// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whole files read and written with the operating system's reason for a
// failure, so that a message can say which file and why ("No space left on
// device", "Permission denied", "Read-only file system").
//
// A file is written through a temporary file in its own folder that replaces
// it only once it is complete and on disk: whatever breaks (a full disk, a
// crash, a stick pulled out), the target is either the earlier file, whole,
// or the complete new one.
//
//   if (const auto problem = replaceFile(path, bytes)) show(problem->text());
//   const FileBytes in = readFileBytes(path);
//   if (in.problem) show(in.problem->text());

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zq61 {

// A file that could not be read or written, and why.
struct FileProblem {
    std::string path;
    std::string reason;  // the operating system's words

    // "path: reason", the line a message shows.
    std::string text() const { return path + ": " + reason; }
};

// The operating system's words for an errno value.
std::string systemReason(int error);

struct FileBytes {
    std::vector<uint8_t> bytes;
    std::optional<FileProblem> problem;  // set when the file could not be read
};

// At most `limit` bytes from the start of the file.
FileBytes readFileBytes(const std::string& path,
                        std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes `bytes` as the whole file `target` (see above). An existing target
// keeps its permissions; one the user may not write to is not replaced.
// Nothing when the file was written.
std::optional<FileProblem> replaceFile(const std::string& target, std::span<const uint8_t> bytes);
std::optional<FileProblem> replaceFile(const std::string& target, std::string_view text);

}  // namespace zq61
