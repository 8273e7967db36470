// SPDX-License-Identifier: GPL-3.0-or-later
// The window program: start-up, splash, then the main window until it closes.
// `zq61 FILE.dat` opens that file once the main window is there; `zq61
// --help` and `zq61 --version` print their text and end before any window.
//
// Three environment variables serve the project's scripts, not the user:
//   ZQ61_SCREENSHOT=<file.png>  saves a picture of the main window shortly
//                               after it opened, then ends the program;
//   ZQ61_SCREENSHOT_WINDOW=<name>  with ZQ61_SCREENSHOT: the picture shows
//                               that child window instead (FrmCHInfoEdit,
//                               FrmOptFeatures, FrmDTMF, FrmToneTips, FrmKey),
//                               or Frm_Mem_Freq: the memory frequency dialog
//                               of the memory group's first channel,
//                               FrmPassWord: the radio password dialog,
//                               FrmSetComm: the port dialog,
//                               FrmProgress: the progress window once a read
//                               from the radio (ZQ61_PORT) is under way,
//                               FrmRadioInfo: the radio information window
//                               after reading the radio's information,
//                               FrmCompare: the compare window after
//                               comparing the document with the radio,
//                               FrmOpenBackup: the Open Backup dialog,
//                               FrmImportChoice: the question where the rows
//                               of a CHIRP file go (placed from bank B),
//                               FrmTransferLog: the transfer log window,
//                               FileOpen: the main window with the Open
//                               dialog over it,
//                               FrmFleetWrite: Write to Several Radios while
//                               it writes the radios of ZQ61_FLEET_PORTS
//                               (separated by blanks; the password of
//                               ZQ61_FLEET_PASSWORD); the program ends with 1
//                               when there was no such window to take;
//   ZQ61_SCREENSHOT_WHOLE=1     with ZQ61_SCREENSHOT_WINDOW naming a child
//                               window: the picture shows the whole main
//                               window with that child window open;
//   ZQ61_EXIT_AFTER_SPLASH=1    prints "splash-visible <ns since epoch>" once
//                               the splash window is on screen, then ends
//                               (the start-up benchmark).

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

#include "app/csv_commands.h"
#include "app/file_dialogs.h"
#include "app/help_and_version.h"
#include "app/import_choice_dialog.h"
#include "app/main_window.h"
#include "app/message_box_prompter.h"
#include "app/program_run.h"
#include "app/splash_window.h"
#include "app/window_names.h"
#include "editors/register_editor_windows.h"
#include "link/windows/fleet_write_dialog.h"
#include "link/windows/progress_window.h"
#include "link/windows/radio_link.h"
#include "link/windows/register_link_windows.h"
#include "model/bands.h"
#include "model/text_ids.h"

