// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_area_scrolling.h"

#include <QApplication>
#include <QMdiArea>
#include <QScrollBar>

namespace zq61::gui {

namespace {

// Room kept between a field brought into view and the edge of the area.
constexpr int kMarginPx = 4;

// How far to scroll along one axis so that the span [start, start + length)
// lies within [0, extent): nothing when it does, else the least that shows
// it, its start first when it is longer than the area.
int scrollToShow(int start, int length, int extent) {
    if (start < 0 || length > extent) return start;
    if (start + length > extent) return start + length - extent;
    return 0;
}

}  // namespace

void scrollFieldIntoView(QMdiArea* area, QWidget* field) {
    QWidget* viewport = area->viewport();
    if (!field || !viewport->isAncestorOf(field)) return;
    const QRect shown = QRect(field->mapTo(viewport, QPoint(0, 0)), field->size())
                            .adjusted(-kMarginPx, -kMarginPx, kMarginPx, kMarginPx);
    const int dx = scrollToShow(shown.x(), shown.width(), viewport->width());
    const int dy = scrollToShow(shown.y(), shown.height(), viewport->height());
    if (dx) area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + dx);
    if (dy) area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + dy);
}

void makeWindowAreaScroll(QMdiArea* area) {
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QObject::connect(qApp, &QApplication::focusChanged, area,
                     [area](QWidget*, QWidget* now) { scrollFieldIntoView(area, now); });
}

}  // namespace zq61::gui
