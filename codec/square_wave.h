// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The samples of one tone of the tone tip preview. The radio plays its tone
// tips as plain square waves; the preview imitates that on the sound card.

#include <cstdint>
#include <vector>

namespace zq61 {

// Pitches at or below this are played as silence of the same length.
inline constexpr int kLowestAudiblePitchHz = 48;

// Mono signed 16-bit samples of a square wave of `pitchHz` lasting `lengthMs`
// at `sampleRate` samples per second: +amplitude for the first half of each
// period, -amplitude for the second. The half periods are placed on the exact
// time grid, so the pitch holds on average even when a period is not a whole
// number of samples. A pitch of kLowestAudiblePitchHz or below gives zeros;
// a length or rate of 0 or below gives no samples.
std::vector<int16_t> squareWaveSamples(int pitchHz, int lengthMs, int sampleRate,
                                       int16_t amplitude = 8000);

}  // namespace zq61
