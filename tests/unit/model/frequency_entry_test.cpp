// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/frequency_entry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/channel_list.h"
#include "model/document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

constexpr double kCbLow = 26.965;

class FrequencyTest : public ::testing::Test {
  protected:
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document doc{prompter, texts};

    void useCb() {
        doc.BandMode = 0;
        doc.BandLowMHz = kCbLow;
        doc.BandHighMHz = 27.405;
    }
    // Messages 9021 shown so far (always with the warning icon), then forgotten.
    int takeOutOfBandMessages() {
        int n = 0;
        for (const auto& r : prompter.shown)
            if (r.text == "T9021" && r.icon == PromptIcon::Warning) ++n;
        prompter.shown.clear();
        return n;
    }
};

TEST_F(FrequencyTest, CheckRangeAndValidateEntry) {
    useCb();
    EXPECT_DOUBLE_EQ(checkRange(27.1234, doc), 27.12);
    EXPECT_EQ(takeOutOfBandMessages(), 0);
    EXPECT_DOUBLE_EQ(checkRange(27.5, doc), 27.405);
    EXPECT_DOUBLE_EQ(checkRange(std::nan(""), doc), kCbLow);
    EXPECT_EQ(takeOutOfBandMessages(), 2);
    doc.BandMode = 2;
    doc.BandLowMHz = 28.0;
    doc.BandHighMHz = 29.7;
    const std::tuple<const char*, const char*, int> cases[] = {
        {"28.0049", "28.00000", 0}, {"29.7", "29.70000", 0}, {"28.12345678", "28.12000", 0},
        {"29.71", "29.70000", 1},   {"27", "28.00000", 1},   {"abc", "28.00000", 1},
    };
    for (const auto& [typed, accepted, messages] : cases) {
        EXPECT_EQ(validateEntry(typed, 0, 2, doc), accepted) << typed;
        EXPECT_EQ(takeOutOfBandMessages(), messages) << typed;
    }
}

TEST_F(FrequencyTest, CbMemoryChannelsTakeTheNearestChannelFrequency) {
    useCb();
    addChannel(doc, 402, "27.405");  // memory channels never count
    EXPECT_FALSE(nearestMemoryFrequency(27.0, doc).found);
    EXPECT_EQ(validateEntry("28", 8, 0, doc), "27.40500");  // none yet: the band check
    EXPECT_EQ(takeOutOfBandMessages(), 1);

    addChannel(doc, 1, "26.965");
    addChannel(doc, 121, "27.601");  // UK 1, shown as 27.60125
    addChannel(doc, 19, "27.185");
    addChannel(doc, 60, "");  // no frequency: never counts
    const auto near = nearestMemoryFrequency(27.19, doc);
    EXPECT_EQ(std::tuple(near.found, near.mhz, near.group, near.channelInGroup),
              std::tuple(true, 27.185, 0, 18));
    // Measured to the shown 27.60125; the result is the stored 27.601.
    EXPECT_EQ(nearestMemoryFrequency(27.60125, doc).channelInGroup, 0);
    EXPECT_EQ(validateEntry("30", 8, 0, doc), "27.60100");
    EXPECT_EQ(validateEntry("27.0", 8, 0, doc), "26.96500");
    EXPECT_EQ(takeOutOfBandMessages(), 0);
    EXPECT_EQ(validateEntry("27.0", 0, 0, doc), "27.00000");  // other groups: the band check
}

TEST_F(FrequencyTest, AStoredFormThatIsNoNumberIsToldOnce) {
    useCb();
    EXPECT_EQ(displayFrequency("02760100", 3, doc), "27.60125");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(displayFrequency("0280AB00", 0, doc), "26.965");
    EXPECT_TRUE(prompter.showed(FixedText::NotNumeric));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Not IsNumeric"});
}

}  // namespace
}  // namespace zq61
