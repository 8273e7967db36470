// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tone tips window (FrmToneTips): the eight tone tips, one per tab, each
// with its repetitions, its pause and fourteen steps of pitch and length; a
// bar graph of the shown tip and a preview on the sound output. Every change
// goes into the working copy at once.

#include <QWidget>
#include <array>

#include "model/document_observer.h"

class QComboBox;
class QPushButton;
class QTabBar;

namespace zq61 {
class Document;
struct ToneTip;
}  // namespace zq61

namespace zq61::gui {

class TonePreviewPlayer;
class ToneTipGraph;

class ToneTipsWindow : public QWidget, public DocumentObserver {
    Q_OBJECT
  public:
    static constexpr int kSteps = 14;

    explicit ToneTipsWindow(Document& doc, QWidget* parent = nullptr);
    ~ToneTipsWindow() override;

    QTabBar* tabs() const { return tabs_; }
    QComboBox* countList() const { return count_; }
    QComboBox* pauseList() const { return pause_; }
    QComboBox* pitchList(int step) const { return pitch_[static_cast<std::size_t>(step)]; }
    QComboBox* lengthList(int step) const { return length_[static_cast<std::size_t>(step)]; }
    QPushButton* playButton() const { return play_; }
    QPushButton* stopButton() const { return stop_; }
    ToneTipGraph* graph() const { return graph_; }
    TonePreviewPlayer* player() const { return player_; }

    // Plays the shown tip when it has any length (the Play button).
    void playPreview();
    // Ends the preview after the current tone (the Stop button).
    void stopPreview();

  protected:
    void closeEvent(QCloseEvent* event) override;

    // After undo or redo: the shown tone tip again.
    void reShowAll() override { showTip(); }

  private:
    ToneTip& tip();
    void showTip();
    void tipChosen(int index);
    void countChosen(int index);
    void pauseChosen(int index);
    void pitchChosen(int step, int index);
    void lengthChosen(int step, int index);

    Document& doc_;
    int current_ = 1;
    QTabBar* tabs_ = nullptr;
    QComboBox* count_ = nullptr;
    QComboBox* pause_ = nullptr;
    std::array<QComboBox*, kSteps> pitch_{};
    std::array<QComboBox*, kSteps> length_{};
    ToneTipGraph* graph_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* stop_ = nullptr;
    TonePreviewPlayer* player_ = nullptr;
};

}  // namespace zq61::gui
