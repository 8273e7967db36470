// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's end of a serial line for tests: the virtual radio's raw
// pseudo-terminal (the program under test opens slavePath() as its serial
// port, the test reads and writes masterFd()), and plain reads and writes
// on it. Pseudo-terminals are POSIX: the tests that use one are built on
// Linux only (pseudo_terminal_posix.cpp).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/sim/pseudo_terminal.h"

namespace zq61::test {

using sim::PseudoTerminal;

// Writes all of `bytes` to `fd`; false when that fails.
bool writeAll(int fd, const std::vector<uint8_t>& bytes);

// Reads what arrives on `fd` within `timeoutMs`, at most `size` bytes: the
// count, 0 when nothing came, -1 on an error.
long readWithin(int fd, uint8_t* buffer, std::size_t size, int timeoutMs);

// What has arrived on the non-blocking `fd` so far, without waiting.
std::vector<uint8_t> readAvailable(int fd);

// How many bytes wait to be read on `fd`'s terminal, without reading them:
// on the slave side, what the radio sent and the program has not read yet.
int bytesWaiting(int fd);

}  // namespace zq61::test
