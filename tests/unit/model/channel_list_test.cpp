#include "model/channel_list.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

struct RecordingObserver : DocumentObserver {
    std::vector<std::string> calls;
    void reShowGrid(int chNo) override { calls.push_back("reShowGrid " + std::to_string(chNo)); }
    void ReshowByCh() override { calls.push_back("ReshowByCh"); }
    void SetGridEditData(bool f) override {
        calls.push_back(f ? "SetGridEditData 1" : "SetGridEditData 0");
    }
    void ShowRB() override { calls.push_back("ShowRB"); }
    void ShowRBOpt() override { calls.push_back("ShowRBOpt"); }
};

class ChannelListTest : public ::testing::Test {
  protected:
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document doc{prompter, texts};
    RecordingObserver observer;

    void SetUp() override { doc.setObserver(&observer); }
    const ChannelRecord& at(int i) const { return doc.WorkChannels[static_cast<std::size_t>(i)]; }
    std::vector<int> numbers() const {
        std::vector<int> out;
        for (int i = 0; i < doc.WorkData.ChannelCount; ++i)
            out.push_back(at(i).ChNo);
        return out;
    }
    ToneTip usableTip() const {
        ToneTip t;
        t.Count = 1;
        t.Steps[3].Duration = 10;
        return t;
    }
};

TEST_F(ChannelListTest, AddAppendsANewChannelWithItsDefaults) {
    doc.WorkChannels[0].Tx_Power = 3;  // a stale record in the free slot is replaced
    ASSERT_TRUE(addChannel(doc, 17, "28.015"));
    const ChannelRecord& r = at(0);
    EXPECT_EQ(doc.WorkData.ChannelCount, 1);
    EXPECT_EQ(r.ChNo, 17);
    EXPECT_EQ(r.Frequency.str(), "02801500");
    EXPECT_EQ(r.ChReserved, 0);
    EXPECT_EQ(r.Scan, 1);
    EXPECT_EQ(r.OffSetFre, 100);
    EXPECT_EQ(r.NB, 1);
    EXPECT_EQ(r.Public, 1);
    for (int16_t zero : {r.RDCT, r.TDCT, r.DUP, r.HI_CUT, r.BUSY, r.Add_Sub_5K, r.AM_FM, r.Tx_Power,
                         r.RBTone, r.DTMF_BOT, r.DTMF_EOT, r.DTMF_Call, r.TSQ})
        EXPECT_EQ(zero, 0);
    EXPECT_EQ(r.ChSpare, (std::array<int16_t, 7>{}));
}

TEST_F(ChannelListTest, AddRefusesAFullListAndADuplicate) {
    for (int ch = 1; ch <= 409; ++ch)
        ASSERT_TRUE(addChannel(doc, ch, "28"));
    EXPECT_EQ(doc.WorkData.ChannelCount, 409);
    EXPECT_FALSE(addChannel(doc, 500, "28"));
    EXPECT_EQ(doc.WorkData.ChannelCount, 409);

    doc.WorkData.ChannelCount = 2;
    EXPECT_FALSE(addChannel(doc, 2, "29"));
    EXPECT_EQ(numbers(), (std::vector<int>{1, 2}));
}

TEST_F(ChannelListTest, RemoveKeepsTheListCompactAndInOrder) {
    for (int ch : {5, 3, 9, 1})
        addChannel(doc, ch, "28");
    removeChannel(doc, 1);
    EXPECT_EQ(numbers(), (std::vector<int>{5, 9, 1}));
    removeChannel(doc, 2);  // the last entry
    EXPECT_EQ(numbers(), (std::vector<int>{5, 9}));
    removeChannel(doc, 2);  // outside the list
    removeChannel(doc, -1);
    EXPECT_EQ(numbers(), (std::vector<int>{5, 9}));
    EXPECT_EQ(findChannel(doc, 9), 1);
    EXPECT_EQ(findChannel(doc, 1), -1);  // beyond ChannelCount
    ChannelRecord probe;
    probe.ChNo = 5;
    EXPECT_EQ(findListIndex(doc, probe), 0);
}

TEST(SetChannelField, StoresEachColumnWithItsRule) {
    struct Case {
        int column;
        const char* value;
        int16_t ChannelRecord::*field;
        int expected;
        bool numeric;
    };
    const Case cases[] = {
        {kColOffset, "7", &ChannelRecord::OffSetFre, 5, true},
        {kColOffset, "2000", &ChannelRecord::OffSetFre, 1000, true},
        {kColOffset, "x", &ChannelRecord::OffSetFre, 5, true},
        {kColOffset, "255", &ChannelRecord::OffSetFre, 255, true},
        {kColRbTone, "9", &ChannelRecord::RBTone, 8, true},
        {kColRbTone, "-1", &ChannelRecord::RBTone, 0, true},
        {kColDtmfBot, "16", &ChannelRecord::DTMF_BOT, 16, true},
        {kColDtmfEot, "17", &ChannelRecord::DTMF_EOT, 16, true},
        {kColDtmfCall, "q", &ChannelRecord::DTMF_Call, 0, true},
        {kColDup, "2", &ChannelRecord::DUP, 2, true},
        {kColRdct, "142", &ChannelRecord::RDCT, 142, true},
        {kColTdct, "200", &ChannelRecord::TDCT, 200, true},  // no check
        {kColPublic, "0", &ChannelRecord::Public, 0, true},
        {kColScan, "0", &ChannelRecord::Scan, 0, true},
        {kColTsq, "1", &ChannelRecord::TSQ, 1, true},
        {kColHiCut, "1", &ChannelRecord::HI_CUT, 1, true},
        {kColBusy, "1", &ChannelRecord::BUSY, 1, true},
        {kColNb, "0", &ChannelRecord::NB, 0, true},
        {kColAddSub5K, "1", &ChannelRecord::Add_Sub_5K, 1, true},
        {kColTxPower, "3", &ChannelRecord::Tx_Power, 3, true},
        {kColScan, "Add", &ChannelRecord::Scan, 0, false},
        {kColDup, "99999999999", &ChannelRecord::DUP, 32767, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "column " << c.column << " value " << c.value);
        ChannelRecord r;
        r.Scan = r.Public = r.NB = 1;
        EXPECT_EQ(setChannelField(r, c.column, c.value, 28.0), c.numeric);
        EXPECT_EQ(r.*c.field, c.expected);
    }
}

