// zq61-cli: the radio programming commands without windows. The texts are
// the language file's; see cli_command.h for how commands are added.

#include <QCoreApplication>

#include <iostream>

#include "cli_command.h"
#include "cli_settings.h"
#include "platform/program_location.h"
#include "platform/qt_program_starter.h"

int main(int argc, char** argv) {
    using namespace zq61;
    using namespace zq61::cli;
    QCoreApplication qt(argc, argv);
    // The window program's name: both keep their backups in the same
    // per-user data folder.
    QCoreApplication::setApplicationName(QStringLiteral("zq61"));
    const ProgramLocation here = currentProgramLocation();
    const Settings settings = readSettingsReadOnly(here.programDir);
    const CliTexts texts(settings);
    CliPrompter prompter(std::cerr);
    QtProgramStarter starter;
    const ProgramVersions versions(VersionTable::load(here.installRoot), here.installRoot,
                                   here.executableName, starter);
    Context context{here.programDir, settings, texts, prompter, versions, std::cout};

    CLI::App app{"ZQ-61 radio programming from the command line"};
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
