// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli ports: the serial ports of this machine, with their descriptions
// and, for COM1..COM16, the port number the program knows them by.

#include <QSerialPortInfo>

#include "cli_command.h"
#include "link/qt/port_names.h"

namespace zq61::cli {
namespace {

class PortsCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        return app.add_subcommand("ports", "List the serial ports and the one in use");
    }

    int run(Context& context) override {
        std::ostream& out = context.out;
        const QString chosen = radioPortName(context.settings);
        const auto ports = QSerialPortInfo::availablePorts();
        if (ports.isEmpty()) out << "No serial ports found.\n";
        for (const QSerialPortInfo& port : ports) {
            const QString device = port.systemLocation();
            out << device.toStdString();
            if (const auto number = comPortNumberOf(device)) out << "  COM" << *number;
            QStringList about;
            if (!port.description().isEmpty()) about << port.description();
            if (!port.manufacturer().isEmpty()) about << port.manufacturer();
            if (!about.isEmpty()) out << "  " << about.join(QStringLiteral(", ")).toStdString();
            out << '\n';
        }
        out << "COM1..COM16 are " << comPortDevice(kFirstComPort).toStdString() << " .. "
            << comPortDevice(kLastComPort).toStdString() << ".\n";
        out << "Port in use (mysetup.ini): " << chosen.toStdString() << '\n';
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> makePortsCommand() {
    return std::make_unique<PortsCommand>();
}

}  // namespace zq61::cli
