// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/pseudo_terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace zq61::sim {

namespace {

[[noreturn]] void fail(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

}  // namespace

PseudoTerminal::PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) fail("cannot open a pseudo-terminal");
    try {
        if (grantpt(master_) != 0 || unlockpt(master_) != 0)
            fail("cannot unlock the pseudo-terminal");
        char name[128];
        if (ptsname_r(master_, name, sizeof name) != 0) fail("cannot name the pseudo-terminal");
        slavePath_ = name;
        slave_ = ::open(name, O_RDWR | O_NOCTTY);
        if (slave_ < 0) fail("cannot open the pseudo-terminal's slave");
        // Raw: no echo, no line editing, no character translation, so the
        // bytes pass as they are in both directions.
        termios mode{};
        if (tcgetattr(slave_, &mode) != 0) fail("cannot read the line settings");
        cfmakeraw(&mode);
        cfsetispeed(&mode, B9600);
        cfsetospeed(&mode, B9600);
        if (tcsetattr(slave_, TCSANOW, &mode) != 0) fail("cannot set raw mode");
        const int flags = fcntl(master_, F_GETFL);
        if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0)
            fail("cannot make the pseudo-terminal non-blocking");
    } catch (...) {
        if (slave_ >= 0) ::close(slave_);
        ::close(master_);
        throw;
    }
}

PseudoTerminal::~PseudoTerminal() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
}

}  // namespace zq61::sim
