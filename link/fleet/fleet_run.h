// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Several radios written (or read) at once, each on its own port: the
// radios of one run, started together and ended together by a cancel, and
// the run's entry in the transfer log: every radio's transfers, then the
// table of the radios, the document's file name and the SHA-256 digest of
// the image written, so that a user can later tell which radios hold which
// setup.
//
//   FleetRun run(job, {"/dev/ttyUSB0", "/dev/ttyUSB1"}, texts, versions, log);
//   run.setDocumentName("club.dat");
//   run.onFinished = [&] { ... run.outcomes() ... };
//   run.start();   // returns at once; the event loop runs the radios

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/fleet/fleet_radio.h"
#include "platform/transfer_log.h"
#include "platform/transfer_recorder.h"

namespace zq61 {

class FleetRun {
  public:
    FleetRun(FleetJob job, const std::vector<std::string>& ports, const Texts& texts,
             const ProgramVersions& versions, const TransferLog& log);
    FleetRun(const FleetRun&) = delete;
    FleetRun& operator=(const FleetRun&) = delete;

    const FleetJob& job() const { return job_; }
    // The file the written document came from, for the log.
    void setDocumentName(std::string name) { documentName_ = std::move(name); }

    void start();
    // Ends every radio's transfer at once.
    void cancel();

    bool started() const { return started_; }
    bool finished() const { return finished_; }
    std::size_t size() const { return radios_.size(); }
    FleetRadio& radio(std::size_t index) { return *radios_[index]; }
    std::vector<RadioOutcome> outcomes() const;
    bool allSucceeded() const;

    std::function<void(std::size_t index)> onChanged;
    std::function<void(std::size_t index, const std::string& line)> onNote;
    // Once, the first time the log cannot be written.
    std::function<void(const std::string& problem)> onLogProblem;
    // Every radio has ended and the run is in the log.
    std::function<void()> onFinished;

  private:
    void radioChanged(std::size_t index);
    void logProblem(const std::string& problem);

    FleetJob job_;
    std::vector<std::unique_ptr<FleetRadio>> radios_;
    TransferRecorder lead_;
    std::string documentName_;
    bool started_ = false;
    bool finished_ = false;
    bool logProblemTold_ = false;
};

// The SHA-256 digest of a memory image, in lower-case hex.
std::string imageDigest(const MemoryBytes& image);

// The table of the radios, one line each under a heading, columns aligned:
// port, model, band mode, firmware, seconds and last the result with its
// reason (of any length).
std::vector<std::string> fleetTable(const std::vector<RadioOutcome>& outcomes);

// The result as the table shows it: "verified", "refused: <reason>",
// "cancelled (partly written)".
std::string resultText(const RadioOutcome& outcome);

// Seconds with one decimal and "." whatever the locale: "12.3".
std::string secondsText(double seconds);

// The band mode as the table shows it ("" when the radio never said).
std::string bandText(const RadioOutcome& outcome);

}  // namespace zq61
