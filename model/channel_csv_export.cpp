// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <vector>

#include "codec/frequency.h"
#include "model/channel_csv.h"
#include "model/channel_csv_rows.h"
#include "model/channel_list.h"
#include "model/document.h"

namespace zq61 {

std::optional<CsvColumnSet> csvColumnSetNamed(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower == "chirp") return CsvColumnSet::Chirp;
    if (lower == "full") return CsvColumnSet::Full;
    return std::nullopt;
}

std::string exportChannelsCsv(const Document& doc, CsvColumnSet set) {
    const int count = usedChannelCount(doc);
    std::vector<const ChannelRecord*> channels;
    for (int i = 0; i < count; ++i)
        channels.push_back(&doc.WorkChannels[static_cast<std::size_t>(i)]);

    if (set == CsvColumnSet::Full) {
        std::string out = csvLine(fullColumnNames());
        for (const ChannelRecord* r : channels)
            out += csvLine(fullRow(*r));
        return out;
    }
    // CHIRP lists memories by location; a slot without a frequency is no
    // memory there.
    std::stable_sort(
        channels.begin(), channels.end(),
        [](const ChannelRecord* a, const ChannelRecord* b) { return a->ChNo < b->ChNo; });
    std::string out = csvLine(chirpColumnNames());
    for (const ChannelRecord* r : channels)
        if (storedValue(r->Frequency.view())) out += csvLine(chirpRow(*r, doc));
    return out;
}

}  // namespace zq61
