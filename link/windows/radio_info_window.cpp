// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/windows/radio_info_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/common_captions.h"
#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/radio_data.h"
#include "model/text_ids.h"
#include "model/texts.h"

namespace zq61::gui {

namespace {

constexpr int kLabelCount = 15;
// Captions in the first of the two columns.
constexpr int kRowsPerColumn = 8;
// The captions 21003.. go to these labels, in this order (21001 is the
// frame, 21002 the sales area code).
constexpr int kCaptionOrder[] = {8, 9, 0, 1, 2, 3, 4, 6, 5, 7, 10, 11, 12, 13};

// The band ranges of CB, HF and HAM, the list of Combo1(1).
constexpr int kBandModes = 3;

// Which text box each label names (-1: a list, or the second line of the
// repair reason).
constexpr int kBoxOfLabel[kLabelCount] = {-1, -1, 1, 2, 3, 4, 5, -1, 6, 7, 8, 9, 10, 11, -1};

QString shown(std::string_view text) {
    return QString::fromLatin1(cleanString(text).c_str());
}

}  // namespace

FrmRadioInfo::FrmRadioInfo(const Texts& texts, const RadioInfo& info, QWidget* parent)
    : QWidget(parent),
      info_(info),
      model_(new QComboBox),
      range_(new QComboBox),
      bandMode_(new QComboBox) {
    setObjectName("FrmRadioInfo");
    auto text = [&texts](int id) { return QString::fromStdString(texts.text(id)); };
    setWindowTitle(text(txt::kInfoCaption));

    auto* frame = new QGroupBox(text(txt::kInfoLabelBase));
    frame->setObjectName("Frame1");
    QLabel* labels[kLabelCount];
    for (int i = 0; i < kLabelCount; ++i) {
        labels[i] = new QLabel;
        labels[i]->setObjectName(QString("Label1_%1").arg(i));
    }
    for (int k = 0; k < int(std::size(kCaptionOrder)); ++k)
        labels[kCaptionOrder[k]]->setText(text(txt::kInfoLabelBase + 2 + k));
    labels[14]->setText(text(txt::kInfoModeLabel));
    auto* label2 = new QLabel(text(txt::kInfoLabelBase + 1));
    label2->setObjectName("Label2");

    model_->setObjectName("Combo1_0");
    range_->setObjectName("Combo1_1");
    bandMode_->setObjectName("Combo3");
    for (int band = 0; band < kBandModes; ++band)
        range_->addItem(QString::fromStdString(bandRangeText(band)));
    for (int i = 0; i < kTextCount; ++i) {
        boxes_[i] = new QLineEdit;
        boxes_[i]->setObjectName(QString("Text1_%1").arg(i));
        boxes_[i]->setReadOnly(true);
    }

    // Every field carries its caption as buddy, for the keyboard and screen
    // readers.
    auto pair = [](QLabel* label, QWidget* field) {
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    };
    pair(labels[0], model_);
    pair(labels[1], range_);
    pair(labels[14], bandMode_);
    pair(label2, boxes_[0]);
    for (int i = 0; i < kLabelCount; ++i)
        if (kBoxOfLabel[i] >= 0) pair(labels[i], boxes_[kBoxOfLabel[i]]);

    // Two columns of captions and fields, so that the window fits the main
    // window's area: the radio and its making, then its service.
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->setColumnMinimumWidth(2, 12);
    int row = 0;
    int column = 0;
    auto add = [&](QLabel* label, QWidget* field) {
        grid->addWidget(label, row, column);
        if (field) grid->addWidget(field, row, column + 1);
        if (++row == kRowsPerColumn) {
            row = 0;
            column = 3;
        }
    };
    add(labels[0], model_);
    add(labels[14], bandMode_);
    add(labels[1], range_);
    add(labels[8], boxes_[6]);
    add(labels[9], boxes_[7]);
    add(label2, boxes_[0]);
    for (int i : {2, 3, 4, 6})
        add(labels[i], boxes_[kBoxOfLabel[i]]);
    add(labels[5], boxes_[4]);
    add(labels[7], nullptr);  // the long repair reason's second caption
    for (int i : {10, 11, 12, 13})
        add(labels[i], boxes_[kBoxOfLabel[i]]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);

    // After the fields, so that Tab reaches the buttons last.
    addCloseRow(layout, this, texts, HelpButton::Hidden);

    ShowByData();
}

void FrmRadioInfo::ShowByData() {
    model_->clear();
    model_->addItem(shown(info_.ModelText));
    bandMode_->clear();
    bandMode_->addItem(QString::fromStdString(bandModeName(info_.BandMode)));
    // A band mode outside CB, HF and HAM has no range.
    range_->setCurrentIndex(isKnownBandMode(info_.BandMode) ? info_.BandMode : -1);
    boxes_[0]->setText(shown(info_.ShortText));
    for (int i = 0; i < 3; ++i)
        boxes_[1 + i]->setText(shown(info_.Block1[i].view()));
    boxes_[4]->setText(shown(info_.Text96.view()));
    boxes_[5]->setText(shown(info_.FirmwareVersion));
    boxes_[6]->setText(shown(info_.Text8.view()));
    boxes_[7]->setText(shown(info_.Text4.view()));
    for (int i = 0; i < 4; ++i)
        boxes_[8 + i]->setText(shown(info_.Block2[i].view()));
    // A text longer than its box (the repair reason) shows its beginning.
    for (QLineEdit* box : boxes_)
        box->setCursorPosition(0);
}

}  // namespace zq61::gui
