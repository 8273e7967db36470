// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio password dialog: a masked box of at most four characters. It
// shows the password entered so far; OK hands back what was typed, Cancel
// nothing. The password itself stays in the transfer engine's memory; this
// window never stores or logs it.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;

namespace zq61 {
class Texts;
}

namespace zq61::gui {

class FrmPassWord : public QDialog {
    Q_OBJECT
  public:
    FrmPassWord(const Texts& texts, const std::string& current, QWidget* parent);

    // After OK: the typed password, right-trimmed and cut at the first NUL.
    std::optional<std::string> enteredPassword() const { return entered_; }

  private:
    void commandOk();

    QLineEdit* box_;
    std::optional<std::string> entered_;
};

// Shows the dialog through `runModal` (exec() when it is empty) and returns
// the password after OK, nothing after Cancel.
std::optional<std::string> askRadioPassword(const Texts& texts, const std::string& current,
                                            QWidget* parent,
                                            const std::function<int(QDialog&)>& runModal);

}  // namespace zq61::gui
