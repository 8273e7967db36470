// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/tones.h"

#include <gtest/gtest.h>

namespace zq61 {
namespace {

TEST(Tones, ListTexts) {
    ASSERT_EQ(toneList().size(), 143u);
    const std::pair<int, const char*> pinned[] = {
        {0, "Off"},          {1, "C_001(67.0Hz)"}, {12, "C_012(100.0Hz)"}, {38, "C_038(250.3Hz)"},
        {39, "D_001(023N)"}, {50, "D_012(065N)"},  {142, "D_104(754N)"},   {143, "Off"},
        {-1, "Off"},
    };
    for (const auto& [index, text] : pinned)
        EXPECT_EQ(toneText(index), text) << index;
}

TEST(Tones, RadioForm) {
    EXPECT_EQ(toneFromRadio(1, 37, 9), 38);
    EXPECT_EQ(toneFromRadio(2, 9, 0), 39);
    EXPECT_EQ(toneFromRadio(3, 5, 5), 0);
    for (int i = 0; i < kToneCount; ++i) {
        const RadioTone t = toneToRadio(i);
        EXPECT_EQ(toneFromRadio(t.kind, t.ctcss, t.dcs), i) << i;
        EXPECT_EQ(t.kind == 1 ? t.dcs : t.ctcss, 0) << i;  // the unused byte is 0
    }
    EXPECT_EQ(toneToRadio(143).kind, 0);
}

}  // namespace
}  // namespace zq61
