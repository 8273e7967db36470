// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Operations on the working channel list. The list is compact: entries
// 0 .. ChannelCount-1 are valid, in the order they were added.

#include <string_view>

#include "model/radio_data.h"

namespace zq61 {

class Document;

// The number of valid list entries: ChannelCount limited to 0..409.
int usedChannelCount(const Document& doc);

// A channel record with the new-channel defaults: scan "Add", offset 100,
// noise blanker and public on, every other field 0.
ChannelRecord newChannelRecord(int chNo, std::string_view frequencyText, double bandLowMHz);

// Appends channel `chNo` with the new-channel defaults and the stored form of
// `frequencyText`. Returns false (and changes nothing) when the list is full
// or already holds that channel number.
bool addChannel(Document& doc, int chNo, std::string_view frequencyText);

// Removes the entry at `listIndex`, moving later entries down; an index
// outside the list changes nothing.
void removeChannel(Document& doc, int listIndex);

// Stores `value` into the field of `column` with that column's clamps:
// offset (4) 5..1000 in steps of 5, tone tip (13) 0..8, DTMF codes (14-16)
// 0..16; AM (11) limits the power to 1. The other columns take the integer
// value limited to 16 bits; a text that is not numeric stores 0 there and
// the result is false so that the caller can tell the user.
bool setChannelField(ChannelRecord& record, int column, std::string_view value, double bandLowMHz);

// The first list index whose channel number equals the record's, or -1.
int findListIndex(const Document& doc, const ChannelRecord& record);
// The first list index of channel number `chNo`, or -1.
int findChannel(const Document& doc, int chNo);

// A tone tip can be referred to when it repeats at least once and one of its
// steps has a length.
bool isToneTipUsable(const ToneTip& tip);

// Clears references to tone tips that are not usable (or do not exist) in
// every channel and in the feature channel's tone tip (FeatChannel.RBTone),
// then tells the open channel edit and optional features windows.
void checkToneTipReferences(Document& doc);

// After DTMF code `code` was deleted: clears every reference to it in the
// channels and in the feature channel.
void clearDtmfReferences(Document& doc, int code);

}  // namespace zq61
