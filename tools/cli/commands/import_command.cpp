// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli import: replaces the channels a CSV file names. Every line is
// checked first; with any problem nothing is written, each problem is listed
// on stderr as "IN.csv:LINE: COLUMN: message" and the exit code is 1. A file
// without problems is applied as typed into the channel grid and the
// document saved to --output, or in place of FILE (through a temporary file,
// never half written).
//
// --skip-unfit takes the lines without problems and lists the others as
// skipped (exit 0 when at least one line was taken); --first-channel N puts
// the rows of a CHIRP file, in file order, on channels N, N+1, ... instead
// of their Location.

#include <iostream>

#include "cli_command.h"
#include "csv_files.h"
#include "model/bands.h"
#include "model/channel_csv.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/radio_data.h"

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
        sub->add_flag("--skip-unfit", skipUnfit_,
                      "Take the lines without problems and list the others as skipped");
        sub->add_option("--first-channel", firstChannel_,
                        "Put the rows, in file order, on this channel number and the ones "
                        "after it (CHIRP's columns; Location is not read)")
            ->check(CLI::Range(1, kMaxChannels));
        sub->add_option("FILE", file_, "The .dat file to change")->required();
        sub->add_option("IN", in_, "The CSV file to read")->required();
        return sub;
    }

    int run(Context& context) override {
        Document doc(context.prompter, context.texts);
        if (openDocument(doc, file_, context.versions) != OpenResult::Opened) return kExitFailed;
        const auto text = readTextFile(context, in_);
        if (!text) return kExitFailed;
        CsvImportOptions options;
        if (!format_.empty()) options.set = csvColumnSetNamed(format_);
        options.takeRowsThatFit = skipUnfit_;
        if (firstChannel_ > 0) {
            if (!placementUsable(doc, *text, options.set)) return kExitUsage;
            options.firstChannel = firstChannel_;
        }

        const CsvImportResult result = importChannelsCsv(doc, *text, options);
        for (const CsvProblem& p : result.problems)
            std::cerr << in_ << ":" << problemText(p) << "\n";
        if (!result.applied) {
            std::cerr << count(result.problems.size(), "problem")
                      << (skipUnfit_ && !result.fileRefused ? "; no line fits" : "")
                      << "; nothing was changed." << std::endl;
            return kExitFailed;
        }
        if (!result.ok())
            std::cerr << count(result.problems.size(), "problem") << ": "
                      << count(static_cast<std::size_t>(result.rowsThatFit), "line")
                      << " taken, the lines above skipped." << std::endl;
        if (!saveDocumentAs(doc, output_.empty() ? file_ : output_)) return kExitFailed;
        context.out << count(result.changedChannels.size(), "channel") << " changed." << std::endl;
        return kExitOk;
    }

  private:
    static std::string count(std::size_t n, const char* what) {
        return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
    }

    // --first-channel needs CHIRP's columns and a channel that takes listed rows.
    bool placementUsable(const Document& doc, const std::string& text,
                         std::optional<CsvColumnSet> set) const {
        if (!set) set = csvColumnSetOfHeader(text);
        if (set == CsvColumnSet::Full) {
            std::cerr << "--first-channel places the rows of CHIRP's columns; the full column "
                         "set names its channels itself."
                      << std::endl;
            return false;
        }
        if (placementChannels(doc.BandMode, firstChannel_).empty()) {
            std::cerr << "--first-channel " << firstChannel_ << ": channel " << firstChannel_
                      << " is no ordinary or memory channel of the " << bandModeName(doc.BandMode)
                      << " band mode." << std::endl;
            return false;
        }
        return true;
    }

    bool skipUnfit_ = false;
    int firstChannel_ = 0;
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
