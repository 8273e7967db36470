// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Band modes (CB, HF, HAM) and how each divides the 409 channel numbers into
// groups: CB country plans plus a memory group; HF and HAM ten banks of 40,
// the VFO slot and a memory group.

#include <optional>
#include <string>

#include "codec/band_mode.h"

namespace zq61 {

bool isKnownBandMode(int bandMode);

// "CB", "HF", "HAM" or "Unknown".
std::string bandModeName(int bandMode);

// The range text of a band mode ("26.965 - 27.405 MHz" ...); "" for an
// unknown band mode (callers refuse or show "Unknown", see their comments).
std::string bandRangeText(int bandMode);

// The range text as a label: "Frequency" in place of the CB range.
std::string bandLabel(const std::string& rangeText);

// Group tables.
std::string groupName(int group, int bandMode);  // "" for an unknown group
int GroupStart(int group, int bandMode);         // first channel number - 1; 0 when unknown
int GroupSize(int group, int bandMode);          // 0 when unknown
int GroupOfChannel(int chNo, int bandMode);      // ordinary channels; -1 for an unknown band
int memoryGroup(int bandMode);                   // 8 in CB, 11 in HF and HAM
// The group whose name and numbering channel `chNo` is shown with: memory
// channels in the memory group, the VFO slot in group 10 (none in CB).
int displayGroup(int chNo, int bandMode);
bool isMemoryGroup(int group, int bandMode);
// The number of group slots the band mode names (9 in CB, 12 in HF/HAM).
int groupCount(int bandMode);

// The group holding channel number `chNo` in the band mode and the
// channel's number in that group (from 1); nothing when no group of the band
// mode holds it (CB channels 361..401, any channel of an unknown band mode).
struct GroupSlot {
    int group = 0;
    int channelInGroup = 0;
};
std::optional<GroupSlot> groupSlotOfChannel(int chNo, int bandMode);

// CB channels that may only use FM: groups "CE" and "UK", and "DE" from its
// 41st channel on (`channelInGroup` counts from 1).
bool isFixedFm(int channelInGroup, int group, int bandMode);

}  // namespace zq61
