// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Settings files in the classic "private profile" form ([section] key=value),
// read and written the way the radio software always did: section and key
// names ignore letter case, values are trimmed of blanks and limited to the
// reader's buffer, and writing a key keeps the rest of the file as it was.

#include <cstddef>
#include <string>

namespace zq61 {

struct FileProblem;

// The value of `key` in `section`, trimmed, cut to `bufferSize` - 1
// characters (UTF-8 characters, not bytes). A missing file, section or key
// gives `def`.
std::string readProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& def,
                              std::size_t bufferSize);

// Writes one key, creating the file and section when needed; the file is
// replaced whole, never changed in place. Returns false when the file cannot
// be read or written, with the file and the reason in `why` when given.
bool writeProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value, FileProblem* why = nullptr);

}  // namespace zq61
