// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace zq61::gui {

namespace {

// What a dialog's frame and title bar take, before the window manager tells.
constexpr QSize kDialogFrame(16, 48);

}  // namespace

QRect fittedInto(QRect window, const QRect& screen, const QSize& frame) {
    window.setSize(window.size().boundedTo(screen.size() - frame));
    const int right = screen.right() + 1 - window.width() - frame.width();
    const int bottom = screen.bottom() + 1 - window.height() - frame.height();
    window.moveTo(std::clamp(window.x(), screen.left(), std::max(screen.left(), right)),
                  std::clamp(window.y(), screen.top(), std::max(screen.top(), bottom)));
    return window;
}

void resizeWithinScreen(QWidget* dialog, QSize wished) {
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget() : dialog;
    if (const QScreen* screen =
            owner->screen() ? owner->screen() : QGuiApplication::primaryScreen())
        wished = wished.boundedTo(screen->availableGeometry().size() - kDialogFrame);
    dialog->resize(wished);
}

}  // namespace zq61::gui
