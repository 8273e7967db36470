// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_run.h"

#include <QDir>

#include "app/main_window.h"
#include "app/settings_problems.h"
#include "app/splash_window.h"
#include "app/toolkit_translations.h"
#include "codec/band_mode.h"
#include "model/document_copies.h"
#include "model/new_document.h"
#include "model/program_versions.h"
#include "model/text_ids.h"
#include "model/version_table.h"
#include "platform/program_location.h"
#include "platform/qt_program_starter.h"

namespace zq61::gui {

QString startPicturePath(const QString& programFolder, int language) {
    if (language == kEnglish) return QDir(programFolder).filePath("StartE.jpg");
    if (language == kChinese) return QDir(programFolder).filePath("StartC.jpg");
    return QString();
}

ProgramRun::ProgramRun(const QString& programFolder, Prompter& prompter, FileDialogs& fileDialogs,
                       std::string localeName)
    : ctx_(prompter, fileDialogs),
      localeName_(std::move(localeName)),
      starter_(std::make_unique<QtProgramStarter>()) {
    ctx_.settings.ProgramFolder =
        QDir::toNativeSeparators(QDir::cleanPath(programFolder)).toStdString();
}

ProgramRun::~ProgramRun() = default;

void ProgramRun::start() {
    Settings& s = ctx_.settings;
    Document& doc = ctx_.document;

    // The version table of the installation.
    const std::string root = SettingsRoot(s.ProgramFolder);
    ctx_.versions = std::make_unique<ProgramVersions>(
        VersionTable::load(root), root, currentProgramLocation().executableName, *starter_);

    // Language (locale, then mysetup.ini), serial port, first-run flag, the
    // operating system generation; from this user's own files when the
    // installation is shared and cannot be written.
    useUserSettingsWhereInstallationIsReadOnly(s, userSettingsFolder());
    readStartupSettings(s, localeName_);
    useToolkitTexts(s);

    // The model this program serves, in HAM mode.
    doc.ModelName = kModelName;
    setBand(doc, kBandHAM);

    NewDocumentOptions options;
    options.programDir = s.ProgramFolder;
    options.resetLink = ctx_.resetLink;
    newDocument(doc, options);

    splash_ = std::make_unique<SplashWindow>(
        startPicturePath(ctx_.programFolder(), s.CurrentLanguage), [this] { openMainWindow(); });
    splash_->show();

    ctx_.applicationTitle = ctx_.text(txt::kAppTitle);
    loadSettingBytes(s);
}

void ProgramRun::openMainWindow() {
    main_ = std::make_unique<MainWindow>(ctx_);
    if (onMainWindow) onMainWindow(*main_);
    main_->show();
    // What start-up could not read or save is told once the window is there.
    tellLanguageFileProblem(ctx_);
    tellSettingsProblems(ctx_);
}

}  // namespace zq61::gui
