// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One command of zq61-cli. A command declares its options on its own
// subcommand and runs with the shared context; it reports failures through
// the context's prompter (texts of the language file) and returns an exit
// code. Adding a command: a file in commands/ that defines
//     std::unique_ptr<Command> makeXxxCommand();
// and the line ZQ61_CLI_COMMAND(makeXxxCommand) in commands.def.

#include <CLI/CLI.hpp>

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli_prompter.h"
#include "model/program_versions.h"
#include "model/texts.h"
#include "settings/settings.h"

namespace zq61::cli {

inline constexpr int kExitOk = 0;
// A check refused, or an operation failed: also a document or any other file
// that cannot be opened, read or written, whichever the command.
inline constexpr int kExitFailed = 1;
// A bad command line: an unknown command or option, a missing argument, a
// value outside what the option takes.
inline constexpr int kExitUsage = 2;

struct Context {
    std::string programDir;    // folder of zq61-cli: Init/ and language/
    const Settings& settings;  // language and serial port, as the program has them
    const Texts& texts;
    CliPrompter& prompter;
    const ProgramVersions& versions;
    std::ostream& out;
};

class Command {
  public:
    virtual ~Command() = default;
    // Adds the subcommand with its options and positional arguments.
    virtual CLI::App* define(CLI::App& app) = 0;
    // Runs after the command line was parsed.
    virtual int run(Context& context) = 0;
};

// Every command of commands.def, in its order.
std::vector<std::unique_ptr<Command>> makeCommands();

}  // namespace zq61::cli
