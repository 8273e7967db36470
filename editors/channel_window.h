// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel window (frmCommChInfo): the channels of one group in a grid,
// one row per channel slot, edited in place one cell at a time, and the
// group panel with the group's own settings. The window keeps no copy of
// the channels: every cell is drawn from the document's records, and every
// edit leaves through setChannelCell, which redraws the row.

#include <QWidget>
#include <array>
#include <string>

#include "app/child_windows.h"
#include "model/document_observer.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zq61 {
class Document;
}

namespace zq61::gui {

class ChannelGrid;
class GroupPanel;
class MainWindow;

class ChannelWindow : public QWidget,
                      public DocumentObserver,
                      public PendingEditCommitter,
                      public ChannelShower {
    Q_OBJECT
  public:
    // `main` opens the channel edit window; without one (benchmarks) the
    // channel-edit button does nothing.
    explicit ChannelWindow(Document& doc, MainWindow* main = nullptr, QWidget* parent = nullptr);
    ~ChannelWindow() override;

    // ---- Operations other windows and the document call ----
    // All texts again, then the current group anew.
    void ReShowChInfoByLanguage();
    // Every data row of the shown group from the channel records.
    void reShowAllGrid();
    // The row of channel `chNo`, when it lies in the shown group.
    void reShowGrid(int chNo) override;
    // The group panel from the settings.
    void ReshowByCh() override;
    // After undo or redo: the stored group, its rows and its panel again;
    // the cursor stays where it was when the group is the same.
    void reShowAll() override;
    // Hides every cell editor (a pending edit is not handed on).
    void SetEditDisable();
    // Shows group EditGroup (and brings the country selectors in line).
    void ChangeGroup();
    // Starts editing the cursor's cell.
    void EnterGridEdit();
    // Hands a pending edit on, then hides the editors.
    void EndGridEdit();
    void commitPendingEdit() override { EndGridEdit(); }
    // Shows the group of channel `chNo` with the cursor on its row; an open
    // channel edit window follows.
    void showChannel(int chNo) override;

    // The cell being edited and its group; the channel edit window reads
    // them and sets EditGroup before it calls ChangeGroup.
    int EditColumn = 0;
    int EditRow = 1;
    int EditGroup = 0;

    // Window flags.
    bool GridReady = false;     // loading has finished
    bool GridBusy = false;      // rows are being rewritten: cell entries are not the user's
    bool ComboArmed = false;    // a choice editor has seen the change of its own placing
    bool GroupSyncing = false;  // the program sets the group selectors or the group switch

    // The group the group list shows (-1 before loading).
    int shownGroup() const;
    ChannelGrid* grid() const { return grid_; }
    GroupPanel* panel() const { return panel_; }

    // 8200 by 6900 twips; the main window's cascade sizes by it.
    QSize sizeHint() const override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Loading and texts.
    void buildControls();
    void InitShowGrid();
    void ChangShowByLanguage();
    void SetGridData();
    void ResetGridRows();
    void InitRowHeaders();
    void setCaption(int textId);
    // Group selection.
    void groupChanged(int group);
    void countryChanged();
    void syncCountrySelectors();
    // Rows.
    void ShowRowData(int recordIndex, int row, bool clear);
    int rowCount() const;  // data rows + 1, as the header row counts
    QString cellText(int row, int column) const;
    // Editing (channel_window_edit.cpp).
    void SaveGridEdit();
    // EndGridEdit; a failure shows the plain message `failure`.
    void endEdit(const char* failure);
    void placeEditor(QWidget* editor, int row, int column);
    void typeIntoFrequency(const QString& digit);
    void editorEnter();
    void editorEscape();
    void editorTab(bool forward);
    void choiceChanged(int column);
    void focusMoved(QWidget* now);
    QWidget* activeEditor() const;
    // Text1, Text2, Combo1..4.
    std::array<QWidget*, 6> cellEditors() const;
    void openChannelEdit();
    // Runs `step`; a failure shows the plain message `name`.
    template <typename Step>
    void guarded(const char* name, Step step);

    Document& doc_;
    MainWindow* main_;
    ChannelGrid* grid_ = nullptr;
    GroupPanel* panel_ = nullptr;
    QLabel* groupLabel_ = nullptr;
    QComboBox* groupList_ = nullptr;
    QComboBox* country_ = nullptr;
    QComboBox* subCountry_ = nullptr;
    QPushButton* editButton_ = nullptr;
    // The in-place editors: Text1 (frequency), Text2 (offset), Combo1..4
    // (columns 2, 3, 5, 6).
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QComboBox* combos_[4] = {};
    // A typed text or a chosen item that is not yet in the document.
    bool editPending_ = false;
    bool ending_ = false;
    bool closed_ = false;
};

}  // namespace zq61::gui
