#include "codec/frequency.h"

#include <gtest/gtest.h>

#include <cmath>

#include "codec/text_helpers.h"

#include "model/channel_list.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

constexpr double kCbLow = 26.965;
constexpr double kHamLow = 28.0;

class FrequencyTest : public ::testing::Test {
  protected:
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document doc{prompter, texts};

    void useBand(int mode, double low, double high) {
        doc.BandMode = static_cast<int16_t>(mode);
        doc.BandLowMHz = low;
        doc.BandHighMHz = high;
    }
    void useCb() { useBand(0, kCbLow, 27.405); }
    void useHam() { useBand(2, kHamLow, 29.7); }
    int outOfBandMessages() const {
        int n = 0;
        for (const auto& r : prompter.shown)
            if (r.text == "T" + std::to_string(txt::kOutOfBand)) {
                EXPECT_EQ(r.icon, PromptIcon::Warning);
                ++n;
            }
        return n;
    }
};

TEST(TextToStored, DigitsInUnitsOfTenHertz) {
    const std::pair<const char*, const char*> cases[] = {
        {"28.015", "02801500"},
        {"27.185", "02718500"},
        {"28", "02800000"},
        {"28.0123456", "02801234"},
        {"8.5", "00850000"},
        {".5", "00050000"},
        {"28.01999", "02801999"},
        {" 28.015 ", "02801500"},
        {"+28.1", "02810000"},
        {"2.8e1", "02800000"},
        {"", ""},
        {"   ", ""},
        {"abc", "02696500"},
        {"-3", "02696500"},
        {"1.2.3", "02696500"},
    };
    for (const auto& [text, stored] : cases)
        EXPECT_EQ(textToStored(text, kCbLow), stored) << text;
    EXPECT_EQ(textToStored("x", kHamLow), "02800000");
}

TEST_F(FrequencyTest, StoredToDisplay) {
    EXPECT_EQ(storedToDisplay("02801500", kHamLow, prompter), "28.01500");
    EXPECT_EQ(storedToDisplay("00050000", kHamLow, prompter), "0.50000");
    EXPECT_EQ(storedToDisplay("FFFFFFFF", kHamLow, prompter), "");
    EXPECT_EQ(storedToDisplay("", kHamLow, prompter), "");
    EXPECT_EQ(storedToDisplay("        ", kHamLow, prompter), "");
    EXPECT_EQ(storedToDisplay(FixedString<8>().view(), kHamLow, prompter), "");
    EXPECT_TRUE(prompter.shown.empty());
    // A damaged stored form says so and falls back to the low edge.
    EXPECT_EQ(storedToDisplay("0280AB00", kCbLow, prompter), "26.965");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Not IsNumeric");
}

