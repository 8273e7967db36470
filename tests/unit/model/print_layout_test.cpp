// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/bands.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

// A HAM document (texts "T<id>") with channels in banks A and C and one
// memory channel, added out of order.
class PrintLayoutTest : public ::testing::Test {
  protected:
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document doc{prompter, texts};

    void SetUp() override {
        doc.DataFileName = "club.dat";
        doc.WorkData.Header.Model = "ZQ-61";
        doc.WorkData.Header.HeaderBandMode = kBandHAM;
        ASSERT_TRUE(addChannel(doc, 85, "29.6"));   // C 5
        ASSERT_TRUE(addChannel(doc, 2, "28.5"));    // A 2
        ASSERT_TRUE(addChannel(doc, 1, "28.4"));    // A 1
        ASSERT_TRUE(addChannel(doc, 403, "29.0"));  // MEM 2
    }
    ChannelRecord& channel(int chNo) {
        return doc.WorkChannels[static_cast<std::size_t>(findChannel(doc, chNo))];
    }
    static std::string t(int id) { return "T" + std::to_string(id); }
    static const PrintSection& section(const PrintLayout& layout, const std::string& heading) {
        const auto it = std::find_if(layout.sections.begin(), layout.sections.end(),
                                     [&](const PrintSection& s) { return s.heading == heading; });
        if (it == layout.sections.end()) throw std::runtime_error("no section " + heading);
        return *it;
    }
    static std::string channels(const std::string& group) {
        return t(txt::kNodeChannels) + " - " + t(txt::kGroupLabel) + " " + group;
    }
};

TEST_F(PrintLayoutTest, SectionsComeInTheDocumentsOrderAndGroupsStartNewPages) {
    const PrintLayout layout = makePrintLayout(doc);
    EXPECT_EQ(layout.title, t(txt::kAppTitle));
    std::vector<std::string> headings;
    std::vector<bool> newPages;
    for (const PrintSection& s : layout.sections) {
        headings.push_back(s.heading);
        newPages.push_back(s.newPage);
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"ZQ-61 - club.dat", channels("A"), channels("C"),
                                                  channels("MEM"), t(txt::kPrintGroupSettings),
                                                  t(txt::kOptCaption), t(txt::kCommonChannelFrame),
                                                  t(txt::kDtmfCaption), t(txt::kPrintDtmfCodes),
                                                  t(txt::kTipCaption), t(txt::kKeyCaption)}));
    EXPECT_EQ(newPages, (std::vector<bool>{false, true, true, true, true, false, false, false,
                                           false, false, false}));
    EXPECT_EQ(
        layout.sections[0].lines,
        (std::vector<std::string>{t(txt::kModelLabel) + ": ZQ-61", t(txt::kBandModeLabel) + ": HAM",
                                  t(txt::kBandRangeLabel) + ": 28.000 - 29.700 MHz",
                                  t(txt::kCaptionFileLabel) + ": club.dat"}));
}

TEST_F(PrintLayoutTest, ChannelRowsAreSortedNumberedInTheirGroupAndNamed) {
    ChannelRecord& c = channel(2);
    c.DUP = 2;
    c.OffSetFre = 600;
    c.RDCT = 1;
    c.TDCT = 39;
    c.AM_FM = 1;
    c.Tx_Power = 1;
    c.Scan = 0;
    channel(1).Tx_Power = 7;  // not a power the lists offer: shown as stored
    channel(1).DUP = 5;
    const PrintLayout layout = makePrintLayout(doc);
    const PrintTable& a = section(layout, channels("A")).tables.at(0);
    ASSERT_EQ(a.columns.size(), 9u);
    EXPECT_EQ(a.columns[1], t(txt::kGridFrequency));
    ASSERT_EQ(a.rows.size(), 2u);
    EXPECT_EQ(a.rows[0], (std::vector<std::string>{"1", "28.40000", "5", "100", "Off", "Off", "FM",
                                                   "7", "Add"}));
    EXPECT_EQ(a.rows[1][0], "2");
    EXPECT_EQ(a.rows[1][1], "28.50000");
    EXPECT_EQ(a.rows[1][2], "-");
    EXPECT_EQ(a.rows[1][3], "600");
    EXPECT_NE(a.rows[1][4], "Off");  // a CTCSS tone
    EXPECT_NE(a.rows[1][5], "Off");  // a DCS code
    EXPECT_EQ(std::vector<std::string>(a.rows[1].begin() + 6, a.rows[1].end()),
              (std::vector<std::string>{"AM", t(txt::kPowerMedium), "Del"}));
    EXPECT_EQ(section(layout, channels("C")).tables.at(0).rows.at(0)[0], "5");
    EXPECT_EQ(section(layout, channels("MEM")).tables.at(0).rows.at(0)[0], "2");
}

TEST_F(PrintLayoutTest, ARepeatedChannelNumberPrintsTheEntryTheRadioGets) {
    // The list holds channel 1 twice; the radio takes the first entry.
    const int n = doc.WorkData.ChannelCount;
    doc.WorkChannels[static_cast<std::size_t>(n)] = channel(1);
    doc.WorkChannels[static_cast<std::size_t>(n)].Frequency = "02900000";
    doc.WorkData.ChannelCount = static_cast<int16_t>(n + 1);
    const PrintLayout layout = makePrintLayout(doc);
    const PrintTable& a = section(layout, channels("A")).tables.at(0);
    ASSERT_EQ(a.rows.size(), 2u);
    EXPECT_EQ(a.rows[0][1], "28.40000");
}

