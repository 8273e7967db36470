// SPDX-License-Identifier: GPL-3.0-or-later
// Write to Several Radios against three virtual radios: the radios are
// checked from the keyboard, all three written and verified with one
// question before the start, their results shown and saved as CSV; Cancel
// during a run ends every radio at once, and none of them counts as written.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "gui_test_support.h"
#include "link/windows/fleet_write_dialog.h"
#include "model/text_ids.h"
#include "radio_link_support.h"

namespace zq61::test {

namespace {

struct Fleet {
    explicit Fleet(const QStringList& args) {
        const QByteArray blank(int(MemoryBytes{}.size()), '\0');
        for (const QStringList& own :
             {QStringList{}, QStringList{"--echo"}, QStringList{"--password", "12"}})
            radios.push_back(std::make_unique<SimRadio>(args + own, blank));
        // Pseudo-terminals are not among the ports the system lists.
        run.link->setPortLister([this] {
            std::vector<gui::PresentPort> ports;
            for (const auto& radio : radios)
                ports.push_back({radio->port(), "virtual radio"});
            return ports;
        });
    }
    // The dialog of the menu item, driven by `drive`.
    void open(const std::function<void(gui::FrmFleetWrite&)>& drive) {
        bool opened = false;
        run.gui.answerDialog = [&](QDialog& d) {
            auto* dialog = qobject_cast<gui::FrmFleetWrite*>(&d);
            if (!dialog) return int(QDialog::Rejected);
            opened = true;
            dialog->show();
            drive(*dialog);
            return int(QDialog::Rejected);
        };
        run.command("mnuWriteToSeveralRadios");
        QVERIFY(opened);
    }
    LinkRun run;
    std::vector<std::unique_ptr<SimRadio>> radios;
};

// Checks every radio with Space, row by row, as a user does.
void checkAllFromTheKeyboard(gui::FrmFleetWrite& d) {
    QTableWidget* table = d.radioTable();
    table->setFocus();
    for (int row = 0; row < table->rowCount(); ++row) {
        table->setCurrentCell(row, 0);
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(table->item(row, 0)->checkState(), Qt::Checked);
    }
}

QString resultOf(gui::FrmFleetWrite& d, int row) {
    return d.radioTable()->item(row, 3)->text();
}

}  // namespace

class FleetWriteTest : public QObject {
    Q_OBJECT

  private slots:
    void writesEveryRadioChecked() {
        Fleet fleet({});
        const QString report = fleet.run.backups.filePath("report.csv");
        fleet.run.gui.dialogs.saveAnswers.push_back(report);
        fleet.open([&](gui::FrmFleetWrite& d) {
            QCOMPARE(d.radioTable()->rowCount(), 3);
            d.startButton()->click();  // nothing checked yet
            QVERIFY(fleet.run.gui.prompter.showed(txt::kFleetNoneChosen));
            QVERIFY(!d.run());
            checkAllFromTheKeyboard(d);
            d.passwordField()->setText("12");
            d.verifyBox()->setChecked(true);
            d.startButton()->click();
            QTRY_VERIFY_WITH_TIMEOUT(d.run() && d.run()->finished(), 60000);
            for (int row = 0; row < 3; ++row)
                QVERIFY2(resultOf(d, row).startsWith("verified (ZQ-61, HAM, V100)"),
                         qPrintable(resultOf(d, row)));
            QCOMPARE(d.summaryLabel()->text(), QString("Radios that succeeded: 3 / 3"));
            QVERIFY(d.saveReportButton()->isEnabled());
            d.saveReportButton()->click();
        });
        QCOMPARE(fleet.run.count(txt::kConfirmWrite), 1);
        for (auto& radio : fleet.radios)
            QCOMPARE(radio->stop(), packed(fleet.run.gui.doc()));
        QFile csv(report);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("Port,Description,Model,Band mode,Firmware,Result"));
        for (int i = 1; i < 4; ++i)
            QVERIFY2(lines[i].contains(",virtual radio,ZQ-61,HAM,V100,verified,,"),
                     qPrintable(lines[i]));
    }

    // Cancel while every radio takes frames: all end at once, each shown as
    // cancelled and partly written; none is written or verified.
    void cancelEndsEveryRadio() {
        Fleet fleet({"--reply-delay", "10"});
        fleet.open([&](gui::FrmFleetWrite& d) {
            checkAllFromTheKeyboard(d);
            d.passwordField()->setText("12");
            d.startButton()->click();
            QVERIFY(d.running());
            QCOMPARE(d.cancelButton()->text(), QString("Cancel"));
            QTRY_VERIFY_WITH_TIMEOUT(
                [&] {
                    for (std::size_t i = 0; i < 3; ++i)
                        if (d.run()->radio(i).percent() < 5) return false;
                    return true;
                }(),
                30000);
            d.cancelButton()->click();
            QVERIFY(!d.running());
            for (std::size_t i = 0; i < 3; ++i) {
                const RadioOutcome& o = d.run()->radio(i).outcome();
                QCOMPARE(o.result, FleetResult::Cancelled);
                QVERIFY(o.partlyWritten);
                QVERIFY2(resultOf(d, int(i)).startsWith("cancelled, partly written"),
                         qPrintable(resultOf(d, int(i))));
            }
            QCOMPARE(d.summaryLabel()->text(), QString("Radios that succeeded: 0 / 3"));
            QCOMPARE(d.cancelButton()->text(), QString("Close"));
        });
        for (auto& radio : fleet.radios)
            QVERIFY(radio->stop() != packed(fleet.run.gui.doc()));
    }
};

ZQ61_GUI_TEST(FleetWriteTest)

}  // namespace zq61::test

#include "fleet_write_test.moc"
