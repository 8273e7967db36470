// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo through the real windows: every kind of edit undone gives
// back the saved file byte for byte and every open window shows the document
// again; one step per committed edit; the keys and the toolbar; a fresh
// history after New, Open, a band mode switch and a read.

#include <QTabBar>
#include <QtTest>
#include <functional>
#include <vector>

#include "channel_window_support.h"
#include "editors/channel_edit_window.h"
#include "editors/dtmf_code_box.h"
#include "editors/dtmf_window.h"
#include "editors/key_window.h"
#include "editors/options_window.h"
#include "editors/tone_preview_player.h"
#include "editors/tone_tips_window.h"
#include "model/document_copies.h"
#include "model/text_ids.h"
#include "radio_link_support.h"

using namespace zq61;
using namespace zq61::test;

namespace {

template <typename Window>
Window* openFromMenu(gui::MainWindow& main, const char* item, const char* name) {
    action(main, item)->trigger();
    return qobject_cast<Window*>(main.findWindow(name));
}

// The user's action is over: its edit is recorded.
void settle() {
    QCoreApplication::processEvents();
}

std::size_t undoSteps(gui::MainWindow& main) {
    return main.history().undoSteps();
}

// Undo and redo of the menu, toolbar and keys; true when they may act.
struct UndoControls {
    gui::MainWindow& main;
    void undo() { action(main, "mnuUndo")->trigger(); }
    void redo() { action(main, "mnuRedo")->trigger(); }
    QString enabled() {
        QString s;
        for (const char* name : {"mnuUndo", "Undo", "mnuRedo", "Redo"})
            s += action(main, name)->isEnabled() ? "1" : "0";
        return s;
    }
};

}  // namespace

class UndoRedoTest : public QObject {
    Q_OBJECT
  private slots:
    // With every editor window open: each edit is one step; undo gives back
    // the saved file byte for byte and every window shows the old value;
    // redo shows the edit again.
    void eachEditUndoesToTheSavedFileAndRedoes() {
        ChannelRun c;
        UndoControls controls{c.main};
        c.enter(1, gui::kGridColEdit);
        auto* edit = qobject_cast<gui::FrmCHInfoEdit*>(c.main.findWindow(gui::win::kChannelEdit));
        QVERIFY(edit);
        auto* options =
            openFromMenu<gui::FrmOptFeatures>(c.main, "mnuOptFeature", gui::win::kOptFeatures);
        auto* dtmf = openFromMenu<gui::DtmfWindow>(c.main, "MnuDTMF", gui::win::kDtmf);
        auto* tips = openFromMenu<gui::ToneTipsWindow>(c.main, "mnuToneTips", gui::win::kToneTips);
        auto* keys = openFromMenu<gui::KeyWindow>(c.main, "MnuKey", gui::win::kKeys);
        QVERIFY(options && dtmf && tips && keys);
        tips->player()->setSilent(true);
        tips->tabs()->setCurrentIndex(2);
        dtmf->tabs()->setCurrentIndex(1);
        QCOMPARE(controls.enabled(), QString("0000"));

        struct Case {
            const char* name;
            std::function<void()> edit;
            std::function<QString()> shown;  // in every window that shows it
        };
        auto* editFrequency = edit->findChild<QLineEdit*>("Text1");
        auto* editScan = edit->findChild<QComboBox*>("Combo2_3");
        const std::vector<Case> cases = {
            {"grid frequency",
             [&] {
                 c.enter(1, gui::kGridColFrequency);
                 QTest::keyClicks(c.text1(), "29.1");
                 QTest::keyClick(c.text1(), Qt::Key_Return);
             },
             [&] { return c.cell(1, gui::kGridColFrequency) + "|" + editFrequency->text(); }},
            {"channel edit selector", [&] { stepByKeyboard(editScan); },
             [&] { return editScan->currentText() + "|" + c.cell(1, gui::kGridColScan); }},
            {"option", [&] { stepByKeyboard(options->findChild<QComboBox*>("Combo1_5")); },
             [&] { return options->findChild<QComboBox*>("Combo1_5")->currentText(); }},
            {"dtmf code", [&] { typeAndLeave(c.main, dtmf->codeBox(2), "1A9"); },
             [&] { return dtmf->codeBox(2)->text(); }},
            {"tone tip", [&] { stepByKeyboard(tips->pitchList(0)); },
             [&] { return tips->pitchList(0)->currentText(); }},
            {"key", [&] { stepByKeyboard(keys->functionList(1, 2)); },
             [&] { return keys->functionList(1, 2)->currentText(); }},
        };

        QTemporaryDir temp;
        int n = 0;
        for (const Case& k : cases) {
            const QString name = k.name;
            const QString before = temp.filePath(QString("before%1.dat").arg(++n));
            const QString after = temp.filePath(QString("after%1.dat").arg(n));
            c.r.dialogs.saveAnswers = {before};
            QVERIFY2(c.main.saveAs(), qPrintable(name));
            const std::size_t steps = undoSteps(c.main);
            const QString old = k.shown();

            k.edit();
            settle();
            const QString edited = k.shown();
            QVERIFY2(edited != old, qPrintable(name));
            QVERIFY2(isChanged(c.doc()), qPrintable(name));
            QCOMPARE(undoSteps(c.main), steps + 1);
            QCOMPARE(controls.enabled(), QString("1100"));

            controls.undo();
            QCOMPARE(k.shown(), old);
            QVERIFY2(!isChanged(c.doc()), qPrintable(name));
            QCOMPARE(controls.enabled(), steps > 0 ? QString("1111") : QString("0011"));
            c.r.dialogs.saveAnswers = {after};
            QVERIFY2(c.main.saveAs(), qPrintable(name));
            QVERIFY2(fileBytes(after) == fileBytes(before), qPrintable(name));

            controls.redo();
            QCOMPARE(k.shown(), edited);
            QVERIFY2(isChanged(c.doc()), qPrintable(name));
            QCOMPARE(undoSteps(c.main), steps + 1);
        }
        QVERIFY(c.r.prompter.shown.empty());
    }

