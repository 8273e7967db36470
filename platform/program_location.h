// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the running program is installed. Needs a QCoreApplication.
//
//   const ProgramLocation here = currentProgramLocation();
//   VersionTable::load(here.installRoot) ...

#include <string>

namespace zq61 {

struct ProgramLocation {
    std::string programDir;      // folder of the executable ("<R>/V100")
    std::string installRoot;     // its parent R: Version.ini, language/mysetup.ini
    std::string executableName;  // "zq61", "zq61.exe" on Windows
};

ProgramLocation currentProgramLocation();

// This user's folder for the program's settings files when the installation
// is shared and cannot be written: "zq61" in the per-user configuration
// location (~/.config/zq61, or $XDG_CONFIG_HOME/zq61, on Linux).
std::string userSettingsFolder();

}  // namespace zq61
