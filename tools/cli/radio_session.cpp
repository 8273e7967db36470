#include "radio_session.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <iostream>
#include <numeric>
#include <tuple>

#include "link/qt/port_names.h"

namespace zq61::cli {

namespace {

// Everything a transfer changes as it moves: a reply taken, a request sent
// again, a time-out acted on.
auto progressMark(const TransferEngine& e) {
    return std::make_tuple(e.LinkOperation, e.ReadStep, e.WriteStep, e.CurrentAddress,
                           e.HandshakeAttempts, e.ProtectionRetries,
                           std::accumulate(e.BlockRetries.begin(), e.BlockRetries.end(), 0),
                           e.ResendRequests, e.TransferActive, e.EchoAbsent);
}

constexpr int kRequestsPerAttempt = 4 + 1 + 3 + 464 + 1;  // handshakes .. end
constexpr int kBlockResends = 464 * 3;

}  // namespace

void addRadioOptions(CLI::App* sub, RadioOptions& options, bool withPassword) {
    sub->add_option("--port", options.port,
                    "Serial port: a device path or COMn (default: the port of mysetup.ini)");
    if (withPassword) {
        sub->add_option("--password", options.password,
                        "The radio's password, entered when the radio asks for it");
        sub->add_option("--retries", options.retries,
                        "How often to start again after a link failure (default 0)")
            ->check(CLI::Range(0, kMaxRetries));
    }
    sub->add_flag("--trace", options.trace, "Print every frame in hex on stderr");
}

int transferLimitMs(int retries) {
    const int replyTimes = (retries + 1) * kRequestsPerAttempt + kBlockResends;
    return replyTimes * kReplyTimeoutMs * (1 + kDrainRounds) + 10'000;
}

RadioSession::RadioSession(Context& context, Document& doc, TransferPrompter& prompter,
                           const RadioOptions& options)
    : context_(context),
      prompter_(prompter),
      options_(options),
      engine_(doc, port_, timer_, *this, context.versions) {
    const QString port = options.port.empty()
                             ? radioPortName(context.settings)
                             : resolvePortName(QString::fromStdString(options.port));
    port_.setPortName(port);
    port_.setReceiver([this](std::span<const uint8_t> bytes) { engine_.OnBytesArrived(bytes); });
    timer_.setHandler([this] { engine_.OnReplyTimeout(); });
    if (options.trace)
        engine_.setTrace([](const std::string& line) { std::cerr << line << std::endl; });
}

void RadioSession::transferEnded(int, bool success) {
    ended_ = true;
    success_ = success;
    if (onEnded_) onEnded_();
}

bool RadioSession::run(const std::function<void(TransferEngine&)>& start) {
    QEventLoop loop;
    onEnded_ = [&loop] { loop.quit(); };
    ended_ = success_ = false;
    start(engine_);
    bool stopped = false;
    if (!ended_ && engine_.isBusy()) {
        QElapsedTimer running;
        running.start();
        QElapsedTimer still;
        still.start();
        auto mark = progressMark(engine_);
        const int limitMs = transferLimitMs(options_.retries);
        QTimer watchdog;
        watchdog.setInterval(250);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            const auto now = progressMark(engine_);
            if (now != mark) {
                mark = now;
                still.restart();
            }
            if (still.elapsed() >= kStallLimitMs) {
                std::cerr << "The transfer stopped moving: nothing happened for "
                          << kStallLimitMs / 1000 << " s." << std::endl;
            } else if (running.elapsed() >= limitMs) {
                std::cerr << "The transfer took longer than " << limitMs / 1000
                          << " s, the most it can take." << std::endl;
            } else {
                return;
            }
            stopped = true;
            loop.quit();
        });
        watchdog.start();
        loop.exec();
    }
    onEnded_ = nullptr;
    if (stopped) {
        port_.close();
        return false;
    }
    if (!success_ && !port_.errorText().isEmpty())
        prompter_.message(Prompt::ofFixed(FixedText::SystemReason, PromptIcon::Error,
                                          "Serial port " + port_.portName().toStdString() + ": " +
                                              port_.errorText().toStdString()));
    return ended_ && success_ && !terminated_;
}

}  // namespace zq61::cli
