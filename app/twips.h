// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window sizes and positions are kept in twips, 1440 to the inch, as the
// stored window placement always was. The screen's logical resolution
// converts them (15 twips per pixel at 96 dpi).

#include <QWidget>
#include <cmath>

namespace zq61::gui {

inline double twipsPerPixel(const QWidget* w) {
    const int dpi = w ? w->logicalDpiX() : 96;
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

inline int twipsToPixels(double twips, const QWidget* w) {
    return static_cast<int>(std::lround(twips / twipsPerPixel(w)));
}

inline double pixelsToTwips(int pixels, const QWidget* w) {
    return pixels * twipsPerPixel(w);
}

}  // namespace zq61::gui
