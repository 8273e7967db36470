// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary text as a CSV file imported into a new document of each band
// mode, in either column set or the one its header names: the whole import
// runs, every check of the document's editing rules included, not only the
// splitting into cells. A file with any problem changes nothing; a file
// without one leaves a document whose own export imports back unchanged.

#include <array>
#include <optional>
#include <string_view>

#include "fuzz_support.h"
#include "link/engine/read_documents.h"
#include "model/channel_csv.h"
#include "model/document.h"
#include "model/document_copies.h"
#include "model/new_document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace {

using namespace zq61;

struct Copy {
    RadioData data;
    ChannelArray channels;
    explicit Copy(const Document& d) : data(d.WorkData), channels(d.WorkChannels) {}
    bool operator==(const Copy&) const = default;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static test::ScriptedPrompter prompter;
    static test::TableTexts texts;
    // New documents of the three band modes, made once.
    static const std::array<Document*, 3> fresh = [] {
        std::array<Document*, 3> docs{};
        for (int band = 0; band < 3; ++band) {
            docs[band] = new Document(prompter, texts);
            setBand(*docs[band], band);
            NewDocumentOptions options;
            options.programDir = "/nonexistent";
            newDocument(*docs[band], options);
        }
        return docs;
    }();
    // The first byte chooses the band mode and the column set.
    const int band = data[0] % 3;
    const int setChoice = data[0] / 3 % 3;
    const std::optional<CsvColumnSet> set =
        setChoice == 0 ? std::nullopt
                       : std::optional(setChoice == 1 ? CsvColumnSet::Chirp : CsvColumnSet::Full);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    prompter.shown.clear();
    Document doc(prompter, texts);
    copyWorkingDocument(*fresh[band], doc);
    const Copy before(doc);
    const CsvImportResult result = importChannelsCsv(doc, text, set);
    if (!result.ok()) {
        fuzz::check(Copy(doc) == before);
        return 0;
    }
    fuzz::check(doc.WorkData.ChannelCount >= 0 && doc.WorkData.ChannelCount <= kMaxChannels);
    const Copy imported(doc);
    const CsvImportResult again =
        importChannelsCsv(doc, exportChannelsCsv(doc, CsvColumnSet::Full), CsvColumnSet::Full);
    fuzz::check(again.ok() && again.changedChannels.empty() && Copy(doc) == imported);
    return 0;
}
