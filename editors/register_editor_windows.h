// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The editor windows the program has, put into the window registry. The
// program calls this where it is assembled; the window tests call it for
// their runs.

namespace zq61::gui {

class ChildWindowRegistry;

void registerEditorWindows(ChildWindowRegistry& registry);

}  // namespace zq61::gui
