// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Channel frequencies: the stored form (8 digits in units of 10 Hz,
// "FFFFFFFF" for none), the display form "#0.00000" MHz, the 5 kHz grid and
// the band edges. Plain values in, results out: the checks against an open
// document and their messages are in model/frequency_entry.h.

#include <optional>
#include <string>
#include <string_view>

namespace zq61 {

// Stored form of a frequency text: three integer digits and the decimals,
// cut (not rounded) to 8 digits ("28.015" -> "02801500", ".5" -> "00050000").
// "" for an empty or blank text. A text that is not numeric, or negative,
// stores the band's low edge. Only frequencies below 1000 MHz fit.
std::string textToStored(std::string_view text, double bandLowMHz);

// A display text, and whether the stored form it came from was not numeric
// (the caller tells the user "Not IsNumeric").
struct DisplayText {
    std::string text;
    bool notNumeric = false;
};

// Display text of a stored frequency; "" for none. A stored text that is not
// numeric gives the low band edge and is marked.
DisplayText storedToDisplay(std::string_view stored, double bandLowMHz);

// Display text with the UK rule: in CB mode the UK group (3), and the memory
// group (8) above 27.405 MHz, show the last three decimals as "125".
DisplayText displayForGroup(std::string_view stored, int group, int bandMode, double bandLowMHz);

// The frequency in MHz of a stored form; nothing for "no frequency" and for
// a stored form that is not numeric.
std::optional<double> storedValue(std::string_view stored);

// What the user sees of a frequency of a channel in `group`: the UK rule
// applied to the value.
double shownValue(double mhz, int group, int bandMode);

// Rounds to units of 10 Hz (half to even), then down to the 5 kHz grid
// anchored at the band's low edge.
double snapToGrid(double mhz, double bandLowMHz);

// Inside the band: snapped. Below or not a number: the low edge; above: the
// high edge; both marked as outside.
struct BandCheck {
    double mhz = 0;
    bool outside = false;
};
BandCheck checkBand(double mhz, double bandLowMHz, double bandHighMHz);

// The CB memory group, whose channels take the frequency of a CB channel.
inline constexpr int kCbMemoryGroup = 8;
// The highest ordinary CB channel number; the memory channels follow.
inline constexpr int kHighestOrdinaryCbChannel = 360;

// Band limits parsed from a range text such as "26.965 - 27.405 MHz";
// 100 and 500 MHz for a text that cannot be parsed.
struct BandLimits {
    double lowMHz = 100;
    double highMHz = 500;
};
BandLimits bandLimitsFromText(std::string_view rangeText);

}  // namespace zq61
