// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model_info_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/app_context.h"
#include "app/common_captions.h"
#include "app/enter_moves_focus.h"
#include "app/main_window.h"
#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/document_copies.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

// The list item equal to `text`, else the first one.
void selectByText(QComboBox* list, const QString& text) {
    const int i = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    list->setCurrentIndex(list->count() == 0 ? -1 : std::max(i, 0));
}

// The item at `index`, else the first one.
void selectByIndex(QComboBox* list, int index) {
    list->setCurrentIndex(list->count() == 0                    ? -1
                          : index >= 0 && index < list->count() ? index
                                                                : 0);
}

}  // namespace

FrmModelInfo::FrmModelInfo(AppContext& context, MainWindow& main)
    : QDialog(&main),
      ctx_(context),
      main_(main),
      model_(new QComboBox),
      range_(new QComboBox),
      bandMode_(new QComboBox) {
    setObjectName("FrmModelInfo");
    model_->setObjectName("Combo1");
    range_->setObjectName("Combo2");
    bandMode_->setObjectName("Combo3");
    auto* layout = new QGridLayout(this);
    const int labelIds[] = {txt::kModelLabel, txt::kBandModeLabel, txt::kBandRangeLabel};
    QComboBox* lists[] = {model_, bandMode_, range_};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(ctx_.text(labelIds[i]));
        label->setObjectName(QString("Label1_%1").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(lists[i]);  // names the list for screen readers
        layout->addWidget(label, i, 0);
        layout->addWidget(lists[i], i, 1);
    }
    const OkCancelRow buttons = addOkCancelButtons(this);
    layout->addLayout(buttons.row, 3, 0, 1, 2);

    setWindowTitle(ctx_.text(txt::kModelCaption));
    ApplyOkCancelTexts(this, ctx_.texts);

    const Document& doc = ctx_.document;
    model_->addItem(kModelName);
    selectByText(model_, QString::fromStdString(cleanString(doc.ModelName)));
    for (int mode : {kBandCB, kBandHF, kBandHAM}) {
        range_->addItem(QString::fromStdString(bandRangeText(mode)));
        bandMode_->addItem(QString::fromStdString(bandModeName(mode)));
    }
    selectByIndex(bandMode_, doc.BandMode);
    range_->setCurrentIndex(bandMode_->currentIndex());
    loading_ = false;

    // The band mode and its range always show the same choice.
    connect(bandMode_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!loading_) range_->setCurrentIndex(i);
    });
    connect(range_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!loading_) bandMode_->setCurrentIndex(i);
    });
    EnterMovesFocus::install(model_);
    EnterMovesFocus::install(range_);
    connect(buttons.ok, &QPushButton::clicked, this, &FrmModelInfo::commandOk);
}

void FrmModelInfo::commandOk() {
    Document& doc = ctx_.document;
    const int m = range_->currentIndex();
    if (m < 0 || m == doc.BandMode) {
        accept();
        return;
    }
    if (ctx_.prompter.okCancel(Prompt::ofText(
            txt::kBandChangeDiscards, doc.text(txt::kBandChangeDiscards), PromptIcon::Warning,
            doc.text(txt::kBandChangeTitle))) != PromptAnswer::Ok) {
        reject();
        return;
    }
    setBand(doc, m);
    doc.WorkData.Header.HeaderBandMode = static_cast<int16_t>(m);
    doc.Info.BandMode = static_cast<int16_t>(m);
    main_.LoadNewDoc();
    accept();
}

}  // namespace zq61::gui