TEST(SetChannelField, FrequencyAndModulation) {
    ChannelRecord r;
    setChannelField(r, kColFrequency, "28.0123456", 28.0);
    EXPECT_EQ(r.Frequency.str(), "02801234");
    setChannelField(r, kColFrequency, "", 28.0);
    EXPECT_EQ(r.Frequency.str(), "        ");

    r.Tx_Power = 3;
    setChannelField(r, kColAmFm, "1", 28.0);  // AM allows power 1 at most
    EXPECT_EQ(r.AM_FM, 1);
    EXPECT_EQ(r.Tx_Power, 1);
    r.Tx_Power = 3;
    setChannelField(r, kColAmFm, "0", 28.0);  // FM leaves the power
    EXPECT_EQ(r.AM_FM, 0);
    EXPECT_EQ(r.Tx_Power, 3);
    r.Tx_Power = 0;
    setChannelField(r, kColAmFm, "1", 28.0);
    EXPECT_EQ(r.Tx_Power, 0);

    const ChannelRecord before = r;
    EXPECT_TRUE(setChannelField(r, 0, "5", 28.0));
    EXPECT_TRUE(setChannelField(r, 19, "5", 28.0));
    EXPECT_EQ(r, before);
}

TEST_F(ChannelListTest, ToneTipUsable) {
    ToneTip t;
    EXPECT_FALSE(isToneTipUsable(t));
    t.Count = 1;
    EXPECT_FALSE(isToneTipUsable(t));  // no step with a length
    t.Steps[13].Duration = 1;
    EXPECT_TRUE(isToneTipUsable(t));
    t.Count = 0;
    EXPECT_FALSE(isToneTipUsable(t));
}

TEST_F(ChannelListTest, ToneTipReferencesToUnusableTipsAreCleared) {
    doc.WorkData.ToneTips.Tips[1] = usableTip();  // tone tip 2
    const int16_t rbTones[] = {0, 1, 2, 8, 9, -1};
    for (int i = 0; i < 6; ++i) {
        addChannel(doc, i + 1, "28");
        doc.WorkChannels[static_cast<std::size_t>(i)].RBTone = rbTones[i];
    }
    doc.WorkData.FeatChannel.RBTone = 3;
    doc.WorkData.FeatChannel.Tx_Power = 2;  // the feature channel's power is no tone tip
    checkToneTipReferences(doc);
    std::vector<int> after;
    for (int i = 0; i < 6; ++i)
        after.push_back(at(i).RBTone);
    EXPECT_EQ(after, (std::vector<int>{0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(doc.WorkData.FeatChannel.RBTone, 0);
    EXPECT_EQ(doc.WorkData.FeatChannel.Tx_Power, 2);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"ShowRB", "ShowRBOpt"}));

    doc.WorkData.FeatChannel.RBTone = 2;
    checkToneTipReferences(doc);
    EXPECT_EQ(doc.WorkData.FeatChannel.RBTone, 2);
}

TEST_F(ChannelListTest, DeletedDtmfCodeIsClearedEverywhere) {
    addChannel(doc, 1, "28");
    addChannel(doc, 2, "28");
    doc.WorkChannels[0].DTMF_BOT = 4;
    doc.WorkChannels[0].DTMF_EOT = 4;
    doc.WorkChannels[0].DTMF_Call = 5;
    doc.WorkChannels[1].DTMF_Call = 4;
    doc.WorkChannels[2].DTMF_BOT = 4;  // beyond the list: untouched
    ChannelRecord& feat = doc.WorkData.FeatChannel;
    feat.DTMF_BOT = 4;
    feat.DTMF_EOT = 3;
    feat.DTMF_Call = 4;
    clearDtmfReferences(doc, 4);
    EXPECT_EQ(at(0).DTMF_BOT, 0);
    EXPECT_EQ(at(0).DTMF_EOT, 0);
    EXPECT_EQ(at(0).DTMF_Call, 5);
    EXPECT_EQ(at(1).DTMF_Call, 0);
    EXPECT_EQ(at(2).DTMF_BOT, 4);
    EXPECT_EQ(feat.DTMF_BOT, 0);
    EXPECT_EQ(feat.DTMF_EOT, 3);
    EXPECT_EQ(feat.DTMF_Call, 0);
}

}  // namespace
}  // namespace zq61
