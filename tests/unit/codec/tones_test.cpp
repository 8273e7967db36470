#include "codec/tones.h"

#include <gtest/gtest.h>

#include <set>

namespace zq61 {
namespace {

TEST(ToneList, HoldsTheHundredFortyThreeTexts) {
    const auto& list = toneList();
    ASSERT_EQ(list.size(), 143u);
    const std::pair<int, const char*> pinned[] = {
        {0, "Off"},          {1, "C_001(67.0Hz)"}, {12, "C_012(100.0Hz)"}, {38, "C_038(250.3Hz)"},
        {39, "D_001(023N)"}, {50, "D_012(065N)"},  {142, "D_104(754N)"},
    };
    for (const auto& [index, text] : pinned)
        EXPECT_EQ(list[index], text) << index;
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
    for (int i = 1; i <= 38; ++i)
        EXPECT_EQ(list[i].rfind("C_", 0), 0u) << i;
    for (int i = 39; i <= 142; ++i)
        EXPECT_EQ(list[i].rfind("D_", 0), 0u) << i;
}

TEST(ToneList, OutOfRangeIndexShowsOff) {
    EXPECT_EQ(toneText(-1), "Off");
    EXPECT_EQ(toneText(143), "Off");
    EXPECT_EQ(toneText(38), "C_038(250.3Hz)");
}

TEST(RadioTone, ReadsEachKind) {
    EXPECT_EQ(toneFromRadio(1, 37, 9), 38);
    EXPECT_EQ(toneFromRadio(1, 0, 0), 1);
    EXPECT_EQ(toneFromRadio(2, 9, 0), 39);
    EXPECT_EQ(toneFromRadio(2, 0, 103), 142);
    EXPECT_EQ(toneFromRadio(0, 5, 5), 0);
    EXPECT_EQ(toneFromRadio(3, 5, 5), 0);
}

TEST(RadioTone, EveryIndexSurvivesTheRoundTrip) {
    for (int i = 0; i < kToneCount; ++i) {
        const RadioTone t = toneToRadio(i);
        EXPECT_EQ(toneFromRadio(t.kind, t.ctcss, t.dcs), i) << i;
        // The unused code byte is always written as 0.
        if (t.kind == 1) EXPECT_EQ(t.dcs, 0);
        if (t.kind == 2) EXPECT_EQ(t.ctcss, 0);
    }
    const RadioTone off = toneToRadio(143);
    EXPECT_EQ(off.kind, 0);
    EXPECT_EQ(off.ctcss, 0);
    EXPECT_EQ(off.dcs, 0);
}

}  // namespace
}  // namespace zq61
