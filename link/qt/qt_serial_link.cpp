#include "link/qt/qt_serial_link.h"

#include <QMetaObject>

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
}

QtSerialLink::~QtSerialLink() {
    close();
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

void QtSerialLink::close() {
    buffer_.clear();
    if (!port_.isOpen()) return;
    // The last request (the end request of an aborted transfer) must leave
    // before the port closes.
    flushWrites(100);
    port_.close();
    port_.clearError();
}

bool QtSerialLink::isOpen() const {
    return port_.isOpen();
}

void QtSerialLink::clearBuffers() {
    buffer_.clear();
    if (port_.isOpen()) port_.clear(QSerialPort::AllDirections);
}

void QtSerialLink::write(std::span<const uint8_t> bytes) {
    if (!port_.isOpen() || bytes.empty()) return;
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Out to the device now rather than at the next turn of the event loop:
    // every request waits for its reply, so its latency is the transfer's.
    flushWrites(0);
}

void QtSerialLink::flushWrites(int waitMs) {
    port_.flush();
    if (waitMs > 0 && port_.bytesToWrite() > 0) port_.waitForBytesWritten(waitMs);
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
    if (!port_.isOpen()) return;
    buffer_.insert(buffer_.end(), data.begin(), data.end());
    deliverIfReady();
}

void QtSerialLink::deliverIfReady() {
    if (!port_.isOpen() || threshold_ <= 0 || static_cast<int>(buffer_.size()) < threshold_) return;
    // The receiver may write, clear, close or set a new threshold.
    const std::vector<uint8_t> bytes = std::move(buffer_);
    buffer_.clear();
    if (receiver_) receiver_(bytes);
}

void QtSerialLink::onError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || !port_.isOpen()) return;
    // The device went away (adapter unplugged, the other end of a
    // pseudo-terminal closed): the port is closed so that it does not keep
    // signalling, and the transfer hears of it at once, from the event loop
    // rather than from inside the port's own signal.
    if (error == QSerialPort::ResourceError) {
        errorText_ = port_.errorString();
        buffer_.clear();
        port_.close();
        port_.clearError();
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
