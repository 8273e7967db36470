// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's serial port on a QSerialPort: 9600 baud, 8 data bits, no
// parity, 1 stop bit, no flow control, binary. Incoming bytes are collected
// until the receive threshold is reached and then handed over all at once to
// the receiver (the transfer engine's OnBytesArrived). Every open asks the
// driver for low latency (see serial_low_latency.h) and tells the note sink
// how that went, for the trace and the transfer log.
//
// close() never waits: bytes still on their way out (the end request of a
// transfer) leave from the event loop, and the device is let go once they
// have, or after kCloseDrainMs. The port counts as closed at once; opening
// the same port again meanwhile takes it up as it is.
//
//   QtSerialLink port;
//   port.setPortName(radioPortName(settings));
//   port.setReceiver([&](auto bytes) { engine.OnBytesArrived(bytes); });

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "link/engine/link_interfaces.h"
#include "link/qt/serial_low_latency.h"

namespace zq61 {

class QtSerialLink : public QObject, public SerialLink {
    Q_OBJECT

  public:
    // The longest a closed port keeps its device for bytes still to leave.
    static constexpr int kCloseDrainMs = 1000;
    static constexpr int kDrainTickMs = 10;

    using Receiver = std::function<void(std::span<const uint8_t>)>;
    using NoteSink = std::function<void(const QString&)>;

    explicit QtSerialLink(QObject* parent = nullptr);
    ~QtSerialLink() override;

    // A device path ("/dev/ttyUSB0", "/dev/pts/3") or a Windows port name;
    // takes effect at the next open().
    void setPortName(const QString& name) { name_ = name; }
    QString portName() const { return name_; }
    void setReceiver(Receiver receiver) { receiver_ = std::move(receiver); }
    // Told (from the event loop, after the port was closed) when the device
    // goes away while open, with the port's name and the system's reason:
    // the transfer engine's OnPortLost.
    void setLostHandler(std::function<void(const std::string&)> handler) {
        lostHandler_ = std::move(handler);
    }
    // Hears a line for each open: "port /dev/ttyUSB0 opened, low latency: set".
    void setNoteSink(NoteSink sink) { noteSink_ = std::move(sink); }
    // What the driver said to the low-latency request of the last open.
    const LowLatencyOutcome& lowLatency() const { return lowLatency_; }

    // Why the port could not be opened, or why it was lost while open; empty
    // when nothing went wrong since the last open().
    QString errorText() const { return errorText_; }

    bool open() override;
    void close() override;
    bool isOpen() const override;
    // Closed, with bytes still leaving for the device.
    bool isDraining() const { return draining_; }
    void clearBuffers() override;
    void write(std::span<const uint8_t> bytes) override;
    void setReceiveThreshold(int bytes) override;

  private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void deliverIfReady();
    bool openPort();
    bool configure();
    // Lets go of the device, whatever is still to be written.
    void releaseDevice();
    // Offers the bytes still to be written to the system again.
    void drainSome();

    QSerialPort port_;
    QString name_;
    QString openedName_;  // the port of the device held open
    QString errorText_;
    Receiver receiver_;
    std::function<void(const std::string&)> lostHandler_;
    NoteSink noteSink_;
    LowLatencyOutcome lowLatency_;
    std::vector<uint8_t> buffer_;
    int threshold_ = 0;
    bool deliveryQueued_ = false;
    bool draining_ = false;  // closed; the device is kept until the last bytes left
    QTimer drainTimer_;
    QElapsedTimer drainClock_;
};

}  // namespace zq61
