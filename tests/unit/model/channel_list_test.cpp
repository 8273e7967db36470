// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_list.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "support/recording_observer.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

class ChannelListTest : public ::testing::Test {
  protected:
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document doc{prompter, texts};

    ChannelRecord& at(int i) { return doc.WorkChannels[static_cast<std::size_t>(i)]; }
    std::vector<int> numbers() {
        std::vector<int> out;
        for (int i = 0; i < doc.WorkData.ChannelCount; ++i)
            out.push_back(at(i).ChNo);
        return out;
    }
};

TEST_F(ChannelListTest, AddUsesTheNewChannelDefaultsAndRefusesFullOrDuplicate) {
    at(0).Tx_Power = 3;  // a stale record in the free slot is replaced
    ASSERT_TRUE(addChannel(doc, 17, "28.015"));
    ChannelRecord expected;
    expected.ChNo = 17;
    expected.Scan = expected.NB = expected.Public = 1;
    expected.OffSetFre = 100;
    expected.Frequency = "02801500";
    EXPECT_EQ(at(0), expected);

    EXPECT_FALSE(addChannel(doc, 17, "29"));  // already in the list
    doc.WorkData.ChannelCount = 409;
    EXPECT_FALSE(addChannel(doc, 500, "28"));
    EXPECT_EQ(doc.WorkData.ChannelCount, 409);
}

TEST_F(ChannelListTest, RemoveAndFindKeepTheListCompact) {
    for (int ch : {5, 3, 9, 1})
        addChannel(doc, ch, "28");
    removeChannel(doc, 1);
    removeChannel(doc, 2);  // the last entry
    removeChannel(doc, 2);  // outside the list
    removeChannel(doc, -1);
    EXPECT_EQ(numbers(), (std::vector<int>{5, 9}));
    EXPECT_EQ(findChannel(doc, 9), 1);
    EXPECT_EQ(findChannel(doc, 1), -1);  // beyond ChannelCount
    EXPECT_EQ(findListIndex(doc, at(0)), 0);
}

TEST(SetChannelField, StoresEachColumnWithItsRule) {
    struct Case {
        int column;
        const char* value;
        int16_t ChannelRecord::*field;
        int expected;
    };
    const Case cases[] = {
        {kColOffset, "7", &ChannelRecord::OffSetFre, 5},
        {kColOffset, "2000", &ChannelRecord::OffSetFre, 1000},
        {kColOffset, "x", &ChannelRecord::OffSetFre, 5},
        {kColRbTone, "9", &ChannelRecord::RBTone, 8},
        {kColDtmfEot, "17", &ChannelRecord::DTMF_EOT, 16},
        {kColTdct, "200", &ChannelRecord::TDCT, 200},  // stored without a check
        {kColDup, "99999999999", &ChannelRecord::DUP, 32767},
    };
    for (const auto& c : cases) {
        ChannelRecord r;
        EXPECT_TRUE(setChannelField(r, c.column, c.value, 28.0));
        EXPECT_EQ(r.*c.field, c.expected) << c.column << " " << c.value;
    }
    ChannelRecord r;
    r.Scan = 1;
    EXPECT_FALSE(setChannelField(r, kColScan, "Add", 28.0));  // not numeric: 0, and says so
    EXPECT_EQ(r.Scan, 0);
    setChannelField(r, kColFrequency, "28.0123456", 28.0);
    EXPECT_EQ(r.Frequency.str(), "02801234");
    r.Tx_Power = 3;
    setChannelField(r, kColAmFm, "0", 28.0);  // FM leaves the power
    EXPECT_EQ(r.Tx_Power, 3);
    setChannelField(r, kColAmFm, "1", 28.0);  // AM allows power 1 at most
    EXPECT_EQ(r.Tx_Power, 1);
}

TEST_F(ChannelListTest, UnusableToneTipsAreNoLongerReferenced) {
    ToneTip t;
    EXPECT_FALSE(isToneTipUsable(t));
    t.Count = 1;
    EXPECT_FALSE(isToneTipUsable(t));  // no step with a length
    t.Steps[13].Duration = 1;
    EXPECT_TRUE(isToneTipUsable(t));
    doc.WorkData.ToneTips.Tips[1] = t;  // only tone tip 2 is usable

    test::RecordingObserver observer;
    doc.setObserver(&observer);
    const std::vector<int> before = {0, 1, 2, 8, 9, -1};
    for (int i = 0; i < 6; ++i) {
        addChannel(doc, i + 1, "28");
        at(i).RBTone = static_cast<int16_t>(before[static_cast<std::size_t>(i)]);
    }
    ChannelRecord& feat = doc.WorkData.FeatChannel;
    feat.RBTone = 3;
    feat.Tx_Power = 2;  // the feature channel's power, not a tone tip
    checkToneTipReferences(doc);
    std::vector<int> after;
    for (int i = 0; i < 6; ++i)
        after.push_back(at(i).RBTone);
    EXPECT_EQ(after, (std::vector<int>{0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(feat.RBTone, 0);
    EXPECT_EQ(feat.Tx_Power, 2);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"ShowRB", "ShowRBOpt"}));
}

TEST_F(ChannelListTest, DeletedDtmfCodeIsClearedEverywhere) {
    addChannel(doc, 1, "28");
    at(0).DTMF_BOT = at(0).DTMF_EOT = 4;
    at(0).DTMF_Call = 5;
    at(1).DTMF_BOT = 4;  // beyond the list: untouched
    ChannelRecord& feat = doc.WorkData.FeatChannel;
    feat.DTMF_BOT = feat.DTMF_Call = 4;
    feat.DTMF_EOT = 3;
    clearDtmfReferences(doc, 4);
    EXPECT_EQ(std::vector<int>({at(0).DTMF_BOT, at(0).DTMF_EOT, at(0).DTMF_Call, at(1).DTMF_BOT}),
              std::vector<int>({0, 0, 5, 4}));
    EXPECT_EQ(std::vector<int>({feat.DTMF_BOT, feat.DTMF_EOT, feat.DTMF_Call}),
              std::vector<int>({0, 3, 0}));
}

}  // namespace
}  // namespace zq61
