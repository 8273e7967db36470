// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key assignment window (FrmKey): which function each of the six
// programmable keys P1..P6 has in each of the three key modes, and which key
// modes the radio offers. Every choice goes into the working copy at once.

#include <QWidget>
#include <array>

#include "model/document_observer.h"

class QComboBox;

namespace zq61 {
class Document;
}

namespace zq61::gui {

class KeyWindow : public QWidget, public DocumentObserver {
    Q_OBJECT
  public:
    static constexpr int kKeysPerMode = 6;
    static constexpr int kModes = 3;
    static constexpr int kKeyLists = kKeysPerMode * kModes;

    explicit KeyWindow(Document& doc, QWidget* parent = nullptr);

    // The list of key P(key + 1) in key mode mode + 1.
    QComboBox* functionList(int mode, int key) const {
        return functions_[static_cast<std::size_t>(kKeysPerMode * mode + key)];
    }
    QComboBox* modeList() const { return modeSet_; }

    // After undo or redo: every list from the document again.
    void reShowAll() override { showData(); }

  private:
    void showData();

    Document& doc_;
    QComboBox* modeSet_ = nullptr;
    std::array<QComboBox*, kKeyLists> functions_{};
};

}  // namespace zq61::gui
