// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The differences between two documents, in the document's own terms: which
// channel or setting differs and what it holds on each side, e.g.
//   channel 12 (A 12): frequency 28.50000 -> 28.51000
//   DTMF code 3: 1A*# -> empty
//   option 5 (Volume): 2 -> 3
// Used by `zq61-cli diff` (in English) and the compare window (in the
// program's language, see model/terms.h). Both sides are read from their
// working copies; each side's values are shown with its own band mode (a
// frequency is shown as its band shows it); option items carry their label
// in the program's language.

#include <string>
#include <vector>

#include "model/terms.h"

namespace zq61 {

class Document;

struct Difference {
    enum class Kind { Changed, Added, Removed };
    Kind kind = Kind::Changed;
    std::string subject;  // "channel 12 (A 12)", "group B", "DTMF code 3", "option 5 (Volume)"
    std::string field;    // "frequency", "switched on"; empty when the subject is the value
    std::string before;   // the value in the first document ("" for Added)
    std::string after;    // the value in the second document ("" for Removed)
    int chNo = 0;         // the channel of a channel line, 0 otherwise

    // One line: "subject: field before -> after", "subject: added (after)".
    std::string text(const Terms& words = Terms()) const;
    bool operator==(const Difference&) const = default;
};

// Every difference from `before` to `after`, in a fixed order: header,
// channels by number, group settings, options, feature channel, keys, DTMF,
// tone tips. Empty when the two documents hold the same data. The subjects
// and fields are made of `words`.
std::vector<Difference> diffDocuments(const Document& before, const Document& after,
                                      const Terms& words = Terms());

}  // namespace zq61
