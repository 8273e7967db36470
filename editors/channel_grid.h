// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The grid of the channel window: one header row and eight columns, one row
// per channel slot of the shown group. It only shows texts; the window
// decides what a key or a click does and edits through its own editors.

#include <QTableWidget>

namespace zq61::gui {

// Grid columns (the column number is also the column code of the channel
// field it shows, for 1 to 6).
enum GridColumn : int {
    kGridColNumber = 0,
    kGridColFrequency = 1,
    kGridColPublic = 2,
    kGridColDup = 3,     // hidden
    kGridColOffset = 4,  // hidden
    kGridColTsq = 5,
    kGridColScan = 6,
    kGridColEdit = 7,  // ">>": opens the channel edit window
    kGridColumns = 8,
};

class ChannelGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit ChannelGrid(QWidget* parent = nullptr);

    // The cursor to the next cell (the previous one), across the end of a
    // row, as Tab moves it in a spreadsheet.
    void stepCursor(bool forward);

  signals:
    // Enter on the grid or a double click on a cell.
    void editRequested();
    // A digit typed on a cell: the frequency editor starts with it.
    void digitTyped(const QString& digit);
    // A mouse press on the grid's cells (ends a pending edit first).
    void pressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace zq61::gui
