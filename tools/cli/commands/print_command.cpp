// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli print: opens a document as the program does and writes its
// printout as a PDF file, the same pages the window program prints.

#include <QString>

#include "cli_command.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/print_layout.h"
#include "model/text_ids.h"
#include "print/print_document.h"

namespace zq61::cli {
namespace {

class PrintCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub = app.add_subcommand("print",
                                           "Open FILE as the program does and write its printout "
                                           "as a PDF file");
        sub->add_option("FILE", file_, "The .dat file to open")->required();
        sub->add_option("PDF", pdf_, "The PDF file to write")->required();
        return sub;
    }

    int run(Context& context) override {
        Document doc(context.prompter, context.texts);
        if (openDocument(doc, file_, context.versions) != OpenResult::Opened) return kExitFailed;
        QString error;
        if (!writePdf(makePrintLayout(doc), QString::fromStdString(pdf_), error)) {
            context.prompter.message(Prompt::ofText(
                txt::kPrintPdfFailed,
                context.texts.text(txt::kPrintPdfFailed) + "\n" + pdf_ + ": " + error.toStdString(),
                PromptIcon::Error));
            return kExitFailed;
        }
        return kExitOk;
    }

  private:
    std::string file_;
    std::string pdf_;
};

}  // namespace

std::unique_ptr<Command> makePrintCommand() {
    return std::make_unique<PrintCommand>();
}

}  // namespace zq61::cli
