// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/square_wave.h"

namespace zq61 {

std::vector<int16_t> squareWaveSamples(int pitchHz, int lengthMs, int sampleRate,
                                       int16_t amplitude) {
    if (lengthMs <= 0 || sampleRate <= 0) return {};
    // Rounded to the nearest sample.
    const int64_t count = (static_cast<int64_t>(lengthMs) * sampleRate + 500) / 1000;
    std::vector<int16_t> samples(static_cast<std::size_t>(count), 0);
    if (pitchHz <= kLowestAudiblePitchHz) return samples;
    const int64_t halfPeriodsPerRate = 2 * static_cast<int64_t>(pitchHz);
    for (int64_t i = 0; i < count; ++i) {
        // Which half period sample i falls into: i * 2f / rate, in integers.
        const int64_t half = i * halfPeriodsPerRate / sampleRate;
        samples[static_cast<std::size_t>(i)] =
            (half % 2 == 0) ? amplitude : static_cast<int16_t>(-amplitude);
    }
    return samples;
}

}  // namespace zq61
