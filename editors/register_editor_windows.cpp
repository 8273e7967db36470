#include "editors/register_editor_windows.h"

#include "app/app_context.h"
#include "app/child_windows.h"
#include "app/main_window.h"
#include "app/window_names.h"
#include "editors/channel_window.h"

namespace zq61::gui {

void registerEditorWindows(ChildWindowRegistry& registry) {
    registry.set(win::kChannels, [](MainWindow& main) -> QWidget* {
        return new ChannelWindow(main.context().document, &main);
    });
}

}  // namespace zq61::gui
