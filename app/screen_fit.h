// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Windows no larger than the screen they open on. On a small or magnified
// screen the main window shows whole (its window area scrolls to what does
// not fit) and so does every dialog.

#include <QRect>
#include <QSize>

class QWidget;

namespace zq61::gui {

// `window` (its inside; `frame` is what its frame adds) made no larger than
// `screen` and moved onto it.
QRect fittedInto(QRect window, const QRect& screen, const QSize& frame);

// The dialog at the wished size, or smaller, so that it fits the screen of
// its parent with its title bar.
void resizeWithinScreen(QWidget* dialog, QSize wished);

}  // namespace zq61::gui
