// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/windows/register_link_windows.h"

#include "app/app_context.h"
#include "app/child_windows.h"
#include "app/main_window.h"
#include "app/window_names.h"
#include "link/windows/compare_window.h"
#include "link/windows/radio_info_window.h"
#include "link/windows/radio_link.h"

namespace zq61::gui {

void registerLinkWindows(ChildWindowRegistry& registry) {
    // A fresh window on every command: the command closes the old one first.
    registry.set(win::kRadioInfo, [](MainWindow& main) -> QWidget* {
        return new FrmRadioInfo(main.context().texts, main.context().document.Info);
    });
    // What the last comparison with the radio found; the link makes a fresh
    // window after each comparison.
    registry.set(win::kCompare, [](MainWindow& main) -> QWidget* {
        static const std::vector<Difference> kNone;
        const auto* link = dynamic_cast<RadioLink*>(main.context().radio);
        return new FrmCompare(main, link ? link->lastComparison() : kNone);
    });
}

}  // namespace zq61::gui
