#pragma once

// Channel frequencies: the stored form (8 digits in units of 10 Hz,
// "FFFFFFFF" for none), the display form "#0.00000" MHz, and the checks of a
// typed frequency against the band of the document.

#include <string>
#include <string_view>

namespace zq61 {

class Document;
class Prompter;

// Stored form of a frequency text: three integer digits and the decimals,
// cut (not rounded) to 8 digits ("28.015" -> "02801500", ".5" -> "00050000").
// "" for an empty or blank text. A text that is not numeric, or negative,
// stores the band's low edge. Only frequencies below 1000 MHz fit.
std::string textToStored(std::string_view text, double bandLowMHz);

// The fixed text shown for a value that should be a number and is not.
inline constexpr const char* kNotNumericText = "Not IsNumeric";

// Display text of a stored frequency; "" for none. A stored text that is not
// numeric shows "Not IsNumeric" and gives the low band edge.
std::string storedToDisplay(std::string_view stored, double bandLowMHz, Prompter& prompter);

// Display text with the UK rule: in CB mode the UK group (3), and the memory
// group (8) above 27.405 MHz, show the last three decimals as "125".
std::string displayForGroup(std::string_view stored, int group, int bandMode, double bandLowMHz,
                            Prompter& prompter);

// Rounds to units of 10 Hz (half to even), then down to the 5 kHz grid
// anchored at the band's low edge.
double snapToGrid(double mhz, double bandLowMHz);

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

// Band limits parsed from a range text such as "26.965 - 27.405 MHz";
// 100 and 500 MHz for a text that cannot be parsed.
struct BandLimits {
    double lowMHz = 100;
    double highMHz = 500;
};
BandLimits bandLimitsFromText(std::string_view rangeText);

}  // namespace zq61
