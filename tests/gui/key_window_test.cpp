// SPDX-License-Identifier: GPL-3.0-or-later
// The key assignment window: what each list shows for stored values in and
// out of range, and what a pick stores.

#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include "editors/key_window.h"
#include "model/text_ids.h"
#include "settings_window_support.h"

using namespace zq61;
using namespace zq61::test;

class KeyWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void storedValuesShowAndStayUntilPicked_data() {
        QTest::addColumn<int>("element");  // -1: the key mode list
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("function 0") << 4 << 0 << "MOD";
        QTest::newRow("function 21") << 17 << 21 << "MOD";
        QTest::newRow("function -3") << 0 << -3 << "MOD";
        QTest::newRow("function 20") << 9 << 20 << "NULL";
        QTest::newRow("function 14") << 6 << 14 << "RB";
        QTest::newRow("mode 7") << -1 << 7 << "1&2";
        QTest::newRow("mode -1") << -1 << -1 << "1&2";
        QTest::newRow("mode 1") << -1 << 1 << "1&3";
    }
    void storedValuesShowAndStayUntilPicked() {
        QFETCH(int, element);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        SettingsRun s;
        KeySettings& keys = s.doc().WorkData.Keys;
        int16_t& field =
            element < 0 ? keys.KeyModeSet : keys.KeyFunctions[static_cast<std::size_t>(element)];
        field = static_cast<int16_t>(stored);
        auto& w = s.open<gui::KeyWindow>(gui::win::kKeys);
        QComboBox* list = element < 0 ? w.modeList() : w.functionList(element / 6, element % 6);
        QCOMPARE(list->currentText(), shown);
        QCOMPARE(field, stored);
        s.main.commitPendingEdits();
        QCOMPARE(field, stored);
    }

    void picksStoreTheirPosition() {
        SettingsRun s;
        auto& w = s.open<gui::KeyWindow>(gui::win::kKeys);
        const KeySettings& keys = s.doc().WorkData.Keys;
        w.functionList(1, 2)->setCurrentIndex(w.functionList(1, 2)->findText("NULL"));
        QCOMPARE(keys.KeyFunctions[8], 20);
        w.functionList(2, 5)->setCurrentIndex(0);
        QCOMPARE(keys.KeyFunctions[17], 1);
        w.modeList()->setCurrentIndex(2);
        QCOMPARE(keys.KeyModeSet, 2);
        // The keyboard reaches a list through its label.
        auto* label = w.findChild<QLabel*>("Label2_8");
        QCOMPARE(label->text(), QString("P3"));
        QCOMPARE(label->buddy(), w.functionList(1, 2));
        QCOMPARE(w.findChild<QGroupBox*>("Frame1_2")->title(),
                 s.r.ctx().text(txt::kKeyModeFrame) + " 3");
    }
};

ZQ61_GUI_TEST(KeyWindowTest)
#include "key_window_test.moc"
