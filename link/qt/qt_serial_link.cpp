// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/qt_serial_link.h"

#include <QMetaObject>

#include <cerrno>

namespace zq61 {

namespace {

// Calls that a pseudo-terminal or a simple adapter does not support (modem
// lines, pinout) fail with "Inappropriate ioctl"; the radio does not need
// them, so such a failure is not one.
bool isUnsupportedLineCall(const QSerialPort& port) {
    return port.error() == QSerialPort::UnsupportedOperationError ||
           port.errorString().contains(QLatin1String("Inappropriate ioctl"));
}

}  // namespace

QtSerialLink::QtSerialLink(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialLink::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
    drainTimer_.setInterval(kDrainTickMs);
    connect(&drainTimer_, &QTimer::timeout, this, &QtSerialLink::drainSome);
}

// The program is letting the port go for good: the last bytes get a short
// moment to leave, as nothing runs the event loop for them any more.
QtSerialLink::~QtSerialLink() {
    close();
    if (draining_ && port_.bytesToWrite() > 0) port_.waitForBytesWritten(100);
    releaseDevice();
}

bool QtSerialLink::open() {
    const bool opened = openPort();
    if (noteSink_)
        noteSink_(opened ? "port " + name_ + " opened, " + lowLatency_.text()
                         : "port " + name_ + " cannot be opened: " + errorText_);
    return opened;
}

bool QtSerialLink::openPort() {
    close();
    errorText_.clear();
    if (draining_ && openedName_ == name_) {
        // Closed a moment ago and its last bytes are still leaving: the
        // device is taken up again as it is, without a second open (the
        // bytes go on leaving).
        draining_ = false;
        port_.readAll();  // what came while it counted as closed is not for us
        return true;
    }
    releaseDevice();
    lowLatency_ = {};
    port_.setPortName(name_);
    if (name_.isEmpty()) {
        errorText_ = QStringLiteral("No serial port is chosen");
        return false;
    }
    if (!port_.open(QIODevice::ReadWrite)) {
        errorText_ = port_.errorString();
        port_.clearError();
        return false;
    }
    if (!configure()) {
        errorText_ = port_.errorString();
        port_.close();
        port_.clearError();
        return false;
    }
    port_.clearError();
    lowLatency_ = requestLowLatency(port_);
    openedName_ = name_;
    return true;
}

bool QtSerialLink::configure() {
    const bool settled =
        port_.setBaudRate(QSerialPort::Baud9600) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
        port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!settled) {
        if (!isUnsupportedLineCall(port_)) return false;
        port_.clearError();
    }
    // Cables that draw their power from the modem lines need them raised.
    if (!port_.setDataTerminalReady(true) && !isUnsupportedLineCall(port_)) return false;
    port_.clearError();
    if (!port_.setRequestToSend(true) && !isUnsupportedLineCall(port_)) return false;
    port_.clearError();
    return true;
}

// The last request (the end request of a transfer) must leave before the
// device is let go; waiting for it here would hold up every other port and
// timer of the program, so the event loop finishes the close.
void QtSerialLink::close() {
    buffer_.clear();
    if (!port_.isOpen() || draining_) return;
    port_.flush();
    if (port_.bytesToWrite() == 0) return releaseDevice();
    draining_ = true;
    if (!drainTimer_.isActive()) {
        drainClock_.start();
        drainTimer_.start();
    }
}

// The system takes what it has room for; QSerialPort does not come back by
// itself for the rest once the system refused it, so it is offered again.
void QtSerialLink::drainSome() {
    if (port_.isOpen()) port_.flush();
    const bool done = !port_.isOpen() || port_.bytesToWrite() == 0;
    if (!done && drainClock_.elapsed() < kCloseDrainMs) return;
    drainTimer_.stop();
    if (draining_) releaseDevice();
}

void QtSerialLink::releaseDevice() {
    drainTimer_.stop();
    draining_ = false;
    if (!port_.isOpen()) return;
    port_.close();
    port_.clearError();
}

bool QtSerialLink::isOpen() const {
    return port_.isOpen() && !draining_;
}

void QtSerialLink::clearBuffers() {
    buffer_.clear();
    if (isOpen()) port_.clear(QSerialPort::AllDirections);
}

void QtSerialLink::write(std::span<const uint8_t> bytes) {
    if (!isOpen() || bytes.empty()) return;
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Out to the device now rather than at the next turn of the event loop:
    // every request waits for its reply, so its latency is the transfer's.
    port_.flush();
}

void QtSerialLink::setReceiveThreshold(int bytes) {
    threshold_ = bytes;
    // Bytes already buffered may reach the new threshold: they are handed
    // over from the event loop, not from inside the caller.
    if (threshold_ > 0 && static_cast<int>(buffer_.size()) >= threshold_ && !deliveryQueued_) {
        deliveryQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                deliveryQueued_ = false;
                deliverIfReady();
            },
            Qt::QueuedConnection);
    }
}

void QtSerialLink::onReadyRead() {
    const QByteArray data = port_.readAll();
    if (!isOpen()) return;
    buffer_.insert(buffer_.end(), data.begin(), data.end());
    deliverIfReady();
}

void QtSerialLink::deliverIfReady() {
    if (!isOpen() || threshold_ <= 0 || static_cast<int>(buffer_.size()) < threshold_) return;
    // The receiver may write, clear, close or set a new threshold.
    const std::vector<uint8_t> bytes = std::move(buffer_);
    buffer_.clear();
    if (receiver_) receiver_(bytes);
}

void QtSerialLink::onError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || !port_.isOpen()) return;
    // The system's output buffer is full for the moment (QSerialPort names
    // that a resource error too): the rest leaves later.
    if (port_.errorString() == qt_error_string(EAGAIN)) return port_.clearError();
    if (draining_) return releaseDevice();  // nothing waits for it any more
    // The device went away (adapter unplugged, the other end of a
    // pseudo-terminal closed): the port is closed so that it does not keep
    // signalling, and the transfer hears of it at once, from the event loop
    // rather than from inside the port's own signal.
    if (error == QSerialPort::ResourceError) {
        errorText_ = port_.errorString();
        buffer_.clear();
        releaseDevice();
        const std::string reason = (name_ + ": " + errorText_).toStdString();
        QMetaObject::invokeMethod(
            this,
            [this, reason] {
                if (lostHandler_) lostHandler_(reason);
            },
            Qt::QueuedConnection);
    }
}

}  // namespace zq61
