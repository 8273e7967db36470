// SPDX-License-Identifier: GPL-3.0-or-later
// The channel window's grid: which rows every group of every band mode
// shows, what a row shows, and the CB country selectors.

#include <QPushButton>
#include <QtTest>

#include "channel_window_support.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;

class ChannelGridTest : public QObject {
    Q_OBJECT
  private slots:
    void everyGroupShowsItsRowsAndChannels_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("mhz");
        QTest::newRow("CB") << 0 << "27.1";
        QTest::newRow("HF") << 1 << "28.1";
        QTest::newRow("HAM") << 2 << "28.1";
    }
    void everyGroupShowsItsRowsAndChannels() {
        QFETCH(int, mode);
        QFETCH(QString, mhz);
        ChannelRun c;
        c.setBand(mode);
        // In every group the first and the last slot hold a channel; the
        // last one is public.
        for (int g = 0; g < groupCount(mode); ++g) {
            const int size = GroupSize(g, mode);
            c.add(GroupStart(g, mode) + 1, mhz.toLatin1()).Public = 0;
            if (size > 1) c.add(GroupStart(g, mode) + size, mhz.toLatin1()).Public = 1;
        }
        c.reopen();
        const QStringList sizes =
            mode == 0
                ? QStringList{"40", "40", "40", "40", "40", "40", "80", "40", "8"}
                : QStringList{"40", "40", "40", "40", "40", "40", "40", "40", "40", "40", "1", "8"};
        QCOMPARE(c.child("ComboGroup")->count(), sizes.size());
        for (int g = 0; g < sizes.size(); ++g) {
            c.showGroup(g);
            const int rows = sizes[g].toInt();
            QCOMPARE(c.grid()->rowCount(), rows);
            const QString name = QString::fromStdString(groupName(g, mode));
            QCOMPARE(c.win().windowTitle(),
                     c.r.ctx().text(txt::kGridCaption) + " " + name + " ---  1]");
            // The UK plan shows its frequencies 1.25 kHz up.
            const QString shown = mode == 0 && g == 3 ? "27.10125" : mhz + "0000";
            QCOMPARE(c.cell(1, 1), shown);
            QCOMPARE(c.cell(1, 2), QString("Off"));
            if (rows > 1) {
                QCOMPARE(c.cell(rows, 1), shown);
                QCOMPARE(c.cell(rows, 2), QString("On"));
            }
            if (rows > 2) {
                // A slot without a channel: its number and ">>" only.
                QCOMPARE(c.cell(2, 0), QString("2"));
                for (int col = 1; col <= 6; ++col)
                    QCOMPARE(c.cell(2, col), QString());
                QCOMPARE(c.cell(2, 7), QString(">>"));
            }
            QCOMPARE(c.doc().WorkData.Options.CurGroup, g);
        }
        QVERIFY(c.r.prompter.shown.empty());
    }

    void valuesOutsideTheirListsShowTheFirstItem() {
        ChannelRun c;
        ChannelRecord& ch = c.record(1);
        ch.Public = 7;
        ch.DUP = 9;
        ch.TSQ = -1;
        ch.Scan = 5;
        ch.OffSetFre = 35;
        c.win().reShowAllGrid();
        QCOMPARE(
            (QStringList{c.cell(1, 2), c.cell(1, 3), c.cell(1, 4), c.cell(1, 5), c.cell(1, 6)}),
            (QStringList{"Off", "Off", "35", "Off", "Del"}));
    }

    void redisplayTouchesOnlyTheShownGroup() {
        ChannelRun c;  // HAM, group "A"
        auto texts = [&c] {
            QStringList all;
            for (int r = 1; r <= c.grid()->rowCount(); ++r)
                for (int col = 0; col < 8; ++col)
                    all << c.cell(r, col);
            return all;
        };
        const QStringList before = texts();
        c.add(45, "28.2");  // group "B"
        c.win().reShowGrid(45);
        c.win().reShowGrid(0);
        c.win().reShowGrid(401);
        QCOMPARE(texts(), before);
        // A channel of the shown group appears and goes again.
        c.add(7, "28.3");
        c.win().reShowGrid(7);
        QCOMPARE(c.cell(7, 1), QString("28.30000"));
        removeChannel(c.doc(), findChannel(c.doc(), 7));
        c.win().reShowAllGrid();
        QCOMPARE(texts(), before);
        // Also a channel without a frequency, whose frequency cell is empty.
        c.add(8, "28.3").Frequency = "FFFFFFFF";
        c.win().reShowGrid(8);
        QCOMPARE(c.cell(8, 1), QString());
        QCOMPARE(c.cell(8, 2), QString("On"));
        removeChannel(c.doc(), findChannel(c.doc(), 8));
        c.win().reShowAllGrid();
        QCOMPARE(texts(), before);
    }

    void countrySelectorsPickTheCbGroups() {
        ChannelRun c;
        c.setBand(0);
        c.add(121, "27.1");  // "UK" channel 1
        c.reopen();
        QComboBox* country = c.child("ComboCountry");
        QComboBox* uk = c.child("ComboCountryUK");
        QVERIFY(c.child("ComboGroup")->isHidden());
        QVERIFY(!country->isHidden());
        QVERIFY(uk->isHidden());

        country->setCurrentIndex(country->findText("U"));
        QVERIFY(!uk->isHidden());
        QCOMPARE(uk->currentText(), QString("U"));
        QCOMPARE(c.win().shownGroup(), 2);

        uk->setCurrentIndex(uk->findText("UK"));
        QCOMPARE(c.win().shownGroup(), 3);
        QCOMPARE(c.grid()->rowCount(), 40);
        QCOMPARE(c.cell(1, 1), QString("27.10125"));

        country->setCurrentIndex(country->findText("DE"));
        QVERIFY(uk->isHidden());
        QCOMPARE(c.win().shownGroup(), 6);
        QCOMPARE(c.grid()->rowCount(), 80);

        // The channel edit window's group: the selectors follow.
        c.win().EditGroup = 3;
        c.win().ChangeGroup();
        QCOMPARE(c.win().shownGroup(), 3);
        QCOMPARE(country->currentText(), QString("U"));
        QCOMPARE(uk->currentText(), QString("UK"));
        QVERIFY(!uk->isHidden());

        // Opening on a stored "UK" group brings both selectors in line.
        c.doc().WorkData.Options.CurGroup = 3;
        c.reopen();
        QCOMPARE(c.child("ComboCountry")->currentText(), QString("U"));
        QCOMPARE(c.child("ComboCountryUK")->currentText(), QString("UK"));
        QVERIFY(!c.child("ComboCountryUK")->isHidden());
    }

    void storedGroupTheBandModeLacksShowsTheFirst() {
        ChannelRun c;
        c.doc().WorkData.Options.CurGroup = 30;
        c.reopen();
        QCOMPARE(c.win().shownGroup(), 0);
        QCOMPARE(c.doc().WorkData.Options.CurGroup, 0);
        QVERIFY(c.r.prompter.shown.empty());
    }

    void captionFollowsTheCursorAndTheLanguageChange() {
        ChannelRun c;
        c.goTo(12, 2);
        const QString group = c.r.ctx().text(txt::kGridCaption);
        QCOMPARE(c.win().windowTitle(), group + " A ---  12]");
        QCOMPARE(c.doc().GridRow, 12);
        c.win().ReShowChInfoByLanguage();
        QVERIFY(c.win().windowTitle().endsWith(" ---  1]"));
        QCOMPARE(c.grid()->accessibleName(), c.r.ctx().text(txt::kGridAccessibleName));
        QCOMPARE(c.child("ComboGroup")->accessibleName(), c.r.ctx().text(txt::kGroupLabel));
        QCOMPARE(c.grid()->horizontalHeaderItem(1)->text(), c.r.ctx().text(txt::kGridFrequency));
        QVERIFY(c.grid()->isColumnHidden(3) && c.grid()->isColumnHidden(4));
    }

    void closingClearsTheOpenFlag() {
        ChannelRun c;
        QVERIFY(c.doc().ChannelWindowOpen);
        c.child<QPushButton>("CommandClose")->click();
        QVERIFY(!c.doc().ChannelWindowOpen);
        QVERIFY(!c.main.findWindow(gui::win::kChannels));
        QVERIFY(c.main.showWindowOnce(gui::win::kChannels));
        QVERIFY(c.doc().ChannelWindowOpen);
        QVERIFY(c.child<QPushButton>("CommandHelp")->isHidden());
    }
};

ZQ61_GUI_TEST(ChannelGridTest)
#include "channel_grid_test.moc"
