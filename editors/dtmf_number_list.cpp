#include "editors/dtmf_number_list.h"

#include <QSignalBlocker>

#include "editors/editor_controls.h"
#include "model/document.h"
#include "model/text_ids.h"

namespace zq61::gui {

void fillDtmfNumberList(QComboBox* list, const Document& doc) {
    list->clear();
    list->addItem(QString::fromStdString(doc.text(txt::kDtmfNone)));
    const auto& codes = doc.WorkData.Dtmf.Codes;
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i].Length > 0) list->addItem(QString::number(i + 1));
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
