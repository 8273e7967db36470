// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli show: opens a document with every check the program makes when
// it opens a file, and prints it.

#include "cli_command.h"
#include "document_printer.h"
#include "model/dat_file.h"
#include "model/document.h"

namespace zq61::cli {
namespace {

class ShowCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub = app.add_subcommand("show", "Open FILE as the program does and print it");
        sub->add_flag("--json", json_, "Print every field as JSON");
        sub->add_option("FILE", file_, "The .dat file to open")->required();
        return sub;
    }

    int run(Context& context) override {
        Document doc(context.prompter, context.texts);
        if (openDocument(doc, file_, context.versions) != OpenResult::Opened) return kExitFailed;
        if (json_)
            printDocumentJson(context.out, doc);
        else
            printDocumentSummary(context.out, doc);
        return kExitOk;
    }

  private:
    bool json_ = false;
    std::string file_;
};

}  // namespace

std::unique_ptr<Command> makeShowCommand() {
    return std::make_unique<ShowCommand>();
}

}  // namespace zq61::cli
