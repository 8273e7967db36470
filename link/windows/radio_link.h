// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio link of the window program: the serial port, the reply timer and
// the transfer engine, with the windows a transfer shows (progress, password,
// radio information, port selection). It carries out the main window's
// radio commands and is the engine's host.
//
// Beyond the bare transfers it keeps every successful read among the
// backups (before the read replaces the document), reads a write back and
// compares it byte by byte when Verify after Write is on, compares the
// document with the radio for the compare window, and records every
// transfer in the transfer log (a write and its read-back are one run).
//
//   RadioLink link(mainWindow);            // attaches itself to AppContext::radio
//   prompter.setPasswordWindow(...link.askPassword...);

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/radio_commands.h"
#include "link/engine/transfer_engine.h"
#include "link/qt/qt_reply_timer.h"
#include "link/qt/qt_serial_link.h"
#include "link/windows/port_dialog.h"
#include "link/windows/progress_window.h"
#include "model/document_diff.h"
#include "platform/transfer_recorder.h"

namespace zq61::gui {

class MainWindow;
struct AppContext;

// Overrides the port of mysetup.ini for one run without storing it (the
// demo points the program at its virtual radio this way).
inline constexpr char kPortOverrideVariable[] = "ZQ61_PORT";

class RadioLink : public QObject, public RadioCommands, public TransferHost {
    Q_OBJECT
  public:
    // Attaches itself as the main window's radio commands until destroyed.
    explicit RadioLink(MainWindow& main);
    ~RadioLink() override;

    TransferEngine& engine() { return engine_; }
    QtSerialLink& port() { return port_; }
    FrmProgress* progressWindow() const { return progress_; }
    // The ports the port dialog takes as present (tests choose them).
    void setPortLister(PortLister lister) { portLister_ = std::move(lister); }

    // The port of the next transfer: the override of this run, else the one
    // of the settings.
    QString portName() const;

    // The password dialog, for the program's prompter: the password typed
    // after OK, nothing after Cancel.
    std::optional<std::string> askPassword(const std::string& current);

    // ---- RadioCommands ----
    void readFromRadio() override;
    void writeToRadio() override;
    void writeToSeveralRadios() override;
    void ReadRMGDataFromRadio() override;
    void editPassword() override;
    void choosePort() override;
    void compareWithRadio() override;
    void closePort() override;
    QString portOverride() const override;

    // ---- TransferHost ----
    void openProgressWindow(TransferOperation operation) override;
    void showProgress(int percent) override;
    void closeProgressWindow() override;
    void closeChildWindows() override;
    void startReadOkTimer() override;
    void showReadDocument() override;
    void showRadioInfo() override;
    void terminateProgram() override;
    void transferEnded(TransferOperation operation, TransferResult result) override;

    // What the last comparison with the radio found (the compare window
    // shows it).
    const std::vector<Difference>& lastComparison() const { return comparison_; }
    // Where the last backup went ("" when none was written).
    const std::string& lastBackupPath() const { return lastBackupPath_; }

    QTimer& readOkTimer() { return readOkTimer_; }
    QTimer& waitSaveDataTimer() { return waitSaveDataTimer_; }

  private:
    // Cancel in the progress window.
    void cancelTransfer();
    // A command of the user starts a run of the transfer log with a
    // transfer for `purpose`.
    void startRecording(TransferPurpose purpose);
    // After a command: a transfer that did not get going (it ends nowhere)
    // is recorded when the port failed, forgotten when the user declined.
    void afterCommand();
    // The transfer that just ended goes into the log; a log that cannot be
    // written is told once.
    void record(TransferResult result);
    void usePortOfSettings();
    // False (after message 9003 with the reason) when the port cannot be used.
    bool portUsable();

    // What a read that keeps the document is for.
    enum class ImageRead { None, Verify, Compare };
    // Starts such a read; false (and nothing pending) when it did not start.
    bool startImageRead(ImageRead purpose);
    // The image of the read that just ended, kept among the backups; a
    // backup that cannot be written is reported and the read goes on.
    void keepBackupOfRead();
    void verifyEnded(TransferResult result);
    void compareEnded(TransferResult result);

    MainWindow& main_;
    AppContext& ctx_;
    QtSerialLink port_;
    QtReplyTimer timer_;
    TransferEngine engine_;
    TransferRecorder recorder_;
    QPointer<FrmProgress> progress_;
    QTimer readOkTimer_;        // 500 ms after a read: the document takes the image
    QTimer waitSaveDataTimer_;  // 100 ms after Write: edits are in, the write starts
    PortLister portLister_;
    // Cancel was pressed while frames were going into the radio.
    bool writeInterrupted_ = false;
    ImageRead imageRead_ = ImageRead::None;
    bool verifyWrite_ = false;  // the running write is read back (as set when it started)
    MemoryBytes written_{};     // the image of the write being verified
    std::vector<Difference> comparison_;
    std::string lastBackupPath_;
    // Backup folders the user was told cannot be written.
    std::set<std::string> backupFoldersTold_;
};

}  // namespace zq61::gui
