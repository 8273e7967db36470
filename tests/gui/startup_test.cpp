// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the language chosen from the locale and mysetup.ini, the files
// read and written, the splash window and its timer, and the placement of
// the main window kept from one run to the next.

#include <QLabel>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include "gui_test_support.h"
#include "model/text_ids.h"
#include "settings/lang_text.h"

using namespace zq61;
using namespace zq61::test;

namespace {

QString setup(int firstRun, int language) {
    return QString("[language]\nIsFirstRun=%1\ncomPort=3\nCurrentLanguage=%2\n")
        .arg(firstRun)
        .arg(language);
}

// The text of `id` straight from a language file of the installation.
QString fileText(const GuiRun& r, const char* file, int id) {
    Settings s;
    s.ProgramFolder = r.install.programFolder().toStdString();
    s.LanguageFileName = file;
    return QString::fromStdString(LangText(s).text(id));
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void languageFromLocaleAndSetup_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("firstRun");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("picture");
        QTest::newRow("first run, mainland Chinese")
            << "zh_CN.UTF-8" << 1 << 1 << 2 << "StartC.jpg";
        QTest::newRow("first run, Taiwan") << "zh_TW.UTF-8" << 1 << 2 << 1 << "StartE.jpg";
        QTest::newRow("first run, English") << "en_GB.UTF-8" << 1 << 2 << 1 << "StartE.jpg";
        QTest::newRow("later run keeps Chinese") << "de_DE.UTF-8" << 0 << 2 << 2 << "StartC.jpg";
        QTest::newRow("later run keeps English") << "zh_CN.UTF-8" << 0 << 1 << 1 << "StartE.jpg";
    }
    void languageFromLocaleAndSetup() {
        QFETCH(QString, locale);
        QFETCH(int, firstRun);
        QFETCH(int, stored);
        QFETCH(int, language);
        QFETCH(QString, picture);
        GuiRun r(setup(firstRun, stored), locale.toStdString());
        r.install.write("V100/Setting.ini", QByteArray("\x01\x02\x03\x04", 4));
        r.run->start();

        QCOMPARE(r.ctx().settings.CurrentLanguage, language);
        QCOMPARE(r.ctx().settings.ComPortNumber, 3);
        QCOMPARE(r.install.setupValue("IsFirstRun"), QString("0"));
        QCOMPARE(r.install.setupValue("comPort"), QString("3"));
        QCOMPARE(r.install.setupValue("CurrentLanguage"), QString::number(language));
        const char* file = language == 2 ? "chinese.ini" : "english.ini";
        QVERIFY(!fileText(r, file, txt::kAppTitle).isEmpty());
        QCOMPARE(r.ctx().applicationTitle, fileText(r, file, txt::kAppTitle));
        QVERIFY(r.run->splash()->isVisible());
        QVERIFY(!r.run->splash()->picture()->pixmap().isNull());
        QCOMPARE(gui::startPicturePath(r.install.programFolder(), language),
                 r.install.path("V100/" + picture));
        QVERIFY(r.doc().IsUntitled);
        QVERIFY(r.prompter.shown.empty());

        // The four reserved bytes go back unchanged at exit.
        QVERIFY(r.start().close());
        QCOMPARE(r.install.read("V100/Setting.ini"), QByteArray("\x01\x02\x03\x04", 4));
    }

    // Without its language file the program still starts and says which
    // file and why, in a fixed text (no text can come from that file).
    void missingLanguageFileIsTold() {
        GuiRun r;
        const QString file = r.install.path("V100/language/english.ini");
        QFile::remove(file);
        r.start();
        QCOMPARE(r.prompter.shown.size(), std::size_t{1});
        QVERIFY(r.prompter.showed(FixedText::LanguageFileUnreadable));
        QVERIFY(QString::fromStdString(r.prompter.shown[0].text)
                    .endsWith(file + ": No such file or directory"));
    }

    void clickOnPictureEndsSplashAtOnce() {
        GuiRun r;
        r.run->start();
        gui::SplashWindow* splash = r.run->splash();
        QCOMPARE(splash->timer()->interval(), 2000);
        QVERIFY(splash->timer()->isActive() && !r.run->mainWindow());
        QTest::mouseClick(splash->picture(), Qt::LeftButton);
        QVERIFY(r.run->mainWindow() && r.run->mainWindow()->isVisible());
        QVERIFY(!splash->timer()->isActive() && !splash->isVisible());
    }

    void timerEndsSplashAndMissingPictureShowsEmptySplash() {
        GuiRun r;
        QFile::remove(r.install.path("V100/StartE.jpg"));
        r.run->start();
        QVERIFY(r.run->splash()->picture()->pixmap().isNull());
        QVERIFY(r.prompter.shown.empty());
        QTRY_VERIFY_WITH_TIMEOUT(r.run->mainWindow() != nullptr, 4000);
        QVERIFY(r.run->mainWindow()->isVisible() && !r.run->splash()->isVisible());
    }

    void placementKeptInTwipsUnlessMinimized() {
        QSize firstSize;
        {
            GuiRun r;
            gui::MainWindow& main = r.start();
            QCOMPARE(main.size(), QSize(12500 / 15, 9500 / 15));  // the defaults at 96 dpi
            main.move(150, 120);
            main.resize(900, 700);
            firstSize = main.size();
            QVERIFY(main.close());
            QSettings store("zq61", r.ctx().applicationTitle);
            QCOMPARE(store.value("Settings/MainWidth").toString(), QString("13500"));
            QCOMPARE(store.value("Settings/MainHeight").toString(), QString("10500"));
        }
        {
            GuiRun r;
            gui::MainWindow& main = r.start();
            QCOMPARE(main.size(), firstSize);
            main.resize(500, 400);
            main.showMinimized();
            QVERIFY(main.close());
        }
        GuiRun r;
        QCOMPARE(r.start().size(), firstSize);
        QVERIFY(r.main().close());
    }
};

ZQ61_GUI_TEST(StartupTest)
#include "startup_test.moc"
