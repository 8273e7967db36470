// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-cli demo-image: the memory and information area of a demonstration
// HAM radio, for the virtual radio of "./run --demo". The memory is a new
// document with channels in several banks, repeater offsets and tones, tone
// tips and DTMF codes, packed as a write would pack it; the information area
// holds a filled service record.

#include <array>
#include <string>

#include "cli_command.h"
#include "codec/frequency.h"
#include "link/engine/memory_map.h"
#include "link/engine/radio_info.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/document_copies.h"
#include "model/file_io.h"
#include "model/new_document.h"

namespace zq61::cli {
namespace {

struct DemoChannel {
    int chNo;  // bank b holds channels 40b+1 .. 40b+40
    const char* mhz;
    int dup;        // 0 off, 1 +, 2 -
    int toneIndex;  // 0 none; CTCSS/DCS list index
    int rbTone;     // tone tip 0..8
};

// A few calling, repeater and beacon-watch channels spread over four banks.
constexpr DemoChannel kChannels[] = {
    {1, "28.400", 0, 0, 0},   {2, "28.500", 0, 0, 1},   {3, "29.600", 0, 0, 0},
    {4, "29.620", 2, 13, 2},  {5, "29.640", 2, 13, 0},  {6, "29.660", 2, 17, 0},
    {41, "28.200", 0, 0, 0},  {42, "28.205", 0, 0, 0},  {43, "28.300", 0, 0, 2},
    {81, "29.300", 0, 0, 0},  {82, "29.320", 1, 21, 0}, {83, "29.540", 0, 0, 0},
    {161, "28.120", 0, 0, 0}, {162, "28.074", 0, 0, 0},
};

constexpr const char* kDtmfCodes[] = {"123", "*911#", "A1B2", "0042"};

// The service record: index into the information area and text.
struct InfoText {
    int index;
    const char* text;
};
constexpr InfoText kInfoTexts[] = {
    {32, "LOT2611"},
    {40, "C042"},
    {44, "EU1"},
    {48, "ZQ61-000731"},
    {64, "2026-03-14"},
    {80, "2026-09-02"},
    {96, "Squelch opened late on FM; adjusted the squelch trimmer and checked the receiver."},
    {192, "D-117"},
    {208, "2026-04-01"},
    {224, "2026-04-20"},
    {240, "L. Moreau"},
};

void setChannel(Document& doc, const DemoChannel& c) {
    int at = findChannel(doc, c.chNo);
    if (at < 0 && addChannel(doc, c.chNo, c.mhz)) at = findChannel(doc, c.chNo);
    if (at >= 0) {
        ChannelRecord& r = doc.WorkChannels[at];
        r.Frequency = FixedString<8>(textToStored(c.mhz, doc.BandLowMHz));
        r.Scan = 1;
        r.DUP = static_cast<int16_t>(c.dup);
        r.OffSetFre = c.dup ? 100 : r.OffSetFre;  // 100 kHz repeater shift
        r.RDCT = r.TDCT = static_cast<int16_t>(c.toneIndex);
        r.RBTone = static_cast<int16_t>(c.rbTone);
        return;
    }
}

void addToneTips(Document& doc) {
    // A rising three-note tip and a two-note answer tone.
    ToneTip& rising = doc.WorkData.ToneTips.Tips[0];
    rising.Steps[0] = {100, 8};
    rising.Steps[1] = {125, 8};
    rising.Steps[2] = {150, 12};
    rising.Count = 1;
    ToneTip& answer = doc.WorkData.ToneTips.Tips[1];
    answer.Steps[0] = {180, 10};
    answer.Steps[1] = {0, 5};
    answer.Steps[2] = {180, 10};
    answer.Count = 2;
    answer.Pause = 20;
}

class DemoImageCommand : public Command {
  public:
    CLI::App* define(CLI::App& app) override {
        CLI::App* sub =
            app.add_subcommand("demo-image",
                               "Write the memory (MEMORY) and information area (INFO) of a "
                               "demonstration HAM radio, for zq61-sim --memory and --info");
        sub->add_option("MEMORY", memory_, "Memory image file to write (7424 bytes)")->required();
        sub->add_option("INFO", info_, "Information area file to write (256 bytes)")->required();
        return sub;
    }

    int run(Context& context) override {
        Document doc(context.prompter, context.texts);
        doc.ModelName = "ZQ-61";
        setBand(doc, kBandHAM);
        NewDocumentOptions options;
        options.programDir = context.programDir;
        newDocument(doc, options);

        for (const DemoChannel& c : kChannels)
            setChannel(doc, c);
        for (size_t i = 0; i < std::size(kDtmfCodes); ++i) {
            DtmfCode& code = doc.WorkData.Dtmf.Codes[i];
            code.Code = FixedString<16>(kDtmfCodes[i]);
            code.Length = static_cast<int16_t>(std::string(kDtmfCodes[i]).size());
        }
        addToneTips(doc);

        MemoryBytes memory{};
        PackDocument(doc, memory);
        InfoBytes info;
        info.fill(0xFF);
        info[0] = 0xF0 | kBandHAM;
        for (const InfoText& t : kInfoTexts) {
            const std::string text = t.text;
            for (size_t i = 0; i < text.size() && t.index + i < info.size(); ++i)
                info[t.index + i] = static_cast<uint8_t>(text[i]);
        }
        auto problem = replaceFile(memory_, memory);
        if (!problem) problem = replaceFile(info_, info);
        if (problem) {
            context.prompter.message(
                Prompt::ofFixed(FixedText::SystemReason, PromptIcon::Error, problem->text()));
            return kExitFailed;
        }
        return kExitOk;
    }

  private:
    std::string memory_;
    std::string info_;
};

}  // namespace

std::unique_ptr<Command> makeDemoImageCommand() {
    return std::make_unique<DemoImageCommand>();
}

}  // namespace zq61::cli
