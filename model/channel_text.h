// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A channel's fields as people read them: the group a channel is shown in,
// its frequency as the channel grid shows it, and the names of its choices.
// Shared by everything that lists channels outside the grid (the comparison,
// the printout, the command line's summary).

#include <string>

#include "model/radio_data.h"

namespace zq61 {

class Document;

// The frequency as the channel grid shows it ("" for an empty slot).
std::string shownFrequency(const ChannelRecord& channel, const Document& doc);

// "Off", "+", "-"; another stored value as its number.
std::string duplexText(int dup);
// "FM", "AM"; another stored value as its number.
std::string modulationText(int amFm);
// "Del", "Add"; another stored value as its number.
std::string scanText(int scan);
// "off", "on"; another stored value as its number.
std::string onOffText(int value);

}  // namespace zq61
