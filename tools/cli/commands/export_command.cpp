// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli export: the channels of a document as a CSV file, in CHIRP's
// column set (the default) or in the full set of every channel field.

#include "cli_command.h"
#include "csv_files.h"
#include "model/channel_csv.h"
#include "model/dat_file.h"
#include "model/document.h"

namespace zq61::cli {
namespace {

class ExportCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub = app.add_subcommand("export", "Write the channels of FILE to a CSV file");
        sub->add_option("--format", format_, kFormatHelp)
            ->transform(CLI::IsMember({"chirp", "full"}, CLI::ignore_case));
        sub->add_option("FILE", file_, "The .dat file to read")->required();
        sub->add_option("OUT", out_, "The CSV file to write")->required();
        return sub;
    }

    int run(Context& context) override {
        Document doc(context.prompter, context.texts);
        if (openDocument(doc, file_, context.versions) != OpenResult::Opened) return kExitFailed;
        const std::string csv = exportChannelsCsv(doc, *csvColumnSetNamed(format_));
        if (!writeTextFile(context, out_, csv)) return kExitFailed;
        return kExitOk;
    }

  private:
    std::string format_ = "chirp";
    std::string file_;
    std::string out_;
};

}  // namespace

std::unique_ptr<Command> makeExportCommand() {
    return std::make_unique<ExportCommand>();
}

}  // namespace zq61::cli
