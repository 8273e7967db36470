// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Program > Write to Several Radios...: the document, packed once, written
// into every radio checked in the list at once, each on its own port. The
// list shows the serial ports found (with their description, as the port
// dialog shows them) and any port typed in below it. Everything is asked
// before the start, once for all radios: the confirmation and the password
// of protected radios; no question comes up per radio while they run (a
// radio that does not answer fails after the engine's own retries, one that
// is of another band mode, model or firmware is refused). Each radio has a
// progress bar and a result line; Cancel ends every transfer as a single
// Cancel does, and a radio it leaves partly written says so. Save Report...
// writes the table as CSV. The run and its table go into the transfer log.

#include <QDialog>
#include <memory>
#include <vector>

#include "link/fleet/fleet_run.h"
#include "link/windows/port_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zq61::gui {

struct AppContext;

class FrmFleetWrite : public QDialog {
    Q_OBJECT
  public:
    // `job` holds the packed document; `ports` are listed (unchecked),
    // `checkedPorts` after them checked.
    FrmFleetWrite(AppContext& ctx, FleetJob job, const std::vector<PresentPort>& ports,
                  const std::vector<QString>& checkedPorts, QWidget* parent);
    ~FrmFleetWrite() override;

    // Adds a port to the list, checked; false (and told) when it is listed.
    bool addPort(const QString& device, const QString& description = {});
    // Starts the radios checked (after the confirmation).
    void start();
    bool running() const { return run_ && !run_->finished(); }
    // The last run (none before the first start).
    FleetRun* run() const { return run_.get(); }
    // The result of the last run as CSV text.
    std::string reportCsv() const;

    QTableWidget* radioTable() const { return table_; }
    QLineEdit* otherPortField() const { return otherPort_; }
    QLineEdit* passwordField() const { return password_; }
    QCheckBox* verifyBox() const { return verify_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* saveReportButton() const { return saveReport_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* summaryLabel() const { return summary_; }

  protected:
    // Esc and Cancel end the run under way; when none runs they close.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void addRow(const QString& device, const QString& description, bool checked);
    void showRadio(std::size_t index);
    void runEnded();
    void setRunning(bool running);
    void saveReport();
    QString resultLine(const RadioOutcome& outcome) const;
    QString stepWord(const FleetRadio& radio) const;
    QString text(int id) const;

    AppContext& ctx_;
    FleetJob job_;
    std::unique_ptr<FleetRun> run_;
    std::vector<int> runRows_;  // the table row of each radio of the run

    QTableWidget* table_;
    QLineEdit* otherPort_;
    QPushButton* add_;
    QLineEdit* password_;
    QCheckBox* verify_;
    QLabel* summary_;
    QPushButton* start_;
    QPushButton* saveReport_;
    QPushButton* cancel_;
};

}  // namespace zq61::gui
