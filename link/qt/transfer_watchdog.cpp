// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/transfer_watchdog.h"

#include "link/engine/transfer_engine.h"
#include "link/engine/transfer_phases.h"

namespace zq61 {

int transferLimitMs(TransferOperation operation, int retries) {
    constexpr int kMarginMs = 10'000;
    return worstCaseDurationMs(operation, retries) + kMarginMs;
}

TransferWatchdog::TransferWatchdog(TransferEngine& engine,
                                   std::function<void(const std::string&)> onStuck)
    : engine_(engine), onStuck_(std::move(onStuck)) {
    timer_.setInterval(250);
    QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
}

void TransferWatchdog::watch(TransferOperation operation, int retries) {
    limitMs_ = transferLimitMs(operation, retries);
    mark_ = engine_.snapshot();
    running_.start();
    still_.start();
    timer_.start();
}

// Every request sent, phase entered or block reached changes the snapshot:
// one that stays the same for long is a stuck transfer.
void TransferWatchdog::check() {
    if (!engine_.isBusy()) return stop();
    const TransferSnapshot now = engine_.snapshot();
    if (now != mark_) {
        mark_ = now;
        still_.restart();
    }
    std::string why;
    if (still_.elapsed() >= kStallLimitMs) {
        why = std::string("The transfer stopped moving in its ") + phaseName(now.phase) +
              " phase: nothing happened for " + std::to_string(kStallLimitMs / 1000) + " s.";
    } else if (running_.elapsed() >= limitMs_) {
        why = "The transfer took longer than " + std::to_string(limitMs_ / 1000) +
              " s, the most it can take (" + phaseName(now.phase) + " phase, " +
              std::to_string(now.percent) + "%).";
    } else {
        return;
    }
    stop();
    if (onStuck_) onStuck_(why);
    engine_.cancel();
}

}  // namespace zq61
