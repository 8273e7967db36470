// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pseudo-terminal in raw mode: the program opens the slave side as its
// serial port; the virtual radio reads and writes the master side.

#include <string>

namespace zq61::sim {

class PseudoTerminal {
  public:
    // Throws std::runtime_error with the reason when no pseudo-terminal can
    // be had.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int masterFd() const { return master_; }  // non-blocking
    int slaveFd() const { return slave_; }
    const std::string& slavePath() const { return slavePath_; }

  private:
    int master_ = -1;
    // Kept open so that the line stays up while the program has its port
    // closed (the master would otherwise report a hang-up without end).
    int slave_ = -1;
    std::string slavePath_;
};

}  // namespace zq61::sim
