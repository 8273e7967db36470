// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which serial device a port setting means. The program numbers its ports
// COM1..COM16 as the radio software always has: on Windows port n is "COMn"
// (COM1 to COM256 and Windows' "\\.\COM10" form are passed to the system as
// they are), elsewhere port n is /dev/ttyS<n-1>, the convention of Cygwin
// and Wine. A port chosen by its device path (USB adapters) is kept in
// Settings::PortName and wins while it is set.

#include <string>
#include <string_view>

#include "settings/settings.h"

namespace zq61 {

// The device of port number n.
std::string comPortDeviceName(int number);

// A port as the user typed it or as mysetup.ini holds it, trimmed: "COMn"
// (any letter case, n from 1 to 999) is port n as above; anything else is
// taken as the device it names.
std::string typedPortDeviceName(std::string_view typed);

// The port the settings choose: PortName while it is set, else ComPortNumber.
std::string settingsPortDeviceName(const Settings& settings);

// The name a file of this port's radio takes (without an extension), when
// several radios are read into one folder: the device without "/dev/" or
// Windows' "\\.\", its folders joined by "-", and any character that is
// not a letter, digit, ".", "-" or "_" made "_":
//   /dev/pts/3 -> pts-3    \\.\COM10 -> COM10    /dev/ttyUSB0 -> ttyUSB0
std::string portFileStem(std::string_view device);

}  // namespace zq61
