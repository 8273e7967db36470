// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/undo_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace zq61::gui {

namespace {

bool isRedoKey(const QKeyEvent* key) {
    const QKeyCombination pressed = key->keyCombination();
    return key->matches(QKeySequence::Redo) || pressed == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
}

}  // namespace

UndoKeys::UndoKeys(QObject* owner) : QObject(owner) {
    qApp->installEventFilter(this);
}

bool UndoKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    const auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || box->isReadOnly()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Redo first: Ctrl+Shift+Z also matches Undo on some platforms.
    const bool redo = isRedoKey(key);
    const bool undo = !redo && key->matches(QKeySequence::Undo);
    if ((undo && !box->isUndoAvailable()) || (redo && !box->isRedoAvailable())) {
        // Not taken by the box: the shortcut of the Edit menu acts.
        event->ignore();
        return true;
    }
    return false;
}

}  // namespace zq61::gui
