// zq61-cli write: FILE is opened with every check of the Open command, then
// written into the radio (its band mode is the file's).

#include "cli_command.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "radio_session.h"

namespace zq61::cli {
namespace {

class WriteCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub = app.add_subcommand("write", "Open FILE and write it into the radio");
        addRadioOptions(sub, options_, true);
        sub->add_option("FILE", file_, "The .dat file to write into the radio")->required();
        return sub;
    }

    int run(Context& context) override {
        TransferPrompter prompter(context.out, std::cerr, options_.retries, options_.password);
        Document doc(prompter, context.texts);
        if (openDocument(doc, file_, context.versions) != OpenResult::Opened) return kExitFailed;
        RadioSession session(context, doc, prompter, options_);
        return session.run(TransferOperation::Write) ? kExitOk : kExitFailed;
    }

  private:
    RadioOptions options_;
    std::string file_;
};

}  // namespace

std::unique_ptr<Command> makeWriteCommand() {
    return std::make_unique<WriteCommand>();
}

}  // namespace zq61::cli