TEST_F(PrintLayoutTest, GroupSettingsShowRememberedChannelsCountingFromOne) {
    OptionsRecord& o = doc.WorkData.Options;
    o.GroupOn[2] = 1;
    o.GroupCh1[2] = 4;
    o.GroupCh2[2] = 0;
    o.GroupCh3[2] = 39;
    o.EmgModulation2[2] = 1;
    o.CurGroup = 2;
    o.CurMemCh = 1;
    const PrintLayout layout = makePrintLayout(doc);
    const PrintSection& s = section(layout, t(txt::kPrintGroupSettings));
    EXPECT_EQ(s.lines, (std::vector<std::string>{t(txt::kGroupLabel) + ": C",
                                                 t(txt::kWorkingChannel) + " (MEM): 2"}));
    const PrintTable& table = s.tables.at(0);
    ASSERT_EQ(table.rows.size(), 10u);  // banks A..J keep settings
    EXPECT_EQ(table.rows[2],
              (std::vector<std::string>{"C", t(txt::kPrintOn), "5", "1 (FM)", "40 (AM)"}));
    EXPECT_EQ(table.rows[0][1], t(txt::kPrintOff));
}

TEST_F(PrintLayoutTest, SettingsTablesConvertStoredUnitsAndNameChoices) {
    RadioData& w = doc.WorkData;
    w.Options.OptItem[5] = 3;
    w.Options.MaxLimitOn = 1;
    w.Options.MaxLimit = 160;
    w.Dtmf.DtmfRate = 10;       // 100 ms
    w.Dtmf.FirstDigitTime = 3;  // 300 ms
    w.Dtmf.DKeySetting = 4;
    w.Dtmf.Codes[2].Length = 4;
    w.Dtmf.Codes[2].Code = "1A*#";
    w.ToneTips.Tips[0].Steps[0] = {210, 10};
    w.ToneTips.Tips[0].Steps[1] = {0, 5};
    w.ToneTips.Tips[0].Steps[3] = {100, 0};  // not used: no length
    w.ToneTips.Tips[0].Count = 2;
    w.ToneTips.Tips[0].Pause = 50;
    w.Keys.KeyModeSet = 3;
    w.Keys.KeyFunctions = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20, 99};
    const PrintLayout layout = makePrintLayout(doc);

    const PrintTable& options = section(layout, t(txt::kOptCaption)).tables.at(0);
    ASSERT_EQ(options.rows.size(), 18u);
    EXPECT_EQ(options.rows[5], (std::vector<std::string>{t(txt::kOptItemBase + 5), "3"}));
    EXPECT_EQ(options.rows[17], (std::vector<std::string>{t(txt::kMaxLimitCheck), "160"}));

    const PrintTable& timing = section(layout, t(txt::kDtmfCaption)).tables.at(0);
    EXPECT_EQ(timing.rows[0][1], "100");
    EXPECT_EQ(timing.rows[1][1], "300");
    EXPECT_EQ(timing.rows[4][1], "4s");
    const PrintTable& codes = section(layout, t(txt::kPrintDtmfCodes)).tables.at(0);
    ASSERT_EQ(codes.rows.size(), 16u);
    EXPECT_EQ(codes.rows[2], (std::vector<std::string>{"3", "1A*#"}));
    EXPECT_EQ(codes.rows[0][1], "");

    const PrintTable& tips = section(layout, t(txt::kTipCaption)).tables.at(0);
    ASSERT_EQ(tips.rows.size(), 8u);
    EXPECT_EQ(tips.rows[0], (std::vector<std::string>{"1", "2", "500",
                                                      "2100/100, " + t(txt::kTipSilence) + "/50"}));
    EXPECT_EQ(tips.rows[1][1], t(txt::kTipRepeatOff));

    const PrintSection& keys = section(layout, t(txt::kKeyCaption));
    EXPECT_EQ(keys.lines.at(0), t(txt::kKeyModesLabel) + ": 1&2&3");
    const PrintTable& table = keys.tables.at(0);
    ASSERT_EQ(table.rows.size(), 6u);
    EXPECT_EQ(table.rows[0], (std::vector<std::string>{t(txt::kKeyNameBase), "MOD", "DSP", "NB"}));
    EXPECT_EQ(table.rows[4][3], "NULL");
    // A stored function the radio does not know is printed as stored.
    EXPECT_EQ(table.rows[5],
              (std::vector<std::string>{t(txt::kKeyNameBase + 5), "POW", "CAL", "99"}));
}

TEST_F(PrintLayoutTest, ACbVfoSlotWithoutGroupComesLastUnderItsOwnName) {
    Document cb{prompter, texts};
    cb.BandMode = kBandCB;
    cb.BandRangeText = bandRangeText(kBandCB);
    cb.WorkData.Header.HeaderBandMode = kBandCB;
    ChannelRecord vfo;
    vfo.ChNo = kVfoChannel;
    vfo.Frequency = "02700000";
    cb.WorkChannels[0] = vfo;
    ChannelRecord first;
    first.ChNo = 1;
    first.Frequency = "02696500";
    cb.WorkChannels[1] = first;
    cb.WorkData.ChannelCount = 2;
    const PrintLayout layout = makePrintLayout(cb);
    ASSERT_GE(layout.sections.size(), 3u);
    EXPECT_EQ(layout.sections[2].heading, channels("VFO"));
    EXPECT_EQ(layout.sections[2].tables.at(0).rows.at(0)[0], "401");
    // CB keeps settings for its eight country groups.
    EXPECT_EQ(section(layout, t(txt::kPrintGroupSettings)).tables.at(0).rows.size(), 8u);
}

}  // namespace
}  // namespace zq61
