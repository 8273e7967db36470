// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import CSV... and File > Export CSV through the menu, with the file
// dialogs answered by the test: a CHIRP file asks where its rows go (the
// file's locations, or from a chosen group and channel on); a file with
// problems changes nothing and lists them in one message, which offers to
// import the lines that fit; a good file is applied after the pending edit
// and shown, as one undo step; the full set gives the document back byte
// for byte.

#include <QAction>
#include <QMenu>
#include <QtTest>

#include "app/import_choice_dialog.h"
#include "channel_window_support.h"
#include "model/channel_csv.h"
#include "model/dat_file.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

const PromptRecord* lastShown(ChannelRun& c) {
    return c.r.prompter.shown.empty() ? nullptr : &c.r.prompter.shown.back();
}

// The import choice dialog is answered: keep the file's locations (group
// -1), or place the rows from that group's item and channel item on.
void answerImportChoice(ChannelRun& c, int groupItem = -1, int channelItem = 0) {
    c.r.answerDialog = [groupItem, channelItem](QDialog& d) {
        auto* choice = qobject_cast<gui::FrmImportChoice*>(&d);
        if (!choice) return int(QDialog::Rejected);
        if (groupItem >= 0) {
            choice->placeRows()->setChecked(true);
            choice->groups()->setCurrentIndex(groupItem);
            choice->channels()->setCurrentIndex(channelItem);
        }
        return int(QDialog::Accepted);
    };
}

}  // namespace

class CsvMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void fileMenuHoldsTheCsvItems() {
        ChannelRun c;
        QAction* import = action(c.main, "mnuImportCsv");
        QVERIFY(import);
        QCOMPARE(import->text(), c.r.ctx().text(txt::kMenuImportCsv));
        QMenu* file = c.main.findChild<QMenu*>("mnuFile");
        QVERIFY(file->actions().contains(import));
        QMenu* exportMenu = c.main.findChild<QMenu*>("mnuExportCsv");
        QVERIFY(exportMenu);
        QVERIFY(file->actions().contains(exportMenu->menuAction()));
        QCOMPARE(exportMenu->actions().size(), 2);
        for (QAction* a : exportMenu->actions())
            QVERIFY(!a->text().isEmpty());
    }

    void fileWithProblemsOffersTheLinesThatFit() {
        ChannelRun c;
        QCOMPARE(c.doc().BandMode, int16_t(kBandHAM));
        const RadioData data = c.doc().WorkData;
        const ChannelArray channels = c.doc().WorkChannels;
        const QString path(ZQ61_SOURCE_DIR "/tests/data/chirp_mixed.csv");
        answerImportChoice(c);
        c.r.prompter.answers = {PromptAnswer::Cancel};
        c.r.dialogs.openAnswers = {path};
        action(c.main, "mnuImportCsv")->trigger();

        QVERIFY(c.r.dialogs.filters.back().contains("*.csv"));
        const PromptRecord* shown = lastShown(c);
        QVERIFY(shown);
        QCOMPARE(shown->kind, std::string("okCancel"));
        QCOMPARE(shown->textId, txt::kCsvSomeLinesUnfit);
        QCOMPARE(shown->okText, std::string("Import the 4 channels that fit"));
        const QString text = QString::fromStdString(shown->text);
        for (const char* where : {"4: Frequency", "5: Frequency", "6: rToneFreq", "7: DtcsPolarity",
                                  "8: Location", "9: Location", "10: Duplex", "13: Mode"})
            QVERIFY2(text.contains(QString("\n") + where + ":"), where);
        QVERIFY(c.doc().WorkData == data);  // Cancel: nothing changed
        QVERIFY(c.doc().WorkChannels == channels);

        // The lines that fit are taken as one step of the undo history.
        c.r.dialogs.openAnswers = {path};
        action(c.main, "mnuImportCsv")->trigger();
        QCOMPARE(lastShown(c)->textId, txt::kCsvChannelsChanged);
        QVERIFY(QString::fromStdString(lastShown(c)->text)
                    .endsWith(c.r.ctx().text(txt::kCsvLinesSkipped) + " 8"));
        QCOMPARE(c.record(1).Frequency.str(), std::string("02962000"));
        QCOMPARE(c.record(8).AM_FM, int16_t(1));  // "AM, high": High lowered to Medium
        QCOMPARE(c.record(8).Tx_Power, int16_t(1));
        c.main.undo();
        QVERIFY(c.doc().WorkChannels == channels);
    }

    void rowsArePlacedFromTheChosenGroupAndChannel() {
        ChannelRun c;
        const QString path = dir_.filePath("placed.csv");
        writeFile(path, "Location,Frequency,Power\r\n0,28.600000,50W\r\n25,28.610000,0.5 W\r\n");
        // Kept locations: channel 0 is in no group, channel 25 takes its row.
        answerImportChoice(c);
        c.r.prompter.answers = {PromptAnswer::Cancel};
        c.r.dialogs.openAnswers = {path};
        action(c.main, "mnuImportCsv")->trigger();
        QCOMPARE(lastShown(c)->okText, std::string("Import the 1 channels that fit"));

        // Placed from bank C (the third group), its channel 5 on: channels 85, 86.
        answerImportChoice(c, 2, 4);
        c.r.dialogs.openAnswers = {path};
        action(c.main, "mnuImportCsv")->trigger();
        QCOMPARE(lastShown(c)->textId, txt::kCsvChannelsChanged);
        QCOMPARE(c.record(85).Frequency.str(), std::string("02860000"));
        QCOMPARE(c.record(85).Tx_Power, int16_t(2));
        QCOMPARE(c.record(86).Tx_Power, int16_t(0));
        c.main.undo();
        QVERIFY(!c.exists(85) && !c.exists(86));

        // Cancel in the choice leaves everything as it was and says nothing.
        const std::size_t said = c.r.prompter.shown.size();
        c.r.answerDialog = [](QDialog&) { return int(QDialog::Rejected); };
        c.r.dialogs.openAnswers = {path};
        action(c.main, "mnuImportCsv")->trigger();
        QCOMPARE(c.r.prompter.shown.size(), said);
    }

    void manyProblemsAreCountedBeyondTheFirstLines() {
        ChannelRun c;
        QByteArray csv = "Location,Frequency\n";
        for (int i = 0; i < 40; ++i)
            csv += "1" + QByteArray::number(i) + ",99.5\n";
        const QString path = dir_.filePath("many.csv");
        writeFile(path, csv);
        answerImportChoice(c);
        c.r.dialogs.openAnswers = {path};
        action(c.main, "mnuImportCsv")->trigger();
        const QString text = QString::fromStdString(lastShown(c)->text);
        QCOMPARE(text.count("Frequency:"), 15);
        QVERIFY(text.endsWith(c.r.ctx().text(txt::kCsvMoreProblems) + " 25"));
    }

    void goodFileIsAppliedAfterThePendingEditAndShown() {
        ChannelRun c;
        const bool had5 = c.exists(5), had2 = c.exists(2);
        c.enter(2, 1);
        QTest::keyClicks(c.text1(), "28.3");  // typed, not yet handed on
        const QString path = dir_.filePath("good.csv");
        writeFile(path, "Location,Frequency,Mode,Skip\r\n5,28.600000,AM,S\r\n2,28.3,,\r\n");
        answerImportChoice(c);
        c.r.dialogs.openAnswers = {path};
        action(c.main, "mnuImportCsv")->trigger();

        const PromptRecord* shown = lastShown(c);
        QVERIFY(shown);
        QCOMPARE(shown->textId, txt::kCsvChannelsChanged);
        QVERIFY(QString::fromStdString(shown->text).endsWith(" 1"));  // channel 2 was typed
        QVERIFY(c.exists(2));
        QCOMPARE(c.record(5).AM_FM, int16_t(1));
        QCOMPARE(c.record(5).Scan, int16_t(0));
        QCOMPARE(c.cell(5, 1), QString("28.60000"));  // the grid shows it
        QCOMPARE(c.openEditor(), QString());

        // The import is one undo step; the typed channel is a step before it.
        c.main.undo();
        QCOMPARE(c.exists(5), had5);
        QVERIFY(c.exists(2));
        c.main.undo();
        QCOMPARE(c.exists(2), had2);
    }

    void fullSetThroughTheMenuGivesTheSameBytes() {
        ChannelRun c;
        const std::vector<uint8_t> original = documentFileBytes(c.doc());
        const QString path = dir_.filePath("full.csv");
        c.r.dialogs.saveAnswers = {path};
        action(c.main, "mnuExportCsvFull")->trigger();
        QCOMPARE(c.r.dialogs.presets.back(), QString("new.csv"));
        QVERIFY(fileBytes(path).startsWith("ChNo,Frequency,"));

        c.record(1).Frequency = "02910000";
        c.record(402).Tx_Power = 2;
        c.r.dialogs.openAnswers = {path};
        action(c.main, "mnuImportCsv")->trigger();
        QCOMPARE(lastShown(c)->textId, txt::kCsvChannelsChanged);
        QVERIFY(documentFileBytes(c.doc()) == original);
        QCOMPARE(c.cell(1, 1), QString("28.85000"));
    }

    void chirpExportAndDialogOutcomes() {
        ChannelRun c;
        const QString path = dir_.filePath("chirp.csv");
        c.r.dialogs.saveAnswers = {path};
        action(c.main, "mnuExportCsvChirp")->trigger();
        QVERIFY(fileBytes(path).startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));

        // Cancelled dialogs do nothing and say nothing.
        const std::size_t said = c.r.prompter.shown.size();
        action(c.main, "mnuImportCsv")->trigger();
        action(c.main, "mnuExportCsvChirp")->trigger();
        QCOMPARE(c.r.prompter.shown.size(), said);

        // Files that cannot be read or written are named in a message, with
        // the system's reason.
        c.r.dialogs.openAnswers = {dir_.filePath("missing.csv")};
        action(c.main, "mnuImportCsv")->trigger();
        QCOMPARE(lastShown(c)->textId, txt::kCsvCannotRead);
        QVERIFY(lastShown(c)->text.find("missing.csv: No such file or directory") !=
                std::string::npos);
        c.r.dialogs.saveAnswers = {dir_.filePath("no-such-folder/x.csv")};
        action(c.main, "mnuExportCsvFull")->trigger();
        QCOMPARE(lastShown(c)->textId, txt::kCsvCannotWrite);
        QVERIFY(lastShown(c)->text.find("x.csv: ") != std::string::npos);
    }
};

ZQ61_GUI_TEST(CsvMenuTest)
#include "csv_menu_test.moc"
