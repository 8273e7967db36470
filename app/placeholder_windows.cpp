#include <QVBoxLayout>
#include <QWidget>

#include "app/app_context.h"
#include "app/child_windows.h"
#include "app/main_window.h"
#include "app/window_names.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

ChildWindowFactory placeholder(int captionId) {
    return [captionId](MainWindow& main) {
        auto* w = new QWidget;
        w->setWindowTitle(main.context().text(captionId));
        // An empty window of a fair size until the editor itself is there.
        new QVBoxLayout(w);
        w->setMinimumSize(480, 320);
        return w;
    };
}

}  // namespace

void registerPlaceholderWindows(ChildWindowRegistry& registry) {
    registry.set(win::kChannels, placeholder(txt::kGridCaption));
    registry.set(win::kChannelEdit, placeholder(txt::kChEditCaption));
    registry.set(win::kOptFeatures, placeholder(txt::kOptCaption));
    registry.set(win::kDtmf, placeholder(txt::kDtmfCaption));
    registry.set(win::kToneTips, placeholder(txt::kTipCaption));
    registry.set(win::kKeys, placeholder(txt::kKeyCaption));
    registry.set(win::kRadioInfo, placeholder(txt::kInfoCaption));
}

}  // namespace zq61::gui
