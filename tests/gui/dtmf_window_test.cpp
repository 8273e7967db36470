// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window: timing lists store the shown milliseconds in their units,
// code boxes let only DTMF digits in, and an emptied code is no longer
// referred to anywhere.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

#include "editors/dtmf_code_box.h"
#include "editors/dtmf_window.h"
#include "model/text_ids.h"
#include "settings_window_support.h"

using namespace zq61;
using namespace zq61::test;

namespace {

int16_t timingField(const DtmfSettings& d, int list) {
    const int16_t fields[5] = {d.DtmfRate, d.FirstDigitTime, d.FirstDigitDelay, d.StarHashTime,
                               d.DKeySetting};
    return fields[list];
}

void setCode(Document& doc, int number, const char* code, int length) {
    DtmfCode& c = doc.WorkData.Dtmf.Codes[static_cast<std::size_t>(number - 1)];
    c.Code = code;
    c.Length = static_cast<int16_t>(length);
}

}  // namespace

class DtmfWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void listsStoreTheChosenValue_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("stored");
        QTest::newRow("rate 500") << 0 << "500" << 50;
        QTest::newRow("rate 10") << 0 << "10" << 1;
        QTest::newRow("first digit time 1000") << 1 << "1000" << 10;
        QTest::newRow("first digit delay 2500") << 2 << "2500" << 25;
        QTest::newRow("star hash 1000") << 3 << "1000" << 10;
        QTest::newRow("star hash 500") << 3 << "500" << 5;
        QTest::newRow("D key 16s") << 4 << "16s" << 16;
    }
    void listsStoreTheChosenValue() {
        QFETCH(int, list);
        QFETCH(QString, chosen);
        QFETCH(int, stored);
        SettingsRun s;
        auto& w = s.open<gui::DtmfWindow>(gui::win::kDtmf);
        QComboBox* combo = w.timingList(list);
        const int index = combo->findText(chosen);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        QCOMPARE(timingField(s.doc().WorkData.Dtmf, list), stored);
    }

    void windowShowsTheRecord() {
        SettingsRun s;
        DtmfSettings& d = s.doc().WorkData.Dtmf;
        d.DtmfRate = 10;
        d.FirstDigitTime = 3;
        d.FirstDigitDelay = 0;  // no "0" item: the first item shows, the value stays
        d.StarHashTime = 5;
        d.DKeySetting = 40;  // outside the list
        d.DtmfDisplay = 2;   // above 1 shows unchecked
        setCode(s.doc(), 2, "12AB*#", 4);
        setCode(s.doc(), 5, "1234567890123456", 20);  // a foreign file's length
        auto& w = s.open<gui::DtmfWindow>(gui::win::kDtmf);
        const QStringList shown{"100", "300", "100", "500", s.r.ctx().text(txt::kDKeyOff)};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w.timingList(i)->currentText(), shown[i]);
        QVERIFY(!w.displayBox()->isChecked());
        QCOMPARE(w.codeBox(2)->text(), QString("12AB"));
        QCOMPARE(w.codeBox(5)->text(), QString());
        QCOMPARE(w.tabs()->currentIndex(), 0);
        QCOMPARE(w.tabs()->tabText(2), s.r.ctx().text(txt::kDtmfTabBase + 2));
        int codeLabels = 0;
        for (QLabel* label : w.findChildren<QLabel*>())
            if (auto* box = qobject_cast<gui::DtmfCodeBox*>(label->buddy())) {
                QCOMPARE(box, w.codeBox(label->text().toInt()));
                ++codeLabels;
            }
        QCOMPARE(codeLabels, 16);
        // Showing and committing change nothing.
        s.main.commitPendingEdits();
        QCOMPARE(d.FirstDigitDelay, 0);
        QCOMPARE(d.DKeySetting, 40);
        QCOMPARE(d.DtmfDisplay, 2);
        QCOMPARE(d.Codes[4].Length, 20);

        w.displayBox()->click();
        QCOMPARE(d.DtmfDisplay, 1);
        w.displayBox()->click();
        QCOMPARE(d.DtmfDisplay, 0);
    }

    void codeBoxesTakeOnlyDtmfDigits() {
        SettingsRun s;
        auto& w = s.open<gui::DtmfWindow>(gui::win::kDtmf);
        w.tabs()->setCurrentIndex(1);
        gui::DtmfCodeBox* box = w.codeBox(1);
        box->setFocus();
        QTest::keyClicks(box, "1x a*E#");
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, '#');
        QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier,
                           QString::fromUtf8("é"));
        QApplication::sendEvent(box, &accented);
        QTest::keyClicks(box, "9d");
        const DtmfCode& code = s.doc().WorkData.Dtmf.Codes[0];
        QCOMPARE(box->text(), QString("1A*#9D"));
        QCOMPARE(code.Length, 6);
        QCOMPARE(std::string(code.Code.view().substr(0, 6)), std::string("1A*#9D"));

        // No clipboard either way.
        QGuiApplication::clipboard()->setText("123");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QString("1A*#9D"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("123"));

        // Sixteen at most; Enter moves on.
        box->clear();
        QTest::keyClicks(box, "12345678901234567890");
        QCOMPARE(code.Length, 16);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!box->hasFocus());
    }

    void keysOneAStarHashGiveTheCode() {
        SettingsRun s;
        auto& w = s.open<gui::DtmfWindow>(gui::win::kDtmf);
        w.tabs()->setCurrentIndex(2);
        gui::DtmfCodeBox* box = w.codeBox(16);
        box->setFocus();
        for (const char* key : {"1", "a", "*", "#"})
            QTest::keyClicks(box, key);
        const DtmfCode& code = s.doc().WorkData.Dtmf.Codes[15];
        QCOMPARE(code.Length, 4);
        QCOMPARE(std::string(code.Code.view().substr(0, 4)), std::string("1A*#"));
    }

    void emptiedCodeIsReferredToNoMore() {
        SettingsRun s;
        Document& doc = s.doc();
        setCode(doc, 3, "123", 3);
        setCode(doc, 4, "9", 1);
        doc.WorkData.ChannelCount = 2;
        doc.WorkChannels[0].DTMF_BOT = 3;
        doc.WorkChannels[0].DTMF_Call = 4;
        doc.WorkChannels[1].DTMF_EOT = 3;
        doc.WorkData.FeatChannel.DTMF_Call = 3;
        s.openObserver();
        auto& w = s.open<gui::DtmfWindow>(gui::win::kDtmf);
        w.tabs()->setCurrentIndex(1);
        gui::DtmfCodeBox* box = w.codeBox(3);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(doc.WorkChannels[0].DTMF_BOT, 3);  // "12" still defines code 3
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(doc.WorkData.Dtmf.Codes[2].Length, 0);
        QCOMPARE(doc.WorkChannels[0].DTMF_BOT, 0);
        QCOMPARE(doc.WorkChannels[0].DTMF_Call, 4);
        QCOMPARE(doc.WorkChannels[1].DTMF_EOT, 0);
        QCOMPARE(doc.WorkData.FeatChannel.DTMF_Call, 0);
        // Each edit had the open editors refill their DTMF number lists.
        QCOMPARE(std::count(s.calls.begin(), s.calls.end(), "RefreshDtmfLists"), 3);
    }
};

ZQ61_GUI_TEST(DtmfWindowTest)
#include "dtmf_window_test.moc"
