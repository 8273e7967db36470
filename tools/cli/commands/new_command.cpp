// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli new: a new document, exactly as the program's New (or
// Initialize) makes it, default files of the Init folder included, saved.

#include <algorithm>
#include <vector>

#include "cli_command.h"
#include "model/bands.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/document_copies.h"
#include "model/new_document.h"

namespace zq61::cli {
namespace {

class NewCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub = app.add_subcommand("new", "Make a new document and save it to FILE");
        sub->add_option("--band", band_, "Band mode of the document: cb, hf or ham (default)")
            ->transform(CLI::IsMember(kBands, CLI::ignore_case));
        sub->add_flag("--initialize", initialize_,
                      "Start from the Initialize default file rather than the New one");
        sub->add_option("FILE", file_, "The .dat file to write")->required();
        return sub;
    }

    int run(Context& context) override {
        Document doc(context.prompter, context.texts);
        doc.ModelName = kModelName;
        const int band =
            static_cast<int>(std::find(kBands.begin(), kBands.end(), band_) - kBands.begin());
        setBand(doc, band);

        NewDocumentOptions options;
        options.initialize = initialize_;
        options.programDir = context.programDir;
        newDocument(doc, options);
        return saveDocumentAs(doc, file_) ? kExitOk : kExitFailed;
    }

  private:
    // The band modes by number.
    inline static const std::vector<std::string> kBands{"cb", "hf", "ham"};
    std::string band_ = "ham";
    bool initialize_ = false;
    std::string file_;
};

}  // namespace

std::unique_ptr<Command> makeNewCommand() {
    return std::make_unique<NewCommand>();
}

}  // namespace zq61::cli
