#pragma once

// Settings files in the classic "private profile" form ([section] key=value),
// read and written the way the radio software always did: section and key
// names ignore letter case, values are trimmed of blanks and limited to the
// reader's buffer, and writing a key keeps the rest of the file as it was.

#include <cstddef>
#include <string>

namespace zq61 {

// The value of `key` in `section`, trimmed, cut to `bufferSize` - 1
// characters (UTF-8 characters, not bytes). A missing file, section or key
// gives `def`.
std::string readProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& def,
                              std::size_t bufferSize);

// Writes one key, creating the file and section when needed. Returns false
// when the file cannot be written.
bool writeProfileString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value);

}  // namespace zq61
