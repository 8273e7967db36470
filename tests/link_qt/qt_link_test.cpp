// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port adapter against the master side of a pseudo-terminal: what
// the "radio" writes is handed over at the receive threshold, what the
// program writes reaches the radio; and the naming of ports.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "link/qt/port_names.h"
#include "link/qt/qt_reply_timer.h"
#include "link/qt/qt_serial_link.h"
#include "support/pseudo_terminal.h"

using namespace zq61;
using Bytes = std::vector<uint8_t>;

namespace {

// The radio's end of a raw pseudo-terminal.
class RadioEnd : public test::PseudoTerminal {
  public:
    QString path() const { return QString::fromStdString(slavePath()); }
    void send(const Bytes& bytes) { QVERIFY(test::writeAll(masterFd(), bytes)); }
    Bytes received() { return test::readAvailable(masterFd()); }
    // What was sent and the port has not read yet.
    int waiting() const { return test::bytesWaiting(slaveFd()); }

    // Sends and waits until the bytes are in the line's input queue, without
    // running the event loop: the port cannot have read them yet.
    void sendUnread(const Bytes& bytes) {
        const int before = waiting();
        send(bytes);
        QElapsedTimer clock;
        clock.start();
        while (waiting() < before + static_cast<int>(bytes.size()) && !clock.hasExpired(5000))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        QCOMPARE(waiting(), before + static_cast<int>(bytes.size()));
    }
    // Sends and lets the port read the bytes (and do what it does with them).
    void sendAndLetThePortRead(const Bytes& bytes) {
        sendUnread(bytes);
        QTRY_COMPARE(waiting(), 0);
    }
};

}  // namespace

class QtLinkTest : public QObject {
    Q_OBJECT

  private:
    RadioEnd* radio_ = nullptr;
    QtSerialLink* port_ = nullptr;
    std::vector<Bytes> delivered_;

  private slots:
    void init() {
        radio_ = new RadioEnd;
        port_ = new QtSerialLink;
        delivered_.clear();
        port_->setPortName(radio_->path());
        port_->setReceiver(
            [this](std::span<const uint8_t> b) { delivered_.emplace_back(b.begin(), b.end()); });
        QVERIFY2(port_->open(), qPrintable(port_->errorText()));
        QVERIFY(port_->isOpen());
    }
    void cleanup() {
        delete port_;
        delete radio_;
    }

    void deliversEverythingOnceTheThresholdIsReached() {
        port_->setReceiveThreshold(5);
        radio_->sendAndLetThePortRead({1, 2, 3});
        QVERIFY(delivered_.empty());
        radio_->send({4, 5, 6, 7});
        QTRY_COMPARE(delivered_.size(), size_t(1));
        QCOMPARE(delivered_[0], (Bytes{1, 2, 3, 4, 5, 6, 7}));
        // Collecting starts again from nothing.
        radio_->sendAndLetThePortRead({8, 9, 10, 11});
        QCOMPARE(delivered_.size(), size_t(1));
        radio_->send({12});
        QTRY_COMPARE(delivered_.size(), size_t(2));
        QCOMPARE(delivered_[1], (Bytes{8, 9, 10, 11, 12}));
    }

    void holdsBackWhileTheThresholdIsZeroAndHandsOverWhenItIsSet() {
        port_->setReceiveThreshold(0);
        radio_->sendAndLetThePortRead({1, 2, 3});
        QVERIFY(delivered_.empty());
        port_->setReceiveThreshold(2);
        QVERIFY(delivered_.empty());  // not from inside the caller
        QTRY_COMPARE(delivered_.size(), size_t(1));
        QCOMPARE(delivered_[0], (Bytes{1, 2, 3}));
    }

    void deliversNothingOnceClosed() {
        port_->setReceiveThreshold(1);
        port_->close();
        QVERIFY(!port_->isOpen());
        radio_->sendUnread({1, 2});
        QCoreApplication::processEvents();
        QVERIFY(delivered_.empty());
    }

    void clearingDropsWhatIsBufferedHereAndInTheSystem() {
        port_->setReceiveThreshold(10);
        radio_->sendAndLetThePortRead({0xEE, 0xEE, 0xEE, 0xEE});  // in the adapter's buffer
        radio_->sendUnread({0xDD, 0xDD});                         // in the system's
        port_->clearBuffers();
        QCOMPARE(radio_->waiting(), 0);
        const Bytes fresh = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        radio_->send(fresh);
        QTRY_COMPARE(delivered_.size(), size_t(1));
        QCOMPARE(delivered_[0], fresh);
    }

