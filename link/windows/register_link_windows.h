#pragma once

// Puts the radio link's child windows (the radio information window) into
// the main window's registry in place of their placeholders.

namespace zq61::gui {

class ChildWindowRegistry;

void registerLinkWindows(ChildWindowRegistry& registry);

}  // namespace zq61::gui
