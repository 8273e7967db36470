// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One run of the program: the start-up sequence, the splash window and the
// main window it opens. main() makes one over the program's folder; tests
// make one over a temporary installation.

#include <QString>
#include <functional>
#include <memory>

#include "app/app_context.h"

namespace zq61 {
class ProgramStarter;
}

namespace zq61::gui {

class MainWindow;
class SplashWindow;

class ProgramRun {
  public:
    ProgramRun(const QString& programFolder, Prompter& prompter, FileDialogs& fileDialogs,
               std::string localeName);
    ~ProgramRun();

    // Start-up: version table, settings from mysetup.ini, the model, a new
    // document, the splash window, the application title, Setting.ini.
    // Returns with the splash window visible.
    void start();

    // Called with the main window right after it was made, before it shows
    // (the radio link attaches itself here).
    std::function<void(MainWindow&)> onMainWindow;

    AppContext& context() { return ctx_; }
    SplashWindow* splash() const { return splash_.get(); }
    MainWindow* mainWindow() const { return main_.get(); }

  private:
    void openMainWindow();

    AppContext ctx_;
    std::string localeName_;
    std::unique_ptr<ProgramStarter> starter_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<MainWindow> main_;
};

// The start picture of a language: StartE.jpg, StartC.jpg, or none.
QString startPicturePath(const QString& programFolder, int language);

}  // namespace zq61::gui
