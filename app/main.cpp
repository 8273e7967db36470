// The window program: start-up, splash, then the main window until it closes.
// `zq61 FILE.dat` opens that file once the main window is there.
//
// Two environment variables serve the project's scripts, not the user:
//   ZQ61_SCREENSHOT=<file.png>  saves a picture of the main window shortly
//                               after it opened, then ends the program;
//   ZQ61_EXIT_AFTER_SPLASH=1    prints "splash-visible <ns since epoch>" once
//                               the splash window is on screen, then ends
//                               (the start-up benchmark).

#include <QApplication>
#include <QFont>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "app/message_box_prompter.h"
#include "app/program_run.h"
#include "app/splash_window.h"
#include "editors/register_editor_windows.h"
#include "link/windows/radio_link.h"
#include "link/windows/register_link_windows.h"

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

}  // namespace

int main(int argc, char** argv) {
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
            QTimer::singleShot(1500, &main, [&main, screenshot] {
                main.grab().save(screenshot);
                main.close();
            });
        }
    };
    run.start();
    if (qEnvironmentVariableIsSet("ZQ61_EXIT_AFTER_SPLASH")) reportSplashAndQuit(run.splash());
    if (!screenshot.isEmpty()) run.splash()->finish();
    return app.exec();
}
