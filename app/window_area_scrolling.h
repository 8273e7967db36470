// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The multiple-document area of the main window scrolls: scroll bars appear
// as soon as a child window reaches beyond the area (the editor windows keep
// their sizes, and the main window keeps the size the user gave it), and the
// area follows the keyboard, so the field that takes the focus is always
// scrolled into view.

class QMdiArea;
class QWidget;

namespace zq61::gui {

// Scroll bars as needed in both directions, and the focus followed.
void makeWindowAreaScroll(QMdiArea* area);

// Scrolls the area so that `field`, a control of one of its child windows,
// is in view (as much of it as fits, from its top left corner); anything
// else is left alone.
void scrollFieldIntoView(QMdiArea* area, QWidget* field);

}  // namespace zq61::gui
