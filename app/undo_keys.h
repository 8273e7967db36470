// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z where the focus is in a text box: the box
// undoes and redoes its own typing while it has some; once it has none, the
// keys reach Edit > Undo and Redo, which undo whole edits of the document.

#include <QObject>

namespace zq61::gui {

class UndoKeys : public QObject {
    Q_OBJECT
  public:
    // Watches the keys of the whole program while `owner` exists.
    explicit UndoKeys(QObject* owner);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zq61::gui
