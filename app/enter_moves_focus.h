// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Enter in a list moves the focus on, as Tab does, and goes no further (so
// it does not press the dialog's default button).

#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace zq61::gui {

class EnterMovesFocus : public QObject {
  public:
    using QObject::QObject;

    // Installs the filter on `w`; the filter lives as long as `w`.
    static void install(QWidget* w) { w->installEventFilter(new EnterMovesFocus(w)); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (auto* w = qobject_cast<QWidget*>(watched)) {
                    if (QWidget* next = w->nextInFocusChain()) {
                        // Skip the inner parts of the list itself.
                        while (next != w && (next->focusPolicy() == Qt::NoFocus ||
                                             w->isAncestorOf(next) || !next->isEnabled()))
                            next = next->nextInFocusChain();
                        next->setFocus(Qt::TabFocusReason);
                    }
                }
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace zq61::gui
