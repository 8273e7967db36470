#include "app/common_captions.h"

#include <QAbstractButton>
#include <QString>

#include "model/text_ids.h"
#include "model/texts.h"

namespace zq61::gui {

namespace {

void setButtonText(QWidget* window, const char* name, const Texts& texts, int id) {
    if (auto* button = window->findChild<QAbstractButton*>(name))
        button->setText(QString::fromStdString(texts.text(id)));
}

}  // namespace

void ApplyOkCancelTexts(QWidget* window, const Texts& texts) {
    setButtonText(window, "CommandOK", texts, txt::kOk);
    setButtonText(window, "CommandCancel", texts, txt::kCancel);
}

void ApplyCloseHelpTexts(QWidget* window, const Texts& texts) {
    setButtonText(window, "CommandClose", texts, txt::kClose);
    setButtonText(window, "CommandHelp", texts, txt::kHelp);
}

}  // namespace zq61::gui
