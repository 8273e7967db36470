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

}  // namespace zq61
