// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/app_context.h"
#include "app/common_captions.h"
#include "app/enter_moves_focus.h"
#include "model/text_ids.h"

namespace zq61::gui {

FrmSetLanguage::FrmSetLanguage(AppContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context), combo_(new QComboBox) {
    setObjectName("FrmSetLanguage");
    auto* label = new QLabel;
    label->setObjectName("Label1");
    label->setBuddy(combo_);  // names the list for screen readers
    combo_->setObjectName("Combo1");
    const OkCancelRow buttons = addOkCancelButtons(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(combo_, 0, 1);
    layout->addLayout(buttons.row, 1, 0, 1, 2);

    setWindowTitle(ctx_.text(txt::kLangCaption));
    label->setText(ctx_.text(txt::kLangLabel));
    combo_->clear();
    combo_->addItem(ctx_.text(txt::kLangEnglish));
    combo_->addItem(ctx_.text(txt::kLangChinese));
    ApplyOkCancelTexts(this, ctx_.texts);
    combo_->setCurrentIndex(ctx_.settings.CurrentLanguage - 1);
    EnterMovesFocus::install(combo_);

    connect(buttons.ok, &QPushButton::clicked, this, &FrmSetLanguage::commandOk);
}

void FrmSetLanguage::commandOk() {
    if (combo_->currentIndex() >= 0)
        applyLanguageChoice(ctx_.settings, static_cast<int16_t>(combo_->currentIndex() + 1));
    accept();
}

}  // namespace zq61::gui
