// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/fleet/fleet_radio.h"

#include <QTimer>

#include <filesystem>

#include "link/engine/memory_meaning.h"
#include "link/engine/read_documents.h"
#include "model/dat_file.h"
#include "model/text_ids.h"
#include "model/texts.h"
#include "platform/read_backup.h"
#include "settings/serial_ports.h"

namespace zq61 {

const char* resultName(FleetResult result) {
    switch (result) {
        case FleetResult::Written:
            return "written";
        case FleetResult::Verified:
            return "verified";
        case FleetResult::Read:
            return "read";
        case FleetResult::Refused:
            return "refused";
        case FleetResult::Failed:
            return "failed";
        case FleetResult::Cancelled:
            return "cancelled";
        case FleetResult::None:
            break;
    }
    return "";
}

FleetRadio::FleetRadio(const FleetJob& job, const std::string& port, const Texts& texts,
                       const ProgramVersions& versions, TransferLog log)
    : job_(job),
      texts_(texts),
      prompter_(job.retries, job.password),
      doc_(prompter_, texts),
      engine_(doc_, port_, timer_, *this, versions),
      watchdog_(engine_,
                [this](const std::string& why) {
                    watchdogWhy_ = why;
                    recorder_.line("watchdog: " + why);
                    note(why);
                }),
      recorder_(std::move(log), TransferRecorder::programName()) {
    outcome_.port = port;
    // The identity check compares the radio with the document written.
    doc_.ModelName = job.modelName;
    doc_.BandMode = static_cast<int16_t>(job.bandMode);
    prompter_.setNoteSink([this](const std::string& line) { note(line); });
    port_.setPortName(QString::fromStdString(port));
    port_.setReceiver([this](std::span<const uint8_t> bytes) { engine_.OnBytesArrived(bytes); });
    // A pulled cable ends this radio's transfer at once (the engine tells why).
    port_.setLostHandler([this](const std::string& reason) { engine_.OnPortLost(reason); });
    port_.setNoteSink([this](const QString& line) {
        recorder_.line(line.toStdString());
        if (job_.trace) note(line.toStdString());
    });
    timer_.setHandler([this] { engine_.OnReplyTimeout(); });
    engine_.setTrace([this](const std::string& line) {
        const TransferSnapshot now = engine_.snapshot();
        framesSent_ = framesSent_ || (now.operation == TransferOperation::Write &&
                                      now.phase == TransferPhase::Blocks);
        recorder_.frame(line, now.phase);
        if (job_.trace) note(line);
    });
}

FleetRadio::~FleetRadio() {
    onChanged = nullptr;
    onNote = nullptr;
    onLogProblem = nullptr;
    engine_.cancel();
}

std::string FleetRadio::text(int id) const {
    return texts_.text(id);
}

void FleetRadio::note(const std::string& line) {
    if (onNote) onNote(line);
}

void FleetRadio::changed() {
    if (onChanged) onChanged();
}

void FleetRadio::start() {
    if (step_ != FleetStep::Waiting) return;
    clock_.start();
    startTransfer(job_.operation == TransferOperation::Write ? TransferPurpose::Write
                                                             : TransferPurpose::Read);
}

void FleetRadio::startTransfer(TransferPurpose purpose) {
    recorder_.begin(purpose, outcome_.port);
    ended_ = false;
    framesSent_ = false;
    prompter_.clearProblem();
    watchdogWhy_.clear();
    percent_ = 0;
    TransferOperation operation = TransferOperation::Read;
    if (purpose == TransferPurpose::Write) {
        step_ = FleetStep::Writing;
        operation = TransferOperation::Write;
        changed();
        engine_.setAnnounceWriteDone(false);  // the table tells it
        engine_.WriteImageToRadio(job_.image);
    } else {
        step_ = purpose == TransferPurpose::Verify ? FleetStep::Verifying : FleetStep::Reading;
        changed();
        engine_.ReadImageFromRadio();
    }
    if (ended_) return;  // ended before it got going
    if (!engine_.isBusy()) {
        // The port could not be opened (the engine told why).
        record(TransferResult::Failed);
        return stepEnded(TransferResult::Failed);
    }
    watchdog_.watch(operation, job_.retries);
}

void FleetRadio::cancel() {
    if (step_ == FleetStep::Done) return;
    if (engine_.isBusy()) return engine_.cancel();  // transferEnded finishes
    if (verifyPending_) {
        verifyPending_ = false;
        return finish(FleetResult::Cancelled, text(txt::kFleetNotVerified));
    }
    finish(FleetResult::Cancelled);
}

void FleetRadio::showProgress(int percent) {
    if (percent == percent_) return;
    percent_ = percent;
    changed();
}

void FleetRadio::transferEnded(TransferOperation, TransferResult result) {
    watchdog_.stop();
    ended_ = true;
    if (!engine_.radioModel().empty()) {
        outcome_.model = engine_.radioModel();
        outcome_.bandMode = engine_.radioBandMode();
        outcome_.firmware = engine_.radioVersion();
    }
    record(result);
    stepEnded(result);
}

void FleetRadio::stepEnded(TransferResult result) {
    switch (step_) {
        case FleetStep::Writing:
            return writeEnded(result);
        case FleetStep::Verifying:
            return verifyEnded(result);
        case FleetStep::Reading:
            return readEnded(result);
        default:
            return;
    }
}

void FleetRadio::writeEnded(TransferResult result) {
    if (result != TransferResult::Success) return finishUnsuccessful(result);
    if (!job_.verify) return finish(FleetResult::Written);
    // The read-back is a new handshake, once the engine has finished with
    // the write (this call comes from inside it).
    verifyPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!verifyPending_) return;
        verifyPending_ = false;
        startTransfer(TransferPurpose::Verify);
    });
}

