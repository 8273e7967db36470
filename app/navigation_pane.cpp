// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navigation_pane.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

#include "app/twips.h"
#include "model/text_ids.h"
#include "model/texts.h"

namespace zq61::gui {

namespace {

constexpr double kDesignWidth = 3300;
constexpr double kStripWidth = 90;
constexpr double kHeaderHeight = 420;
constexpr double kToolbarWidth = 420;
constexpr double kLabelLeft = 60;
constexpr double kDesignHeight = 6000;

}  // namespace

NavigationPane::NavigationPane(QWidget* parent)
    : QWidget(parent),
      frame_(new QFrame(this)),
      label_(new QLabel(frame_)),
      toolbar_(new QToolBar(frame_)),
      tree_(new QTreeWidget(frame_)),
      strip_(new QWidget(this)),
      paneWidth_(kDesignWidth),
      frameHeight_(kDesignHeight + 200),
      treeHeight_(kDesignHeight),
      stripHeight_(kDesignHeight + 200),
      toolbarLeft_(kDesignWidth - kStripWidth - kToolbarWidth) {
    setObjectName("Picture1");
    frame_->setObjectName("Frame1");
    frame_->setFrameShape(QFrame::NoFrame);
    label_->setObjectName("Label1");
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setIconSize(QSize(12, 12));
    QAction* close = toolbar_->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), {});
    close->setObjectName("TB_CLOSE");
    connect(close, &QAction::triggered, this, &NavigationPane::closeRequested);
    tree_->setObjectName("TreeView1");
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        emit nodeClicked(item->data(0, Qt::UserRole).toString());
    });
    // From the keyboard: Enter or Space on a node acts as a click on it.
    tree_->installEventFilter(this);
    strip_->setObjectName("CommandMove");
    strip_->setCursor(Qt::SizeHorCursor);
    strip_->installEventFilter(this);
    applyGeometry();
}

QTreeWidgetItem* NavigationPane::addNode(QTreeWidgetItem* parent, const QString& key,
                                         const QString& text) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, text);
    item->setData(0, Qt::UserRole, key);
    item->setIcon(0, style()->standardIcon(parent ? QStyle::SP_FileDialogDetailedView
                                                  : QStyle::SP_ComputerIcon));
    return item;
}

void NavigationPane::LoadTree(const QString& rootText, const Texts& texts) {
    tree_->clear();
    QTreeWidgetItem* root = addNode(nullptr, "N0", rootText);
    root->setExpanded(true);
    const struct {
        const char* key;
        int textId;
    } nodes[] = {{"N1", txt::kNodeChannels}, {"N2", txt::kNodeOptFeatures},
                 {"N4", txt::kNodeDtmf},     {"N12", txt::kNodeToneTips},
                 {"N8", txt::kNodeKeys},     {"N7", txt::kNodeRadioInfo}};
    for (const auto& node : nodes)
        addNode(root, node.key, QString::fromStdString(texts.text(node.textId)));
}

void NavigationPane::setModelLabel(const QString& text) {
    label_->setText(text);
    if (tree_->topLevelItemCount() > 0) tree_->topLevelItem(0)->setText(0, text);
}

void NavigationPane::layoutHeights(double h) {
    if (h <= kMinLayoutHeightTwips) return;
    frameHeight_ = h + 200;
    // The tree starts below the label row; it ends at the pane's bottom edge
    // so that its scroll bar stays in view.
    treeHeight_ = h - kHeaderHeight;
    stripHeight_ = h + 200;
    applyGeometry();
}

void NavigationPane::splitterDown() {
    dragging_ = true;
}

void NavigationPane::splitterUp() {
    dragging_ = false;
}

void NavigationPane::splitterMove(int xPixels) {
    if (!dragging_) return;
    const double x = pixelsToTwips(xPixels, this);
    const double w = paneWidth_ + x;
    const double innerWidth = parentWidget() ? pixelsToTwips(parentWidget()->width(), this) : w;
    if (w < kMinWidthTwips || w > innerWidth) return;
    paneWidth_ += x;
    toolbarLeft_ += x;
    applyGeometry();
}

void NavigationPane::applyGeometry() {
    const double frameWidth = paneWidth_ - kStripWidth;
    auto px = [this](double twips) { return twipsToPixels(twips, this); };
    setFixedWidth(px(paneWidth_));
    frame_->setGeometry(0, 0, px(frameWidth), px(frameHeight_));
    label_->setGeometry(px(kLabelLeft), 0, std::max(0, px(toolbarLeft_ - kLabelLeft)),
                        px(kHeaderHeight));
    toolbar_->setGeometry(px(toolbarLeft_), 0, px(kToolbarWidth), px(kHeaderHeight));
    tree_->setGeometry(0, px(kHeaderHeight), px(frameWidth), px(treeHeight_));
    strip_->setGeometry(px(frameWidth), 0, px(kStripWidth), px(stripHeight_));
}

void NavigationPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutHeights(pixelsToTwips(height(), this));
}

bool NavigationPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tree_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QTreeWidgetItem* node = tree_->currentItem();
        if (node && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
            emit nodeClicked(node->data(0, Qt::UserRole).toString());
            return true;
        }
    }
    if (watched == strip_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) splitterDown();
                return true;
            case QEvent::MouseMove:
                splitterMove(static_cast<int>(static_cast<QMouseEvent*>(event)->position().x()));
                return true;
            case QEvent::MouseButtonRelease:
                splitterUp();
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zq61::gui
