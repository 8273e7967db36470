#include "terminal.h"

#include <io.h>

#include <cstdio>

namespace zq61::cli {

bool stderrIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

}  // namespace zq61::cli
