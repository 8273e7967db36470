// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tone_tips_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/common_captions.h"
#include "app/enter_moves_focus.h"
#include "app/field_names.h"
#include "app/twips.h"
#include "editors/editor_controls.h"
#include "editors/tone_preview_player.h"
#include "editors/tone_tip_graph.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "model/tone_tips.h"

namespace zq61::gui {

namespace {

// "0", "10", .. "2550": lengths and pauses, the list index is the stored value.
QStringList tenMillisecondSteps() {
    QStringList items;
    for (int v = 0; v <= kHighestLength; ++v)
        items << QString::number(10 * v);
    return items;
}

QComboBox* newList(const char* name, int index = -1) {
    auto* list = new QComboBox;
    list->setObjectName(index < 0 ? QString(name) : QString("%1_%2").arg(name).arg(index));
    EnterMovesFocus::install(list);
    return list;
}

}  // namespace

ToneTipsWindow::ToneTipsWindow(Document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setWindowTitle(qs(doc_.text(txt::kTipCaption)));
    auto* layout = new QVBoxLayout(this);

    tabs_ = new QTabBar;
    tabs_->setObjectName("TabStrip1");
    for (int k = 1; k <= kToneTips; ++k)
        tabs_->addTab(qs(doc_.text(txt::kTipTab)) + " " + QString::number(k));
    EnterMovesFocus::install(tabs_);
    layout->addWidget(tabs_);

    // The fourteen steps in two columns of seven, so that the window fits
    // the main window's area: caption, pitch list and length list each.
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->setHorizontalSpacing(twipsToPixels(100, this));  // captions 100 twips left of their lists
    grid->setVerticalSpacing(2);
    constexpr int kRows = (kSteps + 1) / 2;
    constexpr int kSecondColumn = 4;  // grid column of the second half's captions
    grid->setColumnMinimumWidth(3, twipsToPixels(200, this));
    const QStringList lengths = tenMillisecondSteps();
    count_ = newList("ComboCount");
    count_->addItem(qs(doc_.text(txt::kTipRepeatOff)));
    for (int c = 1; c <= kHighestCount; ++c)
        count_->addItem(QString::number(c));
    pause_ = newList("ComboPause");
    pause_->addItems(lengths);
    grid->addWidget(labelFor(count_, qs(doc_.text(txt::kTipRepeatLabel))), 0, 0);
    grid->addWidget(count_, 0, 1);
    grid->addWidget(labelFor(pause_, qs(doc_.text(txt::kTipPauseLabel))), 0, kSecondColumn);
    grid->addWidget(pause_, 0, kSecondColumn + 1);

    const QString pitchColumn = qs(doc_.text(txt::kTipPitchColumn));
    const QString lengthColumn = qs(doc_.text(txt::kTipLengthColumn));
    for (int column : {1, kSecondColumn + 1}) {
        grid->addWidget(new QLabel(pitchColumn), 1, column);
        grid->addWidget(new QLabel(lengthColumn), 1, column + 1);
    }
    QStringList pitches;
    for (const std::string& p : offeredPitchTexts(doc_.text(txt::kTipSilence)))
        pitches << qs(p);
    for (int j = 0; j < kSteps; ++j) {
        auto* pitch = newList("ComboPitch", j);
        pitch->addItems(pitches);
        auto* length = newList("ComboLength", j);
        length->addItems(lengths);
        pitch_[static_cast<std::size_t>(j)] = pitch;
        length_[static_cast<std::size_t>(j)] = length;
        const int row = 2 + j % kRows;
        const int column = j < kRows ? 0 : kSecondColumn;
        const QString step = qs(doc_.text(txt::kTipStepBase + j));
        grid->addWidget(new QLabel(step), row, column);
        grid->addWidget(pitch, row, column + 1);
        grid->addWidget(length, row, column + 2);
        // Each list is named by its step and the heading of its column.
        nameField(pitch, step + ", " + pitchColumn);
        nameField(length, step + ", " + lengthColumn);
    }

    graph_ = new ToneTipGraph;
    layout->addWidget(graph_, 1);

    play_ = new QPushButton(qs(doc_.text(txt::kTipPlay)));
    play_->setObjectName("CommandPlay");
    stop_ = new QPushButton(qs(doc_.text(txt::kTipStop)));
    stop_->setObjectName("CommandStop");
    QHBoxLayout* buttons = addCloseRow(layout, this, *doc_.texts);
    buttons->insertWidget(0, play_);
    buttons->insertWidget(1, stop_);

    player_ = new TonePreviewPlayer(this);
    connect(player_, &TonePreviewPlayer::finished, this, [this] { play_->setEnabled(true); });
    connect(play_, &QPushButton::clicked, this, &ToneTipsWindow::playPreview);
    connect(stop_, &QPushButton::clicked, this, &ToneTipsWindow::stopPreview);

    current_ = tabs_->currentIndex() + 1;
    showTip();

    // Only the user's picks reach the data; showTip sends no signals.
    connect(tabs_, &QTabBar::currentChanged, this, &ToneTipsWindow::tipChosen);
    connect(count_, &QComboBox::currentIndexChanged, this, &ToneTipsWindow::countChosen);
    connect(pause_, &QComboBox::currentIndexChanged, this, &ToneTipsWindow::pauseChosen);
    for (int j = 0; j < kSteps; ++j) {
        connect(pitch_[static_cast<std::size_t>(j)], &QComboBox::currentIndexChanged, this,
                [this, j](int index) { pitchChosen(j, index); });
        connect(length_[static_cast<std::size_t>(j)], &QComboBox::currentIndexChanged, this,
                [this, j](int index) { lengthChosen(j, index); });
    }
}

ToneTipsWindow::~ToneTipsWindow() {
    player_->halt();
}

ToneTip& ToneTipsWindow::tip() {
    return doc_.WorkData.ToneTips.Tips[static_cast<std::size_t>(current_ - 1)];
}

void ToneTipsWindow::showTip() {
    const ToneTip& t = tip();
    showItemAt(count_, t.Count);
    showItemAt(pause_, t.Pause);
    for (int j = 0; j < kSteps; ++j) {
        const ToneStep& s = t.Steps[static_cast<std::size_t>(j)];
        showItemAt(pitch_[static_cast<std::size_t>(j)], offeredPitchIndex(s.Pitch));
        showItemAt(length_[static_cast<std::size_t>(j)], s.Duration);
    }
    graph_->showTip(&t);
}

void ToneTipsWindow::tipChosen(int index) {
    if (index + 1 == current_ || index < 0) return;
    current_ = index + 1;
    showTip();
}

void ToneTipsWindow::countChosen(int index) {
    tip().Count = static_cast<int16_t>(index);
    checkToneTipReferences(doc_);
    doc_.noteEdit();
}

void ToneTipsWindow::pauseChosen(int index) {
    tip().Pause = static_cast<int16_t>(index);
    doc_.noteEdit();
}

void ToneTipsWindow::pitchChosen(int step, int index) {
    tip().Steps[static_cast<std::size_t>(step)].Pitch =
        static_cast<int16_t>(pitchOfOfferedIndex(index));
    graph_->update();
    doc_.noteEdit();
}

void ToneTipsWindow::lengthChosen(int step, int index) {
    tip().Steps[static_cast<std::size_t>(step)].Duration = static_cast<int16_t>(index);
    graph_->update();
    checkToneTipReferences(doc_);
    doc_.noteEdit();
}

void ToneTipsWindow::playPreview() {
    if (!canPreview(tip())) return;
    play_->setEnabled(false);
    player_->play(previewSounds(tip()));
}

void ToneTipsWindow::stopPreview() {
    player_->stop();
    play_->setEnabled(true);
}

void ToneTipsWindow::closeEvent(QCloseEvent* event) {
    player_->halt();
    event->accept();
}

}  // namespace zq61::gui
