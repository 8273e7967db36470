// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common_captions.h"

#include <QAbstractButton>
#include <QDialog>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QString>

#include "app/child_windows.h"
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

QHBoxLayout* addCloseRow(QBoxLayout* layout, QWidget* window, const Texts& texts, HelpButton help) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    const auto button = [&](const char* name) {
        auto* b = new QPushButton(window);
        b->setObjectName(name);
        // Enter in a field of the window moves on or commits; it never
        // presses these.
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    QPushButton* close = button("CommandClose");
    if (help == HelpButton::Hidden) button("CommandHelp")->hide();
    layout->addLayout(row);
    ApplyCloseHelpTexts(window, texts);
    QObject::connect(close, &QPushButton::clicked, window, [window] {
        if (auto* editor = dynamic_cast<PendingEditCommitter*>(window)) editor->commitPendingEdit();
        closeChildWindow(window);
    });
    return row;
}

void closeChildWindow(QWidget* window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

}  // namespace zq61::gui
