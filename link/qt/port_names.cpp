// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_names.h"

#include "settings/serial_ports.h"

namespace zq61 {

QString comPortDevice(int number) {
    return QString::fromStdString(comPortDeviceName(number));
}

std::optional<int> comPortNumberOf(const QString& device) {
    for (int n = kFirstComPort; n <= kLastComPort; ++n)
        if (device.compare(comPortDevice(n), Qt::CaseInsensitive) == 0) return n;
    return std::nullopt;
}

QString resolvePortName(const QString& typed) {
    return QString::fromStdString(typedPortDeviceName(typed.toStdString()));
}

QString radioPortName(const Settings& settings) {
    return QString::fromStdString(settingsPortDeviceName(settings));
}

}  // namespace zq61
