// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/frequency.h"

#include <gtest/gtest.h>

#include <cmath>

#include "codec/text_helpers.h"

namespace zq61 {
namespace {

constexpr double kCbLow = 26.965;

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

TEST(Frequency, StoredToDisplayAndTheUkRule) {
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
    for (const auto& c : cases) {
        const DisplayText shown = displayForGroup(c.stored, c.group, c.bandMode, kCbLow);
        EXPECT_EQ(shown.text, c.shown) << c.stored << " group " << c.group;
        EXPECT_FALSE(shown.notNumeric) << c.stored;
    }
    const DisplayText broken = storedToDisplay("0280AB00", kCbLow);
    EXPECT_EQ(broken.text, "26.965");
    EXPECT_TRUE(broken.notNumeric);
}

TEST(Frequency, CheckBandSnapsInsideAndClampsOutside) {
    const double cases[][3] = {
        {27.1234, 27.12, 0},
        {27.5, 27.405, 1},
        {26.0, kCbLow, 1},
        {std::nan(""), kCbLow, 1},
    };
    for (const auto& c : cases) {
        const BandCheck checked = checkBand(c[0], kCbLow, 27.405);
        EXPECT_DOUBLE_EQ(checked.mhz, c[1]) << c[0];
        EXPECT_EQ(checked.outside, c[2] != 0) << c[0];
    }
}

TEST(Frequency, SnapToGridRoundsToTenHertzThenSnapsDown) {
    const double cases[][3] = {
        {27.1234, kCbLow, 27.12}, {26.965, kCbLow, 26.965},   {28.0049, 28.0, 28.0},
        {28.005, 28.0, 28.005},   {28.0049999, 28.0, 28.005}, {30.1049, 25.615, 30.1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatFiveDecimals(snapToGrid(c[0], c[1])), formatFiveDecimals(c[2])) << c[0];
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
