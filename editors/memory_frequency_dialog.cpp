// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/memory_frequency_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/common_captions.h"
#include "app/enter_moves_focus.h"
#include "codec/band_mode.h"
#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "editors/editor_controls.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/frequency_entry.h"

namespace zq61::gui {

namespace {

// The CB country groups whose channels a memory channel can take.
constexpr int kCountryGroups = 8;

}  // namespace

Frm_Mem_Freq::Frm_Mem_Freq(const Document& doc, const QString& frequencyText, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      band_(new QComboBox),
      channel_(new QComboBox),
      frequency_(new QLineEdit) {
    setObjectName("Frm_Mem_Freq");
    setWindowTitle("MEM Frequency");
    setModal(true);
    band_->setObjectName("Combo1_0");
    channel_->setObjectName("Combo1_1");
    frequency_->setObjectName("Text1");
    auto* layout = new QGridLayout(this);
    const char* captions[] = {"Band", "Channel", "Frequency"};
    QWidget* fields[] = {band_, channel_, frequency_};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(captions[i]);
        label->setObjectName(i < 2 ? QString("Label2_%1").arg(i) : QString("Label1"));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(fields[i]);
        layout->addWidget(label, i, 0);
        layout->addWidget(fields[i], i, 1);
    }
    EnterMovesFocus::install(band_);
    EnterMovesFocus::install(channel_);
    NumericBoxKeys::install(frequency_, NumericKind::Frequency);
    const OkCancelRow buttons = addOkCancelButtons(this);
    layout->addLayout(buttons.row, 3, 0, 1, 2);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(band_, &QComboBox::currentIndexChanged, this, &Frm_Mem_Freq::bandChosen);
    connect(channel_, &QComboBox::currentIndexChanged, this, &Frm_Mem_Freq::channelChosen);

    // Loading: the lists stay quiet until the start channel is chosen.
    ApplyOkCancelTexts(this, *doc_.texts);
    band_->addItem("Off");
    for (int g = 0; g < kCountryGroups; ++g)
        band_->addItem(QString::fromStdString(groupName(g, kBandCB)));
    frequency_->setText(frequencyText);
    if (const auto mhz = parseNumber(frequencyText.toStdString())) {
        const NearestMemoryFrequency nearest = nearestMemoryFrequency(*mhz, doc_);
        if (nearest.found && nearest.group >= 0 && nearest.group < kCountryGroups) {
            bandIndex_ = nearest.group + 1;
            channelIndex_ = nearest.channelInGroup;
        }
    }
    band_->setCurrentIndex(bandIndex_);
    fillChannels(bandIndex_, channelIndex_);
    loading_ = false;
}

QString Frm_Mem_Freq::frequencyText() const {
    return frequency_->text();
}

void Frm_Mem_Freq::fillChannels(int band, int wished) {
    channel_->clear();
    if (band <= 0) {
        channelIndex_ = wished;
        return;
    }
    const int size = GroupSize(band - 1, kBandCB);
    for (int n = 1; n <= size; ++n)
        channel_->addItem(QString::number(n));
    selectByIndex(channel_, wished);
    channelIndex_ = channel_->currentIndex();
}

void Frm_Mem_Freq::bandChosen(int band) {
    if (loading_ || band < 0) return;
    loading_ = true;
    bandIndex_ = band;
    fillChannels(band, channelIndex_);
    showChannelFrequency();
    loading_ = false;
}

void Frm_Mem_Freq::channelChosen(int channel) {
    if (loading_ || channel < 0) return;
    channelIndex_ = channel;
    showChannelFrequency();
}

void Frm_Mem_Freq::showChannelFrequency() {
    if (bandIndex_ == 0) {
        frequency_->clear();
        return;
    }
    const int group = bandIndex_ - 1;
    const int chNo = GroupStart(group, kBandCB) + channelIndex_ + 1;
    const int index = findChannel(doc_, chNo);
    if (index < 0) return;  // no entry: the shown text stays
    const ChannelRecord& ch = doc_.WorkChannels[static_cast<std::size_t>(index)];
    frequency_->setText(QString::fromStdString(
        displayForGroup(cleanString(ch.Frequency.view()), group, kBandCB, doc_.BandLowMHz).text));
}

}  // namespace zq61::gui
