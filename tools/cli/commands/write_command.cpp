// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli write: FILE is opened with every check of the Open command, then
// written into the radio (its band mode is the file's). With --verify the
// radio is read back in the same session (a new handshake) and compared with
// what was written, byte by byte: success only when every byte matches.
// With several radios (--port given more than once, --ports-from, --json)
// the document is packed once and written into every radio at once, each
// on its own port; see fleet_session.h.

#include <iostream>

#include "cli_command.h"
#include "fleet_session.h"
#include "link/engine/memory_map.h"
#include "link/engine/memory_meaning.h"
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
        addRadioOptions(sub, options_, true, true);
        sub->add_flag("--verify", verify_,
                      "Read the radio back after the write and compare it with what was written");
        sub->add_option("FILE", file_, "The .dat file to write into the radio")->required();
        return sub;
    }

    int run(Context& context) override {
        if (takeSeveralRadios(options_)) return writeSeveral(context);
        TransferPrompter prompter(context.out, std::cerr, options_.retries, options_.password);
        Document doc(prompter, context.texts);
        if (openDocument(doc, file_, context.versions) != OpenResult::Opened) return kExitFailed;
        RadioSession session(context, doc, prompter, options_);
        if (!session.run(TransferOperation::Write)) return kExitFailed;
        return !verify_ || verify(context, session) ? kExitOk : kExitFailed;
    }

  private:
    // Every message goes to stderr: stdout holds the table (or the JSON).
    int writeSeveral(Context& context) {
        const auto ports = fleetPorts(options_);
        if (!ports) return kExitUsage;
        TransferPrompter prompter(std::cerr, std::cerr, options_.retries, options_.password);
        Document doc(prompter, context.texts);
        if (openDocument(doc, file_, context.versions) != OpenResult::Opened) return kExitFailed;
        // A frequency the radio cannot hold stops the write before any radio.
        if (const std::string channel = unpackableChannelText(doc); !channel.empty()) {
            doc.tell(FixedText::NotNumeric, PromptIcon::Error, channel);
            return kExitFailed;
        }
        // The confirmation of a write, once for every radio.
        const Prompt confirm = Prompt::ofText(txt::kConfirmWrite,
                                              doc.text(txt::kConfirmWrite) + "\r\n" +
                                                  doc.text(txt::kFleetConfirmCount) + " " +
                                                  std::to_string(ports->size()),
                                              PromptIcon::Question);
        if (prompter.okCancel(confirm) != PromptAnswer::Ok) return kExitFailed;
        FleetJob job;
        job.operation = TransferOperation::Write;
        PackDocument(doc, job.image);
        job.modelName = doc.ModelName;
        job.bandMode = doc.BandMode;
        job.verify = verify_;
        job.password = options_.password;
        job.retries = options_.retries;
        job.trace = options_.trace;
        job.programDir = context.programDir;
        return runFleet(context, job, *ports, options_, file_);
    }

    // Reads the radio back and compares it with the image just written.
    static bool verify(Context& context, RadioSession& session) {
        const MemoryBytes written = session.engine().memoryImage();
        context.out << "Verifying: reading the radio back to compare it with what was written."
                    << std::endl;
        if (!session.run(TransferOperation::Read, TransferPurpose::Verify)) {
            std::cerr << "Verify failed: the radio could not be read back, so the write is not "
                         "confirmed."
                      << std::endl;
            return false;
        }
        const MemoryBytes& readBack = session.engine().memoryImage();
        const std::vector<int> bad = unwrittenAddresses(written, readBack);
        if (bad.empty()) {
            context.out << "Verified: the radio holds every byte that was written." << std::endl;
            return true;
        }
        std::cerr << "Verify failed: " << bad.size()
                  << " byte(s) read back differ from what was written." << std::endl;
        constexpr std::size_t kShown = 8;
        for (std::size_t i = 0; i < bad.size() && i < kShown; ++i)
            std::cerr << "  " << describeByteDifference(bad[i], written, readBack) << std::endl;
        if (bad.size() > kShown) std::cerr << "  ..." << std::endl;
        return false;
    }

    bool verify_ = false;
    RadioOptions options_;
    std::string file_;
};

}  // namespace

std::unique_ptr<Command> makeWriteCommand() {
    return std::make_unique<WriteCommand>();
}

}  // namespace zq61::cli
