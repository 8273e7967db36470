// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The compare window: how the document differs from what the radio holds,
// one line per difference in the document's own terms (the lines of
// `zq61-cli diff`). A double click on a channel line, or Enter on it, opens
// that channel in the channel edit window.

#include <QWidget>
#include <vector>

#include "model/document_diff.h"

class QListWidget;
class QListWidgetItem;

namespace zq61::gui {

class MainWindow;

class FrmCompare : public QWidget {
    Q_OBJECT
  public:
    FrmCompare(MainWindow& main, const std::vector<Difference>& differences,
               QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    // Opens the channel of a channel line in the channel edit window; other
    // lines do nothing.
    void openLine(int row);

    // Wide enough for a channel line with both frequencies.
    QSize sizeHint() const override { return {600, 340}; }

  private:
    MainWindow& main_;
    QListWidget* list_;
};

}  // namespace zq61::gui
