// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The DTMF settings as the DTMF window and the DTMF number lists of the
// channel and feature editors use them: timing values shown in milliseconds,
// codes as typed ("*" and "#" included) and the list of defined code numbers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/radio_data.h"

namespace zq61 {

class Document;

inline constexpr int kDtmfCodeCount = 16;
inline constexpr int kDtmfCodeLength = 16;

// The stored value of a timing shown as `msText` in units of `unitMs`
// (10 for the digit duration, 100 for the others), rounded half to even.
// A text that is not a number stores 0.
int16_t dtmfTimingValue(std::string_view msText, int unitMs);

// The text a code box shows: the first Length characters of the code; an
// empty text when Length is 0, negative or above 16.
std::string shownDtmfCode(const DtmfCode& code);

// The numbers 1..16 of the codes that are defined (Length above 0), ascending.
std::vector<int> definedDtmfCodes(const DtmfSettings& dtmf);

// The items of a DTMF number list: text 14013 (no code), then the numbers of
// the defined codes.
std::vector<std::string> dtmfNumberListItems(const Document& doc);

// Stores code `number` (1..16) as typed, cleaned and cut at 16 characters.
// An emptied code is no longer defined: every channel and the feature
// settings that used it use none. The open editors refill their DTMF number
// lists either way. Numbers outside 1..16 change nothing.
void setDtmfCode(Document& doc, int number, std::string_view typed);

}  // namespace zq61
