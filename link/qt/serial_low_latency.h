// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Asks the serial driver to hand received bytes over at once. A USB serial
// adapter holds short replies back for its latency timer (16 ms on the
// common FTDI chips); every block of a transfer is a round trip, so a read
// or write waits that long about 470 times. On Linux the ASYNC_LOW_LATENCY
// flag makes ftdi_sio set its timer to 1 ms; an ordinary user may set it.
// Elsewhere the adapter's driver settings do the same (see the user guide).
//
// The request is harmless where it is refused (a pseudo-terminal, a
// built-in port, a chip without a latency timer): the port is used as it is.

#include <QSerialPort>
#include <QString>

namespace zq61 {

struct LowLatencyOutcome {
    bool asked = false;  // the port was open and the request was made
    bool set = false;
    QString reason;  // why not, in the system's words, when not set

    // "set" or "refused: <reason>"; "" when not asked.
    QString summary() const {
        if (!asked) return {};
        return set ? QStringLiteral("set") : "refused: " + reason;
    }
    // "low latency: set" or "low latency: refused: <reason>", for the trace.
    QString text() const { return "low latency: " + summary(); }
};

// Reads the port's serial flags, adds the low-latency flag alone and writes
// them back. `port` must be open.
LowLatencyOutcome requestLowLatency(QSerialPort& port);

}  // namespace zq61
