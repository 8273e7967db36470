// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal.h"

#include <io.h>
#include <windows.h>

#include <cstdio>

namespace zq61::cli {

bool stderrIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

bool stderrTakesCursorMoves() {
    if (!stderrIsTerminal()) return false;
    HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode)) return false;
    return SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

}  // namespace zq61::cli
