// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Serves a virtual radio on the master side of a pseudo-terminal: bytes from
// the program go to the radio, the radio's answers go back at the times it
// stamps on them. With pacing, both directions take the time the bytes need
// at 9600 baud 8N1 (10 bits a byte): a request reaches the radio when its
// last byte would have arrived, and each answer byte reaches the program one
// byte time after the one before. Waiting is done by ppoll's time-out.

#include <signal.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tools/sim/core/virtual_radio.h"

namespace zq61::sim {

inline constexpr int64_t kByteTimeNs = 10'000'000'000LL / 9600;  // 1.0417 ms

struct ServeOptions {
    bool pace = false;
    bool echo = false;  // the cable gives back every byte the program sends
    // When above 0: once the radio has given this many answers, the device
    // goes away (run() returns and the port closes), as a cable pulled out.
    int vanishAfterAnswers = 0;
};

class RadioServer {
  public:
    using Log = std::function<void(const std::string& line)>;

    RadioServer(VirtualRadio& radio, int masterFd, ServeOptions options, Log log);

    // Serves until `stop` is set by a signal handler (or the device vanishes,
    // see ServeOptions). The signals that set it
    // are blocked by the caller; `waitMask` (the mask without them) is in
    // force only while waiting, so they cannot slip in between.
    void run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);

  private:
    int64_t now() const;
    void readInput(int64_t now);
    void feedDueInput(int64_t now);
    void writeDueOutput(int64_t now);
    void queueOutput(int64_t atNs, const std::vector<uint8_t>& bytes, bool paced);
    int64_t nextDue() const;  // -1 when nothing waits

    VirtualRadio& radio_;
    int fd_;
    ServeOptions options_;
    Log log_;
    int64_t start_;
    // Bytes on their way, by the time they arrive (equal times keep order).
    std::multimap<int64_t, std::vector<uint8_t>> toRadio_;
    std::multimap<int64_t, uint8_t> toProgram_;
    // When each direction of the line is free again (pacing).
    int64_t toRadioFree_ = 0;
    int64_t toProgramFree_ = 0;
    int answers_ = 0;
};

}  // namespace zq61::sim
