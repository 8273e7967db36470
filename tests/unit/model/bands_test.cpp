// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bands.h"

#include <gtest/gtest.h>

namespace zq61 {
namespace {

TEST(Bands, NamesAndRangeTexts) {
    const char* names[] = {"CB", "HF", "HAM", "Unknown"};
    const char* ranges[] = {"26.965 - 27.405 MHz", "25.615 - 30.105 MHz", "28.000 - 29.700 MHz",
                            ""};
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(bandModeName(m), names[m]);
        EXPECT_EQ(bandRangeText(m), ranges[m]);
    }
    EXPECT_EQ(bandLabel(ranges[0]), "Frequency");
    EXPECT_EQ(bandLabel(ranges[2]), ranges[2]);
}

// Every group as "name start size", and what lies beyond the table.
std::string groupTable(int bandMode) {
    std::string out;
    for (int g = -1; g <= groupCount(bandMode); ++g)
        out += groupName(g, bandMode) + " " + std::to_string(GroupStart(g, bandMode)) + " " +
               std::to_string(GroupSize(g, bandMode)) + ",";
    return out;
}

TEST(Bands, GroupTables) {
    EXPECT_EQ(groupTable(0),
              " 0 0,EU 0 40,CE 40 40,U 80 40,UK 120 40,PL 160 40,I2 200 40,DE 240 80,IN 320 40,"
              "MEM 401 8, 0 0,");
    const std::string banks =
        " 0 0,A 0 40,B 40 40,C 80 40,D 120 40,E 160 40,F 200 40,G 240 40,H 280 40,I 320 40,"
        "J 360 40,VFO 400 1,MEM 401 8, 0 0,";
    EXPECT_EQ(groupTable(1), banks);
    EXPECT_EQ(groupTable(2), banks);
    EXPECT_EQ(groupTable(3), " 0 0, 0 0,");  // an unknown band mode has no groups
    EXPECT_TRUE(isMemoryGroup(8, 0));
    EXPECT_TRUE(isMemoryGroup(11, 2));
    EXPECT_FALSE(isMemoryGroup(11, 0));
}

TEST(Bands, ChannelsAtTheBoundaries) {
    struct Case {
        int bandMode, chNo, group, channelInGroup;
    };
    const Case cases[] = {
        {0, 40, 0, 40},  {0, 41, 1, 1},   {0, 240, 5, 40}, {0, 241, 6, 1},
        {0, 320, 6, 80}, {0, 321, 7, 1},  {0, 360, 7, 40}, {0, 402, 8, 1},
        {0, 409, 8, 8},  {2, 400, 9, 40}, {1, 41, 1, 1},
    };
    for (const auto& c : cases) {
        const int g = GroupOfChannel(c.chNo, c.bandMode);
        EXPECT_EQ(g, c.group) << c.chNo;
        EXPECT_EQ(c.chNo - GroupStart(g, c.bandMode), c.channelInGroup) << c.chNo;
    }
    EXPECT_EQ(GroupOfChannel(10, 3), -1);
    for (int g = 0; g < groupCount(0); ++g)  // channel 401 is in no CB group
        EXPECT_FALSE(401 - GroupStart(g, 0) >= 1 && 401 - GroupStart(g, 0) <= GroupSize(g, 0));
    EXPECT_EQ(401 - GroupStart(10, 2), 1);
    EXPECT_EQ(409 - GroupStart(11, 2), 8);
}

TEST(Bands, FixedFmChannels) {
    EXPECT_TRUE(isFixedFm(1, 1, 0));
    EXPECT_TRUE(isFixedFm(40, 3, 0));
    EXPECT_FALSE(isFixedFm(40, 6, 0));
    EXPECT_TRUE(isFixedFm(41, 6, 0));
    EXPECT_FALSE(isFixedFm(1, 0, 0));
    EXPECT_FALSE(isFixedFm(1, 1, 2));
}

}  // namespace
}  // namespace zq61
