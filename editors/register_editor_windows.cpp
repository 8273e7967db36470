#include "editors/register_editor_windows.h"

#include "app/app_context.h"
#include "app/child_windows.h"
#include "app/main_window.h"
#include "app/window_names.h"
#include "editors/channel_edit_window.h"
#include "editors/channel_window.h"
#include "editors/options_window.h"

namespace zq61::gui {

void registerEditorWindows(ChildWindowRegistry& registry) {
    registry.set(win::kChannels, [](MainWindow& main) -> QWidget* {
        return new ChannelWindow(main.context().document, &main);
    });
    registry.set(win::kChannelEdit, [](MainWindow& main) -> QWidget* {
        return new FrmCHInfoEdit(main.context().document, &main);
    });
    registry.set(win::kOptFeatures, [](MainWindow& main) -> QWidget* {
        return new FrmOptFeatures(main.context().document);
    });
}

}  // namespace zq61::gui
