#include "model/bands.h"

#include <gtest/gtest.h>

namespace zq61 {
namespace {

TEST(BandModes, NamesAndRangeTexts) {
    EXPECT_EQ(bandModeName(0), "CB");
    EXPECT_EQ(bandModeName(1), "HF");
    EXPECT_EQ(bandModeName(2), "HAM");
    EXPECT_EQ(bandModeName(3), "Unknown");
    EXPECT_EQ(bandModeName(-1), "Unknown");
    EXPECT_EQ(bandRangeText(0), "26.965 - 27.405 MHz");
    EXPECT_EQ(bandRangeText(1), "25.615 - 30.105 MHz");
    EXPECT_EQ(bandRangeText(2), "28.000 - 29.700 MHz");
    EXPECT_EQ(bandRangeText(7), "");
    EXPECT_EQ(bandLabel("26.965 - 27.405 MHz"), "Frequency");
    EXPECT_EQ(bandLabel("28.000 - 29.700 MHz"), "28.000 - 29.700 MHz");
    EXPECT_TRUE(isKnownBandMode(2));
    EXPECT_FALSE(isKnownBandMode(3));
}

struct GroupRow {
    int group;
    const char* name;
    int start;
    int size;
};

void expectGroups(int bandMode, const std::vector<GroupRow>& rows) {
    ASSERT_EQ(groupCount(bandMode), static_cast<int>(rows.size()));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(groupName(r.group, bandMode), r.name);
        EXPECT_EQ(GroupStart(r.group, bandMode), r.start);
        EXPECT_EQ(GroupSize(r.group, bandMode), r.size);
    }
    const int outside = static_cast<int>(rows.size());
    for (int g : {-1, outside, 99}) {
        EXPECT_EQ(groupName(g, bandMode), "");
        EXPECT_EQ(GroupStart(g, bandMode), 0);
        EXPECT_EQ(GroupSize(g, bandMode), 0);
    }
}

TEST(Groups, CbCountryPlansAndMemory) {
    expectGroups(0, {{0, "EU", 0, 40},
                     {1, "CE", 40, 40},
                     {2, "U", 80, 40},
                     {3, "UK", 120, 40},
                     {4, "PL", 160, 40},
                     {5, "I2", 200, 40},
                     {6, "DE", 240, 80},
                     {7, "IN", 320, 40},
                     {8, "MEM", 401, 8}});
    EXPECT_EQ(memoryGroup(0), 8);
    EXPECT_TRUE(isMemoryGroup(8, 0));
    EXPECT_FALSE(isMemoryGroup(11, 0));
}

TEST(Groups, HfAndHamBanksVfoAndMemory) {
    for (int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        std::vector<GroupRow> rows;
        static const char* letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
        for (int g = 0; g < 10; ++g)
            rows.push_back({g, letters[g], 40 * g, 40});
        rows.push_back({10, "VFO", 400, 1});
        rows.push_back({11, "MEM", 401, 8});
        expectGroups(mode, rows);
        EXPECT_EQ(memoryGroup(mode), 11);
        EXPECT_TRUE(isMemoryGroup(11, mode));
        EXPECT_FALSE(isMemoryGroup(8, mode));
    }
}

TEST(Groups, UnknownBandModeHasNoGroups) {
    EXPECT_EQ(groupCount(5), 0);
    EXPECT_EQ(groupName(0, 5), "");
    EXPECT_EQ(GroupStart(3, 5), 0);
    EXPECT_EQ(GroupSize(0, 5), 0);
    EXPECT_EQ(GroupOfChannel(10, 5), -1);
    EXPECT_FALSE(isMemoryGroup(-1, 5));
}

// Boundary channels: the group GroupOfChannel gives, and the channel's number
// within that group.
TEST(Groups, ChannelsAtTheBoundaries) {
    struct Case {
        int bandMode, chNo, group, channelInGroup;
    };
    const Case cases[] = {
        {0, 1, 0, 1},    {0, 40, 0, 40}, {0, 41, 1, 1},   {0, 160, 3, 40},
        {0, 240, 5, 40}, {0, 241, 6, 1}, {0, 320, 6, 80}, {0, 321, 7, 1},
        {0, 360, 7, 40}, {0, 402, 8, 1}, {0, 409, 8, 8},  {2, 1, 0, 1},
        {2, 40, 0, 40},  {2, 41, 1, 1},  {2, 400, 9, 40}, {1, 400, 9, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.bandMode << " ch " << c.chNo);
        const int g = GroupOfChannel(c.chNo, c.bandMode);
        EXPECT_EQ(g, c.group);
        EXPECT_EQ(c.chNo - GroupStart(g, c.bandMode), c.channelInGroup);
    }
    // Channel 401 belongs to no CB group; in HF and HAM it is the VFO group.
    for (int g = 0; g < groupCount(0); ++g) {
        const int d = 401 - GroupStart(g, 0);
        EXPECT_FALSE(d >= 1 && d <= GroupSize(g, 0)) << g;
    }
    EXPECT_EQ(401 - GroupStart(10, 2), 1);
    EXPECT_EQ(409 - GroupStart(11, 2), 8);
}

TEST(Groups, FixedFmChannels) {
    struct Case {
        int channelInGroup, group, bandMode;
        bool fixed;
    };
    const Case cases[] = {
        {1, 0, 0, false}, {1, 1, 0, true},  {40, 3, 0, true}, {40, 6, 0, false}, {41, 6, 0, true},
        {80, 6, 0, true}, {1, 2, 0, false}, {1, 1, 2, false}, {41, 6, 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isFixedFm(c.channelInGroup, c.group, c.bandMode), c.fixed)
            << c.channelInGroup << "/" << c.group << "/" << c.bandMode;
}

}  // namespace
}  // namespace zq61
