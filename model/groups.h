// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Per-group operations on the channel list, and set channel cell: the single
// entry point through which every edited channel cell reaches the document.

#include <string>
#include <string_view>
#include <vector>

namespace zq61 {

class Document;

int countInGroup(const Document& doc, int group, int bandMode);
// Entries with an ordinary channel number (1..400) that are not in the group.
int countOutsideGroup(const Document& doc, int group, int bandMode);
// See the algorithm note in groups.cpp: the matching channel-in-group number,
// or the difference of the last entry when none matches.
int findInGroup(const Document& doc, int group, int wanted, int bandMode);
// The channel-in-group numbers of the group's channels, ascending, as texts.
std::vector<std::string> channelSelectorItems(const Document& doc, int group, int bandMode);
// Group names 0..11 of the band mode, without empty ones and without `excluded`.
std::vector<std::string> groupSelectorItems(int bandMode, const std::string& excluded);
// Other groups (0..7 in CB, 0..9 in HF/HAM) that are switched on.
int groupsOnExcept(const Document& doc, int group, int bandMode);
// Switches on the group of the first ordinary channel (skipping VFO and
// memory entries) when no group is on.
void ensureGroupOn(Document& doc, int bandMode);
// After a channel of `group` was added, removed or moved: keeps the group's
// switch and remembered channels valid, then tells the grid when it is open.
// A remembered channel (CurMemCh, GroupCh1..3: channel-in-group number minus
// 1) stays when that channel exists; otherwise it moves to the group's first
// existing channel. The HF/HAM VFO group keeps no settings.
void refreshGroup(Document& doc, int group);
// The edited cell (column code `column`, value as text) of channel
// `channelInGroup` of `group`. A typed frequency is validated and creates the
// channel when the slot is empty; a cleared frequency removes the channel
// unless it is the VFO slot, the last ordinary channel outside the group or
// the last memory channel. An unknown band mode refuses the edit with
// "Country Mode Error!"; a value that is not numeric for a choice column
// stores 0 and shows "Not IsNumeric".
void setChannelCell(Document& doc, int group, int channelInGroup, int column,
                    std::string_view value);

}  // namespace zq61
