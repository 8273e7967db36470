// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared text rules of the editors and the data code: cleaning fixed-length
// fields, clamping typed numbers, list lookups with their fallbacks, DTMF
// digit conversion. Their fallback rules are what every editor relies on.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq61 {

// Everything from the first NUL on removed, then trailing blanks removed
// ("ZQ-61 " + NUL + "xy" gives "ZQ-61").
std::string cleanString(std::string_view text);

// True when nothing but blanks and tabs comes before the first NUL: a cleared
// entry, such as an emptied frequency cell.
bool isBlankText(std::string_view text);

// True when the text reads as a decimal number, as a user of the old
// "IsNumeric" expects: optional surrounding blanks, an optional sign, at
// least one digit with at most one "." anywhere among them, an optional
// exponent ("e" or "E", optional sign, digits), and a value that fits a
// double. "." is the only decimal separator, whatever the locale.
//   numeric: "28", "8.5", ".5", "5.", " 28.0 ", "-3", "+2", "1e3"
//   not:     "", " ", ".", "-", "abc", "1.2.3", "1,5", "2e", "1e999"
bool isNumeric(std::string_view text);

// The value of a numeric text (see isNumeric), or nothing.
std::optional<double> parseNumber(std::string_view text);

// The value of a plain decimal text ("146.52", "-0.6", "23", ".5") times
// 10^decimals, exactly, without going through a double: nothing for any
// other text (exponents, blanks inside, several points), for digits other
// than 0 beyond `decimals` places and for values beyond +-10^15.
std::optional<int64_t> parseScaledDecimal(std::string_view text, int decimals);
// Not numeric: `def`. Otherwise the integer part of the value, limited to
// min..max (a huge number gives max, never an overflow), then when step >= 2
// brought down to a multiple of step (remainder with the sign of the value).
int clampValue(std::string_view text, int min, int max, int step, int def);

// Empty or not numeric: `def`; otherwise the integer part of the value,
// limited to the 32-bit range.
int32_t longOrDefault(std::string_view text, int32_t def);

// "" for an empty list; item 0 for an index outside the list.
std::string listItem(const std::vector<std::string>& items, int index);

// "" for an empty list; the first item equal to `text`; item 0 when none is.
std::string findListItem(const std::vector<std::string>& items, std::string_view text);

// DTMF digits as the radio stores them ("E" "F") and as the user sees them ("#" "*").
std::string dtmfToDisplay(std::string_view stored);
std::string dtmfToStored(std::string_view typed);

// The part of a path after its last separator ("\" or "/").
std::string fileNameOfPath(std::string_view path);

// Formats a number with the pattern "#0.00000" ("." always, never the locale's).
std::string formatFiveDecimals(double value);

}  // namespace zq61
