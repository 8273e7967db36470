// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Puts the radio link's child windows (the radio information and compare
// windows) into the main window's registry.

namespace zq61::gui {

class ChildWindowRegistry;

void registerLinkWindows(ChildWindowRegistry& registry);

}  // namespace zq61::gui
