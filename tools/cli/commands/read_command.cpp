// zq61-cli read: the Read command. The radio's memory is read into a new
// document, which is then saved to FILE (through a temporary file, so that a
// failed save leaves an earlier FILE whole). Before FILE is written the read
// is kept among the backups, unless --no-backup is given.

#include <iostream>

#include "cli_command.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "radio_session.h"

namespace zq61::cli {
namespace {

class ReadCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub = app.add_subcommand("read", "Read the radio and save what it holds to FILE");
        addRadioOptions(sub, options_, true);
        addBackupOption(sub, options_);
        sub->add_option("FILE", file_, "The .dat file to write")->required();
        return sub;
    }

    int run(Context& context) override {
        TransferPrompter prompter(context.out, std::cerr, options_.retries, options_.password);
        // The program reads into the document it has open: at start-up a
        // new HAM document of its model.
        Document doc(prompter, context.texts);
        prepareReadDocument(doc, context.programDir);
        if (!readRadioDocument(context, doc, prompter, options_, context.out)) return kExitFailed;
        return saveDocumentAs(doc, file_) ? kExitOk : kExitFailed;
    }

  private:
    RadioOptions options_;
    std::string file_;
};

}  // namespace

std::unique_ptr<Command> makeReadCommand() {
    return std::make_unique<ReadCommand>();
}

}  // namespace zq61::cli
