// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace zq61::cli {

bool stderrIsTerminal() {
    return ::isatty(STDERR_FILENO) != 0;
}

bool stderrTakesCursorMoves() {
    const char* term = std::getenv("TERM");
    return stderrIsTerminal() && term && *term && std::strcmp(term, "dumb") != 0;
}

}  // namespace zq61::cli
