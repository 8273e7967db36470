// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gathers one run of the transfer log (see transfer_log.h) while it happens,
// for the window program and the command line alike:
//
//   TransferRecorder recorder(TransferLog(TransferLog::defaultFolder()));
//   recorder.startRun();                                  // a command of the user
//   recorder.begin(TransferPurpose::Write, port);         // a transfer starts
//   port.setNoteSink(... recorder.line(note) ...);        // port opened, low latency
//   engine.setTrace(... recorder.frame(line, engine.snapshot().phase) ...);
//   recorder.end({result, retries, echoAbsent, lowLatency, reason});
//
// Each end() records the run so far, so a run of several transfers (a
// write and its read-back) is one run, rewritten in place after each, and
// a program that stops loses at most the transfer under way. Several radios
// written at once are one run too: each radio's recorder joins the run of a
// lead recorder, adds its transfers as they end, and the lead closes the
// run with the lines of its own (the table of the radios). The radio's
// password never reaches the recorder: the trace masks it, and the
// password the user typed is not handed to it.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/engine/transfer_state.h"
#include "platform/transfer_log.h"

namespace zq61 {

enum class TransferPurpose { Read, Write, RadioInformation, Verify, Compare };

// "read", "write", "radio information", "verify", "compare".
const char* purposeName(TransferPurpose purpose);

// How a transfer ended, as the program around the engine knows it.
struct TransferOutcome {
    TransferResult result = TransferResult::Failed;
    int retries = 0;
    bool echoAbsent = false;  // the engine's belief about the cable at the end
    std::string lowLatency;   // the low-latency outcome of the last open
    std::string reason;       // why it failed, when known (the port's error)
};

class TransferRecorder {
  public:
    // `program`: the name and version the log shows ("zq61-cli 1.0.0").
    TransferRecorder(TransferLog log, std::string program);

    const TransferLog& log() const { return log_; }
    // Runs from now on go to this log.
    void setLog(TransferLog log) { log_ = std::move(log); }

    // A new run: the next transfer begins it.
    void startRun();
    // This recorder's transfers go into the run `lead` has now, beside
    // those of the other recorders that joined it.
    void joinRun(const TransferRecorder& lead);
    // The lines after the run's transfers; the run is recorded again. The
    // log's failure as end() returns it.
    std::optional<std::string> close(std::vector<std::string> lines);
    // A transfer starts on `port` (a run is started when none is).
    void begin(TransferPurpose purpose, const std::string& port);
    bool inTransfer() const { return inTransfer_; }
    // A note of the port ("port ... opened, low latency: set").
    void line(const std::string& text);
    // A frame of the trace; `phase` is the engine's phase as it was shown.
    void frame(const std::string& text, TransferPhase phase);
    // The transfer ended: it is added to the run and the run recorded.
    // Returns the log's failure for the user the first time the log cannot
    // be written (later failures are not told again); nothing otherwise.
    std::optional<std::string> end(const TransferOutcome& outcome);
    // The transfer never got going (the user declined before anything was
    // sent): nothing is recorded of it.
    void discard();

    // The program's name and version for the log, e.g. "zq61 1.0.0".
    static std::string programName();

  private:
    // Records the run as it is now; the log's failure as end() returns it.
    std::optional<std::string> recordRun();

    TransferLog log_;
    std::string program_;
    std::shared_ptr<TransferRun> run_;
    TransferEntry entry_;
    bool inTransfer_ = false;
    bool radioAnswered_ = false;
    bool failureTold_ = false;
};

}  // namespace zq61
