// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio information window: the service record the manufacturer wrote
// into the radio (band mode, serial number, dates, repair reasons, codes),
// as read by the radio information command. It only shows; nothing in it is
// written back.

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace zq61 {
class Texts;
struct RadioInfo;
}  // namespace zq61

namespace zq61::gui {

class FrmRadioInfo : public QWidget {
    Q_OBJECT
  public:
    FrmRadioInfo(const Texts& texts, const RadioInfo& info, QWidget* parent = nullptr);

    // Fills the controls from the radio information record.
    void ShowByData();

    static constexpr int kTextCount = 12;

  private:
    const RadioInfo& info_;
    QComboBox* model_;     // Combo1(0)
    QComboBox* range_;     // Combo1(1)
    QComboBox* bandMode_;  // Combo3
    QLineEdit* boxes_[kTextCount] = {};
};

}  // namespace zq61::gui
