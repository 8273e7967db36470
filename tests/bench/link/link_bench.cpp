// SPDX-License-Identifier: GPL-3.0-or-later
// How long whole transfers take through the Qt serial link, compared with
// the time their bytes need on the wire at 9600 baud 8N1 (10 bits a byte,
// every byte both ways; a cable's echo costs no wire time of its own):
//   1. against zq61-sim --pace (the radio answers at once, bytes at wire pace),
//      over a cable without echo and over one with echo (--echo);
//   2. against zq61-sim unpaced, and a bare request/reply loop over a
//      pseudo-terminal with the same frame sizes: the difference is the
//      link's and the engine's own time per request;
//   --latency: only the cost of a USB serial adapter's latency timer: the
//      radio's replies held back 0, 1, 4 and 16 ms (zq61-sim --reply-delay,
//      paced), read and write time for each (about 100 s in all).
//   zq61_link_bench [--latency] [path of zq61-sim]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "link/engine/transfer_engine.h"
#include "link/qt/qt_reply_timer.h"
#include "link/qt/qt_serial_link.h"
#include "model/document.h"
#include "model/program_versions.h"
#include "support/pseudo_terminal.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace {

using namespace zq61;

constexpr double kByteSeconds = 10.0 / 9600.0;
// Other programs on the machine delay some wake-ups: the best run shows the link's own time.
constexpr int kRuns = 3;

struct NoStarter : ProgramStarter {
    bool start(const std::string&) override { return false; }
};

// Counts the bytes each way on their way through the real link.
class CountingLink : public SerialLink {
  public:
    explicit CountingLink(QtSerialLink& link) : link_(link) {}
    long sent = 0;
    bool open() override { return link_.open(); }
    void close() override { link_.close(); }
    bool isOpen() const override { return link_.isOpen(); }
    void clearBuffers() override { link_.clearBuffers(); }
    void write(std::span<const uint8_t> bytes) override {
        sent += static_cast<long>(bytes.size());
        link_.write(bytes);
    }
    void setReceiveThreshold(int bytes) override { link_.setReceiveThreshold(bytes); }

  private:
    QtSerialLink& link_;
};

struct Result {
    bool ok = false;
    double seconds = 0;
    long bytes = 0;
};

class Radio {
  public:
    Radio(const QString& sim, const QStringList& args) {
        process_.start(sim, args);
        process_.waitForReadyRead(5000);
        port = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~Radio() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    QString port;

  private:
    QProcess process_;
};

class Bench : public TransferHost {
  public:
    Bench(const QString& port, bool echo) : echo_(echo), counting_(link_) {
        doc_.WorkData.Header.Model = kModelName;
        link_.setPortName(port);
        link_.setReceiver([this](std::span<const uint8_t> b) {
            received_ += static_cast<long>(b.size());
            engine_.OnBytesArrived(b);
        });
        timer_.setHandler([this] { engine_.OnReplyTimeout(); });
        engine_.setEchoAbsent(!echo);
    }

    // `firstOfSession`: the transfer starts from the program's first belief
    // (the cable echoes), as every transfer of a command line run does.
    Result run(TransferOperation op, bool firstOfSession = false) {
        if (firstOfSession) engine_.setEchoAbsent(false);
        counting_.sent = received_ = 0;
        QEventLoop loop;
        loop_ = &loop;
        QElapsedTimer clock;
        clock.start();
        engine_.start(op);
        if (engine_.isBusy()) loop.exec();
        Result r;
        r.seconds = clock.nsecsElapsed() / 1e9;
        r.ok = success_;
        // Every byte sent comes back as its echo on an echoing cable.
        r.bytes = counting_.sent + received_ - (echo_ ? counting_.sent : 0);
        if (op == TransferOperation::Read) engine_.FinishRead();
        return r;
    }

    void startReadOkTimer() override {}
    void transferEnded(TransferOperation, TransferResult result) override {
        success_ = result == TransferResult::Success;
        if (loop_) loop_->quit();
    }

  private:
    bool echo_;
    test::ScriptedPrompter prompter_;
    test::TableTexts texts_;
    Document doc_{prompter_, texts_};
    NoStarter starter_;
    ProgramVersions versions_{[] {
                                  VersionTable t;
                                  t.Pairs = {{"V100", "V100"}};
                                  return t;
                              }(),
                              "/nonexistent", "zq61", starter_};
    QtSerialLink link_;
    CountingLink counting_;
    QtReplyTimer timer_;
    TransferEngine engine_{doc_, counting_, timer_, *this, versions_};
    QEventLoop* loop_ = nullptr;
    long received_ = 0;
    bool success_ = false;
};

// The floor: a responder that answers each request of `requestSize` bytes
// with `replySize` bytes at once, and a client that waits for each reply
// before it sends the next request, both waiting with poll() on a raw
// pseudo-terminal.
double bareLoopSeconds(int requests, int requestSize, int replySize) {
    test::PseudoTerminal line;
    const int master = line.masterFd();
    const int slave = line.slaveFd();

    auto exchange = [](int fd, const std::vector<uint8_t>& out, int expect) {
        if (!out.empty() && !test::writeAll(fd, out)) return false;
        int got = 0;
        uint8_t buffer[256];
        while (got < expect) {
            const long n = test::readWithin(fd, buffer, sizeof buffer, 1000);
            if (n <= 0) return false;
            got += static_cast<int>(n);
        }
        return true;
    };
    std::thread responder([&] {
        const std::vector<uint8_t> reply(static_cast<size_t>(replySize), 0x06);
        for (int i = 0; i < requests; ++i) {
            if (!exchange(master, {}, requestSize)) return;
            if (!test::writeAll(master, reply)) return;
        }
    });
    const std::vector<uint8_t> request(static_cast<size_t>(requestSize), 0x52);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < requests; ++i)
        if (!exchange(slave, request, replySize)) break;
    const double seconds = clock.nsecsElapsed() / 1e9;
    responder.join();
    return seconds;
}

