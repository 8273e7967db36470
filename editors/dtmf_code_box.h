// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A text box for one DTMF code: only the DTMF digits 0-9, A-D, "*" and "#"
// get in ("a".."d" become upper case), at most 16 of them; no clipboard, no
// dragging; Enter moves on to the next control.

#include <QLineEdit>

namespace zq61::gui {

class DtmfCodeBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit DtmfCodeBox(QWidget* parent = nullptr);

    // The typed text with everything that is not a DTMF digit removed and
    // "a".."d" made upper case.
    static QString dtmfDigitsOf(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zq61::gui
