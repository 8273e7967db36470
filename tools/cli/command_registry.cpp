// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_command.h"

namespace zq61::cli {

#define ZQ61_CLI_COMMAND(factory) std::unique_ptr<Command> factory();
#include "commands.def"
#undef ZQ61_CLI_COMMAND

std::vector<std::unique_ptr<Command>> makeCommands() {
    std::vector<std::unique_ptr<Command>> commands;
#define ZQ61_CLI_COMMAND(factory) commands.push_back(factory());
#include "commands.def"
#undef ZQ61_CLI_COMMAND
    return commands;
}

}  // namespace zq61::cli
