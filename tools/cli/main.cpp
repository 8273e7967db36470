// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli: the radio programming commands without windows. The texts are
// the language file's; see cli_command.h for how commands are added.

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

#include "cli_command.h"
#include "cli_settings.h"
#include "platform/program_location.h"
#include "platform/qt_program_starter.h"
#include "program_version.h"  // made by the build

namespace {

// The command is the first argument that is no option.
bool isPrintCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-') return std::strcmp(argv[i], "print") == 0;
    return false;
}

// Printing lays out text in fonts, which takes Qt Gui; the other commands
// stay without it. Without a display the pages are drawn off screen, so the
// command line keeps working on a machine without one.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    if (!isPrintCommand(argc, argv)) return std::make_unique<QCoreApplication>(argc, argv);
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!display && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zq61;
    using namespace zq61::cli;
    const std::unique_ptr<QCoreApplication> qt = makeApplication(argc, argv);
    // The window program's name: both keep their backups in the same
    // per-user data folder.
    QCoreApplication::setApplicationName(QStringLiteral("zq61"));
    const ProgramLocation here = currentProgramLocation();
    const Settings settings = readSettingsReadOnly(here.programDir, userSettingsFolder());
    const CliTexts texts(settings);
    CliPrompter prompter(std::cerr);
    // Without the language file every message would be a bare number.
    if (const auto problem = LangText(settings).fileProblem())
        prompter.message(
            Prompt::ofFixed(FixedText::LanguageFileUnreadable, PromptIcon::Error, problem->text()));
    QtProgramStarter starter;
    const ProgramVersions versions(VersionTable::load(here.installRoot), here.installRoot,
                                   here.executableName, starter);
    Context context{here.programDir, settings, texts, prompter, versions, std::cout};

    // Named here rather than after the path it was started by: the usage
    // lines (and the manual page made from them) say "zq61-cli".
    CLI::App app{"ZQ-61 radio programming from the command line", "zq61-cli"};
    app.set_help_all_flag("--help-all", "Print this help with every command's options and exit");
    app.set_version_flag("--version", versionText("zq61-cli"));
    app.require_subcommand(1);
    auto commands = makeCommands();
    std::vector<std::pair<CLI::App*, Command*>> defined;
    for (auto& command : commands)
        defined.emplace_back(command->define(app), command.get());
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int shown = app.exit(e);
        return shown == 0 ? kExitOk : kExitUsage;
    }
    for (auto& [sub, command] : defined)
        if (sub->parsed()) return command->run(context);
    return kExitUsage;
}
