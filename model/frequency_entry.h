// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Typed frequencies checked against the band of the open document, with the
// messages the user sees: 9021 for a value outside the band, "Not IsNumeric"
// for a stored form that is no number.

#include <string>
#include <string_view>

namespace zq61 {

class Document;

// Inside the band: snapped. Below or not a number: message 9021 and the low
// edge; above: message 9021 and the high edge.
double checkRange(double mhz, const Document& doc);

// The accepted frequency for a typed value, formatted "#0.00000" (message
// 9021 for values outside the band or not numeric). In the CB memory group
// the nearest CB channel frequency of the document is taken instead (the
// band check when the document has none).
std::string validateEntry(std::string_view typed, int group, int bandMode, const Document& doc);

// The ordinary CB channel (1..360) of the document whose shown frequency is
// nearest to `mhz`; the first of equal distances wins. `found` is false when
// no such channel has a frequency.
struct NearestMemoryFrequency {
    bool found = false;
    double mhz = 0;          // the chosen channel's frequency (without the UK rule)
    int group = 0;           // its group
    int channelInGroup = 0;  // channel number - group start - 1
};
NearestMemoryFrequency nearestMemoryFrequency(double mhz, const Document& doc);

// The display text of a stored frequency of a channel in `group` of the
// document's band (the UK rule included); a stored form that is not numeric
// shows "Not IsNumeric" and gives the low band edge.
std::string displayFrequency(std::string_view stored, int group, const Document& doc);

}  // namespace zq61
