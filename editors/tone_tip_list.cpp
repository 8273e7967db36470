// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tone_tip_list.h"

#include "editors/editor_controls.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/text_ids.h"

namespace zq61::gui {

QString toneTipValueText(int value, const Document& doc) {
    if (value == 0) return QString::fromStdString(doc.text(txt::kToneTipNone));
    if (value >= 1 && value <= 8) return QString::number(value);
    return {};
}

void fillToneTipList(QComboBox* list, int value, const Document& doc) {
    list->clear();
    list->addItem(QString::fromStdString(doc.text(txt::kToneTipNone)));
    const auto& tips = doc.WorkData.ToneTips.Tips;
    for (std::size_t i = 0; i < tips.size(); ++i)
        if (isToneTipUsable(tips[i])) list->addItem(QString::number(i + 1));
    selectByText(list, toneTipValueText(value, doc));
}

}  // namespace zq61::gui
