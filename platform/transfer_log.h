// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The transfer log: what both programs did with a radio, for a user to send
// to the developers when something went wrong. One text file,
// "<AppDataLocation>/logs/transfers.log", holds the newest kKeptTransferRuns
// runs. A run is what one command of the user did with the radio: a read, a
// write (and its read-back), the radio information, a comparison; later
// kinds of run may hold several transfers and lines of their own.
//
//   === transfer run 2026-12-08T09:18:00.123Z #4711-1 ===
//   program: zq61-cli 1.0.0
//   started: 2026-12-08T09:18:00.123Z
//   --- write ---
//   port: /dev/ttyUSB0
//   port /dev/ttyUSB0 opened, low latency: set
//   TX 50 52 4F 47 52 41 4D
//   RX 4C 4D 06
//   ...
//   echo: no (the cable does not echo)
//   low latency: set
//   retries: 0
//   result: success
//
// The frames are the trace of zq61-cli --trace, the radio's password masked.
// Two programs, or two transfers, may record at once: the file is locked
// (QLockFile) and rewritten whole through a temporary file, so a failed
// write leaves the old log as it was.

#include <string>
#include <vector>

namespace zq61 {

inline constexpr int kKeptTransferRuns = 20;

// One transfer of a run, as the log keeps it.
struct TransferEntry {
    std::string purpose;  // "read", "write", "verify", "compare", "radio information"
    std::string port;
    std::vector<std::string> lines;  // the port's notes and the frames, in order
    std::string echo;                // what the transfer found out about the cable's echo
    std::string lowLatency;          // the low-latency outcome of the last open
    int retries = 0;                 // requests sent again and restarts
    std::string result;              // "success", "failed: ...", "cancelled"
};

struct TransferRun {
    std::string id;       // unique among runs: start time, process, counter
    std::string program;  // "zq61 1.0.0", "zq61-cli 1.0.0"
    std::string started;  // UTC, ISO 8601 with milliseconds
    std::vector<TransferEntry> transfers;
    // Lines after the transfers: what a run adds of its own (a summary).
    std::vector<std::string> closing;
};

// The run as the log file holds it, lines ended by "\n".
std::string runText(const TransferRun& run);

// A run read back from the log.
struct LoggedRun {
    std::string id;
    std::string started;                // as written
    std::vector<std::string> purposes;  // of its transfers, in order
    std::vector<std::string> ports;     // of its transfers, in order
    std::vector<std::string> results;   // of its transfers, in order
    std::string text;                   // the whole run
};

// The runs of a log file's text, oldest first. Text before the first run
// (not written by this program) counts as a run of its own, so that nothing
// of the file is dropped unseen.
std::vector<LoggedRun> parseTransferLog(const std::string& text);

class TransferLog {
  public:
    explicit TransferLog(std::string folder) : folder_(std::move(folder)) {}

    // "<AppDataLocation>/logs" of the running program (both programs use
    // the window program's name, so they share it).
    static std::string defaultFolder();

    const std::string& folder() const { return folder_; }
    std::string filePath() const;

    // Adds the run, or puts it in place of the logged run with its id (a run
    // is recorded again after each of its transfers), and keeps the newest
    // `keep` runs. "" when written; otherwise the file and the system's
    // reason, for the user. Waits a few seconds at most for another program
    // that holds the log; never throws.
    std::string record(const TransferRun& run, int keep = kKeptTransferRuns) const;

    // The logged runs, oldest first; none when there is no log yet. When
    // the file exists but cannot be read, `error` (if given) gets the file
    // and the reason.
    std::vector<LoggedRun> runs(std::string* error = nullptr) const;

  private:
    std::string folder_;
};

}  // namespace zq61
