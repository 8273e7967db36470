// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a byte of the radio's memory image means, in the program's terms, and
// the comparison of a written image with the one read back. Used to tell the
// user where a write did not stick:
//   describeMemoryAddress(0x00B0)  "channel 12, frequency"
//   describeMemoryAddress(0x1A4E)  "settings area, DTMF rate"
//   describeMemoryAddress(0x1C25)  "DTMF code 3, character 6"

#include <string>
#include <vector>

#include "link/engine/memory_map.h"
#include "model/terms.h"

namespace zq61 {

// The channel and field, or the settings item, held at `address`
// (0x0000-0x1CFF); "outside the memory image" for any other address. In
// `words` (English unless the language's are given).
std::string describeMemoryAddress(int address, const Terms& words = Terms());

// The addresses in [first, end) where the two images differ, ascending.
std::vector<int> differingAddresses(const MemoryBytes& written, const MemoryBytes& readBack,
                                    int first = 0, int end = mem::kImageSize);

// The addresses a write sends (its blocks) where the image read back
// differs from the one written: what did not stick.
std::vector<int> unwrittenAddresses(const MemoryBytes& written, const MemoryBytes& readBack);

// One byte that did not stick, for the user:
//   "0x00B0: written 28, read back 29 (channel 12, frequency)"
std::string describeByteDifference(int address, const MemoryBytes& written,
                                   const MemoryBytes& readBack, const Terms& words = Terms());

}  // namespace zq61
