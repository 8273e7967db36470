// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The port dialog: the sixteen ports COM1..COM16 (on Linux COMn is
// /dev/ttyS(n-1)), enabled exactly when the port exists and refreshed every
// second with the selection kept; below them the other ports that exist (USB
// adapters, with their description) and a free path field. OK stores the
// choice in the settings and in mysetup.ini: a numbered port as "comPort", a
// device path as "portName".

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTimer;

namespace zq61 {
class Texts;
struct Settings;
}  // namespace zq61

namespace zq61::gui {

// A serial port that exists on this machine.
struct PresentPort {
    QString device;       // "/dev/ttyUSB0"
    QString description;  // product, maker and serial number, as far as known
};
using PortLister = std::function<std::vector<PresentPort>()>;

// The ports the system reports (QSerialPortInfo).
std::vector<PresentPort> presentPorts();

class FrmSetComm : public QDialog {
    Q_OBJECT
  public:
    FrmSetComm(const Texts& texts, Settings& settings, PortLister lister, QWidget* parent);

    // Enables the ports that exist now and lists the others; the selection
    // stays (also on a port that vanished).
    void refreshPorts();

    QRadioButton* portButton(int number) const;  // 1..16
    QListWidget* otherPorts() const { return others_; }
    QLineEdit* pathField() const { return path_; }

  private:
    void commandOk();
    void selectNumber(int number);  // 0: none

    Settings& settings_;
    PortLister lister_;
    QButtonGroup* group_;
    QListWidget* others_;
    QLineEdit* path_;
    QTimer* timer_;
};

}  // namespace zq61::gui
