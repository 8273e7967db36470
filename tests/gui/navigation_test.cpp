// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation pane: its nodes open each editor window once, the radio
// information node restarts its transfer, the pane hides and shows again,
// and the strip at its edge keeps the pane between its limits.

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QtTest>

#include "app/navigation_pane.h"
#include "gui_test_support.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;

namespace {

QTreeWidgetItem* node(gui::MainWindow& main, const QString& key) {
    QTreeWidgetItem* root = main.navigationPane()->tree()->topLevelItem(0);
    if (root->data(0, Qt::UserRole).toString() == key) return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->data(0, Qt::UserRole).toString() == key) return root->child(i);
    return nullptr;
}

void click(gui::MainWindow& main, const QString& key) {
    QTreeWidget* tree = main.navigationPane()->tree();
    emit tree->itemClicked(node(main, key), 0);
}

// Presses the strip at its left edge and moves the mouse `dx` pixels.
void drag(QWidget* strip, int dx) {
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(0, 20));
    QMouseEvent move(QEvent::MouseMove, QPointF(dx, 20), strip->mapToGlobal(QPointF(dx, 20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(strip, &move);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(dx, 20));
}

}  // namespace

class NavigationTest : public QObject {
    Q_OBJECT
  private slots:
    void nodesOpenTheirWindowsOnce() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        main.show();
        auto active = [&] { return main.mdiArea()->activeSubWindow()->widget()->objectName(); };
        const std::pair<const char*, const char*> nodes[] = {{"N2", "FrmOptFeatures"},
                                                             {"N4", "FrmDTMF"},
                                                             {"N12", "FrmToneTips"},
                                                             {"N8", "FrmKey"},
                                                             {"N1", "frmCommChInfo"}};
        for (const auto& [key, window] : nodes) {
            click(main, key);
            click(main, key);
            QCOMPARE(main.openWindowNames().count(window), 1);
            QCOMPARE(active(), QString(window));
        }
        QCOMPARE(main.findWindow("FrmOptFeatures")->windowTitle(), r.ctx().text(txt::kOptCaption));
        // A window closed by the user opens again; the root opens nothing.
        main.mdiArea()->activeSubWindow()->close();
        click(main, "N1");
        QCOMPARE(active(), QString("frmCommChInfo"));
        click(main, "N0");
        QCOMPARE(main.openWindowNames().size(), 5);
        QCOMPARE(r.radio.infos, 0);
    }

    void radioInformationNodeClosesTheOpenWindowFirst() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        main.showWindowOnce("FrmRadioInfo");
        bool openDuringTransfer = true;
        r.radio.onInfo = [&] { openDuringTransfer = main.findWindow("FrmRadioInfo") != nullptr; };
        click(main, "N7");
        QVERIFY(r.radio.infos == 1 && !openDuringTransfer);
        action(main, "MnuLocalInfo")->trigger();
        QCOMPARE(r.radio.infos, 2);
    }

    void paneHidesAndShowsWithItsWidth() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        main.show();
        gui::NavigationPane* pane = main.navigationPane();
        drag(pane->findChild<QWidget*>("CommandMove"), 20);
        const int width = pane->width();
        QAction* treeView = action(main, "mnuTreeView");
        action(*pane, "TB_CLOSE")->trigger();
        QVERIFY(!pane->isVisible() && !treeView->isChecked());
        treeView->trigger();
        QVERIFY(pane->isVisible() && treeView->isChecked());
        QCOMPARE(pane->width(), width);
        treeView->trigger();
        QVERIFY(!pane->isVisible() && !treeView->isChecked());
    }

    void splitterKeepsThePaneWithinItsLimits() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        main.show();
        gui::NavigationPane* pane = main.navigationPane();
        QWidget* strip = pane->findChild<QWidget*>("CommandMove");
        const double start = pane->widthTwips();

        drag(strip, 30);  // 30 pixels = 450 twips at 96 dpi
        QCOMPARE(pane->widthTwips(), start + 450);
        QCOMPARE(strip->x(), pane->width() - strip->width());
        drag(strip, -30);
        QCOMPARE(pane->widthTwips(), start);

        // Narrower than 300 twips: refused; exactly 300: taken.
        const int toMin = static_cast<int>((300 - start) / 15);
        drag(strip, toMin - 1);
        QCOMPARE(pane->widthTwips(), start);
        drag(strip, toMin);
        QCOMPARE(pane->widthTwips(), 300.0);

        // Wider than the window's inner width: refused.
        const int inner = main.centralWidget()->width();
        drag(strip, inner - pane->width() + 1);
        QCOMPARE(pane->widthTwips(), 300.0);
        drag(strip, inner - pane->width());
        QCOMPARE(pane->width(), inner);

        // Without the button held down the strip moves nothing.
        QMouseEvent move(QEvent::MouseMove, QPointF(-40, 5), strip->mapToGlobal(QPointF(-40, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(strip, &move);
        QCOMPARE(pane->width(), inner);
    }

    void lowWindowKeepsThePaneHeights() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        main.show();
        gui::NavigationPane* pane = main.navigationPane();
        QTreeWidget* tree = pane->tree();
        pane->layoutHeights(7500);
        const int tall = tree->height();
        QCOMPARE(pane->findChild<QWidget*>("CommandMove")->height(), (7500 + 200) / 15);
        pane->layoutHeights(1000);
        QCOMPARE(tree->height(), tall);
        pane->layoutHeights(1015);
        QVERIFY(tree->height() < tall);
    }
};

ZQ61_GUI_TEST(NavigationTest)
#include "navigation_test.moc"
