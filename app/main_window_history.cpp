// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the document's edits: the Edit menu items and toolbar
// buttons, recording one step per committed edit, and showing the document
// again after a step was undone or redone.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTimer>

#include "app/app_context.h"
#include "app/main_window.h"
#include "app/undo_keys.h"
#include "model/text_ids.h"

namespace zq61::gui {

void MainWindow::addUndoItems(QMenu* edit) {
    undoItem_ = addItem(edit, "mnuUndo", txt::kMenuUndo, "", &MainWindow::undo);
    undoItem_->setShortcuts(QKeySequence::Undo);
    redoItem_ = addItem(edit, "mnuRedo", txt::kMenuRedo, "", &MainWindow::redo);
    redoItem_->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    edit->addSeparator();
    // The menu tells the truth also about an edit not yet recorded.
    connect(edit, &QMenu::aboutToShow, this, &MainWindow::updateUndoItems);
    // Ctrl+Z in a text box undoes the box's own typing while it has some.
    new UndoKeys(this);
}

void MainWindow::updateUndoItems() {
    const bool canUndo = history_.canUndo() || history_.hasUnrecordedChange(ctx_.document);
    const bool canRedo = history_.canRedo();
    for (QAction* a : {undoItem_, undoButton_})
        if (a) a->setEnabled(canUndo);
    for (QAction* a : {redoItem_, redoButton_})
        if (a) a->setEnabled(canRedo);
}

void MainWindow::documentEdited() {
    if (restoring_ || editQueued_) return;
    // The parts of one action (a cell and the group values it changes)
    // report one after the other; they become one step once it is done.
    editQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        if (editQueued_) recordEdit();
    });
}

void MainWindow::recordEdit() {
    editQueued_ = false;
    history_.checkpoint(ctx_.document);
    updateUndoItems();
}

void MainWindow::startFreshHistory() {
    editQueued_ = false;
    history_.reset(ctx_.document);
    updateUndoItems();
}

void MainWindow::undo() {
    restoreStep(&DocumentHistory::undo);
}

void MainWindow::redo() {
    restoreStep(&DocumentHistory::redo);
}

void MainWindow::restoreStep(bool (DocumentHistory::*step)(Document&)) {
    if (restoring_) return;
    // Typed text goes into the document first: it is the newest edit.
    commitPendingEdits();
    bool changed = false;
    {
        const QScopedValueRollback<bool> restoring(restoring_, true);
        editQueued_ = false;
        changed = (history_.*step)(ctx_.document);
        if (changed) {
            reShowAll();
            ShowMainTxt();
        }
    }
    updateUndoItems();
}

}  // namespace zq61::gui
