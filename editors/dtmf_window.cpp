// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/dtmf_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/common_captions.h"
#include "app/enter_moves_focus.h"
#include "app/twips.h"
#include "editors/dtmf_code_box.h"
#include "editors/editor_controls.h"
#include "model/document.h"
#include "model/dtmf_codes.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

constexpr int kCodesPerTab = 8;
constexpr int kDKeyList = 4;
// Milliseconds per stored unit of the four timing lists.
constexpr int kTimingUnits[4] = {10, 100, 100, 100};

QStringList steps(int first, int last, int step) {
    QStringList items;
    for (int v = first; v <= last; v += step)
        items << QString::number(v);
    return items;
}

}  // namespace

DtmfWindow::DtmfWindow(Document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setWindowTitle(qs(doc_.text(txt::kDtmfCaption)));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget;
    tabs_->setObjectName("SSTab1");
    tabs_->setUsesScrollButtons(false);  // all three tabs always in sight
    EnterMovesFocus::install(tabs_->tabBar());
    layout->addWidget(tabs_);

    auto* timingPage = new QWidget;
    auto* form = new QFormLayout(timingPage);
    // Captions stand 100 twips left of their lists, code numbers 20 twips.
    form->setHorizontalSpacing(twipsToPixels(100, this));
    for (int i = 0; i < kTimingLists; ++i) {
        auto* list = new QComboBox;
        list->setObjectName(QString("Combo%1").arg(i + 1));
        EnterMovesFocus::install(list);
        timing_[static_cast<std::size_t>(i)] = list;
        form->addRow(labelFor(list, qs(doc_.text(txt::kDtmfTimingBase + i))), list);
    }
    display_ = new QCheckBox(qs(doc_.text(txt::kDtmfDisplay)));
    display_->setObjectName("Check1");
    EnterMovesFocus::install(display_);
    form->addRow(display_);
    tabs_->addTab(timingPage, qs(doc_.text(txt::kDtmfTabBase)));

    for (int page = 0; page < 2; ++page) {
        auto* codesPage = new QWidget;
        auto* codeForm = new QFormLayout(codesPage);
        codeForm->setHorizontalSpacing(twipsToPixels(20, this));
        for (int row = 0; row < kCodesPerTab; ++row) {
            const int number = page * kCodesPerTab + row + 1;
            auto* box = new DtmfCodeBox;
            // Room for sixteen digits.
            box->setMinimumWidth(
                box->fontMetrics().horizontalAdvance(QString(kDtmfCodeLength + 2, '#')));
            box->setObjectName(QString("Text%1").arg(number));
            codes_[static_cast<std::size_t>(number - 1)] = box;
            codeForm->addRow(labelFor(box, QString::number(number)), box);
        }
        tabs_->addTab(codesPage, qs(doc_.text(txt::kDtmfTabBase + 1 + page)));
    }

    addCloseRow(layout, this, *doc_.texts);

    fillLists();
    showData();
    tabs_->setCurrentIndex(0);

    // Only the user's changes reach the data; showData sends no signals.
    for (int i = 0; i < kTimingLists; ++i)
        connect(timing_[static_cast<std::size_t>(i)], &QComboBox::currentIndexChanged, this,
                [this, i] { timingChosen(i); });
    connect(display_, &QCheckBox::toggled, this, [this](bool on) {
        doc_.WorkData.Dtmf.DtmfDisplay = on ? 1 : 0;
        doc_.noteEdit();
    });
    // A code is stored as it is typed, but it counts as one edit when its
    // box is left.
    for (int number = 1; number <= kDtmfCodeCount; ++number) {
        connect(codeBox(number), &QLineEdit::textEdited, this,
                [this, number] { codeEdited(number); });
        connect(codeBox(number), &QLineEdit::editingFinished, this, [this] { doc_.noteEdit(); });
    }
}

void DtmfWindow::fillLists() {
    timing_[0]->addItems(steps(10, 500, 10));
    timing_[1]->addItems(steps(0, 1000, 100));
    timing_[2]->addItems(steps(100, 2500, 100));
    timing_[3]->addItems({"0", "100", "500", "1000"});
    timing_[kDKeyList]->addItem(qs(doc_.text(txt::kDKeyOff)));
    for (int k = 1; k <= 16; ++k)
        timing_[kDKeyList]->addItem(QString("%1s").arg(k));
}

void DtmfWindow::showData() {
    const DtmfSettings& d = doc_.WorkData.Dtmf;
    const int16_t shown[4] = {d.DtmfRate, d.FirstDigitTime, d.FirstDigitDelay, d.StarHashTime};
    for (int i = 0; i < 4; ++i)
        showItemNamed(timing_[static_cast<std::size_t>(i)],
                      QString::number(shown[i] * kTimingUnits[i]));
    showItemAt(timing_[kDKeyList], d.DKeySetting);
    {
        const QSignalBlocker quiet(display_);
        display_->setChecked(d.DtmfDisplay == 1);
    }
    for (int number = 1; number <= kDtmfCodeCount; ++number) {
        const QSignalBlocker quiet(codeBox(number));
        codeBox(number)->setText(qs(shownDtmfCode(d.Codes[static_cast<std::size_t>(number - 1)])));
    }
}

void DtmfWindow::timingChosen(int list) {
    DtmfSettings& d = doc_.WorkData.Dtmf;
    QComboBox* combo = timing_[static_cast<std::size_t>(list)];
    if (list == kDKeyList) {
        d.DKeySetting = static_cast<int16_t>(combo->currentIndex());
    } else {
        int16_t* fields[4] = {&d.DtmfRate, &d.FirstDigitTime, &d.FirstDigitDelay, &d.StarHashTime};
        *fields[list] = dtmfTimingValue(combo->currentText().toStdString(), kTimingUnits[list]);
    }
    doc_.noteEdit();
}

void DtmfWindow::codeEdited(int number) {
    setDtmfCode(doc_, number, codeBox(number)->text().toStdString());
}

void DtmfWindow::commitPendingEdit() {
    // Nothing waits here: every edit of a code box is stored as it happens.
    // Storing the boxes again would be wrong: a code too long to show (from
    // a foreign file) shows an empty box and would lose its data.
}

}  // namespace zq61::gui
