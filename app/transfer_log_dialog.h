// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Help > Transfer Log...: the runs of the transfer log (see
// platform/transfer_log.h), newest first, with the date, the transfers,
// the port and how each ended; the chosen run's frames and details below.
// Save... writes the chosen run to a file to attach to a report.

#include <QDialog>
#include <vector>

#include "platform/transfer_log.h"

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace zq61::gui {

struct AppContext;

class FrmTransferLog : public QDialog {
    Q_OBJECT
  public:
    FrmTransferLog(AppContext& ctx, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    QPlainTextEdit* details() const { return details_; }
    QPushButton* saveButton() const { return save_; }

  private:
    void showChosen();
    void saveChosen();
    const LoggedRun* chosen() const;

    AppContext& ctx_;
    std::vector<LoggedRun> runs_;  // newest first, as listed
    QTreeWidget* list_;
    QPlainTextEdit* details_;
    QPushButton* save_;
};

}  // namespace zq61::gui
