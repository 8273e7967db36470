// SPDX-License-Identifier: GPL-3.0-or-later
// The channel edit window and its memory frequency dialog: what they show of
// a channel, which fields they let the user change, and what reaches the
// document and the grid.

#include <QPushButton>
#include <QtTest>

#include "channel_window_support.h"
#include "editors/channel_edit_window.h"
#include "editors/memory_frequency_dialog.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;

namespace {

struct EditRun : ChannelRun {
    // No tone tip usable; new channels are not public unless a test says so.
    EditRun() { doc().WorkData.ToneTips = {}; }
    ChannelRecord& add(int chNo, const char* mhz) {
        ChannelRecord& ch = ChannelRun::add(chNo, mhz);
        ch.Public = 0;
        return ch;
    }
    // Opens the channel edit window on channel `row` of `group` as the
    // grid's ">>" does.
    gui::FrmCHInfoEdit& open(int group = 0, int row = 1) {
        win().EditGroup = group;
        win().EditRow = row;
        if (group != win().shownGroup()) win().ChangeGroup();
        QWidget* w = main.showWindowOnce(gui::win::kChannelEdit);
        [&] { QVERIFY(w); }();
        return *qobject_cast<gui::FrmCHInfoEdit*>(w);
    }
    template <typename T = QComboBox>
    T* ed(const QString& name) {
        return main.findWindow(gui::win::kChannelEdit)->findChild<T*>(name);
    }
    QComboBox* field(int i) { return ed(QString("Combo2_%1").arg(i)); }
};

constexpr int kCb = 0, kHam = 2;
constexpr int kDe = 6, kCbMem = 8, kHamVfo = 10;

}  // namespace

class ChannelEditWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void fmOnlyChannelsAreForcedToFm_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("fixed");
        QTest::newRow("DE 40") << kDe << 40 << false;
        QTest::newRow("DE 41") << kDe << 41 << true;
        QTest::newRow("DE 80") << kDe << 80 << true;
        QTest::newRow("CE 1") << 1 << 1 << true;
        QTest::newRow("EU 1") << 0 << 1 << false;
    }
    void fmOnlyChannelsAreForcedToFm() {
        QFETCH(int, group);
        QFETCH(int, row);
        QFETCH(bool, fixed);
        EditRun c;
        c.setBand(kCb);
        c.add(GroupStart(group, kCb) + row, "27.005").AM_FM = 1;
        c.reopen();
        c.open(group, row);
        QCOMPARE(c.ed("Combo1")->currentText(), QString::number(row));
        QCOMPARE(c.field(8)->isEnabled(), !fixed);
        QCOMPARE(c.field(8)->currentText(), QString(fixed ? "FM" : "AM"));
        QCOMPARE(c.record(GroupStart(group, kCb) + row).AM_FM, fixed ? 0 : 1);
        // CB: no shift, power or offset; the frequency comes from the plan.
        for (int i : {1, 7, 9})
            QVERIFY(c.field(i)->isHidden());
        QVERIFY(c.ed<QLineEdit>("Text2")->isHidden());
        QVERIFY(!c.ed<QLineEdit>("Text1")->isEnabled());
    }

    void amShortensThePowerList() {
        EditRun c;
        c.add(1, "28.1").Tx_Power = 2;
        c.open();
        QCOMPARE(c.field(9)->count(), 3);
        c.field(8)->setCurrentIndex(1);
        QCOMPARE(c.record(1).AM_FM, 1);
        QCOMPARE(c.record(1).Tx_Power, 1);
        QCOMPARE(c.field(9)->count(), 2);
        QCOMPARE(c.field(9)->currentIndex(), 1);
        // A stored high power on AM (from a file) shows as the highest AM power
        // and is stored as that.
        c.record(1).Tx_Power = 2;
        c.main.SetGridEditData(true);
        QCOMPARE(c.field(9)->currentIndex(), 1);
        c.field(9)->setCurrentIndex(0);
        c.field(9)->setCurrentIndex(1);
        QCOMPARE(c.record(1).Tx_Power, 1);
    }

    void publicChannelsKeepOnlyTheirFrequencyTonesAndScan() {
        EditRun c;
        c.add(1, "28.1").Public = 0;
        auto& edit = c.open();
        for (int i = 0; i < gui::FrmCHInfoEdit::kFields; ++i)
            QVERIFY(c.field(i)->isEnabled());
        c.field(0)->setCurrentIndex(1);
        QCOMPARE(c.record(1).Public, 1);
        const QList<int> free{0, 2, 3, 14, 15};
        for (int i = 0; i < gui::FrmCHInfoEdit::kFields; ++i)
            QVERIFY2(c.field(i)->isEnabled() == free.contains(i), qPrintable(QString::number(i)));
        QVERIFY(!c.ed<QLineEdit>("Text2")->isEnabled());
        QVERIFY(c.ed<QLineEdit>("Text1")->isEnabled());
        // A slot without a channel: nothing but the frequency can be typed.
        c.ed("Combo1")->setCurrentIndex(1);
        QCOMPARE(edit.EditRow, 2);
        for (int i = 0; i < gui::FrmCHInfoEdit::kFields; ++i)
            QVERIFY(!c.field(i)->isEnabled());
        QVERIFY(c.ed<QLineEdit>("Text1")->text().isEmpty());
    }

    void groupChosenHereIsShownByTheGrid() {
        EditRun c;
        c.add(GroupStart(3, kHam) + 1, "28.3");
        c.open();
        QVERIFY(!c.field(3)->isHidden());
        c.ed("Combo4")->setCurrentIndex(3);
        QCOMPARE(c.win().shownGroup(), 3);
        QCOMPARE(c.doc().WorkData.Options.CurGroup, 3);
        QCOMPARE(c.ed<QLineEdit>("Text1")->text(), QString("28.30000"));
        // The VFO slot has no scan setting.
        c.ed("Combo4")->setCurrentIndex(kHamVfo);
        QCOMPARE(c.win().shownGroup(), kHamVfo);
        QVERIFY(c.field(3)->isHidden());
        // And the grid's group choice is followed here.
        c.child("ComboGroup")->setCurrentIndex(2);
        QCOMPARE(c.ed("Combo4")->currentIndex(), 2);
    }

    void opensFromTheGridOnTheRowOfItsEditCell() {
        EditRun c;
        c.add(3, "28.3");
        c.enter(3, 7);
        QVERIFY(c.main.findWindow(gui::win::kChannelEdit));
        QCOMPARE(c.ed("Combo1")->currentText(), QString("3"));
        QCOMPARE(c.ed<QLineEdit>("Text1")->text(), QString("28.30000"));
        QVERIFY(c.doc().ChannelEditOpen);
        // Open already: brought to the front, keeping its own channel.
        c.enter(5, 7);
        QCOMPARE(c.main.openWindowNames().count(gui::win::kChannelEdit), 1);
        QCOMPARE(c.ed("Combo1")->currentText(), QString("3"));
        c.main.closeWindowsNamed(gui::win::kChannelEdit);
        QVERIFY(!c.doc().ChannelEditOpen);
    }

    void gridEditsKeepTheirRowWhileTheEditWindowShowsAnother() {
        EditRun c;
        c.add(1, "28.1").Scan = 0;
        c.add(3, "28.3").Scan = 0;
        c.open(0, 3);
        // Each choice in the grid's open editor is stored at once and refreshes
        // the edit window; the edit window's channel must not take the grid's row.
        c.enter(1, 6);
        QCOMPARE(c.openEditor(), QString("Combo4"));
        c.child("Combo4")->setCurrentIndex(1);
        c.child("Combo4")->setCurrentIndex(0);
        c.child("Combo4")->setCurrentIndex(1);
        QCOMPARE(c.record(1).Scan, 1);
        QCOMPARE(c.record(3).Scan, 0);
        QCOMPARE(c.ed("Combo1")->currentText(), QString("3"));
    }

    void boxesStoreWhenLeft_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const struct {
            const char *name, *box, *typed, *shown;
        } rows[] = {
            {"offset", "Text2", "250", "250"},
            {"offset step", "Text2", "252", "250"},
            {"offset emptied", "Text2", "", "100"},
            {"offset letters", "Text2", "2x5.0", "250"},
            {"frequency", "Text1", "28.5", "28.50000"},
            {"frequency letters", "Text1", "2x8,.6", "28.60000"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString(r.box) << QString(r.typed) << QString(r.shown);
    }
    void boxesStoreWhenLeft() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        EditRun c;
        c.add(1, "28.1").OffSetFre = 100;
        c.open();
        typeAndLeave(c.main, c.ed<QLineEdit>(box), typed);
        QCOMPARE(c.ed<QLineEdit>(box)->text(), shown);
        const ChannelRecord& ch = c.record(1);
        if (box == "Text2") {
            QCOMPARE(QString::number(ch.OffSetFre), shown);
        } else {
            QCOMPARE(QString::fromStdString(storedToDisplay(ch.Frequency.view(), 28.0).text),
                     shown);
            QCOMPARE(c.cell(1, 1), shown);
        }
        QVERIFY(c.r.prompter.shown.empty());
    }

    void toneTipListOffersOnlyUsableTips() {
        EditRun c;
        c.add(1, "28.1").Public = 1;
        c.open();
        // A public channel cannot change its tone tip, but shows it.
        const QString noTip = c.r.ctx().text(txt::kToneTipNone);
        QCOMPARE(c.field(10)->count(), 1);
        QCOMPARE(c.field(10)->itemText(0), noTip);
        ToneTip& tip = c.doc().WorkData.ToneTips.Tips[4];
        tip.Count = 2;
        tip.Steps[3].Duration = 5;
        c.record(1).RBTone = 5;
        c.main.ShowRB();
        QCOMPARE(c.field(10)->count(), 2);
        QCOMPARE(c.field(10)->currentText(), QString("5"));
        c.field(0)->setCurrentIndex(0);
        QVERIFY(c.field(10)->isEnabled());
        c.field(10)->setCurrentIndex(0);
        QCOMPARE(c.record(1).RBTone, 0);
        c.field(10)->setCurrentIndex(1);
        QCOMPARE(c.record(1).RBTone, 5);
        QVERIFY(c.r.prompter.shown.empty());
    }

    void memoryChannelTakesTheFrequencyPickedInTheDialog() {
        EditRun c;
        c.setBand(kCb);
        c.add(5, "26.995");                            // EU 5
        c.add(GroupStart(kDe, kCb) + 60, "27.1");      // DE 60
        c.add(GroupStart(kCbMem, kCb) + 1, "26.995");  // MEM 1
        c.reopen();
        c.open(kCbMem, 1);
        auto* button = c.ed<QPushButton>("Command1");
        QVERIFY(!button->isHidden());
        int shown = 0;
        c.r.answerDialog = [&](QDialog& d) {
            ++shown;
            auto& m = static_cast<gui::Frm_Mem_Freq&>(d);
            // Starts at the channel nearest to the box's frequency.
            [&] {
                QCOMPARE(m.bandList()->currentText(), QString("EU"));
                QCOMPARE(m.channelList()->currentText(), QString("5"));
                m.bandList()->setCurrentText("DE");
                m.channelList()->setCurrentIndex(59);
            }();
            return int(QDialog::Accepted);
        };
        button->click();
        QCOMPARE(shown, 1);
        QCOMPARE(c.ed<QLineEdit>("Text1")->text(), QString("27.10000"));
        QCOMPARE(c.cell(1, 1), QString("27.10000"));
        // Cancel changes nothing.
        c.r.answerDialog = [](QDialog&) { return int(QDialog::Rejected); };
        button->click();
        QCOMPARE(c.ed<QLineEdit>("Text1")->text(), QString("27.10000"));
    }

    void memoryFrequencyDialogEdgeCases() {
        EditRun c;
        c.setBand(kCb);
        c.add(GroupStart(kDe, kCb) + 60, "27.1");
        c.add(3, "26.985");  // EU 3
        // A text that is no number starts at "Off".
        gui::Frm_Mem_Freq bad(c.doc(), "abc");
        QCOMPARE(bad.bandList()->currentText(), QString("Off"));
        QCOMPARE(bad.channelList()->count(), 0);
        QCOMPARE(bad.frequencyText(), QString("abc"));

        gui::Frm_Mem_Freq d(c.doc(), "27.1");
        QCOMPARE(d.bandList()->count(), 9);
        QCOMPARE(d.bandList()->currentText(), QString("DE"));
        QCOMPARE(d.channelList()->count(), 80);
        QCOMPARE(d.channelList()->currentText(), QString("60"));
        // To a 40-channel group: channel 60 is not there, so channel 1; it
        // has no entry, so the shown frequency stays.
        d.bandList()->setCurrentText("EU");
        QCOMPARE(d.channelList()->count(), 40);
        QCOMPARE(d.channelList()->currentText(), QString("1"));
        QCOMPARE(d.frequencyText(), QString("27.1"));
        d.channelList()->setCurrentIndex(2);
        QCOMPARE(d.frequencyText(), QString("26.98500"));
        d.channelList()->setCurrentIndex(3);
        QCOMPARE(d.frequencyText(), QString("26.98500"));
        // "Off" empties the frequency and the channel list.
        d.bandList()->setCurrentIndex(0);
        QCOMPARE(d.frequencyText(), QString());
        QCOMPARE(d.channelList()->count(), 0);
    }
};

ZQ61_GUI_TEST(ChannelEditWindowTest)
#include "channel_edit_window_test.moc"
