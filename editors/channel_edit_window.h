// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel edit window (FrmCHInfoEdit): every field of one channel,
// picked by group and channel number. It keeps no values of its own: it
// shows the working copy's record and hands every change to set channel
// cell, which refreshes it (and the grid) again. Choosing a group here
// switches the channel window's grid to that group.

#include <QWidget>
#include <array>

#include "app/child_windows.h"
#include "model/document_observer.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zq61 {
class Document;
struct ChannelRecord;
}  // namespace zq61

namespace zq61::gui {

class ChannelWindow;
class MainWindow;

class FrmCHInfoEdit : public QWidget, public DocumentObserver, public PendingEditCommitter {
    Q_OBJECT
  public:
    static constexpr int kFields = 16;

    // `main` finds the channel window and runs the memory frequency dialog;
    // without one the window works alone.
    explicit FrmCHInfoEdit(Document& doc, MainWindow* main = nullptr, QWidget* parent = nullptr);
    ~FrmCHInfoEdit() override;

    // Brings the group and channel choice in line (with the grid's when
    // `fromGrid`) and shows the chosen channel.
    void SetGridEditData(bool fromGrid) override;
    // The channel selector lists "1" to the group's size.
    void ChangShowCHs(int group);
    // Enables or greys out the fields a public channel may not change.
    void EnablePub(bool enable);
    // True when the channel may only use FM.
    static bool IsFixFM(int row, int group, int bandMode);
    // The tone tip list anew, with the shown channel's value.
    void ShowRB() override;
    // The DTMF code lists anew (after DTMF codes changed).
    void RefreshDtmfLists() override;
    // After undo or redo: the lists and the shown channel again.
    void reShowAll() override;
    // Stores a typed frequency or offset that has not been stored yet.
    void commitPendingEdit() override;

    // True while the controls are being filled: no change is stored then.
    bool Refreshing = false;
    // The group and channel (from 1) chosen when no channel window is open
    // to hold them.
    int EditGroup = 0;
    int EditRow = 1;

    QSize sizeHint() const override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void applyTexts();
    void applyBandLayout();
    void showRecord(ChannelRecord& record, int group, int row);
    void showNoRecord(int group);
    void fillPowerList(int amFm);
    void fieldChosen(int index);
    void groupChosen(int group);
    void countryChanged();
    void syncCountrySelectors();
    void storeFrequency();
    void storeOffset();
    void pickMemoryFrequency();
    // The channel shown: its working copy entry, or nullptr.
    ChannelRecord* shownRecord();
    int chosenGroup() const;
    int chosenRow() const;
    ChannelWindow* channelWindow() const;

    Document& doc_;
    MainWindow* main_;
    QComboBox* group_ = nullptr;  // Combo4
    QLabel* groupLabel_ = nullptr;
    QComboBox* country_ = nullptr;
    QComboBox* subCountry_ = nullptr;
    QComboBox* channel_ = nullptr;         // Combo1
    QLineEdit* frequency_ = nullptr;       // Text1
    QPushButton* memoryButton_ = nullptr;  // Command1 ">"
    QLineEdit* offset_ = nullptr;          // Text2
    QLabel* offsetLabel_ = nullptr;
    QLabel* channelLabel_ = nullptr;
    QLabel* frequencyLabel_ = nullptr;
    std::array<QComboBox*, kFields> fields_{};  // Combo2
    std::array<QLabel*, kFields> labels_{};     // Label3
    bool syncing_ = false;                      // switching the grid's group; its echo is ignored
    bool closed_ = false;
};

}  // namespace zq61::gui
