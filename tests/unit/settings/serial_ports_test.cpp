// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/serial_ports.h"

#include <gtest/gtest.h>

namespace zq61 {
namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// Windows' own names reach the serial port as they are; elsewhere COMn is
// the n-th built-in port.
TEST(SerialPorts, PortNamesAsTypedOrStored) {
    const struct {
        const char* typed;
        const char* onWindows;
        const char* elsewhere;
    } cases[] = {
        {"COM1", "COM1", "/dev/ttyS0"},
        {"com16", "COM16", "/dev/ttyS15"},
        {"COM20", "COM20", "/dev/ttyS19"},
        {"COM256", "COM256", "/dev/ttyS255"},
        {" COM3 \r", "COM3", "/dev/ttyS2"},
        {"\\\\.\\COM10", "\\\\.\\COM10", "\\\\.\\COM10"},
        {"COM0", "COM0", "COM0"},
        {"COM1000", "COM1000", "COM1000"},
        {"COM-1", "COM-1", "COM-1"},
        {"COMX", "COMX", "COMX"},
        {"COM", "COM", "COM"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typedPortDeviceName(c.typed), kWindows ? c.onWindows : c.elsewhere) << c.typed;

    Settings settings;
    settings.ComPortNumber = 10;
    EXPECT_EQ(settingsPortDeviceName(settings), kWindows ? "COM10" : "/dev/ttyS9");
    settings.PortName = "\\\\.\\COM12";
    EXPECT_EQ(settingsPortDeviceName(settings), "\\\\.\\COM12");
    settings.PortName = "com2";
    EXPECT_EQ(settingsPortDeviceName(settings), kWindows ? "COM2" : "/dev/ttyS1");
}

// Each radio of several read into one folder gets a file named after its port.
TEST(SerialPorts, FileNamesOfPorts) {
    const std::pair<const char*, const char*> cases[] = {
        {"/dev/pts/3", "pts-3"},
        {"\\\\.\\COM10", "COM10"},
        {"COM3", "COM3"},
        {"/dev/ttyUSB0", "ttyUSB0"},
        {"/dev/serial/by-id/usb-FTDI_A1:B2 port0", "serial-by-id-usb-FTDI_A1_B2_port0"},
        {"..", "port.."},
        {"", "port"},
    };
    for (const auto& [device, stem] : cases)
        EXPECT_EQ(portFileStem(device), stem) << device;
}

}  // namespace
}  // namespace zq61
