// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/tone_tips.h"

#include <gtest/gtest.h>

namespace zq61 {
namespace {

ToneTip tipOf(std::initializer_list<std::pair<int, int>> steps, int count = 1, int pause = 0) {
    ToneTip tip;
    std::size_t j = 0;
    for (auto [pitch, length] : steps)
        tip.Steps[j++] = {static_cast<int16_t>(pitch), static_cast<int16_t>(length)};
    tip.Count = static_cast<int16_t>(count);
    tip.Pause = static_cast<int16_t>(pause);
    return tip;
}

TEST(ToneTips, PitchListShowsOnlyOfferedPitches) {
    const auto items = offeredPitchTexts("Silence");
    ASSERT_EQ(items.size(), 217u);
    EXPECT_EQ(items[1], "400");
    EXPECT_EQ(items.back(), "2550");
    const std::pair<int, std::string> shown[] = {{40, "400"},    {255, "2550"},    {20, "Silence"},
                                                 {0, "Silence"}, {256, "Silence"}, {-3, "Silence"}};
    for (const auto& [pitch, text] : shown)
        EXPECT_EQ(items[offeredPitchIndex(pitch)], text) << pitch;
    for (int index : {0, 1, 100, 216})
        EXPECT_EQ(offeredPitchIndex(pitchOfOfferedIndex(index)), index);
    EXPECT_EQ(pitchOfOfferedIndex(0), 0);
    EXPECT_EQ(pitchOfOfferedIndex(1), 40);
}

TEST(ToneTips, PreviewSoundsFollowTheSteps) {
    // Pitch 20 is not offered in the lists but still sounds at 200 Hz;
    // 4 (40 Hz) is silent; a step without length is skipped.
    const ToneTip tip = tipOf({{20, 3}, {0, 0}, {4, 5}, {100, 1}}, 2, 255);
    const std::vector<PreviewSound> once = {
        {200, 30, false}, {0, 50, false}, {1000, 10, false}, {0, 2550, true}};
    std::vector<PreviewSound> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(previewSounds(tip), twice);
    EXPECT_TRUE(canPreview(tip));

    EXPECT_TRUE(previewSounds(tipOf({{100, 1}}, 0)).empty());
    EXPECT_TRUE(previewSounds(tipOf({{100, 1}}, -2)).empty());
    EXPECT_FALSE(canPreview(tipOf({{100, 0}, {50, 0}}, 3)));
    // A count no list offers (a foreign file) plays at most 256 times, and
    // always ends.
    EXPECT_EQ(previewSounds(tipOf({{100, 1}}, 30000)).size(), 512u);
}

TEST(ToneTips, BarsFollowTheGraphFormula) {
    // 1100 by 356 twips: W = 1000, H = 256, total length 40.
    const ToneTip tip = tipOf({{64, 10}, {0, 0}, {128, 20}, {255, 10}});
    const std::vector<ToneBar> expected = {
        {50, 306 - 64, 250, 64, true},      // step 1: red
        {300, 306 - 128, 500, 128, true},   // step 3: red
        {800, 306 - 255, 250, 255, false},  // step 4: blue
    };
    EXPECT_EQ(toneTipBars(tip, 1100, 356), expected);
    EXPECT_TRUE(toneTipBars(tipOf({{64, 0}}), 1100, 356).empty());
    // Widths round half to even: 1 x 100 / 8 = 12.5 gives 12.
    const auto narrow = toneTipBars(tipOf({{0, 1}, {0, 7}}), 200, 356);
    ASSERT_EQ(narrow.size(), 2u);
    EXPECT_EQ(narrow[0].width, 12);
}

}  // namespace
}  // namespace zq61
