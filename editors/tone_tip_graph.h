// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The picture area of the tone tips window: the shown tip as a bar graph,
// one bar per used step, as wide as its share of the melody and as high as
// its pitch; odd steps red, even steps blue. Drawn anew on every paint.

#include <QWidget>
#include <vector>

#include "model/tone_tips.h"

namespace zq61::gui {

class ToneTipGraph : public QWidget {
    Q_OBJECT
  public:
    explicit ToneTipGraph(QWidget* parent = nullptr);

    // The tip to draw (nullptr: nothing); repaints.
    void showTip(const ToneTip* tip);
    // The bars at the current size, in twips of the picture area.
    std::vector<ToneBar> bars() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ToneTip* tip_ = nullptr;
};

}  // namespace zq61::gui
