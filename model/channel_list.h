#pragma once

// Operations on the working channel list. The list is compact: entries
// 0 .. ChannelCount-1 are valid, in the order they were added.

#include <string_view>

#include "model/radio_data.h"

namespace zq61 {

class Document;

// Appends channel `chNo` with the new-channel defaults and the stored form of
// `frequencyText`. Requires ChannelCount < 409; returns false (and changes
// nothing) when the list is full.
bool addChannel(Document& doc, int chNo, std::string_view frequencyText);

// Removes the entry at `listIndex`, moving later entries down.
void removeChannel(Document& doc, int listIndex);

// Stores `value` into the field of `column` with that column's clamps.
void setChannelField(ChannelRecord& record, int column, std::string_view value,
                     double bandLowMHz);

// The first list index whose channel number equals the record's, or -1.
int findListIndex(const Document& doc, const ChannelRecord& record);
// The first list index of channel number `chNo`, or -1.
int findChannel(const Document& doc, int chNo);

// A tone tip can be referred to when it repeats at least once and one of its
// steps has a length.
bool isToneTipUsable(const ToneTip& tip);

// Clears channel references to tone tips that are no longer usable, then
// tells the open channel edit and optional features windows.
void checkToneTipReferences(Document& doc);

// After DTMF code `code` was deleted: clears every reference to it.
void clearDtmfReferences(Document& doc, int code);

}  // namespace zq61
