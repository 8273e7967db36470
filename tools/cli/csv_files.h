// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading and writing the CSV files of the export and import commands. A
// file that cannot be read or written is reported with its name and the
// operating system's reason.

#include <optional>
#include <string>

#include "cli_command.h"

namespace zq61::cli {

// The whole file, or nothing after telling which file and why.
std::optional<std::string> readTextFile(Context& context, const std::string& path);

// Writes through a temporary file beside the target that replaces it only
// once complete, so a failed write never leaves half a file. False (after
// telling which file and why) on failure.
bool writeTextFile(Context& context, const std::string& path, const std::string& text);

// The column set names of the --format option.
inline const char* const kFormatHelp = "Column set: chirp (CHIRP's columns) or full (every field)";

}  // namespace zq61::cli
