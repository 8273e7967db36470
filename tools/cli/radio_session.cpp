// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_session.h"

#include <QEventLoop>

#include <iostream>

#include "codec/frequency.h"
#include "link/qt/port_names.h"
#include "model/bands.h"
#include "model/document.h"
#include "platform/read_backup.h"
#include "terminal.h"

namespace zq61::cli {

void addRadioOptions(CLI::App* sub, RadioOptions& options, bool withPassword, bool severalRadios) {
    if (severalRadios) {
        // One value each time: "--port A --port B FILE" leaves FILE alone.
        sub->add_option("--port", options.ports,
                        "Serial port: a device path or COMn (default: the port of mysetup.ini); "
                        "give it once per radio to do several radios at once")
            ->allow_extra_args(false);
        sub->add_option("--ports-from", options.portsFrom,
                        "A file with one serial port a line: each is one more radio");
        sub->add_flag("--json", options.json,
                      "Print the table of the radios as JSON records (implies several radios)");
    } else {
        sub->add_option("--port", options.port,
                        "Serial port: a device path or COMn (default: the port of mysetup.ini)");
    }
    if (withPassword) {
        sub->add_option("--password", options.password,
                        "The radio's password, entered when the radio asks for it");
        sub->add_option("--retries", options.retries,
                        "How often to start again after a link failure (default 0)")
            ->check(CLI::Range(0, kMaxRetries));
    }
    sub->add_flag("--trace", options.trace, "Print every frame in hex on stderr");
}

void addBackupOption(CLI::App* sub, RadioOptions& options) {
    sub->add_flag("--no-backup", options.noBackup,
                  "Do not keep this read among the backups of the data folder");
}

bool readRadioDocument(Context& context, Document& doc, TransferPrompter& prompter,
                       const RadioOptions& options, std::ostream& notes, TransferPurpose purpose) {
    RadioSession session(context, doc, prompter, options);
    if (!session.run(TransferOperation::Read, purpose)) return false;
    session.engine().FinishRead();
    const bool shown = session.readDocumentShown();
    if (options.noBackup) return shown;

    // The read is kept before anything else is written: whatever happens to
    // the document file, the radio's data is not lost. An image that could
    // not become a document (a band mode the program does not know) is kept
    // on its own.
    const BackupResult backup =
        keepReadBackup(BackupStore(BackupStore::defaultFolder()),
                       {session.engine().memoryImage(), shown ? doc.BandMode : -1, doc.ModelName,
                        context.programDir},
                       prompter, context.texts);
    if (backup.saved)
        (shown ? notes : std::cerr)
            << (shown ? "Backup of this read: " : "The radio's memory image was kept: ")
            << backup.path << std::endl;
    else
        std::cerr << "The backup of this read could not be written (" << backup.error
                  << "); the read goes on without it." << std::endl;
    return shown;
}

RadioSession::RadioSession(Context& context, Document& doc, TransferPrompter& prompter,
                           const RadioOptions& options)
    : context_(context),
      prompter_(prompter),
      options_(options),
      engine_(doc, port_, timer_, *this, context.versions),
      watchdog_(engine_,
                [this](const std::string& why) {
                    std::cerr << why << std::endl;
                    recorder_.line("watchdog: " + why);
                }),
      recorder_(TransferLog(TransferLog::defaultFolder()), TransferRecorder::programName()) {
    const QString port = options.port.empty()
                             ? radioPortName(context.settings)
                             : resolvePortName(QString::fromStdString(options.port));
    port_.setPortName(port);
    port_.setReceiver([this](std::span<const uint8_t> bytes) { engine_.OnBytesArrived(bytes); });
    port_.setLostHandler([this](const std::string& reason) {
        portLost_ = true;  // the engine tells why
        engine_.OnPortLost(reason);
    });
    timer_.setHandler([this] { engine_.OnReplyTimeout(); });
    // Every frame and port note goes into the transfer log, and with
    // --trace onto stderr as well.
    const bool trace = options.trace;
    port_.setNoteSink([this, trace](const QString& note) {
        recorder_.line(note.toStdString());
        if (trace) std::cerr << note.toStdString() << std::endl;
    });
    engine_.setTrace([this, trace](const std::string& line) {
        recorder_.frame(line, engine_.snapshot().phase);
        if (trace) std::cerr << line << std::endl;
    });
    // A trace prints lines of its own; the progress line would tear them.
    progressOnTerminal_ = stderrIsTerminal() && !options.trace;
}

void RadioSession::openProgressWindow(TransferOperation operation) {
    progressLabel_ = operation == TransferOperation::Write ? "Writing" : "Reading";
    progressShown_ = -1;
    showProgress(0);
}

void RadioSession::showProgress(int percent) {
    if (!progressOnTerminal_ || percent == progressShown_) return;
    progressShown_ = percent;
    std::cerr << '\r' << progressLabel_ << ' ' << percent << '%' << std::flush;
}

void RadioSession::closeProgressWindow() {
    if (progressShown_ < 0) return;
    progressShown_ = -1;
    std::cerr << std::endl;  // messages that follow start on a line of their own
}

void RadioSession::transferEnded(TransferOperation, TransferResult result) {
    closeProgressWindow();
    ended_ = true;
    result_ = result;
    if (onEnded_) onEnded_();
}

void RadioSession::record(TransferResult result) {
    if (!recorder_.inTransfer()) return;
    const QString reason = port_.errorText();
    // A transfer that never got going without a port failure was declined
    // before anything was sent.
    if (!ended_ && reason.isEmpty()) return recorder_.discard();
    const auto failure =
        recorder_.end({result, engine_.snapshot().retriesUsed, engine_.echoAbsent(),
                       port_.lowLatency().summary().toStdString(),
                       result == TransferResult::Success ? std::string() : reason.toStdString()});
    if (failure)
        std::cerr << "The transfer log could not be written (" << *failure
                  << "); the transfer goes on without it." << std::endl;
}

bool RadioSession::run(TransferOperation operation, std::optional<TransferPurpose> purpose) {
    static constexpr TransferPurpose kPurposes[] = {TransferPurpose::Read, TransferPurpose::Read,
                                                    TransferPurpose::Write,
                                                    TransferPurpose::RadioInformation};
    recorder_.begin(purpose.value_or(kPurposes[static_cast<int>(operation)]),
                    port_.portName().toStdString());
    QEventLoop loop;
    onEnded_ = [&loop] { loop.quit(); };
    ended_ = false;
    result_ = TransferResult::Failed;
    engine_.start(operation);
    if (!ended_ && engine_.isBusy()) {
        // A stuck or overlong transfer is cancelled: transferEnded quits the loop.
        watchdog_.watch(operation, options_.retries);
        loop.exec();
        watchdog_.stop();
    }
    onEnded_ = nullptr;
    record(ended_ ? result_ : TransferResult::Failed);
    const bool success = ended_ && result_ == TransferResult::Success;
    if (!success && result_ != TransferResult::Cancelled && !portLost_ &&
        !port_.errorText().isEmpty())
        prompter_.message(Prompt::ofFixed(FixedText::SystemReason, PromptIcon::Error,
                                          "Serial port " + port_.portName().toStdString() + ": " +
                                              port_.errorText().toStdString()));
    return success && !terminated_;
}

}  // namespace zq61::cli
