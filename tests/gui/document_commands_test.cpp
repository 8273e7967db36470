// SPDX-License-Identifier: GPL-3.0-or-later
// New, Initialize, Open, Save, Save As and Exit with every answer to their
// questions: nothing the user asked to keep is ever lost, and nothing is
// written under a name the user did not choose.

#include <QAction>
#include <QFileInfo>
#include <QtTest>

#include "gui_test_support.h"
#include "model/dat_file.h"
#include "model/document_copies.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;
using Answers = QList<int>;

namespace {

void answer(GuiRun& r, const Answers& answers) {
    for (int a : answers)
        r.prompter.answers.push_back(static_cast<PromptAnswer>(a));
}

// The texts of the questions asked, in order.
QStringList asked(GuiRun& r) {
    QStringList out;
    for (const auto& p : r.prompter.shown)
        out << QString::fromStdString(p.text);
    return out;
}

constexpr int Yes = static_cast<int>(PromptAnswer::Yes);
constexpr int No = static_cast<int>(PromptAnswer::No);
constexpr int Ok = static_cast<int>(PromptAnswer::Ok);
constexpr int Cancel = static_cast<int>(PromptAnswer::Cancel);

}  // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> work_;  // the working folder: nothing may appear here
    QString previous_;

    // Gives the document a file of its own, unchanged.
    QString makeTitled(GuiRun& r, const char* name) {
        const QString path = work_->filePath(name);
        [&] { QVERIFY(saveDocumentAs(r.doc(), path.toStdString())); }();
        return path;
    }
    // A data file to open, while the document stays untitled.
    QString makeOtherFile(GuiRun& r, int maxLimit) {
        const int keep = r.doc().WorkData.Options.MaxLimit;
        r.doc().WorkData.Options.MaxLimit = static_cast<int16_t>(maxLimit);
        const QString path = makeTitled(r, "other.dat");
        r.doc().WorkData.Options.MaxLimit = static_cast<int16_t>(keep);
        copyWorkToFile(r.doc());
        r.doc().DataFileName = "new.dat";
        r.doc().IsUntitled = true;
        return path;
    }
    QString q(GuiRun& r, int id) { return r.ctx().text(id); }
    bool nothingInWorkingFolder() { return QDir(work_->path()).entryList(QDir::Files).isEmpty(); }

  private slots:
    void init() {
        previous_ = QDir::currentPath();
        work_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(work_->path());
    }
    void cleanup() { QDir::setCurrent(previous_); }

    void newFromToolbarDiscardsWithoutAsking() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        r.changeDocument();
        main.showWindowOnce("FrmDTMF");
        action(main, "NewFile")->trigger();
        QVERIFY(main.openWindowNames().isEmpty());
        QVERIFY(main.newDocTimer()->isActive());
        r.waitForNewDocument();
        QVERIFY(r.prompter.shown.empty());
        QVERIFY(!isChanged(r.doc()));
        QVERIFY(r.doc().IsUntitled);
        QCOMPARE(main.openWindowNames(), QStringList{"frmCommChInfo"});
    }

    void newFromMenu_data() {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<bool>("saveAsChosen");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("newDocument");
        QTest::newRow("No, OK") << Answers{No, Ok} << false << 2 << true;
        QTest::newRow("Cancel goes on as No") << Answers{Cancel, Ok} << false << 2 << true;
        QTest::newRow("No, Cancel") << Answers{No, Cancel} << false << 2 << false;
        QTest::newRow("Yes, saved as") << Answers{Yes, Ok} << true << 2 << true;
        QTest::newRow("Yes, Save As cancelled") << Answers{Yes} << false << 1 << false;
    }
    void newFromMenu() {
        QFETCH(Answers, answers);
        QFETCH(bool, saveAsChosen);
        QFETCH(int, questions);
        QFETCH(bool, newDocument);
        GuiRun r;
        gui::MainWindow& main = r.start();
        r.changeDocument();
        const QString chosen = work_->filePath("kept.dat");
        r.dialogs.saveAnswers = {saveAsChosen ? std::optional(chosen) : std::nullopt};
        answer(r, answers);
        action(main, "mnuFileNew")->trigger();

        const QStringList texts = asked(r);
        QCOMPARE(texts.size(), questions);
        QCOMPARE(texts[0], q(r, txt::kSaveChanges));
        QCOMPARE(r.prompter.shown[0].icon, PromptIcon::Warning);
        if (questions > 1) QCOMPARE(texts[1], q(r, txt::kConfirmNew));
        QCOMPARE(r.dialogs.saveShown, answers[0] == Yes ? 1 : 0);
        QCOMPARE(QFile::exists(chosen), saveAsChosen);
        QCOMPARE(main.newDocTimer()->isActive(), newDocument);
        r.waitForNewDocument();
        QCOMPARE(isChanged(r.doc()), !newDocument && !saveAsChosen);
        if (!saveAsChosen) QVERIFY(nothingInWorkingFolder());
    }

    void open_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("titled");
        QTest::addColumn<bool>("opened");
        QTest::newRow("Cancel") << Cancel << false << false;
        QTest::newRow("No") << No << false << true;
        QTest::newRow("Yes, titled: saved without a second question") << Yes << true << true;
        QTest::newRow("Yes, untitled, Save As cancelled") << Yes << false << false;
    }
    void open() {
        QFETCH(int, answer);
        QFETCH(bool, titled);
        QFETCH(bool, opened);
        GuiRun r;
        gui::MainWindow& main = r.start();
        const QString other = makeOtherFile(r, 77);
        const QString mine = titled ? makeTitled(r, "mine.dat") : QString();
        const QByteArray before = titled ? fileBytes(mine) : QByteArray();
        r.changeDocument();
        r.prompter.answers = {static_cast<PromptAnswer>(answer)};
        r.dialogs.openAnswers = {other};
        action(main, "OpenFile")->trigger();

        QCOMPARE(asked(r), QStringList{q(r, txt::kSaveChanges)});
        QCOMPARE(r.dialogs.openShown, opened ? 1 : 0);
        if (titled) QVERIFY(fileBytes(mine) != before);  // the edits were saved first
        if (!opened) {
            QVERIFY(isChanged(r.doc()));
            QVERIFY(r.doc().IsUntitled);
            QCOMPARE(QDir(work_->path()).entryList(QDir::Files), QStringList{"other.dat"});
            return;
        }
        QCOMPARE(r.doc().WorkData.Options.MaxLimit, 77);
        QCOMPARE(QString::fromStdString(r.doc().DataFileName), other);
        QVERIFY(!r.doc().IsUntitled);
        QCOMPARE(main.openWindowNames(), QStringList{"frmCommChInfo"});
        QVERIFY(main.windowTitle().endsWith(":other.dat]"));
    }

    void saveAsksWithTheQuotedFileName() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        const QString mine = makeTitled(r, "mine.dat");
        const QByteArray before = fileBytes(mine);
        r.changeDocument();
        r.prompter.answers = {PromptAnswer::Cancel};
        QVERIFY(!main.save());
        QCOMPARE(fileBytes(mine), before);
        QCOMPARE(asked(r), QStringList{"\"mine.dat\"" + q(r, txt::kConfirmSave)});
        QCOMPARE(r.prompter.shown[0].icon, PromptIcon::Question);
        r.prompter.answers = {PromptAnswer::Ok};
        action(main, "SaveFile")->trigger();
        QVERIFY(fileBytes(mine) != before);
        QVERIFY(!isChanged(r.doc()));
        QCOMPARE(r.dialogs.saveShown, 0);
    }

    void saveOfUntitledGoesToSaveAs() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        r.changeDocument();
        action(main, "mnuFileSave")->trigger();  // the dialog is cancelled
        QCOMPARE(r.dialogs.saveShown, 1);
        QCOMPARE(r.dialogs.presets.back(), QString("new.dat"));
        QVERIFY(r.prompter.shown.empty());
        QCOMPARE(r.doc().DataFileName, std::string("new.dat"));
        QVERIFY(r.doc().IsUntitled);
        QVERIFY(nothingInWorkingFolder());

        const QString chosen = work_->filePath("named.dat");
        r.dialogs.saveAnswers = {chosen};
        action(main, "mnuFileSaveAs")->trigger();
        QVERIFY(QFile::exists(chosen));
        QVERIFY(!r.doc().IsUntitled);
        QVERIFY(main.windowTitle().endsWith(":named.dat]"));
    }

    void exit_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("titled");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("saveTo");  // "" keeps the name; "-" cancels Save As
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        QTest::newRow("unchanged") << false << false << Answers{} << "" << true << false;
        QTest::newRow("Cancel") << true << true << Answers{Cancel} << "" << false << false;
        QTest::newRow("No") << true << true << Answers{No} << "" << true << false;
        QTest::newRow("Yes, OK") << true << true << Answers{Yes, Ok} << "" << true << true;
        QTest::newRow("Yes, confirmation cancelled")
            << true << true << Answers{Yes, Cancel} << "" << false << false;
        QTest::newRow("Yes, the save fails")
            << true << true << Answers{Yes, Ok} << "/nonexistent/folder/x.dat" << false << false;
        QTest::newRow("Yes, untitled, Save As cancelled")
            << true << false << Answers{Yes} << "-" << false << false;
    }
    void exit() {
        QFETCH(bool, changed);
        QFETCH(bool, titled);
        QFETCH(Answers, answers);
        QFETCH(QString, saveTo);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        GuiRun r;
        gui::MainWindow& main = r.start();
        main.show();
        const QString mine = titled ? makeTitled(r, "mine.dat") : QString();
        const QByteArray before = titled ? fileBytes(mine) : QByteArray();
        if (!saveTo.isEmpty() && saveTo != "-") r.doc().DataFileName = saveTo.toStdString();
        if (changed) r.changeDocument();
        answer(r, answers);
        action(main, "mnuFileExit")->trigger();

        QCOMPARE(main.isVisible(), !closed);
        QCOMPARE(r.radio.portCloses, closed ? 1 : 0);
        QCOMPARE(QFile::exists(r.install.path("V100/Setting.ini")), true);
        if (titled) QCOMPARE(fileBytes(mine) != before, written);
        if (saveTo.startsWith('/'))
            QVERIFY(r.prompter.showed(txt::kFileError) &&
                    asked(r).filter(saveTo + ": ").size() == 1);  // the file and why
        if (!closed) QVERIFY(isChanged(r.doc()));
        QVERIFY(r.prompter.answers.empty());
        if (!titled) QVERIFY(nothingInWorkingFolder());
    }

    void initializeReadsItsOwnDefaultsOnlyWhenConfirmed() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        const QString init = r.install.path("V100/Init/");
        r.doc().WorkData.Options.MaxLimit = 111;
        QVERIFY(saveDocumentAs(r.doc(), (init + "ZQ-61_2_NEW.dat").toStdString()));
        r.doc().WorkData.Options.MaxLimit = 222;
        QVERIFY(saveDocumentAs(r.doc(), (init + "ZQ-61_2.dat").toStdString()));

        // Cancelled: a later New still starts from the New defaults.
        r.prompter.answers = {PromptAnswer::Cancel};
        action(main, "MnuInit")->trigger();
        QCOMPARE(asked(r), QStringList{q(r, txt::kConfirmNew)});
        QVERIFY(!main.newDocTimer()->isActive());
        action(main, "NewFile")->trigger();
        r.waitForNewDocument();
        QCOMPARE(r.doc().WorkData.Options.MaxLimit, 111);

        r.prompter.answers = {PromptAnswer::Ok};
        action(main, "MnuInit")->trigger();
        r.waitForNewDocument();
        QCOMPARE(r.doc().WorkData.Options.MaxLimit, 222);
        QVERIFY(!r.ctx().settings.InitialSettingsRequest);
        QCOMPARE(main.openWindowNames(), QStringList{"frmCommChInfo"});
    }
};

ZQ61_GUI_TEST(DocumentCommandsTest)
#include "document_commands_test.moc"