namespace {

// Han characters in Simplified Chinese shapes, whatever the default font.
void preferSimplifiedChineseFont(QApplication& app) {
    QFont font = app.font();
    font.setFamilies({font.family(), "Noto Sans CJK SC"});
    app.setFont(font);
}

// Reports the moment the splash window is on screen (its native window is
// exposed), then ends the program.
void reportSplashAndQuit(zq61::gui::SplashWindow* splash) {
    auto* poll = new QTimer(splash);
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, splash, [splash, poll] {
        if (!splash->windowHandle() || !splash->windowHandle()->isExposed()) return;
        poll->stop();
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
        std::printf("splash-visible %lld\n", static_cast<long long>(ns));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    poll->start();
}

// Lets the windows lay themselves out and paint before a picture is taken.
void settle(int ms) {
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}

// Waits, with the events running, until `ready` holds; false after `ms`.
bool waitUntil(const std::function<bool()>& ready, int ms) {
    QElapsedTimer waited;
    waited.start();
    while (!ready()) {
        if (waited.elapsed() > ms) return false;
        settle(50);
    }
    return true;
}

// The next modal dialog the main window runs is shown, its picture saved to
// `file`, and cancelled; `saved` tells whether the picture was taken.
void pictureOfNextDialog(zq61::gui::MainWindow& main, const QString& file, bool& saved) {
    main.runModal = [file, &saved](QDialog& dialog) {
        dialog.show();
        settle(500);
        saved = dialog.grab().save(file);
        return int(QDialog::Rejected);
    };
}

// Chooses the main window's menu item `name` as the user would.
bool chooseMenuItem(zq61::gui::MainWindow& main, const char* name) {
    auto* item = main.findChild<QAction*>(name);
    if (!item) return false;
    item->trigger();
    return true;
}

// The dialog a menu item opens (password, port): its picture is saved, then
// it is cancelled.
bool pictureOfMenuDialog(zq61::gui::MainWindow& main, const char* menuItem, const QString& file) {
    bool saved = false;
    pictureOfNextDialog(main, file, saved);
    return chooseMenuItem(main, menuItem) && saved;
}

// The child window with its frame and caption.
bool pictureOfChild(QWidget* child, const QString& file) {
    if (!child) return false;
    QWidget* framed = qobject_cast<QMdiSubWindow*>(child->parentWidget());
    settle(500);
    return (framed ? framed : child)->grab().save(file);
}

// The memory frequency dialog as the channel edit window shows it for the
// first channel of the memory group: its picture is saved, then it is
// cancelled.
bool pictureOfMemoryFrequencyDialog(zq61::gui::MainWindow& main, const QString& file) {
    namespace win = zq61::gui::win;
    if (QWidget* channels = main.findWindow(win::kChannels))
        if (auto* groups = channels->findChild<QComboBox*>("ComboGroup"))
            groups->setCurrentIndex(zq61::memoryGroup(main.context().document.BandMode));
    QWidget* edit = main.showWindowOnce(win::kChannelEdit);
    auto* button = edit ? edit->findChild<QPushButton*>("Command1") : nullptr;
    if (!button || !button->isVisible()) return false;
    bool saved = false;
    pictureOfNextDialog(main, file, saved);
    settle(300);
    button->click();
    return saved;
}

// Clicks OK in the question box that comes up within `ms`.
void answerNextQuestionOk(QObject* context, int ms) {
    QTimer::singleShot(ms, context, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
    });
}

// A read from the radio is started; the progress window's picture is taken
// once the bar is well under way (a paced virtual radio takes seconds).
bool pictureOfProgressWindow(zq61::gui::MainWindow& main, zq61::gui::RadioLink& link,
                             const QString& file) {
    // The question whether to replace the program's data is answered OK.
    answerNextQuestionOk(&main, 500);
    if (!chooseMenuItem(main, "mnuReadFromRadio")) return false;
    const auto underWay = [&link] {
        const zq61::gui::FrmProgress* progress = link.progressWindow();
        return progress && progress->isVisible() && progress->progressValue() >= 40;
    };
    if (!waitUntil(underWay, 60000)) return false;
    return link.progressWindow()->grab().save(file);
}

// The radio's information is read; its window's picture is taken once it opened.
bool pictureOfRadioInfo(zq61::gui::MainWindow& main, const QString& file) {
    namespace win = zq61::gui::win;
    if (!chooseMenuItem(main, "MnuLocalInfo")) return false;
    if (!waitUntil([&main] { return main.findWindow(win::kRadioInfo) != nullptr; }, 30000))
        return false;
    return pictureOfChild(main.findWindow(win::kRadioInfo), file);
}

// The document is compared with the radio; the compare window's picture is
// taken once it opened.
bool pictureOfCompareWindow(zq61::gui::MainWindow& main, const QString& file) {
    namespace win = zq61::gui::win;
    if (!chooseMenuItem(main, "mnuFileCompareRadio")) return false;
    if (!waitUntil([&main] { return main.findWindow(win::kCompare) != nullptr; }, 60000))
        return false;
    return pictureOfChild(main.findWindow(win::kCompare), file);
}

// The main window with the Open dialog over it, in the folder of the opened
// document: the screen where the main window is (the dialog is a window of
// its own).
bool pictureWithOpenDialog(zq61::gui::MainWindow& main, const QString& file) {
    const QString filter = main.context().text(zq61::txt::kDataFileType) + " (*.dat)";
    const std::unique_ptr<QFileDialog> dialog = zq61::gui::QtFileDialogs::openDialog(&main, filter);
    const QString document = QString::fromStdString(main.context().document.DataFileName);
    dialog->setDirectory(QFileInfo(document).absolutePath());
    dialog->show();
    settle(800);
    const QRect area = main.frameGeometry();
    return main.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
}

// Write to Several Radios while it runs: the radios of ZQ61_FLEET_PORTS are
// written and the picture taken once every radio is under way (or done);
// then the run is cancelled.
bool pictureOfFleetWrite(zq61::gui::MainWindow& main, const QString& file) {
    bool saved = false;
    main.runModal = [file, &saved](QDialog& dialog) {
        auto* fleet = qobject_cast<zq61::gui::FrmFleetWrite*>(&dialog);
        if (!fleet) return int(QDialog::Rejected);
        for (const QString& port :
             qEnvironmentVariable("ZQ61_FLEET_PORTS").split(' ', Qt::SkipEmptyParts))
            fleet->addPort(port);
        fleet->passwordField()->setText(qEnvironmentVariable("ZQ61_FLEET_PASSWORD"));
        dialog.show();
        settle(300);
        answerNextQuestionOk(&dialog, 300);
        fleet->start();
        const auto underWay = [fleet] {
            if (!fleet->run()) return false;
            for (std::size_t i = 0; i < fleet->run()->size(); ++i)
                if (!fleet->run()->radio(i).finished() && fleet->run()->radio(i).percent() < 40)
                    return false;
            return true;
        };
        if (waitUntil(underWay, 60000)) saved = dialog.grab().save(file);
        if (fleet->run()) fleet->run()->cancel();
        return int(QDialog::Rejected);
    };
    return chooseMenuItem(main, "mnuWriteToSeveralRadios") && saved;
}

// The import choice dialog with its second choice taken (rows placed from
// the second group on), as a user fills it in.
bool pictureOfImportChoice(zq61::gui::MainWindow& main, const QString& file) {
    bool saved = false;
    main.runModal = [file, &saved](QDialog& dialog) {
        if (auto* choice = qobject_cast<zq61::gui::FrmImportChoice*>(&dialog)) {
            choice->placeRows()->setChecked(true);
            choice->groups()->setCurrentIndex(1);
        }
        dialog.show();
        settle(500);
        saved = dialog.grab().save(file);
        return int(QDialog::Rejected);
    };
    zq61::gui::chooseImportPlacement(main);
    return saved;
}

// Saves the picture the screenshot variables ask for; false when it could
// not be taken.
bool takePicture(zq61::gui::MainWindow& main, zq61::gui::RadioLink& link, const QString& file,
                 const QString& window) {
    if (window.isEmpty()) return main.grab().save(file);
    if (window == "Frm_Mem_Freq") return pictureOfMemoryFrequencyDialog(main, file);
    if (window == "FrmPassWord") return pictureOfMenuDialog(main, "MnuProPassWord", file);
    if (window == "FrmSetComm") return pictureOfMenuDialog(main, "mnuComm", file);
    if (window == "FrmProgress") return pictureOfProgressWindow(main, link, file);
    if (window == "FrmRadioInfo") return pictureOfRadioInfo(main, file);
    if (window == "FrmCompare") return pictureOfCompareWindow(main, file);
    if (window == "FrmOpenBackup") return pictureOfMenuDialog(main, "mnuFileOpenBackup", file);
    if (window == "FrmTransferLog") return pictureOfMenuDialog(main, "mnuHelpTransferLog", file);
    if (window == "FrmImportChoice") return pictureOfImportChoice(main, file);
    if (window == "FileOpen") return pictureWithOpenDialog(main, file);
    if (window == "FrmFleetWrite") return pictureOfFleetWrite(main, file);
    QWidget* child = main.showWindowOnce(window);
    if (child && !qEnvironmentVariable("ZQ61_SCREENSHOT_WHOLE").isEmpty()) {
        settle(500);
        return main.grab().save(file);
    }
    return pictureOfChild(child, file);
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> answered = zq61::gui::answerHelpOrVersion(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    zq61::useDotDecimalSeparator();
    preferSimplifiedChineseFont(app);

    zq61::gui::MessageBoxPrompter prompter;
    zq61::gui::QtFileDialogs fileDialogs;
    zq61::gui::ProgramRun run(QCoreApplication::applicationDirPath(), prompter, fileDialogs,
                              zq61::localeNameFromEnvironment());
    prompter.setApplicationTitle(&run.context().applicationTitle);
    zq61::gui::registerEditorWindows(run.context().windows);
    zq61::gui::registerLinkWindows(run.context().windows);

    const QString screenshot = qEnvironmentVariable("ZQ61_SCREENSHOT");
    const QString screenshotWindow = qEnvironmentVariable("ZQ61_SCREENSHOT_WINDOW");
    // A .dat file named on the command line opens as soon as the main window is there.
    const QStringList arguments = QCoreApplication::arguments();
    const QString fileToOpen = arguments.size() > 1 ? arguments.at(1) : QString();
    std::unique_ptr<zq61::gui::RadioLink> link;
    run.onMainWindow = [&](zq61::gui::MainWindow& main) {
        prompter.setParentWindow(&main);
        link = std::make_unique<zq61::gui::RadioLink>(main);
        prompter.setPasswordWindow(
            [&link](const std::string& current) { return link->askPassword(current); });
        if (!fileToOpen.isEmpty())
            QTimer::singleShot(0, &main, [&main, fileToOpen] { main.openFile(fileToOpen); });
        if (!screenshot.isEmpty()) {
            QTimer::singleShot(1500, &main, [&main, &link, screenshot, screenshotWindow] {
                const bool saved = takePicture(main, *link, screenshot, screenshotWindow);
                if (!saved) std::fprintf(stderr, "no picture taken\n");
                // Opening a window may change the shown group; a picture run
                // of a child window ends without asking whether to save.
                if (screenshotWindow.isEmpty() && saved)
                    main.close();
                else
                    QCoreApplication::exit(saved ? 0 : 1);
            });
        }
    };
    run.start();
    if (qEnvironmentVariableIsSet("ZQ61_EXIT_AFTER_SPLASH")) reportSplashAndQuit(run.splash());
    if (!screenshot.isEmpty()) run.splash()->finish();
    return app.exec();
}
