// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A radio transfer from the command line: the transfer engine on the Qt
// serial port and reply timer, driven by an event loop until the transfer
// ends. A watchdog makes sure the command always comes back. A session is
// one run of the transfer log: each transfer it runs is recorded there.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli_command.h"
#include "link/engine/read_documents.h"
#include "link/engine/transfer_engine.h"
#include "link/qt/qt_reply_timer.h"
#include "link/qt/qt_serial_link.h"
#include "link/qt/transfer_watchdog.h"
#include "platform/transfer_recorder.h"
#include "transfer_prompter.h"

namespace zq61::cli {

struct RadioOptions {
    std::string port;  // device path or COMn; empty: the port of mysetup.ini
    // Several radios at once (write and read): every --port, and the file
    // of --ports-from; the result as JSON records.
    std::vector<std::string> ports;
    std::string portsFrom;
    bool json = false;
    std::optional<std::string> password;
    int retries = 0;
    bool trace = false;
    bool noBackup = false;  // a read is not kept among the backups
};

// --port and --trace, and --password and --retries when asked for. With
// `severalRadios`, --port may be given once per radio, with --ports-from and
// --json beside it.
void addRadioOptions(CLI::App* sub, RadioOptions& options, bool withPassword,
                     bool severalRadios = false);

// --no-backup, for the commands that read the radio's memory.
void addBackupOption(CLI::App* sub, RadioOptions& options);

// The link failure prompt is answered OK this often at most; more is a
// typing error rather than patience.
inline constexpr int kMaxRetries = 100;

// Reads the radio into `doc` (prepared as above; its prompter must be
// `prompter`). True when the read succeeded and the document holds it.
// Unless options.noBackup, the read is then kept among the backups (see
// platform/backup_store.h), also the bare image of a read that could not
// become a document; where it went is said on `notes`, and a backup that
// cannot be written is reported on stderr without failing the read.
// `purpose` names the read in the transfer log.
bool readRadioDocument(Context& context, Document& doc, TransferPrompter& prompter,
                       const RadioOptions& options, std::ostream& notes,
                       TransferPurpose purpose = TransferPurpose::Read);

class RadioSession : public TransferHost {
  public:
    // The document's prompter must be `prompter`.
    RadioSession(Context& context, Document& doc, TransferPrompter& prompter,
                 const RadioOptions& options);

    TransferEngine& engine() { return engine_; }

    // Starts a transfer and runs the event loop until it ends, or until the
    // watchdog finds it stuck or too long and cancels it. True when it ended
    // with success. The transfer log names it by `purpose` (by default that
    // of the operation).
    bool run(TransferOperation operation, std::optional<TransferPurpose> purpose = std::nullopt);

    bool readDocumentShown() const { return readDocumentShown_; }
    bool radioInfoShown() const { return radioInfoShown_; }

    // TransferHost
    void startReadOkTimer() override {}  // the command finishes the read itself
    // On a terminal, one line on stderr that counts up: "Reading 42%".
    void openProgressWindow(TransferOperation operation) override;
    void showProgress(int percent) override;
    void closeProgressWindow() override;
    void showReadDocument() override { readDocumentShown_ = true; }
    void showRadioInfo() override { radioInfoShown_ = true; }
    void terminateProgram() override { terminated_ = true; }
    void transferEnded(TransferOperation operation, TransferResult result) override;

  private:
    // The transfer just run goes into the log; a log that cannot be
    // written is said once on stderr.
    void record(TransferResult result);

    Context& context_;
    TransferPrompter& prompter_;
    const RadioOptions& options_;
    QtSerialLink port_;
    QtReplyTimer timer_;
    TransferEngine engine_;
    TransferWatchdog watchdog_;
    TransferRecorder recorder_;
    std::function<void()> onEnded_;
    bool ended_ = false;
    TransferResult result_ = TransferResult::Failed;
    bool readDocumentShown_ = false;
    bool radioInfoShown_ = false;
    bool terminated_ = false;
    bool portLost_ = false;
    bool progressOnTerminal_ = false;  // stderr is a terminal
    const char* progressLabel_ = "";
    int progressShown_ = -1;  // -1: no progress line on screen
};

}  // namespace zq61::cli
