// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/groups.h"

#include <algorithm>

#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/frequency_entry.h"

namespace zq61 {

namespace {

constexpr int kLastOrdinaryChannel = 400;
constexpr int kHfVfoGroup = 10;

const ChannelRecord& entry(const Document& doc, int i) {
    return doc.WorkChannels[static_cast<std::size_t>(i)];
}

// The channel-in-group number of a channel, or 0 when it is not in the group.
int channelInGroup(int chNo, int group, int bandMode) {
    const int d = chNo - GroupStart(group, bandMode);
    return d >= 1 && d <= GroupSize(group, bandMode) ? d : 0;
}

// The groups that can be switched on: the country plans in CB mode, the ten
// banks in HF and HAM mode.
int switchableGroups(int bandMode) {
    if (bandMode == kBandCB) return memoryGroup(bandMode);  // 0..7
    return isKnownBandMode(bandMode) ? kHfVfoGroup : 0;     // 0..9
}

// A remembered channel (channel-in-group number minus 1) stays when that
// channel exists in the group; otherwise it moves to the group's first channel.
void revalidatePointer(const Document& doc, int group, int16_t& pointer) {
    const int bandMode = doc.BandMode;
    const int count = usedChannelCount(doc);
    int lowest = 0;
    for (int i = 0; i < count; ++i) {
        const int q = channelInGroup(entry(doc, i).ChNo, group, bandMode);
        if (q == 0) continue;
        if (q == pointer + 1) return;
        if (lowest == 0 || q < lowest) lowest = q;
    }
    pointer = static_cast<int16_t>(lowest > 0 ? lowest - 1 : 0);
}

// Clearing a frequency removes the channel, but never the VFO slot, never the
// last ordinary channel outside the group and never the last memory channel.
bool mayRemove(const Document& doc, int chNo, int group) {
    if (chNo == kVfoChannel) return false;
    if (chNo < kFirstMemoryChannel) return countOutsideGroup(doc, group, doc.BandMode) > 0;
    return countInGroup(doc, group, doc.BandMode) > 1;
}

}  // namespace

int countInGroup(const Document& doc, int group, int bandMode) {
    const int count = usedChannelCount(doc);
    int n = 0;
    for (int i = 0; i < count; ++i)
        if (channelInGroup(entry(doc, i).ChNo, group, bandMode) > 0) ++n;
    return n;
}

int countOutsideGroup(const Document& doc, int group, int bandMode) {
    const int count = usedChannelCount(doc);
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const int chNo = entry(doc, i).ChNo;
        if (chNo >= 1 && chNo <= kLastOrdinaryChannel && channelInGroup(chNo, group, bandMode) == 0)
            ++n;
    }
    return n;
}

// The first entry whose channel-in-group number equals `wanted` gives
// `wanted`; without one the result is the difference of the last entry (which
// may lie outside the group), 0 for an empty list.
int findInGroup(const Document& doc, int group, int wanted, int bandMode) {
    const int count = usedChannelCount(doc);
    int d = 0;
    for (int i = 0; i < count; ++i) {
        d = entry(doc, i).ChNo - GroupStart(group, bandMode);
        if (d == wanted) return wanted;
    }
    return d;
}

std::vector<std::string> channelSelectorItems(const Document& doc, int group, int bandMode) {
    std::vector<int> numbers;
    const int count = usedChannelCount(doc);
    for (int i = 0; i < count; ++i)
        if (const int q = channelInGroup(entry(doc, i).ChNo, group, bandMode)) numbers.push_back(q);
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::string> items;
    items.reserve(numbers.size());
    for (int q : numbers)
        items.push_back(std::to_string(q));
    return items;
}

std::vector<std::string> groupSelectorItems(int bandMode, const std::string& excluded) {
    std::vector<std::string> items;
    for (int g = 0; g < groupCount(bandMode); ++g) {
        std::string name = groupName(g, bandMode);
        if (!name.empty() && name != excluded) items.push_back(std::move(name));
    }
    return items;
}

