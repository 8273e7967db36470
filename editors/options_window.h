// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The optional features window (FrmOptFeatures): the radio-wide option items,
// the limit value, and the common channel settings (FeatChannel) that the
// radio applies to every channel. Every change goes into the working copy at
// once; there is no apply step.

#include <QWidget>
#include <array>

#include "app/child_windows.h"
#include "model/document_observer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zq61 {
class Document;
}

namespace zq61::gui {

class FrmOptFeatures : public QWidget, public DocumentObserver, public PendingEditCommitter {
    Q_OBJECT
  public:
    static constexpr int kOptionItems = 17;
    static constexpr int kCommonFields = 14;  // indexes 0 and 3 are not used
    // Ids of SaveOptFeat besides the option items 0..16.
    static constexpr int kCommonBase = 100;  // + field index
    static constexpr int kOffsetId = 200;
    static constexpr int kLimitOnId = 300;

    explicit FrmOptFeatures(Document& doc, QWidget* parent = nullptr);

    // Stores the value of one control (see the ids above).
    void SaveOptFeat(int id);
    // The tone tip list of the common channel anew, with the stored value.
    void ShowRBOpt() override;
    // The DTMF code lists anew (after DTMF codes changed), keeping their values.
    void RefreshDtmfLists() override;
    // After undo or redo: every value from the document again.
    void reShowAll() override;
    // Leaves the limit and offset boxes as if the focus had left them.
    void commitPendingEdit() override;

    // True while the controls are being filled: no change is stored then.
    bool Refreshing = false;

  private:
    void buildControls();
    void fillLists();
    void applyTexts();
    void showValues();
    void rebuildPowerList();
    void countryChanged();
    void offsetLeft();
    void limitLeft();

    Document& doc_;
    std::array<QComboBox*, kOptionItems> items_{};
    std::array<QLabel*, kOptionItems> itemLabels_{};
    std::array<QComboBox*, kCommonFields> fields_{};
    std::array<QLabel*, kCommonFields> fieldLabels_{};
    QComboBox* country_ = nullptr;
    QComboBox* subCountry_ = nullptr;
    QLineEdit* offset_ = nullptr;  // Text2
    QLabel* offsetLabel_ = nullptr;
    QLineEdit* limit_ = nullptr;  // Text1
    QCheckBox* limitOn_ = nullptr;
    class QGroupBox* optionFrame_ = nullptr;
    class QGroupBox* commonFrame_ = nullptr;
};

}  // namespace zq61::gui
