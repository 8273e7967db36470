// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the command's messages go to a person at a terminal, or to a
// file or another program (where a progress line would only be noise).
// One implementation per platform (terminal_posix.cpp, terminal_windows.cpp).

namespace zq61::cli {

bool stderrIsTerminal();

// Whether lines on the terminal of stderr can be drawn again in place
// (cursor movements), for the progress of several radios at once. On
// Windows this switches the console to take them.
bool stderrTakesCursorMoves();

}  // namespace zq61::cli
