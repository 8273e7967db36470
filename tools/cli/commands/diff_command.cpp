// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli diff: the differences between two documents, each a .dat file (a
// backup's .dat is one), a backup's raw memory image (.img, named
// "..._<band>.img", read as the radio would have given it) or "radio", read
// from the port. One line per difference in the document's own terms; exit 0
// when they hold the same data, 1 when they differ or a side could not be
// opened or read.
//
// A file compared with the radio or an image is compared as the radio would
// hold it (packed into a memory image and unpacked again): what the radio
// cannot store, such as the scan switch of the VFO slot, is no difference.

#include <iostream>
#include <memory>

#include "cli_command.h"
#include "json_writer.h"
#include "link/engine/memory_map.h"
#include "link/engine/read_documents.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/document_diff.h"
#include "model/file_io.h"
#include "radio_session.h"

namespace zq61::cli {
namespace {

constexpr const char* kRadio = "radio";

const char* kindName(Difference::Kind kind) {
    switch (kind) {
        case Difference::Kind::Added:
            return "added";
        case Difference::Kind::Removed:
            return "removed";
        case Difference::Kind::Changed:
            break;
    }
    return "changed";
}

class DiffCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub = app.add_subcommand(
            "diff", "List the differences from A to B (.dat files, backups or \"radio\")");
        addRadioOptions(sub, options_, true);
        addBackupOption(sub, options_);
        sub->add_flag("--json", json_, "Print the differences as JSON records");
        sub->add_option("A", first_, "The first document: a .dat file or \"radio\"")->required();
        sub->add_option("B", second_, "The second document: a .dat file or \"radio\"")->required();
        return sub;
    }

    int run(Context& context) override {
        // Messages go to stderr: stdout holds only the differences.
        TransferPrompter prompter(std::cerr, std::cerr, options_.retries, options_.password);
        Document a(prompter, context.texts);
        Document b(prompter, context.texts);
        if (!load(context, a, prompter, first_) || !load(context, b, prompter, second_))
            return kExitFailed;
        if (asRead(first_) != asRead(second_)) holdAsTheRadioDoes(asRead(first_) ? b : a);
        const std::vector<Difference> diffs = diffDocuments(a, b);
        if (json_)
            printJson(context.out, diffs);
        else
            for (const Difference& d : diffs)
                context.out << d.text() << "\n";
        context.out.flush();
        return diffs.empty() ? kExitOk : kExitFailed;
    }

  private:
    // A side that comes from the radio's memory rather than from a file.
    static bool asRead(const std::string& source) {
        return source == kRadio || source.ends_with(".img");
    }

    bool load(Context& context, Document& doc, TransferPrompter& prompter,
              const std::string& source) {
        if (source == kRadio) {
            prepareReadDocument(doc, context.programDir);
            return readRadioDocument(context, doc, prompter, options_, std::cerr,
                                     TransferPurpose::Compare);
        }
        if (source.ends_with(".img")) return loadImage(context, doc, source);
        return openDocument(doc, source, context.versions) == OpenResult::Opened;
    }

    // A backup's memory image, unpacked with the band mode of its name.
    static bool loadImage(Context& context, Document& doc, const std::string& path) {
        const FileBytes file = readFileBytes(path);
        if (file.problem) {
            std::cerr << file.problem->text() << std::endl;
            return false;
        }
        switch (documentOfImageFile(doc, file.bytes, path, context.programDir)) {
            case ImageFileResult::Done:
                return true;
            case ImageFileResult::WrongSize:
                std::cerr << path << ": not a memory image of " << MemoryBytes{}.size() << " bytes."
                          << std::endl;
                return false;
            case ImageFileResult::NoBandMode:
                std::cerr << path
                          << ": the band mode is not in the name (..._CB.img, ..._HF.img "
                             "or ..._HAM.img)."
                          << std::endl;
                return false;
        }
        return false;
    }

    static void printJson(std::ostream& out, const std::vector<Difference>& diffs) {
        JsonWriter json(out);
        json.beginArray();
        for (const Difference& d : diffs) {
            json.beginObject();
            json.field("kind", kindName(d.kind));
            json.field("subject", d.subject);
            json.field("field", d.field);
            json.field("before", d.before);
            json.field("after", d.after);
            json.field("channel", d.chNo);
            json.field("text", d.text());
            json.endObject();
        }
        json.endArray();
        out << "\n";
    }

    RadioOptions options_;
    bool json_ = false;
    std::string first_;
    std::string second_;
};

}  // namespace

std::unique_ptr<Command> makeDiffCommand() {
    return std::make_unique<DiffCommand>();
}

}  // namespace zq61::cli
