// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/square_wave.h"

#include <gtest/gtest.h>

namespace zq61 {
namespace {

constexpr int kRate = 48000;

// Pitch measured from the sign changes: the half periods between the first
// and the last change, over the time they span.
double measuredPitch(const std::vector<int16_t>& s) {
    int first = -1, last = -1, changes = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if ((s[i] < 0) != (s[i - 1] < 0)) {
            if (first < 0) first = static_cast<int>(i);
            last = static_cast<int>(i);
            ++changes;
        }
    }
    if (changes < 2) return 0;
    const double seconds = static_cast<double>(last - first) / kRate;
    return (changes - 1) / 2.0 / seconds;
}

TEST(SquareWave, PitchAndLength) {
    const struct {
        int hz, ms;
    } cases[] = {{200, 300}, {400, 100}, {440, 250}, {1000, 50}, {1700, 30}, {2550, 2550}};
    for (const auto& c : cases) {
        const auto s = squareWaveSamples(c.hz, c.ms, kRate);
        EXPECT_NEAR(measuredPitch(s), c.hz, c.hz * 0.01) << c.hz << " Hz " << c.ms << " ms";
        // Within one sample period of the length asked for.
        EXPECT_NEAR(static_cast<double>(s.size()) / kRate, c.ms / 1000.0, 1.0 / kRate)
            << c.hz << " Hz " << c.ms << " ms";
        // Full swing both ways: a square wave, not a ramp.
        for (int16_t v : s)
            ASSERT_TRUE(v == 8000 || v == -8000);
    }
}

TEST(SquareWave, LowPitchesAreSilentForTheirLength) {
    for (int hz : {-5, 0, 20, 48}) {
        const auto s = squareWaveSamples(hz, 100, kRate);
        EXPECT_EQ(s.size(), 4800u) << hz;
        for (int16_t v : s)
            ASSERT_EQ(v, 0) << hz;
    }
    EXPECT_TRUE(squareWaveSamples(49, 0, kRate).empty());
    EXPECT_TRUE(squareWaveSamples(400, -10, kRate).empty());
    EXPECT_TRUE(squareWaveSamples(400, 10, 0).empty());
}

}  // namespace
}  // namespace zq61
