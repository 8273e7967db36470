// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file calls that differ between systems: writing a file that must reach
// the disk whole (every file the program writes goes this way into a
// temporary file that then replaces the target), and opening a file by a
// path that may hold any character. One implementation per platform
// (new_file_posix.cpp, new_file_windows.cpp).

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>

namespace zq61 {

enum class NewFileResult {
    Written,    // created, written whole and flushed to the disk
    NameTaken,  // something of that name is there already; nothing was touched
    Failed,     // not written whole (no room, no permission, no folder)
};

// Creates `path` as a new file, writes `bytes` into it and has the system
// put them on the disk before it is closed. After Failed a partly written
// file may be left at `path` for the caller to remove, and errno holds the
// system's reason.
NewFileResult writeNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// std::fopen for a path in the file system's own form ("rb", "r+b").
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

}  // namespace zq61
