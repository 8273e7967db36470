// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus, toolbar, status bar and caption in both
// languages, and the items that are never shown.

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include "app/navigation_pane.h"
#include "gui_test_support.h"
#include "model/bands.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;

namespace {

struct Item {
    const char* name;
    int textId;
    const char* shortcut = "";
};

// clang-format off
// Every visible menu entry with its caption and shortcut.
const Item kVisibleMenuItems[] = {
    {"mnuFile", txt::kMenuFile}, {"mnuFileNew", txt::kMenuFileNew, "Ctrl+N"},
    {"mnuFileOpen", txt::kMenuFileOpen, "Ctrl+O"}, {"mnuFileSave", txt::kMenuFileSave},
    {"mnuFileSaveAs", txt::kMenuFileSaveAs}, {"mnuFileExit", txt::kMenuFileExit},
    {"mnuModel", txt::kMenuModel}, {"mnuModelInfo", txt::kMenuModelInfo},
    {"mnuEdit", txt::kMenuEdit}, {"mnuUndo", txt::kMenuUndo, "Ctrl+Z"},
    {"mnuRedo", txt::kMenuRedo, "Ctrl+Y"}, {"mnuChannelInfo", txt::kMenuChannelInfo},
    {"mnuOptFeature", txt::kMenuOptFeature}, {"mnuToneTips", txt::kMenuToneTips},
    {"MnuDTMF", txt::kMenuDtmf}, {"MnuKey", txt::kMenuKey}, {"MnuLocalInfo", txt::kMenuLocalInfo},
    {"mnuProgram", txt::kMenuProgram}, {"mnuReadFromRadio", txt::kMenuReadFromRadio, "Ctrl+R"},
    {"mnuWriteToRadio", txt::kMenuWriteToRadio, "Ctrl+W"},
    {"MnuProPassWord", txt::kMenuProPassWord, "Ctrl+P"}, {"mnuSet", txt::kMenuSet},
    {"mnuComm", txt::kMenuComm}, {"mnuLanguage", txt::kMenuLanguage}, {"MnuInit", txt::kMenuInit},
    {"mnuView", txt::kMenuView}, {"mnuTreeView", txt::kMenuTreeView},
    {"mnuViewToolbar", txt::kMenuViewToolbar}, {"mnuViewStatusBar", txt::kMenuViewStatusBar},
    {"mnuWindow", txt::kMenuWindow}, {"mnuWindowCascade", txt::kMenuWindowCascade},
    {"mnuCloseAll", txt::kMenuCloseAll}, {"mnuHelp", txt::kMenuHelp},
    {"mnuHelpAbout", txt::kMenuHelpAbout}};

const char* const kHiddenMenuItems[] = {
    "mnuFileEOpen", "mnuFilePrint", "MnuCHEdit", "MnuCHCut", "MnuCHCopy", "MnuCHPaste",
    "MnuCHInsert", "MnuCHDelete", "MnuCHMoveUp", "MnuCHMoveDown", "mnuGroupName", "mnuResetInit",
    "MnuRadioFre", "MnuScan", "MnuAlert", "MnuTestFre", "mnuEmbeddedMsg", "MnuCHHabits",
    "mnuWindowTileHorizontal", "mnuWindowTileVertical", "mnuWindowArrangeIcons", "mnuHelpTopic"};

// The toolbar by position; separators have no name.
const Item kToolbar[] = {
    {"NewFile", txt::kToolNewFile}, {"OpenFile", txt::kToolOpenFile},
    {"SaveFile", txt::kToolSaveFile}, {"", 0}, {"Undo", txt::kToolUndo},
    {"Redo", txt::kToolRedo}, {"", 0}, {"Print", txt::kToolPrint}, {"", 0},
    {"ReadRadio", txt::kToolReadRadio}, {"CommSet", txt::kToolCommSet},
    {"WriteRadio", txt::kToolWriteRadio}, {"", 0}, {"BtnCHCut", txt::kToolChCut},
    {"BtnCHCopy", txt::kToolChCopy}, {"BtnCHPaste", txt::kToolChPaste}, {"", 0},
    {"BtnCHInsert", txt::kToolChInsert}, {"BtnCHDelete", txt::kToolChDelete},
    {"BtnCHMoveUp", txt::kToolChMoveUp}, {"BtnCHMoveDown", txt::kToolChMoveDown}, {"", 0},
    {"About", txt::kToolAbout}};
// clang-format on

// Counts the key presses a widget receives, modifier keys aside.
struct KeyCounter : QObject {
    int keys = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt) ++keys;
        }
        return false;
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void captionsFromTheLanguageFile_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("Chinese") << 2;
    }
    void captionsFromTheLanguageFile() {
        QFETCH(int, language);
        GuiRun r(setupIni(language, 7));
        gui::MainWindow& main = r.start();
        main.activated();
        auto text = [&](int id) { return r.ctx().text(id); };

        for (const Item& item : kVisibleMenuItems) {
            QAction* a = action(main, item.name);
            QVERIFY2(a, item.name);
            QVERIFY2(a->isVisible(), item.name);
            QVERIFY2(!text(item.textId).isEmpty(), item.name);
            QCOMPARE(a->text(), text(item.textId));
            QCOMPARE(a->shortcut(), QKeySequence(item.shortcut));
        }
        QCOMPARE(action(main, "mnuWindowTileHorizontal")->text(),
                 QString("Tile Windows &Horizontally"));

        const QList<QAction*> buttons = main.findChild<QToolBar*>("tbToolBar")->actions();
        QCOMPARE(buttons.size(), qsizetype(std::size(kToolbar)));
        for (int pos = 0; pos < buttons.size(); ++pos) {
            const Item& expected = kToolbar[pos];
            QCOMPARE(buttons[pos]->isSeparator(), expected.textId == 0);
            // Positions 14 to 22 are the channel-edit group, never shown.
            QCOMPARE(buttons[pos]->isVisible(), pos < 13 || pos == 22);
            if (expected.textId == 0) continue;
            QCOMPARE(buttons[pos]->objectName(), QString(expected.name));
            QVERIFY(!text(expected.textId).isEmpty());
            QCOMPARE(buttons[pos]->toolTip(), text(expected.textId));
        }

        // Status bar: port, model and band; the file filter of the dialogs.
        QCOMPARE(main.findChild<QLabel*>("sbStatusBarPanel3")->text(), text(txt::kPortPanel) + "7");
        QCOMPARE(main.findChild<QLabel*>("sbStatusBarPanel2")->text(),
                 QString("ZQ-61[HAM:28.000 - 29.700 MHz]"));
        QVERIFY(!main.findChild<QLabel*>("sbStatusBarPanel4")->text().isEmpty());
        QVERIFY(!main.findChild<QLabel*>("sbStatusBarPanel5")->text().isEmpty());
        main.open();  // cancelled
        QCOMPARE(r.dialogs.filters.back(), text(txt::kDataFileType) + " (*.dat)");
    }

    void hiddenItemsStayHiddenAndInert() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        main.show();
        r.changeDocument();
        for (const char* name : kHiddenMenuItems) {
            QAction* a = action(main, name);
            QVERIFY2(a, name);
            QVERIFY2(!a->isVisible(), name);
        }
        // Their shortcuts act on nothing and take no key from the windows: a
        // field in the channel window gets every one of them.
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto* field = new QWidget(main.findWindow("frmCommChInfo"));
        field->setFocusPolicy(Qt::StrongFocus);
        field->show();
        field->setFocus();
        KeyCounter received;
        field->installEventFilter(&received);
        const char* const keys[] = {"Ctrl+X", "Ctrl+C", "Ctrl+V", "Ctrl+I",
                                    "Ctrl+U", "Ctrl+D", "Del",    "Ctrl+H"};
        for (const char* k : keys)
            QTest::keySequence(field, QKeySequence(k));
        QCOMPARE(received.keys, int(std::size(keys)));
        QCOMPARE(main.openWindowNames(), QStringList{"frmCommChInfo"});
        QVERIFY(r.prompter.shown.empty());
        QCOMPARE(r.dialogs.openShown + r.dialogs.saveShown, 0);
    }

    void viewMenuAloneShowsAndHidesTheBars() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        // No menu of the menu bar or toolbar can hide the toolbar behind the
        // check mark's back.
        const std::unique_ptr<QMenu> popup(main.createPopupMenu());
        QVERIFY(!popup || popup->isEmpty());
        for (const char* name : {"mnuViewToolbar", "mnuViewStatusBar"}) {
            QAction* item = action(main, name);
            QWidget* bar = name == QString("mnuViewToolbar")
                               ? static_cast<QWidget*>(main.findChild<QToolBar*>("tbToolBar"))
                               : main.statusBar();
            for (bool shown : {false, true}) {
                item->trigger();
                QCOMPARE(item->isChecked(), shown);
                QCOMPARE(bar->isVisible(), shown);
            }
        }
    }

    void captionForEachBandMode_data() {
        QTest::addColumn<int>("bandMode");
        QTest::addColumn<QString>("band");
        QTest::newRow("CB") << 0 << "CB:Frequency";
        QTest::newRow("HF") << 1 << "HF:25.615 - 30.105 MHz";
        QTest::newRow("HAM") << 2 << "HAM:28.000 - 29.700 MHz";
    }
    void captionForEachBandMode() {
        QFETCH(int, bandMode);
        QFETCH(QString, band);
        GuiRun r;
        gui::MainWindow& main = r.start();
        r.doc().BandMode = static_cast<int16_t>(bandMode);
        r.doc().BandRangeText = bandRangeText(bandMode);
        r.doc().DataFileName = "/home/user/radios/club.dat";
        main.ApplyMainTexts();
        const QString title = r.ctx().text(txt::kAppTitle);
        QCOMPARE(main.windowTitle(), title + "[ZQ-61:" + band + "][" +
                                         r.ctx().text(txt::kCaptionFileLabel) + ":club.dat]");
        const QString label = "ZQ-61:" + band.section(':', 0, 0);
        QCOMPARE(main.findChild<QLabel*>("Label1")->text(), label);
        QCOMPARE(main.navigationPane()->tree()->topLevelItem(0)->text(0), label);
    }

    void radioCommandsGoToTheRadioLink() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        for (const char* name : {"mnuReadFromRadio", "ReadRadio", "mnuWriteToRadio", "WriteRadio",
                                 "MnuProPassWord", "mnuComm", "CommSet", "Print"})
            action(main, name)->trigger();
        QCOMPARE(r.radio.reads, 2);
        QCOMPARE(r.radio.writes, 2);
        QCOMPARE(r.radio.passwords, 1);
        QCOMPARE(r.radio.ports, 2);
        // Without a radio link the commands say so in the status bar.
        r.ctx().radio = nullptr;
        action(main, "mnuReadFromRadio")->trigger();
        QVERIFY(!main.statusBar()->currentMessage().isEmpty());
        QVERIFY(r.prompter.shown.empty());
    }
};

ZQ61_GUI_TEST(MainWindowTest)
#include "main_window_test.moc"
