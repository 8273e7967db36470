#pragma once

// The language texts the window program would show, found the way it finds
// them (mysetup.ini of the installation, else the locale), but without
// writing any settings file: the command line leaves the settings alone.

#include <memory>
#include <string>

#include "model/texts.h"

namespace zq61::cli {

std::unique_ptr<Texts> programTexts(const std::string& programDir);

}  // namespace zq61::cli
