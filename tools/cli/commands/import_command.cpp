// zq61-cli import: replaces the channels a CSV file names. Every line is
// checked first; with any problem nothing is written, each problem is listed
// on stderr as "IN.csv:LINE: COLUMN: message" and the exit code is 1. A file
// without problems is applied as typed into the channel grid and the
// document saved to --output, or in place of FILE (through a temporary file,
// never half written).

#include <iostream>

#include "cli_command.h"
#include "csv_files.h"
#include "model/channel_csv.h"
#include "model/dat_file.h"
#include "model/document.h"

namespace zq61::cli {
namespace {

class ImportCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub =
            app.add_subcommand("import", "Replace the channels of FILE by those of a CSV file");
        sub->add_option("--format", format_,
                        std::string(kFormatHelp) + "; by default taken from the header line")
            ->transform(CLI::IsMember({"chirp", "full"}, CLI::ignore_case));
        sub->add_option("--output", output_, "Write the result here rather than over FILE");
        sub->add_option("FILE", file_, "The .dat file to change")->required();
        sub->add_option("IN", in_, "The CSV file to read")->required();
        return sub;
    }

    int run(Context& context) override {
        Document doc(context.prompter, context.texts);
        if (openDocument(doc, file_, context.versions) != OpenResult::Opened) return kExitUsage;
        const auto text = readTextFile(context, in_);
        if (!text) return kExitUsage;
        std::optional<CsvColumnSet> set;
        if (!format_.empty()) set = csvColumnSetNamed(format_);

        const CsvImportResult result = importChannelsCsv(doc, *text, set);
        if (!result.ok()) {
            for (const CsvProblem& p : result.problems)
                std::cerr << in_ << ":" << problemText(p) << "\n";
            std::cerr << result.problems.size()
                      << (result.problems.size() == 1 ? " problem" : " problems")
                      << "; nothing was changed." << std::endl;
            return kExitFailed;
        }
        if (!saveDocumentAs(doc, output_.empty() ? file_ : output_)) return kExitUsage;
        context.out << result.changedChannels.size()
                    << (result.changedChannels.size() == 1 ? " channel" : " channels")
                    << " changed." << std::endl;
        return kExitOk;
    }

  private:
    std::string format_;
    std::string output_;
    std::string file_;
    std::string in_;
};

}  // namespace

std::unique_ptr<Command> makeImportCommand() {
    return std::make_unique<ImportCommand>();
}

}  // namespace zq61::cli
