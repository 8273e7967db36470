// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window program answers to --help and --version. They are answered
// before the application object is made, so that they need no display and
// open no window.

#include <optional>

namespace zq61::gui {

// The exit code once the help or the version is printed on standard output;
// nothing when the command line asks for neither.
std::optional<int> answerHelpOrVersion(int argc, char** argv);

}  // namespace zq61::gui