    // Closing never waits for bytes still on their way out (it would hold up
    // every other port): what the system takes leaves at once, the rest from
    // the event loop, and the device is let go once they left. The port
    // counts as closed at once; opened again meanwhile, it is taken up as it
    // is and the rest still leaves.
    void writtenBytesLeaveEvenWhenThePortClosesAtOnce() {
        port_->write(Bytes{0x45, 0x4E, 0x44});
        port_->close();
        QCOMPARE(radio_->received(), (Bytes{0x45, 0x4E, 0x44}));

        QVERIFY(port_->open());
        // Far more than the pseudo-terminal takes while nobody reads it.
        const Bytes lots(1 << 20, 0x57);
        port_->write(lots);
        port_->close();
        QVERIFY(!port_->isOpen());
        QVERIFY(port_->isDraining());
        QVERIFY(port_->open());
        Bytes got;
        QElapsedTimer waited;
        waited.start();
        while (got.size() < lots.size() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents();
            const Bytes more = radio_->received();
            got.insert(got.end(), more.begin(), more.end());
        }
        QVERIFY(got == lots);

        port_->write(lots);
        port_->close();
        QVERIFY(port_->isDraining());
        QTRY_VERIFY_WITH_TIMEOUT((radio_->received(), !port_->isDraining()), 5000);
        QVERIFY(!port_->isOpen());
    }

    void theReceiverMayAnswerAndCloseFromInsideADelivery() {
        port_->setReceiver([this](std::span<const uint8_t> b) {
            delivered_.emplace_back(b.begin(), b.end());
            port_->setReceiveThreshold(1);
            port_->clearBuffers();
            port_->write(Bytes{0x06});
            port_->close();
        });
        port_->setReceiveThreshold(2);
        radio_->send({0x4C, 0x4D, 0x06});
        QTRY_COMPARE(delivered_.size(), size_t(1));
        QCOMPARE(radio_->received(), Bytes{0x06});
        QVERIFY(!port_->isOpen());
        QVERIFY(port_->open());  // and opens again
    }

    void aPortThatDoesNotExistFailsWithAReason() {
        QtSerialLink missing;
        QStringList notes;
        missing.setNoteSink([&](const QString& note) { notes << note; });
        missing.setPortName(QStringLiteral("/dev/no-such-port"));
        QVERIFY(!missing.open());
        QVERIFY(!missing.isOpen());
        QVERIFY(!missing.errorText().isEmpty());
        QCOMPARE(notes,
                 QStringList{"port /dev/no-such-port cannot be opened: " + missing.errorText()});
        QVERIFY(!missing.lowLatency().asked);
    }

    // Every open asks the driver for low latency; a pseudo-terminal refuses
    // (it has no serial driver flags) and the port works all the same.
    void everyOpenAsksForLowLatencyAndARefusalIsHarmless() {
        QStringList notes;
        port_->setNoteSink([&](const QString& note) { notes << note; });
        for (int i = 0; i < 2; ++i) {
            QVERIFY(port_->open());
            QVERIFY(port_->lowLatency().asked);
            QVERIFY(!port_->lowLatency().set);
            QVERIFY2(port_->lowLatency().reason.contains("Inappropriate ioctl"),
                     qPrintable(port_->lowLatency().reason));
        }
        const QString note = "port " + radio_->path() +
                             " opened, low latency: refused: " + port_->lowLatency().reason;
        QCOMPARE(notes, (QStringList{note, note}));
        port_->setReceiveThreshold(1);
        radio_->send({0x06});
        QTRY_COMPARE(delivered_.size(), size_t(1));
    }

    void replyTimerFiresOnceUnlessStoppedOrRestarted() {
        QtReplyTimer timer;
        int fired = 0;
        timer.setHandler([&] { ++fired; });
        timer.start(30);
        QTRY_COMPARE(fired, 1);
        QVERIFY(!timer.isActive());
        timer.start(30);
        timer.stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        QCoreApplication::processEvents();  // a timer still running would fire now
        QCOMPARE(fired, 1);
        // Restarted 50 ms into a 30 ms wait (no event is handled meanwhile,
        // so the first cannot fire): it fires 60 ms after the restart.
        QElapsedTimer clock;
        clock.start();
        timer.start(30);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        timer.start(60);  // starts over
        QTRY_COMPARE(fired, 2);
        QVERIFY(clock.elapsed() >= 110);
    }

    // The names themselves are the core's (tests/unit/settings); these are
    // the Qt side's.
    void settingsChooseThePathWhileSetElseTheNumber() {
        Settings s;
        s.ComPortNumber = 5;
        QCOMPARE(radioPortName(s), QStringLiteral("/dev/ttyS4"));
        s.PortName = "/dev/ttyUSB1";
        QCOMPARE(radioPortName(s), QStringLiteral("/dev/ttyUSB1"));
        QCOMPARE(resolvePortName(QStringLiteral(" com3 ")), QStringLiteral("/dev/ttyS2"));
        QCOMPARE(comPortNumberOf(QStringLiteral("/dev/ttyS15")), std::optional<int>(16));
        QCOMPARE(comPortNumberOf(QStringLiteral("/dev/ttyS16")), std::optional<int>());
    }
};

QTEST_GUILESS_MAIN(QtLinkTest)
#include "qt_link_test.moc"
