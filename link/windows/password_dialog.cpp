// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/windows/password_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/common_captions.h"
#include "app/twips.h"
#include "codec/text_helpers.h"
#include "link/engine/password.h"
#include "model/text_ids.h"
#include "model/texts.h"

namespace zq61::gui {

namespace {

// The label ends 50 twips left of the box.
constexpr int kPasswordLabelGapTwips = 50;

}  // namespace

FrmPassWord::FrmPassWord(const Texts& texts, const std::string& current, QWidget* parent)
    : QDialog(parent), box_(new QLineEdit) {
    setObjectName("FrmPassWord");
    auto* label = new QLabel(QString::fromStdString(texts.text(txt::kPasswordLabel)));
    label->setObjectName("Label1");
    label->setBuddy(box_);
    box_->setObjectName("Text1");
    box_->setEchoMode(QLineEdit::Password);
    // A "*" for each character, whatever the style would draw.
    box_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    box_->setMaxLength(kPasswordLength);
    box_->setText(QString::fromStdString(current).left(kPasswordLength));
    box_->setAccessibleName(label->text());
    const OkCancelRow buttons = addOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->setSpacing(twipsToPixels(kPasswordLabelGapTwips, this));
    row->addWidget(label);
    row->addWidget(box_);
    layout->addLayout(row);
    layout->addLayout(buttons.row);

    setWindowTitle(QString::fromStdString(texts.text(txt::kPasswordCaption)));
    ApplyOkCancelTexts(this, texts);
    box_->selectAll();
    box_->setFocus();
    connect(buttons.ok, &QPushButton::clicked, this, &FrmPassWord::commandOk);
}

void FrmPassWord::commandOk() {
    entered_ = cleanString(box_->text().toLatin1().toStdString());
    accept();
}

std::optional<std::string> askRadioPassword(const Texts& texts, const std::string& current,
                                            QWidget* parent,
                                            const std::function<int(QDialog&)>& runModal) {
    FrmPassWord dialog(texts, current, parent);
    const int result = runModal ? runModal(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return std::nullopt;
    return dialog.enteredPassword();
}

}  // namespace zq61::gui
