// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Paths are UTF-8 text everywhere in the program: Qt hands them over so,
// and the settings files hold them so. The file system is reached only
// through the path made here, because on Windows a path of plain chars is
// taken in the ANSI code page, and a folder named in Chinese (or any text
// outside that code page) would not be found.
//
//   std::ifstream in(filePath(name), std::ios::binary);
//   fs::exists(filePath(name), ec);
//   joinPath(joinPath(root, "language"), "mysetup.ini")

#include <filesystem>
#include <string>
#include <string_view>

namespace zq61 {

// The file system's path for a UTF-8 path text.
std::filesystem::path filePath(std::string_view utf8);

// The UTF-8 text of a file system path.
std::string pathText(const std::filesystem::path& path);

// "/" everywhere, and "\" on Windows too.
bool isPathSeparator(char c);

// `folder` and `name` with one separator between them: the platform's own
// ("\" on Windows), unless `folder` already ends in a separator. An empty
// folder gives `name`.
std::string joinPath(std::string_view folder, std::string_view name);

}  // namespace zq61