int groupsOnExcept(const Document& doc, int group, int bandMode) {
    int n = 0;
    for (int g = 0; g < switchableGroups(bandMode); ++g)
        if (g != group && doc.WorkData.Options.GroupOn[static_cast<std::size_t>(g)] > 0) ++n;
    return n;
}

void ensureGroupOn(Document& doc, int bandMode) {
    const int groups = switchableGroups(bandMode);
    auto& on = doc.WorkData.Options.GroupOn;
    for (int g = 0; g < groups; ++g)
        if (on[static_cast<std::size_t>(g)] > 0) return;
    const int count = usedChannelCount(doc);
    for (int i = 0; i < count; ++i) {
        const int chNo = entry(doc, i).ChNo;
        if (chNo < 1 || chNo > kLastOrdinaryChannel) continue;
        const int g = GroupOfChannel(chNo, bandMode);
        if (g >= 0 && g < groups) {
            on[static_cast<std::size_t>(g)] = 1;
            return;
        }
    }
}

void refreshGroup(Document& doc, int group) {
    const int bandMode = doc.BandMode;
    if (group < 0 || group >= groupCount(bandMode)) return;
    if (bandMode != kBandCB && group == kHfVfoGroup) return;  // the VFO slot keeps no settings
    OptionsRecord& options = doc.WorkData.Options;
    const int n = countInGroup(doc, group, bandMode);
    if (isMemoryGroup(group, bandMode)) {
        if (n == 0) {
            options.CurMemCh = 0;
        } else {
            revalidatePointer(doc, group, options.CurMemCh);
        }
    } else {
        const auto g = static_cast<std::size_t>(group);
        if (n == 0) {
            options.GroupOn[g] = 0;
            options.GroupCh1[g] = 0;
            options.GroupCh2[g] = 0;
            options.GroupCh3[g] = 0;
        } else {
            revalidatePointer(doc, group, options.GroupCh1[g]);
            revalidatePointer(doc, group, options.GroupCh2[g]);
            revalidatePointer(doc, group, options.GroupCh3[g]);
        }
        ensureGroupOn(doc, bandMode);
    }
    if (doc.ChannelWindowOpen) doc.observer->ReshowByCh();
}

void setChannelCell(Document& doc, int group, int channelInGroupNo, int column,
                    std::string_view value) {
    const int bandMode = doc.BandMode;
    if (!isKnownBandMode(bandMode)) {
        doc.tell(FixedText::CountryModeError);
        return;
    }
    if (channelInGroupNo < 1 || channelInGroupNo > GroupSize(group, bandMode)) return;
    if (column < kColFrequency || column > kColTdct) return;

    std::string v(value);
    const bool frequency = column == kColFrequency;
    const bool cleared = frequency && isBlankText(v);
    if (frequency && !cleared) v = validateEntry(v, group, bandMode, doc);

    const int chNo = GroupStart(group, bandMode) + channelInGroupNo;
    const int index = findChannel(doc, chNo);
    if (index >= 0) {
        ChannelRecord& record = doc.WorkChannels[static_cast<std::size_t>(index)];
        if (cleared) {
            if (mayRemove(doc, chNo, group)) removeChannel(doc, index);
        } else if (frequency) {
            // Retyping the shown frequency changes nothing.
            const DisplayText shown = storedToDisplay(record.Frequency.view(), doc.BandLowMHz);
            if (shown.notNumeric) doc.tell(FixedText::NotNumeric);
            if (v != shown.text) setChannelField(record, column, v, doc.BandLowMHz);
        } else if (!setChannelField(record, column, v, doc.BandLowMHz)) {
            doc.tell(FixedText::NotNumeric, PromptIcon::Warning);
        }
        if (frequency) refreshGroup(doc, group);
    } else if (frequency && !cleared) {
        // A frequency typed into an empty slot creates the channel.
        if (addChannel(doc, chNo, v)) refreshGroup(doc, group);
    }

    if (doc.ChannelWindowOpen) doc.observer->reShowGrid(chNo);
    if (doc.ChannelEditOpen) doc.observer->SetGridEditData(true);
    doc.noteEdit();
}

}  // namespace zq61
