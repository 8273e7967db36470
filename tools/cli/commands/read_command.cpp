// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli read: the Read command. The radio's memory is read into a new
// document, which is then saved to FILE (through a temporary file, so that a
// failed save leaves an earlier FILE whole). Before FILE is written the read
// is kept among the backups, unless --no-backup is given. With several
// radios (--port given more than once, --ports-from, --json) every radio is
// read at once into FILE (then a folder) as <port file name>.dat, each with
// its backup; see fleet_session.h.

#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli_command.h"
#include "fleet_session.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "platform/backup_store.h"
#include "radio_session.h"

namespace zq61::cli {
namespace {

class ReadCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub = app.add_subcommand("read", "Read the radio and save what it holds to FILE");
        addRadioOptions(sub, options_, true, true);
        addBackupOption(sub, options_);
        sub->add_option("FILE", file_,
                        "The .dat file to write; with several radios the folder that takes "
                        "one file per radio, named after its port (/dev/pts/3: pts-3.dat)")
            ->required();
        return sub;
    }

    int run(Context& context) override {
        if (takeSeveralRadios(options_)) return readSeveral(context);
        TransferPrompter prompter(context.out, std::cerr, options_.retries, options_.password);
        // The program reads into the document it has open: at start-up a
        // new HAM document of its model.
        Document doc(prompter, context.texts);
        prepareReadDocument(doc, context.programDir);
        if (!readRadioDocument(context, doc, prompter, options_, context.out)) return kExitFailed;
        return saveDocumentAs(doc, file_) ? kExitOk : kExitFailed;
    }

  private:
    // Every message goes to stderr: stdout holds the table (or the JSON).
    int readSeveral(Context& context) {
        const auto ports = fleetPorts(options_);
        if (!ports) return kExitUsage;
        std::error_code made;
        std::filesystem::create_directories(file_, made);
        if (made || !std::filesystem::is_directory(file_)) {
            std::cerr << "The folder " << file_ << " cannot be made"
                      << (made ? ": " + made.message() : std::string(": a file is in its place"))
                      << std::endl;
            return kExitFailed;
        }
        TransferPrompter prompter(std::cerr, std::cerr, options_.retries, options_.password);
        // The confirmation of a read, once for every radio.
        const Prompt confirm = Prompt::ofText(txt::kConfirmRead,
                                              context.texts.text(txt::kConfirmRead) + "\r\n" +
                                                  context.texts.text(txt::kFleetConfirmCount) +
                                                  " " + std::to_string(ports->size()),
                                              PromptIcon::Question);
        if (prompter.okCancel(confirm) != PromptAnswer::Ok) return kExitFailed;
        FleetJob job;
        job.operation = TransferOperation::Read;
        job.folder = file_;
        job.keepBackups = !options_.noBackup;
        job.backupFolder = BackupStore::defaultFolder();
        job.programDir = context.programDir;
        job.password = options_.password;
        job.retries = options_.retries;
        job.trace = options_.trace;
        return runFleet(context, job, *ports, options_, {});
    }

    RadioOptions options_;
    std::string file_;
};

}  // namespace

std::unique_ptr<Command> makeReadCommand() {
    return std::make_unique<ReadCommand>();
}

}  // namespace zq61::cli
