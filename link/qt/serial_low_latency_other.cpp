// SPDX-License-Identifier: GPL-3.0-or-later
// Systems without the Linux serial driver interface: the adapter's latency
// timer is set in its driver's settings (see the user guide).

#include "link/qt/serial_low_latency.h"

namespace zq61 {

LowLatencyOutcome requestLowLatency(QSerialPort&) {
    return {true, false,
            QStringLiteral("not supported here; set the adapter's latency timer in its "
                           "driver settings")};
}

}  // namespace zq61
