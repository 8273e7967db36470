// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window tests share: a temporary installation laid out like the
// staged program, file dialogs and radio commands answered from a script,
// and one run of the program over that installation.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/app_context.h"
#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "app/program_run.h"
#include "app/radio_commands.h"
#include "app/splash_window.h"
#include "editors/register_editor_windows.h"
#include "link/windows/register_link_windows.h"
#include "model/profile_file.h"
#include "support/scripted_prompter.h"

namespace zq61::test {

// The whole file, or nothing when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Moves a list one item on by the keyboard (back when it shows its last).
inline void stepByKeyboard(QComboBox* list) {
    list->setFocus(Qt::TabFocusReason);
    const int before = list->currentIndex();
    QTest::keyClick(list, before + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
    QVERIFY(list->currentIndex() != before);
}

// Root/Version.ini, Root/language/mysetup.ini, Root/V100/language/*.ini,
// Root/V100/Start?.jpg, Root/V100/Init/.
class TempInstallation {
  public:
    explicit TempInstallation(const QString& mysetup = QString()) {
        QDir root(dir_.path());
        root.mkpath("language");
        root.mkpath("V100/language");
        root.mkpath("V100/Init");
        const QString src = ZQ61_SOURCE_DIR "/lang/";
        QFile::copy(src + "Version.ini", root.filePath("Version.ini"));
        QFile::copy(src + "english.ini", root.filePath("V100/language/english.ini"));
        QFile::copy(src + "chinese.ini", root.filePath("V100/language/chinese.ini"));
        for (const char* pic : {"StartE.jpg", "StartC.jpg"})
            QFile::copy(QString(ZQ61_PROGRAM_DIR "/") + pic, root.filePath(QString("V100/") + pic));
        if (mysetup.isEmpty())
            QFile::copy(src + "mysetup.ini", root.filePath("language/mysetup.ini"));
        else
            write("language/mysetup.ini", mysetup.toUtf8());
    }
    QString root() const { return dir_.path(); }
    QString programFolder() const { return dir_.filePath("V100"); }
    QString path(const QString& relative) const { return dir_.filePath(relative); }
    QByteArray read(const QString& relative) const {
        QFile f(path(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A value of section "language" of mysetup.ini.
    QString setupValue(const char* key) const {
        return QString::fromStdString(readProfileString(path("language/mysetup.ini").toStdString(),
                                                        "language", key, "", 512));
    }
    void write(const QString& relative, const QByteArray& bytes) const {
        QFile f(path(relative));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

  private:
    QTemporaryDir dir_;
};

// File dialogs that answer from queues (nothing = the user cancelled).
class FakeFileDialogs : public gui::FileDialogs {
  public:
    std::deque<std::optional<QString>> openAnswers, saveAnswers;
    std::vector<QString> filters;  // the filter of every dialog shown
    std::vector<QString> presets;  // the preset name of every save dialog
    int openShown = 0, saveShown = 0;

    std::optional<QString> openFileName(QWidget*, const QString& filter) override {
        ++openShown;
        filters.push_back(filter);
        return next(openAnswers);
    }
    std::optional<QString> saveFileName(QWidget*, const QString& filter,
                                        const QString& preset) override {
        ++saveShown;
        filters.push_back(filter);
        presets.push_back(preset);
        return next(saveAnswers);
    }

  private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& q) {
        if (q.empty()) return std::nullopt;
        auto a = q.front();
        q.pop_front();
        return a;
    }
};

// Radio commands that count what the main window asked for.
class CountingRadio : public gui::RadioCommands {
  public:
    int reads = 0, writes = 0, infos = 0, passwords = 0, ports = 0, portCloses = 0, compares = 0;
    std::function<void()> onInfo;
    void readFromRadio() override { ++reads; }
    void writeToRadio() override { ++writes; }
    void ReadRMGDataFromRadio() override {
        ++infos;
        if (onInfo) onInfo();
    }
    void editPassword() override { ++passwords; }
    void choosePort() override { ++ports; }
    void compareWithRadio() override { ++compares; }
    void closePort() override { ++portCloses; }
};

// One run of the program over a temporary installation; `start` returns the
// main window once the splash has ended.
class GuiRun {
  public:
    // `programFolder`: an installation of the test's own instead of the
    // temporary one.
    explicit GuiRun(const QString& mysetup = QString(), const std::string& locale = "en_US.UTF-8",
                    const QString& programFolder = QString())
        : install(mysetup),
          run(std::make_unique<gui::ProgramRun>(
              programFolder.isEmpty() ? install.programFolder() : programFolder, prompter, dialogs,
              locale)) {
        run->context().radio = &radio;
        gui::registerEditorWindows(run->context().windows);
        gui::registerLinkWindows(run->context().windows);
    }
    gui::MainWindow& start() {
        run->start();
        run->splash()->finish();
        gui::MainWindow* main = run->mainWindow();
        main->runModal = [this](QDialog& d) { return answerDialog ? answerDialog(d) : 0; };
        return *main;
    }
    gui::MainWindow& main() { return *run->mainWindow(); }
    gui::AppContext& ctx() { return run->context(); }
    Document& doc() { return run->context().document; }
    // Makes the working copy differ from the file copy.
    void changeDocument() { doc().WorkData.Options.MaxLimit += 5; }
    // Lets the new-document timer fire.
    void waitForNewDocument() { QTRY_VERIFY_WITH_TIMEOUT(!main().newDocTimer()->isActive(), 2000); }

    TempInstallation install;
    ScriptedPrompter prompter;
    FakeFileDialogs dialogs;
    CountingRadio radio;
    // Drives a modal dialog instead of exec(); returns its result.
    std::function<int(QDialog&)> answerDialog;
    std::unique_ptr<gui::ProgramRun> run;
};

// The action (menu item or toolbar button) of that name.
inline QAction* action(QWidget& window, const char* name) {
    for (QAction* a : window.findChildren<QAction*>())
        if (a->objectName() == name) return a;
    return nullptr;
}

// Types into a box of a window of `main` and leaves it with Enter, as a user
// does; Enter moves the focus on.
inline void typeAndLeave(QWidget& main, QLineEdit* box, const QString& typed) {
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(!box->hasFocus());
}

// mysetup.ini of a later run (not the first) with this language and port.
inline QString setupIni(int language, int port = 1) {
    return QString("[language]\nIsFirstRun=0\ncomPort=%1\nCurrentLanguage=%2\n")
        .arg(port)
        .arg(language);
}

// Qt Test classes register themselves; the test program runs the one named
// on its command line.
using TestFactory = std::function<QObject*()>;
std::vector<std::pair<const char*, TestFactory>>& testClasses();

struct RegisterTest {
    RegisterTest(const char* name, TestFactory f) { testClasses().emplace_back(name, f); }
};

#define ZQ61_GUI_TEST(Class) \
    static ::zq61::test::RegisterTest register##Class(#Class, [] { return new Class; });

}  // namespace zq61::test
