// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/dtmf_codes.h"

#include <gtest/gtest.h>

#include "model/channel_list.h"
#include "model/document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

class CountingObserver : public DocumentObserver {
  public:
    int refreshes = 0;
    void RefreshDtmfLists() override { ++refreshes; }
};

TEST(DtmfCodes, TimingValuesRoundHalfToEven) {
    const struct {
        const char* text;
        int unit;
        int stored;
    } cases[] = {{"500", 10, 50}, {"1000", 100, 10}, {"0", 100, 0}, {"250", 100, 2},
                 {"350", 100, 4}, {"15", 10, 2},     {"25", 10, 2}, {"abc", 10, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(dtmfTimingValue(c.text, c.unit), c.stored) << c.text;
}

TEST(DtmfCodes, ShownCodeUsesTheLength) {
    DtmfCode code;
    code.Code = "1A*#5";
    const std::pair<int, std::string> cases[] = {
        {4, "1A*#"}, {0, ""}, {-1, ""}, {16, "1A*#5           "}, {17, ""}, {20, ""}};
    for (const auto& [length, shown] : cases) {
        code.Length = static_cast<int16_t>(length);
        EXPECT_EQ(shownDtmfCode(code), shown) << length;
    }
}

TEST(DtmfCodes, EmptiedCodeClearsItsReferences) {
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    texts.table[14013] = "Off";
    Document doc(prompter, texts);
    CountingObserver observer;
    doc.setObserver(&observer);
    doc.WorkData.ChannelCount = 2;
    doc.WorkChannels[0].DTMF_BOT = 3;
    doc.WorkChannels[0].DTMF_EOT = 4;
    doc.WorkChannels[1].DTMF_Call = 3;
    doc.WorkData.FeatChannel.DTMF_EOT = 3;

    setDtmfCode(doc, 3, "1A*#");
    setDtmfCode(doc, 4, "12345678901234567890");
    EXPECT_EQ(doc.WorkData.Dtmf.Codes[2].Length, 4);
    EXPECT_EQ(doc.WorkData.Dtmf.Codes[3].Length, 16);
    EXPECT_EQ(dtmfNumberListItems(doc), (std::vector<std::string>{"Off", "3", "4"}));
    EXPECT_EQ(doc.WorkChannels[0].DTMF_BOT, 3);

    setDtmfCode(doc, 3, "");
    EXPECT_EQ(doc.WorkData.Dtmf.Codes[2].Length, 0);
    EXPECT_EQ(doc.WorkChannels[0].DTMF_BOT, 0);
    EXPECT_EQ(doc.WorkChannels[0].DTMF_EOT, 4);
    EXPECT_EQ(doc.WorkChannels[1].DTMF_Call, 0);
    EXPECT_EQ(doc.WorkData.FeatChannel.DTMF_EOT, 0);
    EXPECT_EQ(dtmfNumberListItems(doc), (std::vector<std::string>{"Off", "4"}));
    EXPECT_EQ(observer.refreshes, 3);

    setDtmfCode(doc, 17, "1");  // no such code
    EXPECT_EQ(observer.refreshes, 3);
}

}  // namespace
}  // namespace zq61
