// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tone_tip_graph.h"

#include <QPainter>

#include "app/twips.h"

namespace zq61::gui {

namespace {

const QColor kOddStep(255, 0, 0);
const QColor kEvenStep(0, 0, 255);

}  // namespace

ToneTipGraph::ToneTipGraph(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture1");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumHeight(twipsToPixels(1200, this));
}

void ToneTipGraph::showTip(const ToneTip* tip) {
    tip_ = tip;
    update();
}

std::vector<ToneBar> ToneTipGraph::bars() const {
    if (!tip_) return {};
    return toneTipBars(*tip_, pixelsToTwips(width(), this), pixelsToTwips(height(), this));
}

QSize ToneTipGraph::sizeHint() const {
    return {twipsToPixels(4000, this), twipsToPixels(1500, this)};
}

void ToneTipGraph::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const double scale = 1.0 / twipsPerPixel(this);
    painter.scale(scale, scale);
    for (const ToneBar& bar : bars())
        painter.fillRect(QRectF(bar.left, bar.top, bar.width, bar.height),
                         bar.red ? kOddStep : kEvenStep);
}

}  // namespace zq61::gui