void FleetRadio::verifyEnded(TransferResult result) {
    if (result == TransferResult::Cancelled && watchdogWhy_.empty())
        return finish(FleetResult::Cancelled, text(txt::kFleetNotVerified));
    if (result != TransferResult::Success) {
        const std::string why = problemText();
        return finish(FleetResult::Failed,
                      text(txt::kVerifyNoReadBack) + (why.empty() ? "" : " " + why));
    }
    const std::vector<int> bad = unwrittenAddresses(job_.image, engine_.memoryImage());
    if (bad.empty()) return finish(FleetResult::Verified);
    finish(FleetResult::Failed,
           text(txt::kVerifyFailed) + " " + text(txt::kVerifyDifferingBytes) + " " +
               std::to_string(bad.size()) + " (" +
               describeByteDifference(bad.front(), job_.image, engine_.memoryImage()) +
               (bad.size() > 1 ? ", ..." : "") + ")");
}

void FleetRadio::readEnded(TransferResult result) {
    if (result != TransferResult::Success) return finishUnsuccessful(result);
    if (keepRead()) return finish(FleetResult::Read);
    finishUnsuccessful(TransferResult::Failed);
}

// The backup first: whatever happens to the document file, the radio's
// data is not lost. A backup that cannot be written is told, and the read
// goes on without it.
bool FleetRadio::keepRead() {
    const MemoryBytes& image = engine_.memoryImage();
    const int bandMode = engine_.radioBandMode();
    if (job_.keepBackups) {
        const BackupResult backup =
            keepReadBackup(BackupStore(job_.backupFolder),
                           {image, bandMode, job_.modelName, job_.programDir}, prompter_, texts_);
        note(backup.saved ? "Backup of this read: " + backup.path
                          : "The backup of this read could not be written (" + backup.error +
                                "); the read goes on without it.");
    }
    Document read(prompter_, texts_);
    documentOfImage(read, image, bandMode, job_.programDir);
    const std::string path =
        (std::filesystem::path(job_.folder) / (portFileStem(outcome_.port) + ".dat")).string();
    if (!saveDocumentAs(read, path)) return false;
    outcome_.file = path;
    note("Saved to " + path);
    return true;
}

void FleetRadio::finishUnsuccessful(TransferResult result) {
    // Frames went in, and not the last of them: the write ended among them
    // (once past the last block every frame is in the radio).
    const TransferSnapshot last = engine_.snapshot();
    outcome_.partlyWritten =
        step_ == FleetStep::Writing && framesSent_ && last.blockIndex < last.blocksTotal;
    if (result == TransferResult::Cancelled && watchdogWhy_.empty())
        return finish(FleetResult::Cancelled);
    finish(engine_.radioRefused() ? FleetResult::Refused : FleetResult::Failed, problemText());
}

std::string FleetRadio::problemText() const {
    if (!watchdogWhy_.empty()) return watchdogWhy_;
    std::string why;
    if (const auto& problem = prompter_.problem())
        why = problem->is(txt::kLinkFailed) ? text(txt::kFleetNoAnswer) : oneLine(problem->text);
    const std::string system = port_.errorText().toStdString();
    if (system.empty() || why.find(system) != std::string::npos) return why;
    return why.empty() ? system : why + " (" + system + ")";
}

void FleetRadio::finish(FleetResult result, std::string reason) {
    if (step_ == FleetStep::Done) return;
    watchdog_.stop();
    step_ = FleetStep::Done;
    outcome_.result = result;
    outcome_.reason = std::move(reason);
    outcome_.seconds = clock_.isValid() ? clock_.elapsed() / 1000.0 : 0;
    changed();
}

void FleetRadio::record(TransferResult result) {
    if (!recorder_.inTransfer()) return;
    const auto failure =
        recorder_.end({result, engine_.snapshot().retriesUsed, engine_.echoAbsent(),
                       port_.lowLatency().summary().toStdString(),
                       result == TransferResult::Success ? std::string() : problemText()});
    if (failure && onLogProblem) onLogProblem(*failure);
}

}  // namespace zq61
