// SPDX-License-Identifier: GPL-3.0-or-later
// The low-latency request through the Linux serial driver interface. This is
// the one file of the serial port code that uses POSIX calls.

#include <linux/serial.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstring>

#include "link/qt/serial_low_latency.h"

namespace zq61 {

namespace {

LowLatencyOutcome refused(int error) {
    return {true, false, QString::fromLocal8Bit(std::strerror(error))};
}

}  // namespace

LowLatencyOutcome requestLowLatency(QSerialPort& port) {
    const int fd = static_cast<int>(port.handle());
    if (fd < 0) return {true, false, QStringLiteral("the port is not open")};
    // Only the flags of the user mask may change without special rights:
    // the flags are read first and only the one flag is added.
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0) return refused(errno);
    if (serial.flags & ASYNC_LOW_LATENCY) return {true, true, {}};
    serial.flags |= ASYNC_LOW_LATENCY;
    if (ioctl(fd, TIOCSSERIAL, &serial) != 0) return refused(errno);
    return {true, true, {}};
}

}  // namespace zq61
