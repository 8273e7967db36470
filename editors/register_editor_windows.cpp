// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/register_editor_windows.h"

#include "app/app_context.h"
#include "app/child_windows.h"
#include "app/main_window.h"
#include "app/window_names.h"
#include "editors/channel_edit_window.h"
#include "editors/channel_window.h"
#include "editors/dtmf_window.h"
#include "editors/key_window.h"
#include "editors/options_window.h"
#include "editors/tone_tips_window.h"

namespace zq61::gui {

void registerEditorWindows(ChildWindowRegistry& registry) {
    registry.set(win::kChannels, [](MainWindow& main) -> QWidget* {
        return new ChannelWindow(main.context().document, &main);
    });
    registry.set(win::kDtmf, [](MainWindow& main) -> QWidget* {
        return new DtmfWindow(main.context().document);
    });
    registry.set(win::kToneTips, [](MainWindow& main) -> QWidget* {
        return new ToneTipsWindow(main.context().document);
    });
    registry.set(win::kKeys, [](MainWindow& main) -> QWidget* {
        return new KeyWindow(main.context().document);
    });
    registry.set(win::kChannelEdit, [](MainWindow& main) -> QWidget* {
        return new FrmCHInfoEdit(main.context().document, &main);
    });
    registry.set(win::kOptFeatures, [](MainWindow& main) -> QWidget* {
        return new FrmOptFeatures(main.context().document);
    });
}

}  // namespace zq61::gui