void print(const char* what, const Result& r) {
    const double wire = static_cast<double>(r.bytes) * kByteSeconds;
    std::printf("%-36s %s %7.3f s  %6ld bytes  wire %7.3f s  ratio %.4f\n", what,
                r.ok ? "ok    " : "FAILED", r.seconds, r.bytes, wire, r.seconds / wire);
}

}  // namespace

// An adapter's latency timer holds every reply back; each block is a round
// trip, so the delay is paid about 470 times a transfer.
int latencyTable(const QString& sim) {
    std::printf(
        "Reply held back as by an adapter's latency timer (zq61-sim --pace "
        "--reply-delay D, no echo):\n");
    std::printf("%-10s %10s %10s\n", "delay", "read", "write");
    bool ok = true;
    for (const int delayMs : {0, 1, 4, 16}) {
        Radio radio(sim, {"--pace", "--reply-delay", QString::number(delayMs)});
        Bench bench(radio.port, false);
        const Result read = bench.run(TransferOperation::Read);
        const Result write = bench.run(TransferOperation::Write);
        ok = ok && read.ok && write.ok;
        std::printf("%-10s %9.1fs %9.1fs%s\n", (std::to_string(delayMs) + " ms").c_str(),
                    read.seconds, write.seconds, read.ok && write.ok ? "" : "  FAILED");
    }
    return ok ? 0 : 1;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool latencyOnly = args.removeAll(QStringLiteral("--latency")) > 0;
    const QString sim =
        args.isEmpty() ? QStringLiteral(ZQ61_PROGRAM_DIR "/zq61-sim") : args.front();
    if (latencyOnly) return latencyTable(sim);

    std::printf(
        "Whole transfers at 9600 baud 8N1 (zq61-sim --pace --reply-delay 0), "
        "the best of %d:\n",
        kRuns);
    // Without echo twice: with the cable known, and as the first transfer of
    // a session, whose first handshake expects an echo and times out.
    struct Cable {
        bool echo;
        bool firstOfSession;
        const char* name;
    };
    for (const Cable& cable : {Cable{false, false, "no echo"}, Cable{true, false, "echo"},
                               Cable{false, true, "no echo, first of session"}}) {
        QStringList args = {"--pace", "--reply-delay", "0"};
        if (cable.echo) args << "--echo";
        Radio radio(sim, args);
        Bench bench(radio.port, cable.echo);
        Result bestRead, bestWrite;
        for (int i = 0; i < kRuns; ++i) {
            const Result read = bench.run(TransferOperation::Read, cable.firstOfSession);
            const Result write = bench.run(TransferOperation::Write, cable.firstOfSession);
            if (i == 0 || read.seconds < bestRead.seconds) bestRead = read;
            if (i == 0 || write.seconds < bestWrite.seconds) bestWrite = write;
        }
        char label[64];
        std::snprintf(label, sizeof label, "read, %s", cable.name);
        print(label, bestRead);
        std::snprintf(label, sizeof label, "write, %s", cable.name);
        print(label, bestWrite);
    }
    std::printf("\nUnpaced (zq61-sim --reply-delay 0), per request:\n");
    Result read, write;
    {
        Radio radio(sim, {"--reply-delay", "0"});
        Bench bench(radio.port, false);
        read = bench.run(TransferOperation::Read);
        write = bench.run(TransferOperation::Write);
    }
    const int requests =
        kMemoryBlockCount + 4;  // handshake, identify, protection block, blocks, end
    const double bareRead = bareLoopSeconds(requests, 4, 22);
    const double bareWrite = bareLoopSeconds(requests, 22, 1);
    std::printf("%-36s %s %7.3f s  %7.1f us a request\n", "read, engine and link",
                read.ok ? "ok    " : "FAILED", read.seconds, read.seconds / requests * 1e6);
    std::printf("%-36s %s %7.3f s  %7.1f us a request\n", "write, engine and link",
                write.ok ? "ok    " : "FAILED", write.seconds, write.seconds / requests * 1e6);
    std::printf("%-34s        %7.3f s  %7.1f us a request\n", "bare loop, 4 -> 22 bytes", bareRead,
                bareRead / requests * 1e6);
    std::printf("%-34s        %7.3f s  %7.1f us a request\n", "bare loop, 22 -> 1 bytes", bareWrite,
                bareWrite / requests * 1e6);
    return read.ok && write.ok ? 0 : 1;
}
