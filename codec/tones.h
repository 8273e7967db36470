// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 143 tone choices of a channel: 0 "Off", 1..38 CTCSS tones, 39..142
// DCS codes; and their form in radio memory (a 2-bit kind and a code byte).

#include <cstdint>
#include <string>
#include <vector>

namespace zq61 {

inline constexpr int kToneCount = 143;

// The display texts of all 143 choices, in list order.
const std::vector<std::string>& toneList();

// Display text of a tone index; an index outside the list shows "Off".
std::string toneText(int toneIndex);

struct RadioTone {
    uint8_t kind = 0;   // 0 off, 1 CTCSS, 2 DCS
    uint8_t ctcss = 0;  // CTCSS code byte
    uint8_t dcs = 0;    // DCS code byte
};

// Kind 1: CTCSS byte + 1; kind 2: DCS byte + 39; kind 0 or 3: no tone.
int toneFromRadio(uint8_t kind, uint8_t ctcss, uint8_t dcs);
// An index outside 1..142 writes "no tone" (kind 0, both bytes 0).
RadioTone toneToRadio(int toneIndex);

// The kind of a tone index: CTCSS for 1..38, DCS for 39..142.
bool isCtcssTone(int toneIndex);
bool isDcsTone(int toneIndex);
// The CTCSS tone of an index in tenths of Hz (885 for 88.5 Hz); 0 for an
// index that is no CTCSS tone.
int ctcssTenthsOfHz(int toneIndex);
// The three octal digits of a DCS index ("023"); "" for an index that is no
// DCS code.
std::string dcsCodeText(int toneIndex);
// The tone index of a CTCSS tone in tenths of Hz, or of a DCS code given by
// its octal digits ("23" and "023" alike); 0 when the list has no such tone.
int toneIndexOfCtcss(int tenthsOfHz);
int toneIndexOfDcs(int octalCode);

}  // namespace zq61