    // A choice that stores several values (an emergency channel that forces
    // FM) is one step, undone as a whole; moving through the grid and
    // opening a cell editor without changing it make none; switching the
    // shown group makes one.
    void oneStepPerEditNoneForMovingAround() {
        ChannelRun c;
        constexpr int kDE = 6;
        c.setBand(0);
        const int start = GroupStart(kDE, 0);
        c.add(start + 1, "27.1");
        c.add(start + 41, "27.1");
        c.doc().WorkData.Options.EmgModulation1[kDE] = 1;
        c.reopen();
        c.showGroup(kDE);
        c.main.startFreshHistory();
        QCOMPARE(c.child("ComboEmgModulation1")->currentText(), QString("AM"));

        c.goTo(2, gui::kGridColScan);
        c.goTo(41, gui::kGridColTsq);
        c.enter(41, gui::kGridColTsq);
        QTest::keyClick(c.child("Combo3"), Qt::Key_Escape);
        settle();
        QCOMPARE(undoSteps(c.main), std::size_t{0});

        QComboBox* emergency = c.child("ComboEmgCh1");
        emergency->setCurrentIndex(emergency->findText("41"));
        settle();
        QCOMPARE(c.child("ComboEmgModulation1")->currentText(), QString("FM"));
        QCOMPARE(undoSteps(c.main), std::size_t{1});

        UndoControls{c.main}.undo();
        QCOMPARE(c.doc().WorkData.Options.GroupCh2[kDE], 0);
        QCOMPARE(c.doc().WorkData.Options.EmgModulation1[kDE], 1);
        QCOMPARE(emergency->currentText(), QString("1"));
        QCOMPARE(c.child("ComboEmgModulation1")->currentText(), QString("AM"));
        QVERIFY(!c.main.history().canUndo());

        // Switching the shown group is a step: it is stored with the document.
        c.showGroup(0);
        settle();
        QCOMPARE(undoSteps(c.main), std::size_t{1});
        UndoControls{c.main}.undo();
        QCOMPARE(c.win().shownGroup(), kDE);
    }

