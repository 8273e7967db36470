// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The left pane of the main window: the model label, a close button and the
// tree of editor windows, widened or narrowed by dragging the strip at its
// right edge. Sizes are kept in twips.

#include <QString>
#include <QWidget>

class QAction;
class QFrame;
class QLabel;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace zq61 {
class Texts;
}

namespace zq61::gui {

class NavigationPane : public QWidget {
    Q_OBJECT
  public:
    // Narrowest pane the strip can be dragged to.
    static constexpr double kMinWidthTwips = 300;
    // Height of the pane below which a resize leaves the inner heights alone.
    static constexpr double kMinLayoutHeightTwips = 1000;

    explicit NavigationPane(QWidget* parent);

    // Rebuilds the tree: the root with `rootText`, then one node per editor
    // window with its text of the current language.
    void LoadTree(const QString& rootText, const Texts& texts);
    // The model label and the root node's text.
    void setModelLabel(const QString& text);

    // Heights of the frame, tree and strip for an inner height of `h` twips
    // (only when h exceeds 1000 twips).
    void layoutHeights(double h);

    // The strip: pressed, moved by `xPixels` within itself, released.
    void splitterDown();
    void splitterMove(int xPixels);
    void splitterUp();

    double widthTwips() const { return paneWidth_; }
    QTreeWidget* tree() const { return tree_; }

  signals:
    // A tree node was clicked: "N0", "N1", "N2", "N4", "N12", "N8" or "N7".
    void nodeClicked(const QString& key);
    // The pane's own close button.
    void closeRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyGeometry();
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& key, const QString& text);

    QFrame* frame_;
    QLabel* label_;
    QToolBar* toolbar_;
    QTreeWidget* tree_;
    QWidget* strip_;

    // Geometry in twips.
    double paneWidth_;
    double frameHeight_;
    double treeHeight_;
    double stripHeight_;
    double toolbarLeft_;
    bool dragging_ = false;
};

}  // namespace zq61::gui
