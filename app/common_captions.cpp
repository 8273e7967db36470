#include "app/common_captions.h"

#include <QAbstractButton>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
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

OkCancelRow addOkCancelButtons(QDialog* dialog) {
    auto* ok = new QPushButton(dialog);
    ok->setObjectName("CommandOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(dialog);
    cancel->setObjectName("CommandCancel");
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {ok, row};
}

}  // namespace zq61::gui
