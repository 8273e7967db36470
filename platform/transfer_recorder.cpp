// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/transfer_recorder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include "program_version.h"

namespace zq61 {

namespace {

std::string nowUtc() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toStdString();
}

// Runs of one process started in the same millisecond still differ.
int nextRunNumber() {
    static int number = 0;
    return ++number;
}

std::string resultText(const TransferOutcome& o) {
    switch (o.result) {
        case TransferResult::Success:
            return "success";
        case TransferResult::Cancelled:
            return "cancelled";
        case TransferResult::Failed:
            break;
    }
    return o.reason.empty() ? "failed" : "failed: " + o.reason;
}

}  // namespace

const char* purposeName(TransferPurpose purpose) {
    switch (purpose) {
        case TransferPurpose::Read:
            return "read";
        case TransferPurpose::Write:
            return "write";
        case TransferPurpose::RadioInformation:
            return "radio information";
        case TransferPurpose::Verify:
            return "verify";
        case TransferPurpose::Compare:
            return "compare";
    }
    return "transfer";
}

TransferRecorder::TransferRecorder(TransferLog log, std::string program)
    : log_(std::move(log)), program_(std::move(program)), run_(std::make_shared<TransferRun>()) {}

std::string TransferRecorder::programName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return (name.isEmpty() ? QStringLiteral("zq61") : name).toStdString() + " " + kProgramVersion;
}

void TransferRecorder::startRun() {
    run_ = std::make_shared<TransferRun>();
}

void TransferRecorder::joinRun(const TransferRecorder& lead) {
    run_ = lead.run_;
}

void TransferRecorder::begin(TransferPurpose purpose, const std::string& port) {
    if (run_->id.empty()) {
        run_->started = nowUtc();
        run_->id = run_->started + " #" + std::to_string(QCoreApplication::applicationPid()) + "-" +
                   std::to_string(nextRunNumber());
        run_->program = program_;
    }
    entry_ = {};
    entry_.purpose = purposeName(purpose);
    entry_.port = port;
    entry_.lines.push_back("started: " + nowUtc());
    inTransfer_ = true;
    radioAnswered_ = false;
}

void TransferRecorder::line(const std::string& text) {
    if (inTransfer_) entry_.lines.push_back(text);
}

void TransferRecorder::frame(const std::string& text, TransferPhase phase) {
    if (!inTransfer_) return;
    entry_.lines.push_back(text);
    // A request beyond the handshake went out: the radio answered it.
    radioAnswered_ =
        radioAnswered_ || (phase != TransferPhase::Handshake && phase != TransferPhase::Idle);
}

std::optional<std::string> TransferRecorder::end(const TransferOutcome& outcome) {
    if (!inTransfer_) return std::nullopt;
    inTransfer_ = false;
    entry_.echo = !radioAnswered_      ? "unknown (the radio did not answer the handshake)"
                  : outcome.echoAbsent ? "no (the cable does not echo)"
                                       : "yes (the cable echoes what is sent)";
    entry_.lowLatency =
        outcome.lowLatency.empty() ? "not asked (the port did not open)" : outcome.lowLatency;
    entry_.retries = outcome.retries;
    entry_.result = resultText(outcome);
    entry_.lines.push_back("ended: " + nowUtc());
    run_->transfers.push_back(std::move(entry_));
    entry_ = {};
    return recordRun();
}

std::optional<std::string> TransferRecorder::close(std::vector<std::string> lines) {
    run_->closing = std::move(lines);
    // A run none of whose transfers got going has nothing else to show.
    if (run_->id.empty()) return std::nullopt;
    return recordRun();
}

std::optional<std::string> TransferRecorder::recordRun() {
    const std::string error = log_.record(*run_);
    if (error.empty() || failureTold_) return std::nullopt;
    failureTold_ = true;
    return error;
}

void TransferRecorder::discard() {
    inTransfer_ = false;
    entry_ = {};
}

}  // namespace zq61
