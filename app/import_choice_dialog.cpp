// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/import_choice_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/common_captions.h"
#include "model/bands.h"
#include "model/radio_data.h"
#include "model/text_ids.h"

namespace zq61::gui {

FrmImportChoice::FrmImportChoice(AppContext& ctx, QWidget* parent)
    : QDialog(parent),
      bandMode_(ctx.document.BandMode),
      keep_(new QRadioButton(ctx.text(txt::kImportKeepLocations), this)),
      place_(new QRadioButton(ctx.text(txt::kImportPlaceRows), this)),
      groups_(new QComboBox(this)),
      channels_(new QComboBox(this)) {
    setObjectName("FrmImportChoice");
    setWindowTitle(ctx.text(txt::kImportChoiceCaption));
    keep_->setObjectName("OptionKeepLocations");
    place_->setObjectName("OptionPlaceRows");
    keep_->setChecked(true);
    groups_->setObjectName("ComboGroup");
    channels_->setObjectName("ComboChannel");

    // The groups that take listed channels: every one but the VFO slot.
    for (int g = 0; g < groupCount(bandMode_); ++g)
        if (GroupStart(g, bandMode_) + 1 != kVfoChannel)
            groups_->addItem(QString::fromStdString(groupName(g, bandMode_)), g);
    connect(groups_, &QComboBox::currentIndexChanged, this, [this] { fillChannels(); });
    fillChannels();

    auto* question = new QLabel(ctx.text(txt::kImportChoiceLabel), this);
    auto* groupLabel = new QLabel(ctx.text(txt::kImportGroup), this);
    groupLabel->setBuddy(groups_);
    auto* channelLabel = new QLabel(ctx.text(txt::kImportChannel), this);
    channelLabel->setBuddy(channels_);
    const QList<QWidget*> placeFields = {groups_, channels_, groupLabel, channelLabel};
    const auto enablePlace = [placeFields](bool on) {
        for (QWidget* w : placeFields)
            w->setEnabled(on);
    };
    connect(place_, &QRadioButton::toggled, this, enablePlace);
    enablePlace(false);

    const OkCancelRow buttons = addOkCancelButtons(this);
    ApplyOkCancelTexts(this, ctx.texts);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* where = new QGridLayout;
    where->setColumnMinimumWidth(0, 20);
    where->addWidget(groupLabel, 0, 1);
    where->addWidget(groups_, 0, 2);
    where->addWidget(channelLabel, 1, 1);
    where->addWidget(channels_, 1, 2);
    where->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(keep_);
    layout->addWidget(place_);
    layout->addLayout(where);
    layout->addStretch();
    layout->addLayout(buttons.row);
}

void FrmImportChoice::fillChannels() {
    const int group = groups_->currentData().toInt();
    channels_->clear();
    for (int q = 1; q <= GroupSize(group, bandMode_); ++q)
        channels_->addItem(QString::number(q), GroupStart(group, bandMode_) + q);
}

int FrmImportChoice::firstChannel() const {
    if (!place_->isChecked() || channels_->currentIndex() < 0) return 0;
    return channels_->currentData().toInt();
}

}  // namespace zq61::gui
