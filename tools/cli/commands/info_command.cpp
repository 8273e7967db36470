// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli info: reads the radio's information area (its service record) and
// prints the band mode and the twelve texts of the information window.

#include <iostream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "codec/text_helpers.h"
#include "json_writer.h"
#include "model/bands.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "radio_session.h"

namespace zq61::cli {
namespace {

// The texts in the order of the window's text boxes 0..11, as it shows them.
std::vector<std::string> infoTexts(const RadioInfo& info) {
    std::vector<std::string> texts = {info.ShortText,
                                      std::string(info.Block1[0].view()),
                                      std::string(info.Block1[1].view()),
                                      std::string(info.Block1[2].view()),
                                      std::string(info.Text96.view()),
                                      info.FirmwareVersion,
                                      std::string(info.Text8.view()),
                                      std::string(info.Text4.view()),
                                      std::string(info.Block2[0].view()),
                                      std::string(info.Block2[1].view()),
                                      std::string(info.Block2[2].view()),
                                      std::string(info.Block2[3].view())};
    for (std::string& t : texts)
        t = cleanString(t);
    return texts;
}

class InfoCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub =
            app.add_subcommand("info", "Read the radio's information area and print it");
        addRadioOptions(sub, options_, false);
        sub->add_flag("--json", json_, "Print as JSON");
        return sub;
    }

    int run(Context& context) override {
        TransferPrompter prompter(context.out, std::cerr, options_.retries, std::nullopt);
        Document doc(prompter, context.texts);
        RadioSession session(context, doc, prompter, options_);
        if (!session.run(TransferOperation::RadioInfo) || !session.radioInfoShown())
            return kExitFailed;

        const RadioInfo& info = doc.Info;
        const std::vector<std::string> texts = infoTexts(info);
        std::ostream& out = context.out;
        if (json_) {
            JsonWriter json(out);
            json.beginObject();
            json.field("BandMode", static_cast<int64_t>(info.BandMode));
            json.field("BandModeName", bandModeName(info.BandMode));
            json.field("BandRange", bandRangeText(info.BandMode));
            json.key("Texts");
            json.beginArray();
            for (const std::string& t : texts)
                json.value(t);
            json.endArray();
            json.endObject();
            out << '\n';
        } else {
            out << "Band mode: " << bandModeName(info.BandMode);
            if (const std::string range = bandRangeText(info.BandMode); !range.empty())
                out << " (" << range << ")";
            out << '\n';
            for (size_t i = 0; i < texts.size(); ++i)
                out << "Text " << i << ": " << texts[i] << '\n';
        }
        return kExitOk;
    }

  private:
    RadioOptions options_;
    bool json_ = false;
};

}  // namespace

std::unique_ptr<Command> makeInfoCommand() {
    return std::make_unique<InfoCommand>();
}

}  // namespace zq61::cli
