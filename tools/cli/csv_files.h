#pragma once

// Reading and writing the CSV files of the export and import commands.

#include <optional>
#include <string>

namespace zq61::cli {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readTextFile(const std::string& path);

// Writes through a temporary file beside the target that replaces it only
// once complete, so a failed write never leaves half a file. False on failure.
bool writeTextFile(const std::string& path, const std::string& text);

// The column set names of the --format option.
inline const char* const kFormatHelp = "Column set: chirp (CHIRP's columns) or full (every field)";

}  // namespace zq61::cli
