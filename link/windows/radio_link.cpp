// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/windows/radio_link.h"

#include <QCoreApplication>

#include "app/app_context.h"
#include "app/main_window.h"
#include "app/settings_problems.h"
#include "app/window_names.h"
#include "link/engine/memory_meaning.h"
#include "link/engine/read_documents.h"
#include "link/qt/port_names.h"
#include "link/windows/fleet_write_dialog.h"
#include "link/windows/password_dialog.h"
#include "link/windows/port_problem.h"
#include "link/windows/progress_window.h"
#include "model/text_ids.h"
#include "platform/read_backup.h"
#include "platform/user_preferences.h"

namespace zq61::gui {

namespace {

constexpr int kReadOkMs = 500;
constexpr int kWaitSaveDataMs = 100;
// Differing bytes named in the verify message; more would not fit a box.
constexpr std::size_t kVerifyBytesShown = 8;

}  // namespace

RadioLink::RadioLink(MainWindow& main)
    : main_(main),
      ctx_(main.context()),
      engine_(ctx_.document, port_, timer_, *this, *ctx_.versions),
      recorder_(TransferLog(ctx_.logFolderPath()), TransferRecorder::programName()),
      portLister_(presentPorts) {
    port_.setReceiver([this](std::span<const uint8_t> bytes) { engine_.OnBytesArrived(bytes); });
    port_.setLostHandler([this](const std::string& reason) { engine_.OnPortLost(reason); });
    timer_.setHandler([this] { engine_.OnReplyTimeout(); });
    // Every port note and frame goes into the transfer log.
    port_.setNoteSink([this](const QString& note) { recorder_.line(note.toStdString()); });
    engine_.setTrace(
        [this](const std::string& line) { recorder_.frame(line, engine_.snapshot().phase); });
    readOkTimer_.setSingleShot(true);
    readOkTimer_.setInterval(kReadOkMs);
    connect(&readOkTimer_, &QTimer::timeout, this, [this] { engine_.FinishRead(); });
    waitSaveDataTimer_.setSingleShot(true);
    waitSaveDataTimer_.setInterval(kWaitSaveDataMs);
    connect(&waitSaveDataTimer_, &QTimer::timeout, this, [this] {
        if (engine_.isBusy()) return;
        startRecording(TransferPurpose::Write);
        if (portUsable()) {
            // A write that is read back reports success only after the comparison.
            verifyWrite_ = verifyAfterWrite();
            engine_.setAnnounceWriteDone(!verifyWrite_);
            engine_.WriteToRadio();
        }
        afterCommand();
    });
    ctx_.radio = this;
    // A new document ends whatever transfer state is left (none can run
    // while the progress window is up; this is the program's safety net).
    ctx_.resetLink = [this] {
        if (engine_.isBusy()) engine_.cancel();
    };
    if (!portOverride().isEmpty()) main_.ApplyMainTexts();  // the status bar shows it
}

RadioLink::~RadioLink() {
    if (ctx_.radio == this) ctx_.radio = nullptr;
    ctx_.resetLink = nullptr;
    readOkTimer_.stop();
    waitSaveDataTimer_.stop();
    imageRead_ = ImageRead::None;  // nothing is reported while the program ends
    engine_.cancel();
    delete progress_.data();
}

QString RadioLink::portOverride() const {
    const QString override = qEnvironmentVariable(kPortOverrideVariable).trimmed();
    return override.isEmpty() ? QString() : resolvePortName(override);
}

QString RadioLink::portName() const {
    const QString override = portOverride();
    return override.isEmpty() ? radioPortName(ctx_.settings) : override;
}

void RadioLink::usePortOfSettings() {
    if (!engine_.isBusy()) port_.setPortName(portName());
}

// Opens and closes the port before the engine does, so that a port that
// cannot be used is explained: the system's reason and what to do.
bool RadioLink::portUsable() {
    if (engine_.isBusy()) return true;  // the engine ignores the command anyway
    usePortOfSettings();
    if (port_.open()) {
        port_.close();
        return true;
    }
    QStringList present;
    for (const PresentPort& p : portLister_ ? portLister_() : std::vector<PresentPort>{})
        present << p.device;
    const PortFacts facts = portFacts(port_.portName(), port_.errorText(), present);
    ctx_.document.prompter->message(Prompt::ofText(
        txt::kPortError, portProblemText(ctx_.texts, facts).toStdString(), PromptIcon::Error));
    return false;
}

std::optional<std::string> RadioLink::askPassword(const std::string& current) {
    return askRadioPassword(ctx_.texts, current,
                            progress_ ? static_cast<QWidget*>(progress_.data()) : &main_,
                            main_.runModal);
}

// ---- commands ----

void RadioLink::readFromRadio() {
    if (engine_.isBusy()) return;
    startRecording(TransferPurpose::Read);
    if (portUsable()) engine_.ReadFromRadio();
    afterCommand();
}

// The pending edits were handed to the document just before; the write
// starts once the windows have finished with them.
void RadioLink::writeToRadio() {
    if (engine_.isBusy()) return;
    waitSaveDataTimer_.start();
}

// The document is packed once, from a copy, so that a dialog closed
// without a write leaves it as it was; the dialog asks the rest once.
void RadioLink::writeToSeveralRadios() {
    if (engine_.isBusy()) return;
    const Document& doc = ctx_.document;
    if (const std::string channel = unpackableChannelText(doc); !channel.empty()) {
        doc.tell(FixedText::NotNumeric, PromptIcon::Error, channel);
        return;
    }
    Document packing(*doc.prompter, ctx_.texts);
    copyWorkingDocument(doc, packing);
    FleetJob job;
    job.operation = TransferOperation::Write;
    PackDocument(packing, job.image);
    job.modelName = doc.ModelName;
    job.bandMode = doc.BandMode;
    job.verify = verifyAfterWrite();
    if (!engine_.enteredPassword().empty()) job.password = engine_.enteredPassword();
    job.programDir = ctx_.settings.ProgramFolder;
    // The port of this run (the demonstration's virtual radio) is offered checked.
    std::vector<QString> checked;
    if (!portOverride().isEmpty()) checked.push_back(portOverride());
    FrmFleetWrite dialog(ctx_, std::move(job),
                         portLister_ ? portLister_() : std::vector<PresentPort>{}, checked, &main_);
    if (main_.runModal)
        main_.runModal(dialog);
    else
        dialog.exec();
}

void RadioLink::ReadRMGDataFromRadio() {
    if (engine_.isBusy()) return;
    startRecording(TransferPurpose::RadioInformation);
    if (portUsable()) engine_.ReadRMGDataFromRadio();
    afterCommand();
}

void RadioLink::compareWithRadio() {
    if (engine_.isBusy()) return;
    startRecording(TransferPurpose::Compare);
    if (portUsable()) startImageRead(ImageRead::Compare);
    afterCommand();
}

// ---- the transfer log ----

void RadioLink::startRecording(TransferPurpose purpose) {
    usePortOfSettings();
    recorder_.setLog(TransferLog(ctx_.logFolderPath()));
    recorder_.startRun();
    recorder_.begin(purpose, port_.portName().toStdString());
}

void RadioLink::afterCommand() {
    if (engine_.isBusy() || !recorder_.inTransfer()) return;
    if (port_.errorText().isEmpty()) return recorder_.discard();
    record(TransferResult::Failed);
}

void RadioLink::record(TransferResult result) {
    if (!recorder_.inTransfer()) return;
    const auto failure = recorder_.end(
        {result, engine_.snapshot().retriesUsed, engine_.echoAbsent(),
         port_.lowLatency().summary().toStdString(),
         result == TransferResult::Success ? std::string() : port_.errorText().toStdString()});
    if (failure)
        ctx_.document.prompter->message(Prompt::ofText(
            txt::kLogNotWritten, ctx_.document.text(txt::kLogNotWritten) + "\r\n" + *failure,
            PromptIcon::Warning));
}

bool RadioLink::startImageRead(ImageRead purpose) {
    imageRead_ = purpose;
    engine_.ReadImageFromRadio();
    // A read that did not get going (the port failed, with its message) ends
    // nowhere: nothing may wait for it.
    if (engine_.isBusy() || imageRead_ != purpose) return true;
    imageRead_ = ImageRead::None;
    return false;
}

void RadioLink::editPassword() {
    if (auto entered = askPassword(engine_.enteredPassword()))
        engine_.setEnteredPassword(std::move(*entered));
}

void RadioLink::choosePort() {
    FrmSetComm dialog(ctx_.texts, ctx_.settings, portLister_, &main_);
    const int result = main_.runModal ? main_.runModal(dialog) : dialog.exec();
    if (result == QDialog::Accepted) main_.ApplyMainTexts();
    tellSettingsProblems(ctx_);
}

void RadioLink::closePort() {
    readOkTimer_.stop();
    waitSaveDataTimer_.stop();
    imageRead_ = ImageRead::None;
    engine_.cancel();
    port_.close();
}

void RadioLink::cancelTransfer() {
    const TransferSnapshot now = engine_.snapshot();
    // Once "END" is out every frame is in the radio: only a cancel among the
    // frames leaves it partly written.
    writeInterrupted_ =
        now.operation == TransferOperation::Write && now.phase == TransferPhase::Blocks;
    engine_.cancel();
}

// ---- the engine's host ----

void RadioLink::openProgressWindow(TransferOperation operation) {
    closeProgressWindow();
    progress_ = new FrmProgress(ctx_.texts, *ctx_.document.prompter, operation, &main_);
    progress_->onCancel = [this] { cancelTransfer(); };
    progress_->show();
}

void RadioLink::showProgress(int percent) {
    if (progress_ && progress_->isVisible()) progress_->SetProgressValue(percent);
}

void RadioLink::closeProgressWindow() {
    if (!progress_) return;
    FrmProgress* window = progress_;
    progress_ = nullptr;
    window->onCancel = nullptr;
    window->hide();
    // The call may come from the window's own Cancel button.
    window->deleteLater();
}

void RadioLink::closeChildWindows() {
    main_.CloseCurAllWindows();
}

// The read is kept among the backups first: whatever happens to the
// document from here on, the radio's data is not lost.
void RadioLink::startReadOkTimer() {
    keepBackupOfRead();
    readOkTimer_.start();
}

void RadioLink::keepBackupOfRead() {
    const BackupResult backup =
        keepReadBackup(BackupStore(ctx_.backupFolderPath()),
                       {engine_.memoryImage(), engine_.radioBandMode(), ctx_.document.ModelName,
                        ctx_.settings.ProgramFolder},
                       *ctx_.document.prompter, ctx_.texts);
    lastBackupPath_ = backup.path;
    // A folder that cannot take backups is told once, with the file or
    // folder and why; the reads go on without them.
    if (backup.saved || !backupFoldersTold_.insert(ctx_.backupFolderPath()).second) return;
    ctx_.document.prompter->message(Prompt::ofText(
        txt::kBackupNotWritten, ctx_.document.text(txt::kBackupNotWritten) + "\r\n" + backup.error,
        PromptIcon::Warning));
}

// The document read from the radio: untitled, its texts, its channels.
void RadioLink::showReadDocument() {
    main_.ShowMainTxt();
    main_.Change_Language();
    main_.showWindowOnce(win::kChannels);
    main_.cascade();
    // The read document replaces the old one: its edits cannot be undone.
    main_.startFreshHistory();
}

void RadioLink::showRadioInfo() {
    main_.showWindowOnce(win::kRadioInfo);
}

// Another program version has started for the radio's firmware.
void RadioLink::terminateProgram() {
    QMetaObject::invokeMethod(
        &main_, [this] { main_.close(); }, Qt::QueuedConnection);
}

void RadioLink::transferEnded(TransferOperation operation, TransferResult result) {
    record(result);
    const bool interrupted = writeInterrupted_;
    writeInterrupted_ = false;
    if (operation == TransferOperation::Write && result == TransferResult::Cancelled && interrupted)
        ctx_.document.tell(txt::kWritePartly, PromptIcon::Warning);

    if (operation == TransferOperation::Write && result == TransferResult::Success &&
        verifyWrite_) {
        // A new handshake once the radio has left programming mode; the
        // engine must have finished with this transfer first.
        written_ = engine_.memoryImage();
        imageRead_ = ImageRead::Verify;
        QTimer::singleShot(0, this, [this] {
            if (imageRead_ != ImageRead::Verify) return;  // the port was closed meanwhile
            // The read-back belongs to the write's run.
            recorder_.begin(TransferPurpose::Verify, port_.portName().toStdString());
            if (!engine_.isBusy() && startImageRead(ImageRead::Verify)) return;
            afterCommand();
            imageRead_ = ImageRead::None;
            verifyEnded(TransferResult::Failed);
        });
        return;
    }
    if (operation != TransferOperation::Read) return;
    const ImageRead purpose = imageRead_;
    imageRead_ = ImageRead::None;
    if (purpose == ImageRead::Verify) verifyEnded(result);
    if (purpose == ImageRead::Compare) compareEnded(result);
}

// Success only when every byte the write sent is what the radio gives back.
void RadioLink::verifyEnded(TransferResult result) {
    const Document& doc = ctx_.document;
    if (result != TransferResult::Success) {
        doc.tell(txt::kVerifyNoReadBack, PromptIcon::Warning);
        return;
    }
    const MemoryBytes& readBack = engine_.memoryImage();
    const std::vector<int> bad = unwrittenAddresses(written_, readBack);
    if (bad.empty()) {
        doc.tell(txt::kVerifyPassed, PromptIcon::Information);
        return;
    }
    std::string text = doc.text(txt::kVerifyFailed) + "\r\n" +
                       doc.text(txt::kVerifyDifferingBytes) + " " + std::to_string(bad.size());
    for (std::size_t i = 0; i < bad.size() && i < kVerifyBytesShown; ++i)
        text += "\r\n" + describeByteDifference(bad[i], written_, readBack, Terms(&ctx_.texts));
    if (bad.size() > kVerifyBytesShown) text += "\r\n...";
    doc.prompter->message(Prompt::ofText(txt::kVerifyFailed, text, PromptIcon::Error));
}

// The document as the radio would hold it against what the radio holds.
void RadioLink::compareEnded(TransferResult result) {
    if (result != TransferResult::Success) return;  // the engine said why
    keepBackupOfRead();
    const int bandMode = engine_.radioBandMode();
    Document mine(*ctx_.document.prompter, ctx_.texts);
    copyWorkingDocument(ctx_.document, mine);
    holdAsTheRadioDoes(mine);
    Document radio(*ctx_.document.prompter, ctx_.texts);
    documentOfImage(radio, engine_.memoryImage(), bandMode, ctx_.settings.ProgramFolder);
    comparison_ = diffDocuments(mine, radio, Terms(&ctx_.texts));
    main_.closeWindowsNamed(win::kCompare);
    main_.showWindowOnce(win::kCompare);
}

}  // namespace zq61::gui
