// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli log: the last transfer runs of the transfer log (both programs
// record every transfer there, see platform/transfer_log.h), oldest of them
// first, as the file holds them: a text to attach to a report.

#include <algorithm>
#include <iostream>

#include "cli_command.h"
#include "platform/transfer_log.h"

namespace zq61::cli {
namespace {

class LogCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub = app.add_subcommand(
            "log", "Print the last transfers with the radio from the transfer log");
        sub->add_option("--count", count_, "How many runs, the newest last (default 1)")
            ->check(CLI::Range(1, kKeptTransferRuns));
        return sub;
    }

    int run(Context& context) override {
        const TransferLog log(TransferLog::defaultFolder());
        std::string error;
        const std::vector<LoggedRun> runs = log.runs(&error);
        if (!error.empty()) {
            std::cerr << "The transfer log cannot be read: " << error << std::endl;
            return kExitFailed;
        }
        if (runs.empty()) {
            std::cerr << "No transfer is logged yet (" << log.filePath() << ")." << std::endl;
            return kExitOk;
        }
        const std::size_t shown = std::min(runs.size(), static_cast<std::size_t>(count_));
        for (std::size_t i = runs.size() - shown; i < runs.size(); ++i)
            context.out << runs[i].text;
        context.out.flush();
        return kExitOk;
    }

  private:
    int count_ = 1;
};

}  // namespace

std::unique_ptr<Command> makeLogCommand() {
    return std::make_unique<LogCommand>();
}

}  // namespace zq61::cli
