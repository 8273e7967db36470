// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the radio's data safe in the window program, against the virtual
// radio: every read kept among the backups (also when the folder cannot be
// written), Open Backup, verify after write on a healthy and on a damaged
// radio, the compare window with its way into the channel edit window, and
// the transfer log (Help > Transfer Log...).

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

#include "app/import_choice_dialog.h"
#include "app/open_backup_dialog.h"
#include "app/transfer_log_dialog.h"
#include "app/twips.h"
#include "app/window_names.h"
#include "editors/channel_window.h"
#include "link/engine/read_documents.h"
#include "link/windows/compare_window.h"
#include "model/bands.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "platform/backup_store.h"
#include "platform/user_preferences.h"
#include "radio_link_support.h"
#include "support/test_platform.h"

namespace zq61::test {

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The radio's memory: the document with channel 12 added and one option
// changed, so that a comparison has a channel line and an option line.
MemoryBytes changedRadioImage(Document& doc) {
    const int count = doc.WorkData.ChannelCount;
    ChannelRecord& added = doc.WorkChannels[static_cast<std::size_t>(count)];
    const ChannelRecord kept = added;
    added = ChannelRecord{};
    added.ChNo = 12;
    added.Frequency = "02851000";
    doc.WorkData.ChannelCount = static_cast<int16_t>(count + 1);
    const MemoryBytes image = radioImage(doc);
    doc.WorkData.ChannelCount = static_cast<int16_t>(count);
    added = kept;
    return image;
}

}  // namespace

class SafetyWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    // The backup of a read holds the radio's image byte for byte and a
    // document that gives the same image again.
    void readKeepsBackup() {
        LinkRun run;
        const MemoryBytes image = radioImage(run.gui.doc());
        SimRadio radio({}, bytesOf(image));
        run.usePort(radio.port());
        run.command("mnuReadFromRadio");
        run.waitIdle();
        QVERIFY(run.gui.prompter.showed(txt::kReadDone));
        QVERIFY(!run.gui.prompter.showed(txt::kBackupNotWritten));

        const std::vector<std::string> stems = BackupStore(run.backups.path().toStdString()).list();
        QCOMPARE(stems.size(), std::size_t{1});
        const QString stem = QDir(run.backups.path()).filePath(QString::fromStdString(stems[0]));
        QVERIFY(stem.endsWith("_ZQ-61_HAM"));
        QCOMPARE(readFile(stem + ".img"), bytesOf(image));
        Document backup(run.gui.prompter, run.gui.ctx().texts);
        QVERIFY(fullRead(backup, (stem + ".dat").toStdString()));
        QCOMPARE(packed(backup), bytesOf(image));
        QCOMPARE(QString::fromStdString(run.link->lastBackupPath()), stem + ".dat");
    }

    // A backup that cannot be written is reported with the reason; the read
    // still replaces the document.
    void unwritableBackupFolderDoesNotStopTheRead_data() {
        QTest::addColumn<bool>("readOnly");  // else a file stands where a folder must be
        QTest::newRow("file in the way") << false;
        QTest::newRow("read-only folder") << true;
    }
    void unwritableBackupFolderDoesNotStopTheRead() {
        QFETCH(bool, readOnly);
        if (readOnly && !filePermissionsBind())
            QSKIP("the superuser writes into read-only folders");
        LinkRun run;
        const QString blocked = run.backups.filePath("blocked");
        // The folder is made writable again for the clean-up, whatever happens.
        const auto writable = qScopeGuard([&] {
            QFile::setPermissions(blocked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (readOnly) {
            QVERIFY(QDir().mkpath(blocked));
            QVERIFY(QFile::setPermissions(blocked, QFile::ReadOwner | QFile::ExeOwner));
            run.gui.ctx().backupFolder = blocked;
        } else {
            QFile blocker(blocked);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            run.gui.ctx().backupFolder = blocked + "/backups";
        }
        Document& doc = run.gui.doc();
        const int16_t before = doc.WorkData.Options.MaxLimit;
        SimRadio radio({}, bytesOf(radioImage(doc)));
        run.usePort(radio.port());
        run.command("mnuReadFromRadio");
        run.waitIdle();
        const PromptRecord* warning = run.gui.prompter.lastShown(txt::kBackupNotWritten);
        QVERIFY(warning);
        QCOMPARE(warning->icon, PromptIcon::Warning);
        QVERIFY(QString::fromStdString(warning->text).contains(blocked));
        QVERIFY(run.gui.prompter.showed(txt::kReadDone));
        QCOMPARE(doc.WorkData.Options.MaxLimit, before + 7);
    }

    // Open Backup lists the backups newest first with band mode and channel
    // count, and opens the chosen one as an untitled document; an empty
    // folder says so and offers nothing to open.
    void openBackup() {
        LinkRun run;
        gui::MainWindow& main = run.gui.main();
        Document& doc = run.gui.doc();
        int shownRows = -1;
        bool openEnabled = true;
        bool noneShown = false;
        run.gui.answerDialog = [&](QDialog& d) {
            auto* list = d.findChild<QTreeWidget*>("ListBackups");
            shownRows = list->topLevelItemCount();
            openEnabled = d.findChild<QPushButton*>("CommandOpen")->isEnabled();
            noneShown = !d.findChild<QLabel*>("LabelNone")->isHidden();
            return int(QDialog::Rejected);
        };
        main.openBackup();
        QCOMPARE(shownRows, 0);
        QVERIFY(!openEnabled);
        QVERIFY(noneShown);

        // Two reads kept: an older one with channel 12, a newer one without.
        const BackupStore store(run.backups.path().toStdString());
        const QDateTime older = QDateTime::currentDateTimeUtc().addSecs(-60);
        const int16_t before = doc.WorkData.Options.MaxLimit;
        Document kept(run.gui.prompter, run.gui.ctx().texts);
        documentOfImage(kept, changedRadioImage(doc), kBandHAM,
                        run.gui.ctx().settings.ProgramFolder);
        QVERIFY(store.save({documentFileBytes(kept), {}, {}, "ZQ-61", kBandHAM}, older).saved);
        Document empty(run.gui.prompter, run.gui.ctx().texts);
        documentOfImage(empty, MemoryBytes{}, kBandHF, run.gui.ctx().settings.ProgramFolder);
        QVERIFY(store.save({documentFileBytes(empty), {}, {}, "ZQ-61", kBandHF}).saved);

        int channels = 1;  // channel 12, and the document's own but the VFO slot
        for (int i = 0; i < doc.WorkData.ChannelCount; ++i)
            channels += doc.WorkChannels[static_cast<std::size_t>(i)].ChNo != kVfoChannel;
        QStringList rows;
        run.gui.answerDialog = [&](QDialog& d) {
            auto* list = d.findChild<QTreeWidget*>("ListBackups");
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                rows << list->topLevelItem(i)->text(1) + " " + list->topLevelItem(i)->text(2);
            list->setCurrentItem(list->topLevelItem(1));
            QTest::keyClick(list, Qt::Key_Return);  // Enter opens the chosen line
            return d.result();
        };
        main.openBackup();
        QCOMPARE(rows, (QStringList{"HF 0", "HAM " + QString::number(channels)}));
        QCOMPARE(doc.BandMode, kBandHAM);
        QCOMPARE(doc.WorkData.Options.MaxLimit, before + 7);
        QCOMPARE(packed(doc), packed(kept));
        QVERIFY(doc.IsUntitled);
        QCOMPARE(QString::fromStdString(doc.DataFileName), QString("new.dat"));
        QVERIFY(main.findWindow(gui::win::kChannels));
    }

    // With Verify after Write on, a write is read back: success only when
    // every byte is there, else the first damaged address and its meaning.
    void verifyAfterWrite_data() {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QStringList>("radioArgs");
        QTest::addColumn<int>("expected");  // the message that ends the write
        QTest::newRow("off") << false << QStringList{} << int(txt::kWriteDone);
        QTest::newRow("healthy radio") << true << QStringList{} << int(txt::kVerifyPassed);
        QTest::newRow("damaged cell")
            << true << QStringList{"--corrupt-byte", "0x00B1"} << int(txt::kVerifyFailed);
    }
    void verifyAfterWrite() {
        QFETCH(bool, verify);
        QFETCH(QStringList, radioArgs);
        QFETCH(int, expected);
        LinkRun run;
        QAction* item = action(run.gui.main(), "mnuVerifyWrite");
        QVERIFY(item->isCheckable());
        if (item->isChecked() != verify) item->trigger();
        QCOMPARE(zq61::verifyAfterWrite(), verify);

        SimRadio radio(radioArgs, QByteArray(int(MemoryBytes{}.size()), '\0'));
        run.usePort(radio.port());
        run.command("mnuWriteToRadio");
        run.waitIdle();
        QTRY_VERIFY_WITH_TIMEOUT(run.gui.prompter.showed(expected), 30000);
        for (int id : {int(txt::kWriteDone), int(txt::kVerifyPassed), int(txt::kVerifyFailed),
                       int(txt::kVerifyNoReadBack)})
            QCOMPARE(run.count(id), id == expected ? 1 : 0);
        if (expected == txt::kVerifyFailed) {
            // The damaged cell stores the written byte with its bits inverted.
            const auto written = static_cast<uint8_t>(packed(run.gui.doc())[0x00B1]);
            const QString named =
                QString::asprintf("0x00B1: written %02X, read back %02X (channel 12, frequency)",
                                  written, uint8_t(~written));
            const PromptRecord* failed = run.gui.prompter.lastShown(txt::kVerifyFailed);
            QCOMPARE(failed->icon, PromptIcon::Error);
            QVERIFY2(QString::fromStdString(failed->text).contains(named), failed->text.c_str());
        }
        // The read-back keeps the document as it is and no backup.
        QVERIFY(!run.gui.prompter.showed(txt::kConfirmRead));
        QVERIFY(BackupStore(run.backups.path().toStdString()).list().empty());
        if (verify) setVerifyAfterWrite(false);
    }

    // Compare with Radio lists what `zq61-cli diff FILE radio` prints,
    // keeps the document and a backup of the read, and a double click on
    // a channel line opens that channel in the channel edit window.
    void compareWithRadio() {
        LinkRun run;
        gui::MainWindow& main = run.gui.main();
        Document& doc = run.gui.doc();
        const QByteArray documentBefore = packed(doc);
        SimRadio radio({}, bytesOf(changedRadioImage(doc)));
        run.usePort(radio.port());
        run.command("mnuFileCompareRadio");
        run.waitIdle();
        QVERIFY(!run.gui.prompter.showed(txt::kConfirmRead));
        QVERIFY(!run.gui.prompter.showed(txt::kReadDone));
        QCOMPARE(packed(doc), documentBefore);
        QCOMPARE(BackupStore(run.backups.path().toStdString()).list().size(), std::size_t{1});

        auto* window = qobject_cast<gui::FrmCompare*>(main.findWindow(gui::win::kCompare));
        QVERIFY(window);
        QStringList lines;
        int channelRow = -1;
        for (int i = 0; i < window->list()->count(); ++i) {
            lines << window->list()->item(i)->text();
            if (lines.back().startsWith("channel 12 ")) channelRow = i;
        }
        QVERIFY2(channelRow >= 0, qPrintable(lines.join('\n')));

        // The command line, on the same document and radio.
        QTemporaryDir dir;
        QFile file(dir.filePath("document.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const std::vector<uint8_t> bytes = documentFileBytes(doc);
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        file.close();
        QProcess cli;
        cli.start(ZQ61_PROGRAM_DIR "/zq61-cli",
                  {"diff", file.fileName(), "radio", "--port", radio.port(), "--no-backup"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                 lines);

        // An option line opens nothing; the channel line opens channel 12.
        window->openLine(channelRow == 0 ? 1 : 0);
        QVERIFY(!main.findWindow(gui::win::kChannelEdit));
        window->openLine(channelRow);
        QWidget* edit = main.findWindow(gui::win::kChannelEdit);
        QVERIFY(edit);
        QCOMPARE(edit->findChild<QComboBox*>("Combo1")->currentText(), QString("12"));
        auto* grid = qobject_cast<gui::ChannelWindow*>(main.findWindow(gui::win::kChannels));
        QCOMPARE(grid->EditRow, 12);
    }

    // A read and a failed write each leave a run in the log with frames and
    // result; Help > Transfer Log... lists them newest first, shows the
    // frames and saves the chosen one. A log that cannot be written is told
    // once, with the file and the reason, and the transfers go on.
    void transferLog() {
        LinkRun run;
        QTemporaryDir logs;
        const QString blocked = logs.filePath("blocked");
        QFile blocker(blocked);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        run.gui.ctx().logFolder = blocked + "/logs";
        SimRadio radio({}, bytesOf(radioImage(run.gui.doc())));
        run.usePort(radio.port());
        for (int i = 0; i < 2; ++i) {
            run.command("mnuReadFromRadio");
            run.waitIdle();
        }
        QCOMPARE(run.count(txt::kReadDone), 2);
        QCOMPARE(run.count(txt::kLogNotWritten), 1);
        QVERIFY(run.gui.prompter.lastShown(txt::kLogNotWritten)->text.find("blocked") !=
                std::string::npos);

        run.gui.ctx().logFolder = logs.filePath("logs");
        run.command("mnuReadFromRadio");
        run.waitIdle();
        SimRadio cbRadio({"--band", "cb"});  // a write of the HAM document is refused
        run.usePort(cbRadio.port());
        run.command("mnuWriteToRadio");
        run.waitIdle();
        QVERIFY(run.gui.prompter.showed(txt::kOtherBandOrVersion));

        const QString saved = logs.filePath("report.log");
        run.gui.dialogs.saveAnswers = {saved};
        QStringList rows;
        QString details;
        run.gui.answerDialog = [&](QDialog& d) {
            auto* log = qobject_cast<gui::FrmTransferLog*>(&d);
            for (int i = 0; log && i < log->list()->topLevelItemCount(); ++i)
                rows << log->list()->topLevelItem(i)->text(1) + " " +
                            log->list()->topLevelItem(i)->text(3);
            if (log) details = log->details()->toPlainText();
            if (log) log->saveButton()->click();
            return int(QDialog::Accepted);
        };
        action(run.gui.main(), "mnuHelpTransferLog")->trigger();
        QCOMPARE(rows, (QStringList{"write failed", "read success"}));
        for (const QString& line : {QString("--- write ---"), "port: " + cbRadio.port(),
                                    QString("TX 50 52 4F 47 52 41 4D"),
                                    QString("low latency: refused: "), QString("result: failed")})
            QVERIFY2(details.contains(line), qPrintable(line));
        QCOMPARE(QString::fromUtf8(readFile(saved)).trimmed(), details.trimmed());
    }

    // The windows of the CSV import and the transfer log: every field has a
    // label as its buddy, and each fits the main window's default size in
    // both languages.
    void newWindowsFitAndNameTheirFields() {
        for (int language : {1, 2}) {
            GuiRun gui(setupIni(language));
            gui::MainWindow& main = gui.start();
            gui::FrmImportChoice choice(gui.ctx(), &main);
            gui::FrmTransferLog log(gui.ctx(), &main);
            for (QDialog* d : {static_cast<QDialog*>(&choice), static_cast<QDialog*>(&log)}) {
                const QSize most(twipsToPixels(12500, &main), twipsToPixels(9500, &main));
                const QSize need = d->minimumSizeHint();
                QVERIFY2(need.width() <= most.width() && need.height() <= most.height(),
                         qPrintable(d->objectName()));
                QSet<QWidget*> named;
                for (QLabel* label : d->findChildren<QLabel*>())
                    if (label->buddy()) named << label->buddy();
                for (QWidget* field : d->findChildren<QWidget*>()) {
                    const bool isField = qobject_cast<QComboBox*>(field) ||
                                         qobject_cast<QTreeWidget*>(field) ||
                                         qobject_cast<QPlainTextEdit*>(field);
                    if (isField)
                        QVERIFY2(named.contains(field),
                                 qPrintable(d->objectName() + " " + field->objectName()));
                }
            }
        }
    }
};

ZQ61_GUI_TEST(SafetyWindowsTest)

}  // namespace zq61::test

#include "safety_windows_test.moc"
