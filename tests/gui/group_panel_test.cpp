// SPDX-License-Identifier: GPL-3.0-or-later
// The group panel beside the grid: which settings each group has, the
// FM-only rule, the group switch rules and remembered channels that no
// longer exist.

#include <QLabel>
#include <QtTest>

#include "model/text_ids.h"

#include "channel_window_support.h"

using namespace zq61;
using namespace zq61::test;

namespace {

constexpr int kDE = 6, kCE = 1, kUK = 3;

}  // namespace

class GroupPanelTest : public QObject {
    Q_OBJECT
  private slots:
    void eachGroupShowsItsOwnSettings_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("shown");  // working, emergency, modulation, switch
        QTest::newRow("HAM bank") << 2 << 0 << "1111";
        QTest::newRow("HAM VFO") << 2 << 10 << "0000";
        QTest::newRow("HAM MEM") << 2 << 11 << "1000";
        QTest::newRow("CB country") << 0 << 0 << "1110";
        QTest::newRow("CB MEM") << 0 << 8 << "1000";
    }
    void eachGroupShowsItsOwnSettings() {
        QFETCH(int, mode);
        QFETCH(int, group);
        QFETCH(QString, shown);
        ChannelRun c;
        c.setBand(mode);
        c.add(GroupStart(group, mode) + 1, mode == 0 ? "27.1" : "28.1");
        c.reopen();
        c.showGroup(group);
        QString visible;
        for (const char* name :
             {"ComboWorkCh", "ComboEmgCh1", "ComboEmgModulation2", "ComboGroupOn"})
            visible += c.child(name)->isHidden() ? "0" : "1";
        QCOMPARE(visible, shown);
    }

    void selectorsCarryTheirLabelsForScreenReaders() {
        ChannelRun c;
        gui::AppContext& ctx = c.r.ctx();
        const QString emergency = ctx.text(txt::kEmergencyChannel1);
        QCOMPARE(c.child("ComboWorkCh")->accessibleName(), ctx.text(txt::kWorkingChannel));
        QCOMPARE(c.child("ComboEmgCh1")->accessibleName(), emergency);
        QCOMPARE(c.child("ComboEmgModulation1")->accessibleName(),
                 emergency + " " + ctx.text(txt::kModulationName));
        QCOMPARE(c.child("ComboGroupOn")->accessibleName(), ctx.text(txt::kGroupEnable));
        QCOMPARE(c.child<QLabel>("LabelEmgCh2")->buddy(), c.child<QWidget>("ComboEmgCh2"));
        QCOMPARE(c.child<QLabel>("LabelGroup")->buddy(), c.child<QWidget>("ComboGroup"));
    }

    void fmOnlyGroupsForceAndLockTheModulation_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("emergencyRow");
        QTest::addColumn<bool>("locked");
        QTest::newRow("DE row 40") << kDE << 40 << false;
        QTest::newRow("DE row 41") << kDE << 41 << true;
        QTest::newRow("CE") << kCE << 1 << true;
        QTest::newRow("UK") << kUK << 1 << true;
    }
    void fmOnlyGroupsForceAndLockTheModulation() {
        QFETCH(int, group);
        QFETCH(int, emergencyRow);
        QFETCH(bool, locked);
        ChannelRun c;
        c.setBand(0);
        const int start = GroupStart(group, 0);
        c.add(start + 1, "27.1");
        c.add(start + emergencyRow, "27.1");
        OptionsRecord& o = c.doc().WorkData.Options;
        const auto g = static_cast<std::size_t>(group);
        o.GroupCh2[g] = static_cast<int16_t>(emergencyRow - 1);
        o.GroupCh3[g] = 0;
        o.EmgModulation1[g] = 1;  // AM
        o.EmgModulation2[g] = 1;
        o.CurGroup = static_cast<int16_t>(group);
        c.reopen();
        QComboBox* modulation = c.child("ComboEmgModulation1");
        QCOMPARE(modulation->isEnabled(), !locked);
        QCOMPARE(modulation->currentText(), QString(locked ? "FM" : "AM"));
        QCOMPARE(o.EmgModulation1[g], locked ? 0 : 1);
        // The second emergency channel is on row 1: only CE and UK lock it.
        QCOMPARE(c.child("ComboEmgModulation2")->isEnabled(), group == kDE);
    }

    void choosingAnFmOnlyEmergencyChannelLocksItsModulation() {
        ChannelRun c;
        c.setBand(0);
        c.add(GroupStart(kDE, 0) + 40, "27.1");
        c.add(GroupStart(kDE, 0) + 41, "27.1");
        c.doc().WorkData.Options.CurGroup = kDE;
        c.reopen();
        QComboBox* emergency = c.child("ComboEmgCh1");
        QComboBox* modulation = c.child("ComboEmgModulation1");
        QCOMPARE(emergency->currentText(), QString("40"));
        modulation->setCurrentIndex(1);
        QCOMPARE(c.doc().WorkData.Options.EmgModulation1[kDE], 1);
        emergency->setCurrentIndex(emergency->findText("41"));
        QCOMPARE(c.doc().WorkData.Options.GroupCh2[kDE], 40);
        QVERIFY(!modulation->isEnabled());
        QCOMPARE(c.doc().WorkData.Options.EmgModulation1[kDE], 0);
    }

    void groupSwitchKeepsOneGroupOnAndEmptyGroupsOff() {
        ChannelRun c;  // HAM: only bank "A" is on and has a channel
        auto& on = c.doc().WorkData.Options.GroupOn;
        QComboBox* groupOn = c.child("ComboGroupOn");
        QCOMPARE(groupOn->currentText(), QString("Enable"));
        groupOn->setCurrentIndex(0);
        QCOMPARE(on[0], 1);
        QCOMPARE(groupOn->currentText(), QString("Enable"));

        c.showGroup(2);  // "C" has no channel
        groupOn->setCurrentIndex(1);
        QCOMPARE(on[2], 0);
        QCOMPARE(groupOn->currentText(), QString("Disable"));

        c.add(41, "28.1");
        c.showGroup(1);
        groupOn->setCurrentIndex(1);
        QCOMPARE(on[1], 1);
        c.showGroup(0);
        groupOn->setCurrentIndex(0);  // now another group is on
        QCOMPARE(on[0], 0);
        QCOMPARE(groupOn->currentText(), QString("Disable"));
    }

    void remembersOnlyChannelsThatExist() {
        ChannelRun c;
        Document& d = c.doc();
        d.WorkData.ChannelCount = 0;
        c.add(7, "28.1");
        c.add(3, "28.1");
        c.add(405, "28.1");
        c.add(407, "28.1");
        OptionsRecord& o = d.WorkData.Options;
        o.GroupCh1[0] = 9;  // row 10: gone
        o.GroupCh2[0] = 6;  // row 7: there
        o.GroupCh3[0] = 0;  // row 1: gone
        o.CurMemCh = 0;     // memory row 1: gone
        c.reopen();
        QCOMPARE(c.child("ComboWorkCh")->currentText(), QString("3"));
        QCOMPARE(c.child("ComboEmgCh1")->currentText(), QString("7"));
        QCOMPARE((QList<int>{o.GroupCh1[0], o.GroupCh2[0], o.GroupCh3[0]}), (QList<int>{2, 6, 2}));
        c.showGroup(11);
        QCOMPARE(c.child("ComboWorkCh")->currentText(), QString("4"));
        QCOMPARE(o.CurMemCh, 3);
        // The user's choice is stored as the row minus 1.
        c.child("ComboWorkCh")->setCurrentIndex(1);
        QCOMPARE(o.CurMemCh, 5);
    }

    void newChannelReloadsThePanel() {
        ChannelRun c;
        c.showGroup(2);
        QCOMPARE(c.child("ComboWorkCh")->count(), 0);
        c.enter(6, 1);
        QTest::keyClicks(c.text1(), "28.2");
        QTest::keyClick(c.text1(), Qt::Key_Return);
        QCOMPARE(c.child("ComboWorkCh")->currentText(), QString("6"));
        QCOMPARE(c.doc().WorkData.Options.GroupCh1[2], 5);
    }
};

ZQ61_GUI_TEST(GroupPanelTest)
#include "group_panel_test.moc"
