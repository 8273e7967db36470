// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Serial port names for the Qt serial port, as settings/serial_ports.h names
// them.

#include <QString>

#include <optional>

#include "settings/settings.h"

namespace zq61 {

inline constexpr int kFirstComPort = 1;
inline constexpr int kLastComPort = 16;

// The device of port number n ("COMn" on Windows, "/dev/ttyS<n-1>" elsewhere).
QString comPortDevice(int number);

// The port number whose device this is, if it is one of COM1..COM16.
std::optional<int> comPortNumberOf(const QString& device);

// A port as the user typed it: "COMn" (any letter case, n >= 1) is mapped as
// above, anything else is taken as the device path it is.
QString resolvePortName(const QString& typed);

// The port the settings choose: PortName while it is set, else ComPortNumber.
QString radioPortName(const Settings& settings);

}  // namespace zq61
