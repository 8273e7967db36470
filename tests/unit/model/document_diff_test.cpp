// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_diff.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/channel_list.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

class DocumentDiffTest : public ::testing::Test {
  protected:
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document before{prompter, texts};
    Document after{prompter, texts};

    void SetUp() override {
        texts.table[txt::kOptItemBase + 5] = "Volume";
        for (Document* d : {&before, &after}) {
            ASSERT_TRUE(addChannel(*d, 12, "28.5"));
            ASSERT_TRUE(addChannel(*d, 402, "29.6"));
            d->WorkData.Header.HeaderBandMode = 2;
            d->WorkData.Dtmf.Codes[2].Length = 4;
            d->WorkData.Dtmf.Codes[2].Code = "1A*#";
        }
    }
    static ChannelRecord& channel(Document& d, int chNo) {
        return d.WorkChannels[static_cast<std::size_t>(findChannel(d, chNo))];
    }
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        for (const Difference& d : diffDocuments(before, after))
            out.push_back(d.text());
        return out;
    }
};

TEST_F(DocumentDiffTest, EqualDocumentsHaveNoDifferences) {
    EXPECT_TRUE(diffDocuments(before, after).empty());
}

// Each change to the second document, and the lines it must give.
TEST_F(DocumentDiffTest, EachKindOfChangeIsNamedInTheDocumentsTerms) {
    const struct {
        const char* what;
        std::function<void(Document&)> change;
        std::vector<std::string> expected;
    } cases[] = {
        {"frequency",
         [](Document& d) { channel(d, 12).Frequency = "02851000"; },
         {"channel 12 (A 12): frequency 28.50000 -> 28.51000"}},
        {"two fields of one channel",
         [](Document& d) {
             channel(d, 12).DUP = 2;
             channel(d, 12).AM_FM = 1;
         },
         {"channel 12 (A 12): duplex Off -> -", "channel 12 (A 12): modulation FM -> AM"}},
        {"memory channel tone",
         [](Document& d) { channel(d, 402).RDCT = 1; },
         {"channel 402 (MEM 1): receive tone Off -> C_001(67.0Hz)"}},
        {"added channel",
         [](Document& d) { addChannel(d, 45, "28.25"); },
         {"channel 45 (B 5): added (28.25000)"}},
        {"removed channel",
         [](Document& d) { removeChannel(d, 0); },
         {"channel 12 (A 12): removed (28.50000)"}},
        {"group switch",
         [](Document& d) { d.WorkData.Options.GroupOn[1] = 1; },
         {"group B: switched on off -> on"}},
        {"option",
         [](Document& d) { d.WorkData.Options.OptItem[5] = 3; },
         {"option 5 (Volume): 0 -> 3"}},
        {"feature channel",
         [](Document& d) { d.WorkData.FeatChannel.Tx_Power = 2; },
         {"feature channel: power 0 -> 2"}},
        {"key", [](Document& d) { d.WorkData.Keys.KeyFunctions[0] = 4; }, {"key 1: 0 -> 4"}},
        {"DTMF timing",
         [](Document& d) { d.WorkData.Dtmf.FirstDigitTime = 7; },
         {"DTMF first digit time: 0 -> 7"}},
        {"DTMF code cleared",
         [](Document& d) { d.WorkData.Dtmf.Codes[2].Length = 0; },
         {"DTMF code 3: 1A*# -> empty"}},
        {"tone tip",
         [](Document& d) { d.WorkData.ToneTips.Tips[1].Steps[0].Pitch = 100; },
         {"tone tip 2: step 1 pitch 0 -> 100"}},
        {"band mode",
         [](Document& d) { d.WorkData.Header.HeaderBandMode = 1; },
         {"header: band mode HAM -> HF"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        after.WorkData = before.WorkData;
        after.WorkChannels = before.WorkChannels;
        c.change(after);
        EXPECT_EQ(lines(), c.expected);
    }
}

TEST_F(DocumentDiffTest, ChannelLinesCarryTheirNumberAndKind) {
    channel(after, 12).Tx_Power = 3;
    removeChannel(after, findChannel(after, 402));
    const auto diffs = diffDocuments(before, after);
    ASSERT_EQ(diffs.size(), 2u);
    EXPECT_EQ(diffs[0].chNo, 12);
    EXPECT_EQ(diffs[0].field, "power");
    EXPECT_EQ(diffs[1].kind, Difference::Kind::Removed);
    EXPECT_EQ(diffs[1].chNo, 402);
}

// The compare window's lines are made of the words of the program's
// language; here each word shows its text id.
TEST_F(DocumentDiffTest, LinesSpeakTheLanguageOfTheirWords) {
    channel(after, 12).Frequency = "02851000";
    addChannel(after, 45, "28.25");
    const Terms words(&texts);
    std::vector<std::string> got;
    for (const Difference& d : diffDocuments(before, after, words))
        got.push_back(d.text(words));
    EXPECT_EQ(got, (std::vector<std::string>{"T27400 12 (A 12): T27404 28.50000 -> 28.51000",
                                             "T27400 45 (B 5): T27401 (28.25000)"}));
}

}  // namespace
}  // namespace zq61
