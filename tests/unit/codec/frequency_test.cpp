#include "codec/frequency.h"

#include <gtest/gtest.h>

#include <cmath>

#include "codec/text_helpers.h"
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

TEST(Frequency, TextToStored) {
    const std::pair<const char*, const char*> cases[] = {
        {"28.015", "02801500"},
        {"27.185", "02718500"},
        {"28", "02800000"},
        {"8.5", "00850000"},
        {".5", "00050000"},
        {"28.0123456", "02801234"},
        {" +28.1 ", "02810000"},
        {"2.8e1", "02800000"},
        {"", ""},
        {"  ", ""},
        {"abc", "02696500"},
        {"-3", "02696500"},
    };
    for (const auto& [text, stored] : cases)
        EXPECT_EQ(textToStored(text, kCbLow), stored) << text;
}

TEST_F(FrequencyTest, StoredToDisplayAndTheUkRule) {
    struct Case {
        const char* stored;
        int group, bandMode;
        const char* shown;
    };
    const Case cases[] = {
        {"02801500", 0, 2, "28.01500"}, {"FFFFFFFF", 3, 0, ""},
        {"        ", 0, 2, ""},         {"02760100", 3, 0, "27.60125"},
        {"02760100", 8, 0, "27.60125"}, {"02740500", 8, 0, "27.40500"},
        {"02760100", 3, 2, "27.60100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(displayForGroup(c.stored, c.group, c.bandMode, kCbLow, prompter), c.shown)
            << c.stored << " group " << c.group;
    EXPECT_EQ(storedToDisplay("0280AB00", kCbLow, prompter), "26.965");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Not IsNumeric"});
}

TEST(Frequency, SnapToGridRoundsToTenHertzThenSnapsDown) {
    const double cases[][3] = {
        {27.1234, kCbLow, 27.12}, {26.965, kCbLow, 26.965},   {28.0049, 28.0, 28.0},
        {28.005, 28.0, 28.005},   {28.0049999, 28.0, 28.005}, {30.1049, 25.615, 30.1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatFiveDecimals(snapToGrid(c[0], c[1])), formatFiveDecimals(c[2])) << c[0];
}

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

TEST(Frequency, BandLimitsFromText) {
    struct Case {
        const char* text;
        double low, high;
    };
    const Case cases[] = {
        {"26.965 - 27.405 MHz", 26.965, 27.405}, {"25.615 - 30.105 MHz", 25.615, 30.105},
        {"28.000 - 29.700 MHz", 28.0, 29.7},     {"26.965-27.405 MHz", 100, 500},
        {"x - 27.405 MHz", 100, 27.405},         {"26.965 - y MHz", 26.965, 500},
        {"26.965 - 27.405", 26.965, 27.405},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(bandLimitsFromText(c.text).lowMHz, c.low) << c.text;
        EXPECT_DOUBLE_EQ(bandLimitsFromText(c.text).highMHz, c.high) << c.text;
    }
}

}  // namespace
}  // namespace zq61
