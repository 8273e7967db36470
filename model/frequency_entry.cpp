// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/frequency_entry.h"

#include <cmath>
#include <limits>

#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/text_ids.h"

namespace zq61 {

double checkRange(double mhz, const Document& doc) {
    const BandCheck checked = checkBand(mhz, doc.BandLowMHz, doc.BandHighMHz);
    if (checked.outside) doc.tell(txt::kOutOfBand, PromptIcon::Warning);
    return checked.mhz;
}

std::string validateEntry(std::string_view typed, int group, int bandMode, const Document& doc) {
    const auto mhz = parseNumber(typed);
    if (!mhz) {
        doc.tell(txt::kOutOfBand, PromptIcon::Warning);
        return formatFiveDecimals(doc.BandLowMHz);
    }
    if (group == kCbMemoryGroup && bandMode == kBandCB) {
        const auto nearest = nearestMemoryFrequency(*mhz, doc);
        if (nearest.found) return formatFiveDecimals(nearest.mhz);
        // A document without any CB channel frequency: keep the band's rule.
    }
    return formatFiveDecimals(checkRange(*mhz, doc));
}

NearestMemoryFrequency nearestMemoryFrequency(double mhz, const Document& doc) {
    NearestMemoryFrequency result;
    double best = std::numeric_limits<double>::infinity();
    const int count = usedChannelCount(doc);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& ch = doc.WorkChannels[static_cast<std::size_t>(i)];
        if (ch.ChNo < 1 || ch.ChNo > kHighestOrdinaryCbChannel) continue;
        const auto stored = storedValue(ch.Frequency.view());
        if (!stored) continue;
        const int group = GroupOfChannel(ch.ChNo, kBandCB);
        // Distances are measured to what the user sees (the UK rule included).
        const double distance = std::fabs(shownValue(*stored, group, kBandCB) - mhz);
        if (distance < best) {  // the first of equal distances wins
            best = distance;
            result.found = true;
            result.mhz = *stored;
            result.group = group;
            result.channelInGroup = ch.ChNo - GroupStart(group, kBandCB) - 1;
        }
    }
    return result;
}

std::string displayFrequency(std::string_view stored, int group, const Document& doc) {
    const DisplayText shown = displayForGroup(stored, group, doc.BandMode, doc.BandLowMHz);
    if (shown.notNumeric) doc.tell(FixedText::NotNumeric);
    return shown.text;
}

}  // namespace zq61
