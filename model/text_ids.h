// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text identifiers of the language files, as named constants. The table
// itself is model/text_ids.def.
//
// Usage:  texts.text(txt::kMenuFile), texts.text(txt::kOptItemBase + i)

#include <vector>

namespace zq61::txt {

#define ZQ61_TEXT(name, id) inline constexpr int name = id;
#define ZQ61_TEXT_RUN(base, count, first, n) \
    inline constexpr int base = first;       \
    inline constexpr int count = n;
#include "model/text_ids.def"
#undef ZQ61_TEXT
#undef ZQ61_TEXT_RUN

}  // namespace zq61::txt

namespace zq61 {

// Every text identifier the program uses, runs expanded, ascending.
std::vector<int> allTextIds();

}  // namespace zq61
