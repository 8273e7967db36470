// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/terms.h"

#include <array>

#include "model/text_ids.h"
#include "model/texts.h"

namespace zq61 {

namespace {

constexpr std::array<const char*, static_cast<std::size_t>(Term::Count_)> kEnglish{
    "channel",
    "added",
    "removed",
    "empty",
    "frequency",
    "scan",
    "offset",
    "receive tone",
    "transmit tone",
    "duplex",
    "tone squelch",
    "high cut",
    "busy lock",
    "noise blanker",
    "+/-5 kHz",
    "modulation",
    "power",
    "public",
    "tone tip",
    "DTMF BOT",
    "DTMF EOT",
    "DTMF call",
    "spare",
    "header",
    "model",
    "band mode",
    "data version",
    "group",
    "switched on",
    "remembered channel",
    "emergency modulation",
    "current group",
    "memory channel",
    "option",
    "frequency limit",
    "options trailing byte",
    "feature channel",
    "key mode",
    "key",
    "DTMF rate",
    "DTMF first digit time",
    "DTMF first digit delay",
    "DTMF * and # time",
    "DTMF D key",
    "DTMF display",
    "DTMF code",
    "DTMF trailing word",
    "step",
    "pitch",
    "duration",
    "count",
    "pause",
    "written",
    "read back",
    "outside the memory image",
    "unused byte",
    "duplex, tone squelch and tone kinds",
    "busy lock, high cut, noise blanker, +/-5 kHz, modulation, power and public",
    "in-use bits",
    "scan bits",
    "%1 of channels %2",
    "%1 area",
    "%1 of group %2",
    "option item",
    "option items",
    "and",
    "function",
    "which DTMF codes are defined",
    "group switches",
    "current memory channel",
    "switch",
    "byte not used by the program",
    "settings area",
    "character",
};

static_assert(static_cast<int>(Term::Count_) == txt::kTermCount, "one text id for every term");

void replace(std::string& text, const std::string& marker, const std::string& with) {
    if (const auto at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), with);
}

}  // namespace

const char* Terms::english(Term term) {
    return kEnglish[static_cast<std::size_t>(term)];
}

std::string Terms::operator()(Term term) const {
    if (texts_) {
        std::string word = texts_->text(txt::kTermBase + static_cast<int>(term));
        if (!word.empty()) return word;
    }
    return english(term);
}

std::string Terms::format(Term term, const std::string& first, const std::string& second) const {
    std::string text = (*this)(term);
    replace(text, "%1", first);
    replace(text, "%2", second);
    return text;
}

}  // namespace zq61
