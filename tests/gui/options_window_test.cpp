// SPDX-License-Identifier: GPL-3.0-or-later
// The optional features window: what its boxes store when left, the power
// list that follows the modulation, the CB country selectors of the VFO
// group item, position and number items, and the tone tip list.

#include <QCheckBox>
#include <QtTest>

#include "channel_window_support.h"
#include "editors/editor_controls.h"
#include "editors/options_window.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;

namespace {

struct OptionsRun : ChannelRun {
    OptionsRun() { doc().WorkData.ToneTips = {}; }  // no tone tip usable
    gui::FrmOptFeatures& open() {
        QWidget* w = main.showWindowOnce(gui::win::kOptFeatures);
        [&] { QVERIFY(w); }();
        return *qobject_cast<gui::FrmOptFeatures*>(w);
    }
    template <typename T = QComboBox>
    T* opt(const QString& name) {
        return main.findWindow(gui::win::kOptFeatures)->findChild<T*>(name);
    }
    QStringList items(const QString& name) {
        QStringList out;
        for (int i = 0; i < opt(name)->count(); ++i)
            out << opt(name)->itemText(i);
        return out;
    }
};

}  // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void boxesStoreWhatTheyShowWhenLeft_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        const struct {
            const char *name, *box, *typed, *shown;
            int stored;
        } rows[] = {
            {"limit above", "Text1", "25", "20.0", 200},
            {"limit below", "Text1", "6.94", "7.0", 70},
            {"limit inside", "Text1", "12.5", "12.5", 125},
            {"limit whole", "Text1", "9", "9.0", 90},
            {"limit no number", "Text1", ".", "20.0", 200},
            {"limit letters", "Text1", "a1b", "7.0", 70},  // only the "1" gets in
            {"offset small", "Text2", "3", "5", 5},
            {"offset step", "Text2", "123", "120", 120},
            {"offset large", "Text2", "5000", "1000", 1000},
            {"offset empty", "Text2", "", "5", 5},
            {"offset letters", "Text2", "1x.5", "15", 15},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString(r.box) << QString(r.typed) << QString(r.shown)
                                  << r.stored;
    }
    void boxesStoreWhatTheyShowWhenLeft() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        OptionsRun c;
        c.doc().WorkData.Options.MaxLimit = 150;
        c.doc().WorkData.FeatChannel.OffSetFre = 100;
        c.open();
        auto* edit = c.opt<QLineEdit>(box);
        QCOMPARE(edit->text(), box == "Text1" ? QString("15.0") : QString("100"));
        c.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c.main));
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        // Enter moves on; leaving the box shows and stores the accepted value.
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!edit->hasFocus());
        QCOMPARE(edit->text(), shown);
        const int value = box == "Text1" ? c.doc().WorkData.Options.MaxLimit
                                         : c.doc().WorkData.FeatChannel.OffSetFre;
        QCOMPARE(value, stored);
    }

    void saveCommitsOnlyTypedText() {
        OptionsRun c;
        c.doc().WorkData.Options.MaxLimit = 0;  // as a file may hold it
        c.doc().WorkData.FeatChannel.OffSetFre = 7;
        c.open();
        c.main.commitPendingEdits();
        QCOMPARE(c.doc().WorkData.Options.MaxLimit, 0);
        QCOMPARE(c.doc().WorkData.FeatChannel.OffSetFre, 7);
        // Typed but not left yet, as when Save is chosen from the menu.
        QTest::keyClicks(c.opt<QLineEdit>("Text1"), "5");
        c.main.commitPendingEdits();
        QCOMPARE(c.opt<QLineEdit>("Text1")->text(), QString("7.0"));
        QCOMPARE(c.doc().WorkData.Options.MaxLimit, 70);
    }

    void amShortensThePowerListAndStoresTheHighestAmPower() {
        OptionsRun c;
        ChannelRecord& feat = c.doc().WorkData.FeatChannel;
        feat.AM_FM = 0;
        feat.Tx_Power = 2;
        c.open();
        QCOMPARE(c.opt("Combo2_9")->count(), 3);
        QCOMPARE(c.opt("Combo2_9")->currentIndex(), 2);
        c.opt("Combo2_8")->setCurrentIndex(1);
        QCOMPARE(c.doc().WorkData.FeatChannel.AM_FM, 1);
        QCOMPARE(c.opt("Combo2_9")->count(), 2);
        QCOMPARE(c.opt("Combo2_9")->currentIndex(), 1);
        QCOMPARE(c.doc().WorkData.FeatChannel.Tx_Power, 1);
        // Back to FM: the high power is offered again, the stored power stays.
        c.opt("Combo2_8")->setCurrentIndex(0);
        QCOMPARE(c.opt("Combo2_9")->count(), 3);
        QCOMPARE(c.doc().WorkData.FeatChannel.Tx_Power, 1);
    }

    void cbCountrySelectorsChooseTheVfoGroup() {
        OptionsRun c;
        c.setBand(0);
        c.reopen();
        c.doc().WorkData.Options.OptItem[1] = 3;  // "UK"
        c.open();
        QVERIFY(!c.opt("Combo1_1")->isVisibleTo(c.opt("Combo1_1")->window()));
        QCOMPARE(c.opt("ComboCountry")->currentText(), QString("UK"));
        QCOMPARE(c.opt("ComboCountryUK")->currentText(), QString("UK"));
        QVERIFY(!c.opt("ComboCountryUK")->isHidden());
        // "EI" names no group: the first one.
        c.opt("ComboCountryUK")->setCurrentIndex(0);
        QCOMPARE(c.doc().WorkData.Options.OptItem[1], 0);
        c.opt("ComboCountry")->setCurrentIndex(5);  // "DE"
        QVERIFY(c.opt("ComboCountryUK")->isHidden());
        QCOMPARE(c.opt("Combo1_1")->currentText(), QString("DE"));
        QCOMPARE(c.doc().WorkData.Options.OptItem[1], 6);
        c.opt("ComboCountry")->setCurrentIndex(2);  // "UK" again: sub-selector's "EI"
        QVERIFY(!c.opt("ComboCountryUK")->isHidden());
        QCOMPARE(c.doc().WorkData.Options.OptItem[1], 0);
        // CB has no shift, power or offset; +/-5 kHz is never offered.
        for (const char* name : {"Combo2_1", "Combo2_7", "Combo2_9"})
            QVERIFY(c.opt(name)->isHidden());
        QVERIFY(c.opt<QLineEdit>("Text2")->isHidden());
    }

    void itemsStorePositionOrNumber_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        // Language texts by id: {16300}, {16061} ...
        QTest::newRow("time-out off") << 3 << 0 << "{16300}" << 0;
        QTest::newRow("time-out 30") << 3 << 30 << "30{16061}" << 30;
        QTest::newRow("volume") << 5 << 11 << "12" << 12;
        QTest::newRow("gain max") << 9 << 11 << "{16049}" << 11;
        QTest::newRow("scan time") << 12 << 5 << "30{16060}" << 5;
        QTest::newRow("ASQ step-back") << 14 << 6 << "7" << 7;
    }
    void itemsStorePositionOrNumber() {
        QFETCH(int, item);
        QFETCH(int, position);
        QFETCH(QString, text);
        QFETCH(int, stored);
        OptionsRun c;
        for (int id : {txt::kTimeoutOff, txt::kMinutesSuffix, txt::kOptMax, txt::kSecondsSuffix})
            text.replace(QString("{%1}").arg(id), c.r.ctx().text(id));
        // A stored value outside the list shows the first item.
        c.doc().WorkData.Options.OptItem[static_cast<std::size_t>(item)] = 99;
        c.open();
        QComboBox* list = c.opt(QString("Combo1_%1").arg(item));
        QCOMPARE(list->currentIndex(), 0);
        list->setCurrentIndex(position == 0 ? 1 : 0);
        list->setCurrentIndex(position);
        QCOMPARE(list->currentText(), text);
        QCOMPARE(c.doc().WorkData.Options.OptItem[static_cast<std::size_t>(item)], stored);
        // Shown again as stored.
        c.main.closeWindowsNamed(gui::win::kOptFeatures);
        c.open();
        QCOMPARE(c.opt(QString("Combo1_%1").arg(item))->currentIndex(), position);
    }

    void toneTipAndDtmfListsOfferOnlyWhatIsDefined() {
        OptionsRun c;
        c.doc().WorkData.FeatChannel.RBTone = 3;
        c.doc().WorkData.FeatChannel.DTMF_EOT = 2;
        c.doc().WorkData.Dtmf.Codes[1].Length = 3;
        auto& win = c.open();
        const QString noTip = c.r.ctx().text(txt::kToneTipNone);
        QCOMPARE(c.items("Combo2_10"), QStringList{noTip});
        QCOMPARE(c.items("Combo2_12"), (QStringList{c.r.ctx().text(txt::kDtmfNone), "2"}));
        QCOMPARE(c.opt("Combo2_12")->currentText(), QString("2"));
        // Tone tip 3 becomes usable: the tone tip editor's refresh offers it.
        ToneTip& tip = c.doc().WorkData.ToneTips.Tips[2];
        tip.Count = 1;
        tip.Steps[0].Duration = 10;
        c.main.ShowRBOpt();
        QCOMPARE(c.items("Combo2_10"), (QStringList{noTip, "3"}));
        QCOMPARE(c.opt("Combo2_10")->currentText(), QString("3"));
        c.opt("Combo2_10")->setCurrentIndex(0);
        QCOMPARE(c.doc().WorkData.FeatChannel.RBTone, 0);
        // The check box.
        auto* limitOn = win.findChild<QCheckBox*>("Check1");
        QCOMPARE(limitOn->isChecked(), c.doc().WorkData.Options.MaxLimitOn != 0);
        limitOn->click();
        QCOMPARE(c.doc().WorkData.Options.MaxLimitOn, limitOn->isChecked() ? 1 : 0);
        QVERIFY(gui::NotInComboList(c.opt("Combo2_10"), 2));
        QVERIFY(gui::NotInComboList(c.opt("Combo2_10"), -1));
        QVERIFY(!gui::NotInComboList(c.opt("Combo2_10"), 1));
    }
};

ZQ61_GUI_TEST(OptionsWindowTest)
#include "options_window_test.moc"
