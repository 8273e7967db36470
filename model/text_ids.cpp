// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/text_ids.h"

#include <algorithm>

namespace zq61 {

std::vector<int> allTextIds() {
    std::vector<int> ids;
#define ZQ61_TEXT(name, id) ids.push_back(id);
#define ZQ61_TEXT_RUN(base, count, first, n) \
    for (int i = 0; i < (n); ++i)            \
        ids.push_back((first) + i);
#include "model/text_ids.def"
#undef ZQ61_TEXT
#undef ZQ61_TEXT_RUN
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

}  // namespace zq61
