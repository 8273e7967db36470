// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The DTMF window (FrmDTMF): the DTMF timing values, whether the radio shows
// DTMF codes, and the sixteen codes that channels and the feature settings
// refer to by number. Every change goes into the working copy at once.

#include <QWidget>
#include <array>

#include "app/child_windows.h"
#include "model/document_observer.h"

class QCheckBox;
class QComboBox;
class QTabWidget;

namespace zq61 {
class Document;
}

namespace zq61::gui {

class DtmfCodeBox;

class DtmfWindow : public QWidget, public DocumentObserver, public PendingEditCommitter {
    Q_OBJECT
  public:
    static constexpr int kTimingLists = 5;

    explicit DtmfWindow(Document& doc, QWidget* parent = nullptr);

    // Each edit of a code box is stored at once, so nothing is pending.
    void commitPendingEdit() override;
    // After undo or redo: every list, the check box and the codes again.
    void reShowAll() override { showData(); }

    // List 0: digit duration, 1: first digit time, 2: first digit delay,
    // 3: "*" and "#" time, 4: D key.
    QComboBox* timingList(int i) const { return timing_[static_cast<std::size_t>(i)]; }
    QCheckBox* displayBox() const { return display_; }
    // The box of code `number` (1..16).
    DtmfCodeBox* codeBox(int number) const { return codes_[static_cast<std::size_t>(number - 1)]; }
    QTabWidget* tabs() const { return tabs_; }

  private:
    void fillLists();
    void showData();
    void timingChosen(int list);
    void codeEdited(int number);

    Document& doc_;
    QTabWidget* tabs_ = nullptr;
    std::array<QComboBox*, kTimingLists> timing_{};
    QCheckBox* display_ = nullptr;
    std::array<DtmfCodeBox*, 16> codes_{};
};

}  // namespace zq61::gui
