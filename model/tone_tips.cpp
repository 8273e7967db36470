// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/tone_tips.h"

#include <algorithm>
#include <cmath>

namespace zq61 {

namespace {

constexpr int kMaxRepetitions = 256;
constexpr int kMargin = 50;

int rounded(double v) {
    return static_cast<int>(std::nearbyint(v));  // half to even
}

}  // namespace

std::vector<std::string> offeredPitchTexts(const std::string& silence) {
    std::vector<std::string> items{silence};
    for (int k = kLowestOfferedPitch; k <= kHighestPitch; ++k)
        items.push_back(std::to_string(10 * k));
    return items;
}

int offeredPitchIndex(int storedPitch) {
    if (storedPitch < kLowestOfferedPitch || storedPitch > kHighestPitch) return 0;
    return storedPitch - kLowestOfferedPitch + 1;
}

int pitchOfOfferedIndex(int index) {
    if (index <= 0 || index > kHighestPitch - kLowestOfferedPitch + 1) return 0;
    return index + kLowestOfferedPitch - 1;
}

bool canPreview(const ToneTip& tip) {
    int totalMs = 0;
    for (const ToneStep& s : tip.Steps)
        totalMs += 10 * s.Duration;
    return totalMs > 4;
}

std::vector<PreviewSound> previewSounds(const ToneTip& tip) {
    std::vector<PreviewSound> melody;
    for (const ToneStep& s : tip.Steps) {
        const int ms = 10 * s.Duration;
        if (ms <= 4) continue;
        const int hz = 10 * s.Pitch;
        melody.push_back({hz > 48 ? hz : 0, ms, false});
    }
    const int repetitions = std::min<int>(tip.Count, kMaxRepetitions);
    std::vector<PreviewSound> sounds;
    for (int r = 0; r < repetitions; ++r) {
        sounds.insert(sounds.end(), melody.begin(), melody.end());
        sounds.push_back({0, 10 * std::max<int>(tip.Pause, 0), true});
    }
    return sounds;
}

std::vector<ToneBar> toneTipBars(const ToneTip& tip, double scaleWidth, double scaleHeight) {
    const int width = rounded(scaleWidth - 2 * kMargin);
    const int height = rounded(scaleHeight - 2 * kMargin);
    const int bottom = rounded(scaleHeight) - kMargin;
    // Only steps with a length take part; a negative length from a foreign
    // file would otherwise shrink the total and push bars out of the area.
    int total = 0;
    for (const ToneStep& s : tip.Steps)
        if (s.Duration > 0) total += s.Duration;
    std::vector<ToneBar> bars;
    if (total < 1) return bars;
    int x = kMargin;
    for (int j = 0; j < kToneSteps; ++j) {
        const ToneStep& s = tip.Steps[static_cast<std::size_t>(j)];
        if (s.Duration <= 0) continue;
        const int w = rounded(static_cast<double>(s.Duration) * width / total);
        const int h = rounded(static_cast<double>(s.Pitch) * height / 256);
        bars.push_back({x, bottom - h, w, h, (j + 1) % 2 == 1});
        x += w;
    }
    return bars;
}

}  // namespace zq61
