#include "terminal.h"

#include <unistd.h>

namespace zq61::cli {

bool stderrIsTerminal() {
    return ::isatty(STDERR_FILENO) != 0;
}

}  // namespace zq61::cli