    // Ctrl+Z undoes and Ctrl+Y or Ctrl+Shift+Z redo; in a text box with
    // typing of its own, Ctrl+Z first undoes that typing; an open cell
    // editor's text is stored before the toolbar's Undo takes it back.
    void keysAndToolbarUndoAndRedo() {
        ChannelRun c;
        c.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c.main));
        const QString old = c.cell(1, gui::kGridColScan);
        c.enter(1, gui::kGridColScan);
        QComboBox* scan = c.child("Combo4");
        QTest::keyClick(scan, scan->currentIndex() + 1 < scan->count() ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(scan, Qt::Key_Return);
        settle();
        const QString edited = c.cell(1, gui::kGridColScan);
        QVERIFY(edited != old);

        QTest::keyClick(c.grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c.cell(1, gui::kGridColScan), old);
        QTest::keyClick(c.grid(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(c.cell(1, gui::kGridColScan), edited);
        QTest::keyClick(c.grid(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(c.grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(c.cell(1, gui::kGridColScan), edited);

        // Typed into a grid cell and not yet stored: the toolbar's Undo
        // takes the typing back, Redo brings it.
        const QString frequency = c.cell(1, gui::kGridColFrequency);
        c.enter(1, gui::kGridColFrequency);
        QTest::keyClicks(c.text1(), "29.2");
        action(c.main, "Undo")->trigger();
        QCOMPARE(c.openEditor(), QString());
        QCOMPARE(c.cell(1, gui::kGridColFrequency), frequency);
        action(c.main, "Redo")->trigger();
        QCOMPARE(c.cell(1, gui::kGridColFrequency), QString("29.20000"));
        QCOMPARE(c.cell(1, gui::kGridColScan), edited);

        // The options window's offset box: typing, then Ctrl+Z twice.
        auto* options =
            openFromMenu<gui::FrmOptFeatures>(c.main, "mnuOptFeature", gui::win::kOptFeatures);
        QVERIFY(options);
        auto* offset = options->findChild<QLineEdit*>("Text2");
        const int16_t storedOffset = c.doc().WorkData.FeatChannel.OffSetFre;
        offset->setFocus(Qt::TabFocusReason);
        offset->end(false);
        QTest::keyClick(offset, Qt::Key_5);
        QVERIFY(c.doc().WorkData.FeatChannel.OffSetFre != storedOffset);
        QTest::keyClick(offset, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c.doc().WorkData.FeatChannel.OffSetFre, storedOffset);
        QCOMPARE(c.cell(1, gui::kGridColFrequency), QString("29.20000"));
        QCOMPARE(undoSteps(c.main), std::size_t{2});
        QTest::keyClick(offset, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c.cell(1, gui::kGridColFrequency), frequency);
        QCOMPARE(offset->text(), QString::number(storedOffset));
    }

    // Undoing back to the saved state leaves nothing to save: New asks no
    // save question.
    void undoToTheSavedStateLeavesNothingToSave() {
        ChannelRun c;
        auto* keys = openFromMenu<gui::KeyWindow>(c.main, "MnuKey", gui::win::kKeys);
        QTemporaryDir temp;
        c.r.dialogs.saveAnswers = {temp.filePath("saved.dat")};
        QVERIFY(c.main.saveAs());
        stepByKeyboard(keys->modeList());
        settle();
        QVERIFY(isChanged(c.doc()));
        UndoControls{c.main}.undo();
        c.r.prompter.answers = {PromptAnswer::Cancel};
        c.main.newFromMenu();
        QVERIFY(!c.r.prompter.showed(txt::kSaveChanges));
        QVERIFY(c.r.prompter.showed(txt::kConfirmNew));
    }

    // New, Open and a band mode switch start a fresh history.
    void newOpenAndBandSwitchStartAFreshHistory() {
        ChannelRun c;
        UndoControls controls{c.main};
        QTemporaryDir temp;
        const QString file = temp.filePath("kept.dat");
        c.r.dialogs.saveAnswers = {file};
        QVERIFY(c.main.saveAs());
        auto editKey = [&] {
            auto* keys = openFromMenu<gui::KeyWindow>(c.main, "MnuKey", gui::win::kKeys);
            QVERIFY(keys);
            stepByKeyboard(keys->functionList(0, 0));
            settle();
            QVERIFY(c.main.history().canUndo());
        };
        const std::vector<std::pair<const char*, std::function<void()>>> replacements = {
            {"New",
             [&] {
                 c.r.prompter.answers = {PromptAnswer::No, PromptAnswer::Ok};
                 c.main.newFromMenu();
             }},
            {"Open", [&] { c.main.openFile(file); }},
            {"band mode switch", [&] { c.main.LoadNewDoc(); }},
        };
        for (const auto& [name, replace] : replacements) {
            editKey();
            replace();
            QVERIFY2(!c.main.history().canUndo(), name);
            c.r.waitForNewDocument();
            settle();
            QVERIFY2(!c.main.history().canUndo() && !c.main.history().canRedo(), name);
            QCOMPARE(controls.enabled(), QString("0000"));
            const RadioData data = c.doc().WorkData;
            controls.undo();
            QVERIFY2(c.doc().WorkData == data, name);
        }
    }

    // A read from the virtual radio replaces the document: nothing from
    // before it can be undone.
    void readStartsAFreshHistory() {
        LinkRun run;
        gui::MainWindow& main = run.gui.main();
        Document& doc = run.gui.doc();
        const MemoryBytes image = radioImage(doc);
        SimRadio radio({}, bytesOf(image));
        run.usePort(radio.port());
        auto* keys = openFromMenu<gui::KeyWindow>(main, "MnuKey", gui::win::kKeys);
        QVERIFY(keys);
        stepByKeyboard(keys->functionList(2, 5));
        settle();
        QVERIFY(main.history().canUndo());

        run.command("mnuReadFromRadio");
        run.waitIdle();
        QVERIFY(run.gui.prompter.showed(txt::kReadDone));
        settle();
        QVERIFY(!main.history().canUndo());
        QCOMPARE(packed(doc), bytesOf(image));
        UndoControls{main}.undo();
        QCOMPARE(packed(doc), bytesOf(image));
    }
};

ZQ61_GUI_TEST(UndoRedoTest)
#include "undo_redo_test.moc"
