// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/dtmf_number_list.h"

#include <QSignalBlocker>

#include "editors/editor_controls.h"
#include "model/document.h"
#include "model/dtmf_codes.h"

namespace zq61::gui {

void fillDtmfNumberList(QComboBox* list, const Document& doc) {
    list->clear();
    for (const std::string& item : dtmfNumberListItems(doc))
        list->addItem(QString::fromStdString(item));
    list->setCurrentIndex(-1);
}

void refreshDtmfNumberList(QComboBox* list, const Document& doc) {
    const QString shown = list->currentText();
    {
        const QSignalBlocker quiet(list);
        fillDtmfNumberList(list, doc);
    }
    selectByText(list, shown);
}

}  // namespace zq61::gui
