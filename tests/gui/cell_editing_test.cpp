// SPDX-License-Identifier: GPL-3.0-or-later
// Editing one grid cell in place: which cells open an editor, what the
// editors let through, and what reaches the document (and when).

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QtTest>

#include "channel_window_support.h"
#include "editors/cell_editors.h"
#include "model/dat_file.h"
#include "model/dat_layout.h"
#include "model/document_copies.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;

namespace {

void typeKey(QWidget* w, Qt::Key key, const QString& text,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(w, &press);
}

int16_t readInt(const QByteArray& bytes, std::size_t offset) {
    const auto lo = static_cast<uint8_t>(bytes[static_cast<qsizetype>(offset)]);
    const auto hi = static_cast<uint8_t>(bytes[static_cast<qsizetype>(offset + 1)]);
    return static_cast<int16_t>(lo | hi << 8);
}

}  // namespace

class CellEditingTest : public QObject {
    Q_OBJECT
  private slots:
    void keyFilterLetsThroughOnlyNumbers_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("frequency");
        QTest::addColumn<bool>("whole");
        const int none = Qt::NoModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << "7" << none << true << true;
        QTest::newRow("point") << int(Qt::Key_Period) << "." << none << true << false;
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << none << false << false;
        QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << none << false << false;
        QTest::newRow("blank") << int(Qt::Key_Space) << " " << none << false << false;
        QTest::newRow("above 127")
            << int(Qt::Key_unknown) << QString(QChar(0xE9)) << none << false << false;
        QTest::newRow("ctrl+x") << int(Qt::Key_X) << "\x18" << ctrl << false << false;
        QTest::newRow("ctrl+c") << int(Qt::Key_C) << "\x03" << ctrl << false << false;
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << "\x16" << ctrl << false << false;
        QTest::newRow("ctrl+v, no text") << int(Qt::Key_V) << "" << ctrl << false << false;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << none << true << true;
        QTest::newRow("code 127") << int(Qt::Key_Delete) << "\x7f" << none << true << true;
        QTest::newRow("arrow") << int(Qt::Key_Left) << "" << none << true << true;
    }
    void keyFilterLetsThroughOnlyNumbers() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(bool, frequency);
        QFETCH(bool, whole);
        const QKeyEvent e(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(gui::numericKeyPasses(e, gui::NumericKind::Frequency), frequency);
        QCOMPARE(gui::numericKeyPasses(e, gui::NumericKind::Whole), whole);
    }

    void lettersAndPastingNeverReachTheEditors() {
        ChannelRun c;
        c.enter(5, 1);
        QCOMPARE(c.openEditor(), QString("Text1"));
        QTest::keyClicks(c.text1(), "a2b.c9");
        typeKey(c.text1(), Qt::Key_unknown, QString(QChar(0xE9)));
        QCOMPARE(c.text1()->text(), QString("2.9"));
        QApplication::clipboard()->setText("28abc");
        QTest::keyClick(c.text1(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(c.text1(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(c.text1()->text(), QString("2.9"));
        QTest::keyClick(c.text1(), Qt::Key_Backspace);
        QCOMPARE(c.text1()->text(), QString("2."));
        QTest::keyClick(c.text1(), Qt::Key_Escape);  // drops the text
        QVERIFY(!c.exists(5));

        c.record(1).Public = 0;
        c.win().reShowGrid(1);
        c.enter(1, 4);
        QCOMPARE(c.openEditor(), QString("Text2"));
        QTest::keyClicks(c.text2(), "1.5x");
        QCOMPARE(c.text2()->text(), QString("15"));
    }

    void typedFrequencyCreatesTheChannel_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("digit on the cell") << "digit";
        QTest::newRow("Enter, then typing") << "enter";
        QTest::newRow("double click, then typing") << "click";
    }
    void typedFrequencyCreatesTheChannel() {
        QFETCH(QString, how);
        ChannelRun c;
        QVERIFY(!c.exists(5));
        c.goTo(5, 1);
        if (how == "digit") {
            QTest::keyClick(c.grid(), Qt::Key_2);
            QCOMPARE(c.text1()->text(), QString("2"));
            QTest::keyClicks(c.text1(), "8.5");
        } else {
            if (how == "enter") {
                QTest::keyClick(c.grid(), Qt::Key_Return);
            } else {
                const QRect cell = c.grid()->visualItemRect(c.grid()->item(4, 1));
                QTest::mouseDClick(c.grid()->viewport(), Qt::LeftButton, {}, cell.center());
            }
            QCOMPARE(c.openEditor(), QString("Text1"));
            QTest::keyClicks(c.text1(), "28.5");
        }
        QVERIFY(!c.exists(5));  // nothing is stored while typing
        QTest::keyClick(c.text1(), Qt::Key_Return);

        QCOMPARE(c.openEditor(), QString());
        const ChannelRecord& ch = c.record(5);
        QCOMPARE(ch.Frequency.view(), std::string_view("02850000"));
        QCOMPARE(ch.OffSetFre, 100);
        QCOMPARE(ch.Public, 1);
        QCOMPARE(ch.Scan, 1);
        QCOMPARE((QStringList{c.cell(5, 1), c.cell(5, 2), c.cell(5, 6)}),
                 (QStringList{"28.50000", "On", "Add"}));
        QVERIFY(c.r.prompter.shown.empty());
    }

    void editsGoToTheShownGroup() {
        ChannelRun c;
        c.showGroup(1);
        c.win().EditGroup = 4;  // left by another window
        c.enter(2, 1);
        QTest::keyClicks(c.text1(), "28.2");
        QTest::keyClick(c.text1(), Qt::Key_Return);
        QVERIFY(c.exists(42));
        QVERIFY(!c.exists(162));
    }

    void unchangedEnterStoresNothing() {
        ChannelRun c;
        // Above the HAM band: storing it again would move it to the edge.
        c.add(3, "30");
        c.win().reShowGrid(3);
        copyWorkToFile(c.doc());
        c.enter(3, 1);
        QCOMPARE(c.text1()->text(), QString("30.00000"));
        QTest::keyClick(c.text1(), Qt::Key_Return);
        QCOMPARE(c.record(3).Frequency.view(), std::string_view("03000000"));
        // Leaving the editor by a click elsewhere: nothing either.
        c.enter(3, 1);
        c.goTo(1, 2);
        QTest::mouseClick(c.grid()->viewport(), Qt::LeftButton, {},
                          c.grid()->visualItemRect(c.grid()->item(0, 2)).center());
        QCOMPARE(c.openEditor(), QString());
        QVERIFY(c.r.prompter.shown.empty());
        QVERIFY(!isChanged(c.doc()));
    }

    void cbFrequenciesCannotBeEntered() {
        ChannelRun c;
        c.setBand(0);
        c.add(1, "27.1");
        c.reopen();
        c.enter(1, 1);
        QCOMPARE(c.openEditor(), QString());
        const QRect cell = c.grid()->visualItemRect(c.grid()->item(0, 1));
        QTest::mouseDClick(c.grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(c.openEditor(), QString());
        QTest::keyClick(c.grid(), Qt::Key_5);
        QCOMPARE(c.openEditor(), QString());
        c.enter(2, 2);  // a slot without a channel
        QCOMPARE(c.openEditor(), QString());
        c.enter(1, 2);  // the channel's other fields can be edited
        QCOMPARE(c.openEditor(), QString("Combo1"));
        QCOMPARE(c.record(1).Frequency.view(), std::string_view("02710000"));
    }

    void publicChannelBlocksShiftAndOffset() {
        ChannelRun c;
        QCOMPARE(c.cell(1, 2), QString("On"));
        for (int column : {3, 4}) {
            c.enter(1, column);
            QCOMPARE(c.grid()->currentColumn(), column);
            QCOMPARE(c.openEditor(), QString());
        }
        // The keyboard never reaches the hidden columns.
        c.goTo(1, 2);
        QTest::keyClick(c.grid(), Qt::Key_Right);
        QCOMPARE(c.grid()->currentColumn(), 5);
        QTest::keyClick(c.grid(), Qt::Key_Left);
        QCOMPARE(c.grid()->currentColumn(), 2);

        c.enter(1, 2);
        c.child("Combo1")->setCurrentIndex(0);  // "Off"
        QCOMPARE(c.record(1).Public, 0);
        QTest::keyClick(c.child("Combo1"), Qt::Key_Return);
        c.enter(1, 4);
        QCOMPARE(c.openEditor(), QString("Text2"));
    }

    void offsetIsClampedToItsSteps_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("below") << "3" << 5;
        QTest::newRow("above") << "1234" << 1000;
        QTest::newRow("between steps") << "97" << 95;
        QTest::newRow("nothing") << "" << 5;
    }
    void offsetIsClampedToItsSteps() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        ChannelRun c;
        c.record(1).Public = 0;
        c.win().reShowGrid(1);
        c.enter(1, 4);
        QTest::keyClick(c.text2(), Qt::Key_Backspace);  // the whole text is selected
        QTest::keyClicks(c.text2(), typed);
        QTest::keyClick(c.text2(), Qt::Key_Return);
        QCOMPARE(c.record(1).OffSetFre, stored);
        QCOMPARE(c.cell(1, 4), QString::number(stored));
    }

    void choiceIsStoredAtOnceButNotItsOwnFirstSelection() {
        ChannelRun c;
        c.record(1).Scan = 5;  // shows "Del", the first item
        c.win().reShowGrid(1);
        c.enter(1, 6);
        QComboBox* combo = c.child("Combo4");
        QCOMPARE(c.openEditor(), QString("Combo4"));
        QCOMPARE(combo->currentText(), QString("Del"));
        QCOMPARE(c.record(1).Scan, 5);
        combo->setCurrentIndex(1);
        QCOMPARE(c.record(1).Scan, 1);
        QCOMPARE(c.cell(1, 6), QString("Add"));
        QCOMPARE(c.openEditor(), QString("Combo4"));
        QTest::keyClick(combo, Qt::Key_Up);  // the keyboard too
        QCOMPARE(c.record(1).Scan, 0);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(c.openEditor(), QString());

        // A slot without a channel: the choice goes nowhere.
        c.enter(9, 5);
        QCOMPARE(c.openEditor(), QString("Combo3"));
        c.child("Combo3")->setCurrentIndex(1);
        QVERIFY(!c.exists(9));
    }

    void tabCommitsAndMovesOn() {
        ChannelRun c;
        QVERIFY(QTest::qWaitForWindowActive(&c.main));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c.grid()));
        c.enter(5, 1);
        QTest::keyClicks(c.text1(), "28.5");
        QTest::keyClick(c.text1(), Qt::Key_Tab);
        QVERIFY(c.exists(5));
        QCOMPARE(c.openEditor(), QString());
        QCOMPARE(c.grid()->currentColumn(), 2);
        QTest::keyClick(c.grid(), Qt::Key_Return);
        QCOMPARE(c.openEditor(), QString("Combo1"));
        QTest::keyClick(c.child("Combo1"), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(c.grid()->currentColumn(), 1);
    }

    void focusElsewhereCommitsTheEdit_data() {
        QTest::addColumn<QString>("target");
        for (const char* name :
             {"ComboGroup", "ComboWorkCh", "ComboEmgModulation1", "CommandClose", "MSFlexGrid1"})
            QTest::newRow(name) << name;
    }
    void focusElsewhereCommitsTheEdit() {
        QFETCH(QString, target);
        ChannelRun c;
        QVERIFY(QTest::qWaitForWindowActive(&c.main));
        c.enter(6, 1);
        QTest::keyClicks(c.text1(), "28.6");
        QVERIFY(c.text1()->hasFocus());
        c.child<QWidget>(qPrintable(target))->setFocus(Qt::TabFocusReason);
        QVERIFY(c.exists(6));
        QCOMPARE(c.openEditor(), QString());
    }

    void editColumnAndButtonOpenTheChannelEditWindow() {
        ChannelRun c;
        c.enter(1, 7);
        QCOMPARE(c.win().EditRow, 1);
        QVERIFY(c.main.findWindow(gui::win::kChannelEdit));
        c.main.closeWindowsNamed(gui::win::kChannelEdit);
        c.enter(2, 1);
        QTest::keyClicks(c.text1(), "28.2");
        c.child<QPushButton>("CommandCHInfoEdit")->click();
        QVERIFY(c.exists(2));  // the typed text went in first
        QVERIFY(c.main.findWindow(gui::win::kChannelEdit));
    }

    void vfoIsNeverScanned() {
        ChannelRun c;
        c.showGroup(10);
        QCOMPARE(c.grid()->rowCount(), 1);
        c.enter(1, 6);
        QCOMPARE(c.openEditor(), QString());
        c.enter(1, 5);
        QCOMPARE(c.openEditor(), QString("Combo3"));
    }

    void pendingEditIsCommittedBeforeSaveAndGroupChange() {
        ChannelRun c;
        QTemporaryDir dir;
        c.enter(2, 1);
        QTest::keyClicks(c.text1(), "28.3");
        c.r.dialogs.saveAnswers = {dir.filePath("kept.dat")};
        action(c.main, "mnuFileSaveAs")->trigger();
        QVERIFY(c.exists(2));
        QCOMPARE(c.openEditor(), QString());
        QVERIFY(!isChanged(c.doc()));  // the file holds the typed channel

        c.enter(3, 1);
        QTest::keyClicks(c.text1(), "28.4");
        c.showGroup(1);
        QCOMPARE(c.record(3).Frequency.view(), std::string_view("02840000"));
        QVERIFY(!c.exists(43));

        c.showGroup(0);
        c.enter(4, 1);
        QTest::keyClicks(c.text1(), "28.6");
        c.r.prompter.answers = {PromptAnswer::Cancel};
        c.main.close();  // the question to save comes after the commit
        QVERIFY(c.exists(4));
        QVERIFY(!c.r.prompter.shown.empty());
        QCOMPARE(c.r.prompter.shown.back().text, c.r.ctx().texts.text(txt::kSaveChanges));
    }

    // A file made here, opened, edited through the grid and saved: the file
    // differs from the original in the edited fields only.
    void savedFileDiffersOnlyInTheEditedFields() {
        ChannelRun c;
        QTemporaryDir dir;
        const QString path = dir.filePath("radio.dat");
        c.doc().WorkData.ChannelCount = 0;
        c.add(1, "28.1").Public = 0;
        c.add(2, "28.2");
        QVERIFY(saveDocumentAs(c.doc(), path.toStdString()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        file.close();
        c.r.dialogs.openAnswers = {path};
        action(c.main, "mnuFileOpen")->trigger();
        QCOMPARE(c.doc().WorkData.ChannelCount, 2);

        c.enter(1, 4);  // offset of channel 1
        QTest::keyClicks(c.text2(), "55");
        QTest::keyClick(c.text2(), Qt::Key_Return);
        c.enter(2, 6);  // channel 2 leaves the scan
        c.child("Combo4")->setCurrentIndex(0);
        c.enter(5, 1);  // a new channel 5
        QTest::keyClicks(c.text1(), "28.5");
        QTest::keyClick(c.text1(), Qt::Key_Return);
        action(c.main, "mnuFileSave")->trigger();

        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QCOMPARE(saved.size(), original.size());
        const std::size_t rec0 = dat::kChannels, rec1 = rec0 + 60, rec2 = rec1 + 60;
        auto edited = [&](std::size_t i) {
            return (i >= dat::kChannelCount && i < dat::kChannelCount + 2) ||
                   (i >= rec0 + dat::kOffSetFre && i < rec0 + dat::kOffSetFre + 2) ||
                   (i >= rec1 + dat::kScan && i < rec1 + dat::kScan + 2) ||
                   (i >= rec2 && i < rec2 + 60);
        };
        for (qsizetype i = 0; i < saved.size(); ++i)
            if (saved[i] != original[i])
                QVERIFY2(edited(static_cast<std::size_t>(i)), qPrintable(QString::number(i)));
        QCOMPARE(readInt(saved, dat::kChannelCount), 3);
        QCOMPARE(readInt(saved, rec0 + dat::kOffSetFre), 55);
        QCOMPARE(readInt(saved, rec1 + dat::kScan), 0);
        QCOMPARE(readInt(saved, rec2 + dat::kChNo), 5);
        QCOMPARE(saved.mid(static_cast<qsizetype>(rec2 + dat::kFrequency), 8),
                 QByteArray("02850000"));
    }
};

ZQ61_GUI_TEST(CellEditingTest)
#include "cell_editing_test.moc"
