// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes sure a transfer always ends: a transfer whose engine snapshot does
// not change for kStallLimitMs (no request sent, no phase entered, no block
// reached) is stuck, and one that runs longer than the engine's worst case
// plus a margin can only be broken. Either way the watchdog cancels the
// transfer and says why. The command line and the writes to several radios
// watch every transfer this way.
//
//   TransferWatchdog watchdog(engine, [](const std::string& why) { ... });
//   watchdog.watch(TransferOperation::Write, retries);   // as the transfer starts
//   watchdog.stop();                                     // as it ends

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <string>

#include "link/engine/transfer_state.h"

namespace zq61 {

class TransferEngine;

// The longest a transfer with `retries` restarts may take: the engine's
// worst case and a margin for a slow machine.
int transferLimitMs(TransferOperation operation, int retries);
// A transfer that changes nothing of its state for this long is stuck.
inline constexpr int kStallLimitMs = 5000;

class TransferWatchdog {
  public:
    // `onStuck` hears why; the transfer is cancelled right after.
    TransferWatchdog(TransferEngine& engine, std::function<void(const std::string&)> onStuck);

    void watch(TransferOperation operation, int retries);
    void stop() { timer_.stop(); }

  private:
    void check();

    TransferEngine& engine_;
    std::function<void(const std::string&)> onStuck_;
    QTimer timer_;
    QElapsedTimer running_;
    QElapsedTimer still_;
    TransferSnapshot mark_;
    int limitMs_ = 0;
};

}  // namespace zq61
