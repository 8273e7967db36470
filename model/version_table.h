// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The version table: which program version can work with a file or a radio of
// a given data version. Several program versions can be installed side by
// side, each in a folder named after its data version below one installation
// folder R that also holds the table, R/Version.ini:
//
//   [Version] CurrentVersion, SoftVersionCount=n, FirmVersionCount=m
//   [Soft]    Version0 .. Version<n-1>
//   [Firm]    Firm0 .. Firm<m-1>, each "V100V100": program version followed by
//             a foreign (file or radio) version it accepts.
//
// Use: VersionTable::load(installationRoot(programDir)) once at start; then
// isCompatible(kDataVersion, fileVersion) before a file or a radio is taken
// over, and ProgramVersions (program_versions.h) to offer the version that fits.

#include <string>
#include <string_view>
#include <vector>

#include "model/texts.h"

namespace zq61 {

struct VersionPair {
    std::string program;  // a program version, "V100"
    std::string foreign;  // a file or radio version it accepts

    bool operator==(const VersionPair&) const = default;
};

class VersionTable {
  public:
    // Reads R/Version.ini. A missing or unreadable file counts as a table with
    // the single pair V100V100, so that this program still opens its own files.
    static VersionTable load(const std::string& installRoot);

    std::string CurrentVersion;
    std::vector<std::string> SoftVersions;
    std::vector<VersionPair> Pairs;  // in key order

    // True when the pair (program, foreign) is listed, compared exactly.
    bool isCompatible(std::string_view program, std::string_view foreign) const;
    // The program version of the first pair accepting `foreign`, or "".
    std::string programVersionFor(std::string_view foreign) const;
};

// The installation folder R: the program folder up to its last separator; a
// folder without a separator after its first character is R itself.
std::string installationRoot(std::string_view programDir);

// "V" followed by three digits (after trailing blanks and anything from a NUL
// on are removed). Only such a text may ever name a program folder.
bool isValidVersion(std::string_view version);

// "V100" -> "V1.00": the first two characters, ".", the last two.
std::string versionDisplayForm(std::string_view version);

// Whose version differs from the program's: the radio's or a file's.
enum class ForeignKind { Radio = 0, File = 1 };

// The three-line question shown when a file or radio version is not accepted
// (lines separated by "\r\n"); callers ask it with Yes and No.
std::string mismatchMessage(const Texts& texts, std::string_view program, std::string_view foreign,
                            ForeignKind kind);

}  // namespace zq61
