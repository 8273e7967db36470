// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/channel_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace zq61::gui {

ChannelGrid::ChannelGrid(QWidget* parent) : QTableWidget(parent) {
    setColumnCount(kGridColumns);
    verticalHeader()->hide();  // column 0 holds the row numbers
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);  // the window's own editors edit
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab leaves the grid for the window's next control, so the keyboard
    // reaches everything; the arrow keys move between cells, and Tab in an
    // open cell editor steps to the next cell (stepCursor).
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit editRequested();
        event->accept();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() < 128 && text[0].isDigit() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit digitTyped(text);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ChannelGrid::stepCursor(bool forward) {
    const QModelIndex next = moveCursor(forward ? MoveNext : MovePrevious, Qt::NoModifier);
    if (next.isValid()) setCurrentIndex(next);
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
    emit pressed();
    QTableWidget::mousePressEvent(event);
}

void ChannelGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit editRequested();
}

}  // namespace zq61::gui
