// SPDX-License-Identifier: GPL-3.0-or-later
// Files and folders that cannot be written, in the window program. Save on
// a full disk names the file and the system's reason and keeps the file as
// it was. Settings and backups folders that cannot be written are each told
// once, with the file and why, while the program starts and works on.
//
// A full disk and a read-only one are mounted by
// tests/e2e/file_system_faults.sh in a mount namespace of its own, which
// runs the rows that need them; a file standing where a folder should be
// needs no mount, and that row runs everywhere.

#include <QPushButton>
#include <QScopeGuard>

#include "model/document_copies.h"
#include "model/text_ids.h"
#include "radio_link_support.h"

namespace zq61::test {

namespace {

// An installation whose settings can go nowhere: a file stands where the
// installation's "language" folder and this user's "zq61" settings folder
// should be, and where the backups folder should be made.
struct BlockedFolders {
    QTemporaryDir dir;
    BlockedFolders() {
        QDir root(dir.path());
        root.mkpath("V100/language");
        root.mkpath("config");
        const QString src = ZQ61_SOURCE_DIR "/lang/";
        QFile::copy(src + "Version.ini", root.filePath("Version.ini"));
        for (const char* file : {"english.ini", "chinese.ini"})
            QFile::copy(src + file, root.filePath(QString("V100/language/") + file));
        for (const char* blocker : {"language", "config/zq61", "blocked"}) {
            QFile f(root.filePath(blocker));
            f.open(QIODevice::WriteOnly);
        }
    }
};

}  // namespace

class FileSystemFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void saveOnFullDisk() {
        const QString full = qEnvironmentVariable("ZQ61_FULL_DIR");
        if (full.isEmpty()) QSKIP("needs a full disk: tests/e2e/file_system_faults.sh runs it");
        GuiRun r;
        gui::MainWindow& main = r.start();
        const QString path = full + "/old.dat";
        const QByteArray before = fileBytes(path);
        main.openFile(path);
        QVERIFY(!r.doc().IsUntitled);
        r.changeDocument();
        QVERIFY(!main.save());
        const PromptRecord* failed = r.prompter.lastShown(txt::kFileError);
        QVERIFY(failed);
        QVERIFY2(QString::fromStdString(failed->text).contains(path + ": No space left on device"),
                 failed->text.c_str());
        QCOMPARE(fileBytes(path), before);
        QVERIFY(isChanged(r.doc()));  // the edits are not lost
    }

    // The program starts over settings folders it cannot write, says so
    // once (not again for the language chosen nor at the end), reads the
    // radio twice without backups, saying that once too.
    void unwritableFolders_data() {
        QTest::addColumn<bool>("readOnlyDisk");
        QTest::newRow("file in the way") << false;
        QTest::newRow("read-only disk") << true;
    }
    void unwritableFolders() {
        QFETCH(bool, readOnlyDisk);
        BlockedFolders blocked;
        QString root = blocked.dir.path();
        QString backups = root + "/blocked/backups";
        QString reason = "Not a directory";
        if (readOnlyDisk) {
            root = qEnvironmentVariable("ZQ61_READ_ONLY_DIR");
            if (root.isEmpty())
                QSKIP("needs a read-only disk: tests/e2e/file_system_faults.sh runs it");
            backups = root + "/backups";
            reason = "Read-only file system";
        }
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", config); });
        qputenv("XDG_CONFIG_HOME", (root + "/config").toLocal8Bit());

        GuiRun gui(QString(), "en_US.UTF-8", root + "/V100");
        gui.ctx().backupFolder = backups;
        gui::MainWindow& main = gui.start();
        auto link = std::make_unique<gui::RadioLink>(main);
        QCOMPARE(gui.prompter.count(txt::kSettingsNotSaved), 1);
        const QString told =
            QString::fromStdString(gui.prompter.lastShown(txt::kSettingsNotSaved)->text);
        QVERIFY2(told.contains(root) && told.contains(": " + reason), qPrintable(told));

        gui.answerDialog = [](QDialog& d) {
            d.findChild<QPushButton*>("CommandOK")->click();
            return d.result();
        };
        action(main, "mnuLanguage")->trigger();
        QCOMPARE(gui.ctx().settings.CurrentLanguage, 1);

        SimRadio radio({}, bytesOf(radioImage(gui.doc())));
        gui.ctx().settings.PortName = radio.port().toStdString();
        for (int read = 0; read < 2; ++read) {
            action(main, "mnuReadFromRadio")->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!link->engine().isBusy() && !link->readOkTimer().isActive(),
                                     30000);
        }
        QCOMPARE(gui.prompter.count(txt::kReadDone), 2);
        QCOMPARE(gui.prompter.count(txt::kBackupNotWritten), 1);
        const QString backupTold =
            QString::fromStdString(gui.prompter.lastShown(txt::kBackupNotWritten)->text);
        QVERIFY2(
            backupTold.contains(backups.section('/', 0, -2)) && backupTold.contains(": " + reason),
            qPrintable(backupTold));

        link.reset();
        gui.prompter.answers = {PromptAnswer::No};  // the document read is not kept
        main.close();
        QCOMPARE(gui.prompter.count(txt::kSettingsNotSaved), 1);
    }
};

ZQ61_GUI_TEST(FileSystemFaultsTest)

}  // namespace zq61::test

#include "file_system_faults_test.moc"
