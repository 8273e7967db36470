// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One radio among several written (or read) at once: its own serial port,
// reply timer, transfer engine, answers and watchdog, so that a radio that
// fails or is refused never holds up the others. All radios share the one
// event loop of the program; nothing here waits.
//
// A write sends the image packed once for all radios (no question first:
// it was asked once for all), then, when asked, reads the radio back and
// compares. A read takes the radio's memory image, keeps it among the
// backups and saves its document as <folder>/<port file name>.dat.

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <optional>
#include <string>

#include "link/engine/transfer_engine.h"
#include "link/fleet/fleet_prompter.h"
#include "link/qt/qt_reply_timer.h"
#include "link/qt/qt_serial_link.h"
#include "link/qt/transfer_watchdog.h"
#include "model/document.h"
#include "model/radio_data.h"
#include "platform/transfer_recorder.h"

namespace zq61 {

class ProgramVersions;
class Texts;

// What every radio of a run is asked to do.
struct FleetJob {
    TransferOperation operation = TransferOperation::Write;  // Write or Read
    // A write: the document packed once, and the model and band mode each
    // radio must be of.
    MemoryBytes image{};
    std::string modelName = kModelName;
    int bandMode = 2;
    bool verify = false;  // each radio read back and compared with the image
    // A read: the folder that takes each radio's document, and whether each
    // read is kept among the backups of `backupFolder`.
    std::string folder;
    bool keepBackups = true;
    std::string backupFolder;
    std::string programDir;  // the defaults of a new document
    std::optional<std::string> password;
    int retries = 0;     // the link failure prompt is answered OK this often
    bool trace = false;  // every frame is a note too
};

enum class FleetStep { Waiting, Writing, Verifying, Reading, Done };
enum class FleetResult { None, Written, Verified, Read, Refused, Failed, Cancelled };

// How one radio ended.
struct RadioOutcome {
    std::string port;
    // As the radio reported them; empty (band -1) when it never did.
    std::string model;
    int bandMode = -1;
    std::string firmware;
    FleetResult result = FleetResult::None;
    std::string reason;          // why it was refused, failed or cancelled
    bool partlyWritten = false;  // some frames of the write went in, not all
    double seconds = 0;
    std::string file;  // a read: the document file written

    bool succeeded() const {
        return result == FleetResult::Written || result == FleetResult::Verified ||
               result == FleetResult::Read;
    }
};

class FleetRadio : public QObject, public TransferHost {
  public:
    // `port` is the device as the system names it; `job` must outlive the radio.
    FleetRadio(const FleetJob& job, const std::string& port, const Texts& texts,
               const ProgramVersions& versions, TransferLog log);
    ~FleetRadio() override;

    // The radio's transfers are recorded in `lead`'s run.
    void joinRun(const TransferRecorder& lead) { recorder_.joinRun(lead); }

    void start();
    // Ends whatever the radio is doing, as the Cancel of a single transfer
    // does; a radio not started yet ends cancelled too.
    void cancel();

    FleetStep step() const { return step_; }
    int percent() const { return percent_; }
    bool finished() const { return step_ == FleetStep::Done; }
    const RadioOutcome& outcome() const { return outcome_; }

    std::function<void()> onChanged;  // the step, the percentage or the outcome
    std::function<void(const std::string& line)> onNote;
    std::function<void(const std::string& problem)> onLogProblem;  // the log cannot be written

    // ---- TransferHost ----
    void startReadOkTimer() override {}  // the read's image is taken as it is
    void showProgress(int percent) override;
    void transferEnded(TransferOperation operation, TransferResult result) override;

  private:
    void startTransfer(TransferPurpose purpose);
    // The transfer of the step under way ended (or did not get going).
    void stepEnded(TransferResult result);
    void writeEnded(TransferResult result);
    void verifyEnded(TransferResult result);
    void readEnded(TransferResult result);
    // The read's backup and document file; false (with the reason) when
    // the file could not be written.
    bool keepRead();
    // A transfer that did not succeed: refused, failed or cancelled.
    void finishUnsuccessful(TransferResult result);
    void finish(FleetResult result, std::string reason = {});
    // Why the running transfer failed, as far as known.
    std::string problemText() const;
    void record(TransferResult result);
    void note(const std::string& line);
    void changed();
    std::string text(int id) const;

    const FleetJob& job_;
    const Texts& texts_;
    FleetPrompter prompter_;
    Document doc_;
    QtSerialLink port_;
    QtReplyTimer timer_;
    TransferEngine engine_;
    TransferWatchdog watchdog_;
    TransferRecorder recorder_;

    FleetStep step_ = FleetStep::Waiting;
    int percent_ = 0;
    RadioOutcome outcome_;
    QElapsedTimer clock_;
    bool ended_ = false;            // the running transfer has ended
    bool verifyPending_ = false;    // the write succeeded; its read-back is next
    bool framesSent_ = false;       // write frames went out in the running write
    std::string watchdogWhy_;
};

// "written", "verified", "read", "refused", "failed", "cancelled" ("" for None).
const char* resultName(FleetResult result);

}  // namespace zq61