TEST_F(FrequencyTest, DisplayForGroupShowsTheUkChannelsAt125) {
    struct Case {
        const char* stored;
        int group, bandMode;
        const char* shown;
    };
    const Case cases[] = {
        {"02760100", 3, 0, "27.60125"},  // UK group
        {"02760100", 8, 0, "27.60125"},  // memory channel above the top of the band
        {"02740500", 8, 0, "27.40500"},  // memory channel at the top stays
        {"02718500", 0, 0, "27.18500"},  {"02760100", 3, 2, "27.60100"},  // only in CB mode
        {"02760100", 11, 2, "27.60100"}, {"FFFFFFFF", 3, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(displayForGroup(c.stored, c.group, c.bandMode, kCbLow, prompter), c.shown)
            << c.stored << " g" << c.group;
}

TEST(SnapToGrid, SnapsDownToFiveKilohertzFromTheLowEdge) {
    struct Case {
        double mhz, low, snapped;
    };
    const Case cases[] = {
        {27.1234, kCbLow, 27.12},
        {26.965, kCbLow, 26.965},
        {27.405, kCbLow, 27.405},
        {27.18999, kCbLow, 27.185},
        {28.0049, kHamLow, 28.0},
        {28.005, kHamLow, 28.005},
        {29.69999, kHamLow, 29.695},
        {28.0049999, kHamLow, 28.005},  // rounded to 10 Hz units
                                        // before the snap
        {25.615, 25.615, 25.615},
        {30.1049, 25.615, 30.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mhz);
        // Compare the display text: that is what the user sees and what is stored.
        EXPECT_EQ(formatFiveDecimals(snapToGrid(c.mhz, c.low)), formatFiveDecimals(c.snapped));
    }
}

TEST_F(FrequencyTest, CheckRangeWarnsAndGivesTheUnsnappedEdge) {
    useCb();
    EXPECT_DOUBLE_EQ(checkRange(27.1234, doc), 27.12);
    EXPECT_EQ(outOfBandMessages(), 0);
    EXPECT_DOUBLE_EQ(checkRange(27.5, doc), 27.405);
    EXPECT_DOUBLE_EQ(checkRange(26.9, doc), kCbLow);
    EXPECT_DOUBLE_EQ(checkRange(std::nan(""), doc), kCbLow);
    EXPECT_EQ(outOfBandMessages(), 3);
    // Edges of a band whose top is not on the grid are returned as they are.
    doc.BandHighMHz = 27.4033;
    EXPECT_DOUBLE_EQ(checkRange(27.5, doc), 27.4033);
}

TEST_F(FrequencyTest, ValidateEntry) {
    useHam();
    struct Case {
        const char* typed;
        const char* accepted;
        int messages;
    };
    const Case cases[] = {
        {"28.0049", "28.00000", 0}, {"28.005", "28.00500", 0},      {"29.7", "29.70000", 0},
        {"29.71", "29.70000", 1},   {"27", "28.00000", 1},          {"abc", "28.00000", 1},
        {"", "28.00000", 1},        {"28.12345678", "28.12000", 0},
    };
    for (const auto& c : cases) {
        prompter.shown.clear();
        EXPECT_EQ(validateEntry(c.typed, 0, 2, doc), c.accepted) << c.typed;
        EXPECT_EQ(outOfBandMessages(), c.messages) << c.typed;
    }
}

TEST_F(FrequencyTest, CbMemoryChannelsTakeTheNearestChannelFrequency) {
    useCb();
    addChannel(doc, 1, "26.965");    // EU 1
    addChannel(doc, 121, "27.601");  // UK 1, shown 27.60125
    addChannel(doc, 19, "27.185");   // EU 19
    addChannel(doc, 402, "27.405");  // memory channels never count
    addChannel(doc, 60, "");         // channels without a frequency never count

    auto near = nearestMemoryFrequency(27.19, doc);
    ASSERT_TRUE(near.found);
    EXPECT_DOUBLE_EQ(near.mhz, 27.185);
    EXPECT_EQ(near.group, 0);
    EXPECT_EQ(near.channelInGroup, 18);

    // The distance is measured to the shown 27.60125, the result is the stored value.
    near = nearestMemoryFrequency(27.60125, doc);
    EXPECT_DOUBLE_EQ(near.mhz, 27.601);
    EXPECT_EQ(near.group, 3);
    EXPECT_EQ(near.channelInGroup, 0);

    EXPECT_EQ(validateEntry("27.0", 8, 0, doc), "26.96500");
    EXPECT_EQ(validateEntry("30", 8, 0, doc), "27.60100");  // no band message here
    EXPECT_EQ(outOfBandMessages(), 0);
    // Only the CB memory group follows this rule.
    EXPECT_EQ(validateEntry("27.0", 0, 0, doc), "27.00000");
}

TEST_F(FrequencyTest, CbMemoryEntryWithoutChannelsFallsBackToTheBandCheck) {
    useCb();
    addChannel(doc, 402, "27.405");
    EXPECT_FALSE(nearestMemoryFrequency(27.0, doc).found);
    EXPECT_EQ(validateEntry("27.1234", 8, 0, doc), "27.12000");
    EXPECT_EQ(validateEntry("28", 8, 0, doc), "27.40500");
    EXPECT_EQ(outOfBandMessages(), 1);
}

TEST(BandLimitsFromText, ParsesTheRangeOrFallsBack) {
    struct Case {
        const char* text;
        double low, high;
    };
    const Case cases[] = {
        {"26.965 - 27.405 MHz", 26.965, 27.405},
        {"25.615 - 30.105 MHz", 25.615, 30.105},
        {"28.000 - 29.700 MHz", 28.0, 29.7},
        {"", 100, 500},
        {"26.965-27.405 MHz", 100, 500},
        {"x - 27.405 MHz", 100, 27.405},
        {"26.965 - y MHz", 26.965, 500},
        {"26.965 - 27.405", 26.965, 27.405},
        {" - MHz", 100, 500},
    };
    for (const auto& c : cases) {
        const BandLimits b = bandLimitsFromText(c.text);
        EXPECT_DOUBLE_EQ(b.lowMHz, c.low) << c.text;
        EXPECT_DOUBLE_EQ(b.highMHz, c.high) << c.text;
    }
}

}  // namespace
}  // namespace zq61
