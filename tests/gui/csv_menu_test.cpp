// File > Import CSV... and File > Export CSV through the menu, with the file
// dialogs answered by the test: a file with problems changes nothing and
// lists them in one message, a good file is applied after the pending edit
// and shown, and the full set gives the document back byte for byte.

#include <QAction>
#include <QMenu>
#include <QtTest>

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

    void fileWithProblemsChangesNothingAndListsEveryBadLine() {
        ChannelRun c;
        QCOMPARE(c.doc().BandMode, int16_t(kBandHAM));
        const RadioData data = c.doc().WorkData;
        const ChannelArray channels = c.doc().WorkChannels;
        c.r.dialogs.openAnswers = {QString(ZQ61_SOURCE_DIR "/tests/data/chirp_mixed.csv")};
        action(c.main, "mnuImportCsv")->trigger();

        QVERIFY(c.r.dialogs.filters.back().contains("*.csv"));
        const PromptRecord* shown = lastShown(c);
        QVERIFY(shown);
        QCOMPARE(shown->textId, txt::kCsvProblems);
        const QString text = QString::fromStdString(shown->text);
        for (const char* where :
             {"4: Frequency", "5: Frequency", "6: rToneFreq", "7: DtcsPolarity", "8: Location",
              "9: Location", "10: Duplex", "11: Power", "13: Mode"})
            QVERIFY2(text.contains(QString("\n") + where + ":"), where);
        QVERIFY(c.doc().WorkData == data);
        QVERIFY(c.doc().WorkChannels == channels);
    }

    void manyProblemsAreCountedBeyondTheFirstLines() {
        ChannelRun c;
        QByteArray csv = "Location,Frequency\n";
        for (int i = 0; i < 40; ++i)
            csv += "1" + QByteArray::number(i) + ",99.5\n";
        const QString path = dir_.filePath("many.csv");
        writeFile(path, csv);
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
