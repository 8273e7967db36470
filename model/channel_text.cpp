// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_text.h"

#include "model/bands.h"
#include "model/document.h"
#include "model/frequency_entry.h"

namespace zq61 {
namespace {

// The name of a stored choice, or its number when it is none of them.
template <std::size_t N>
std::string named(int value, const char* const (&names)[N]) {
    return value >= 0 && value < static_cast<int>(N) ? names[value] : std::to_string(value);
}

}  // namespace

std::string shownFrequency(const ChannelRecord& channel, const Document& doc) {
    return displayFrequency(channel.Frequency.view(), displayGroup(channel.ChNo, doc.BandMode),
                            doc);
}

std::string duplexText(int dup) {
    static const char* const kNames[] = {"Off", "+", "-"};
    return named(dup, kNames);
}

std::string modulationText(int amFm) {
    static const char* const kNames[] = {"FM", "AM"};
    return named(amFm, kNames);
}

std::string scanText(int scan) {
    static const char* const kNames[] = {"Del", "Add"};
    return named(scan, kNames);
}

std::string onOffText(int value) {
    static const char* const kNames[] = {"off", "on"};
    return named(value, kNames);
}

}  // namespace zq61
