// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tone tips as the tone tips window shows, draws and previews them: the
// pitch lists, the bar graph and the sequence of sounds of a preview.

#include <string>
#include <vector>

#include "model/radio_data.h"

namespace zq61 {

inline constexpr int kToneTips = 8;
inline constexpr int kToneSteps = 14;
// The pitch lists offer silence and 400 Hz .. 2550 Hz in steps of 10 Hz.
inline constexpr int kLowestOfferedPitch = 40;
inline constexpr int kHighestPitch = 255;
inline constexpr int kHighestLength = 255;  // lengths and pauses: 0 .. 2550 ms
inline constexpr int kHighestCount = 10;

// The items of a step's pitch list: `silence`, then "400" .. "2550".
std::vector<std::string> offeredPitchTexts(const std::string& silence);
// The item a stored pitch shows: its index in offeredPitchTexts, 0 (silence)
// for a pitch the list does not offer.
int offeredPitchIndex(int storedPitch);
// The stored pitch of item `index` of offeredPitchTexts (0 for silence).
int pitchOfOfferedIndex(int index);

// A tip can be previewed when its steps together last more than 4 ms.
bool canPreview(const ToneTip& tip);

// One sound of a preview; pitchHz 0 is a silent wait.
struct PreviewSound {
    int pitchHz = 0;
    int lengthMs = 0;
    bool isPause = false;  // the pause after a repetition

    bool operator==(const PreviewSound&) const = default;
};

// Everything a preview plays, in order: for each repetition the steps that
// last more than 4 ms (pitches of 48 Hz and below silent), then the pause.
// The repetitions are capped at 256, the most the radio counts.
std::vector<PreviewSound> previewSounds(const ToneTip& tip);

// One bar of the graph, in twips of the picture area: left, top, width,
// height; red for odd steps (1, 3, ..), blue for even ones.
struct ToneBar {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool red = false;

    bool operator==(const ToneBar&) const = default;
};

// The bars of a tip in a picture area of `scaleWidth` by `scaleHeight`
// twips: a 50-twip margin, every used step as wide as its share of the total
// length and as high as its share of pitch 256, standing on the bottom
// margin. No bars when no step has a length.
std::vector<ToneBar> toneTipBars(const ToneTip& tip, double scaleWidth, double scaleHeight);

}  // namespace zq61
