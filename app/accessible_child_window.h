// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a child window of the multiple-document area appears to screen
// readers. The toolkit's own description marks a child window "off screen"
// whenever any part of it lies outside the area, even while most of it is in
// view and the user works in it, so a screen reader stays silent about the
// tall editor windows. This description reports a child window off screen
// only when no part of it is in the area, and names it by its caption.

namespace zq61::gui {

// Installs the description for every child window made from now on (once
// per program; later calls do nothing).
void installAccessibleChildWindows();

}  // namespace zq61::gui
