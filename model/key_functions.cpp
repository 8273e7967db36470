// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/key_functions.h"

namespace zq61 {
namespace {

std::string nameAt(const std::vector<std::string>& names, int index, int stored) {
    return index >= 0 && index < static_cast<int>(names.size())
               ? names[static_cast<std::size_t>(index)]
               : std::to_string(stored);
}

}  // namespace

const std::vector<std::string>& keyFunctionNames() {
    static const std::vector<std::string> kNames{"MOD", "RFG", "EMG", "VOL", "SQL", "POW", "DSP",
                                                 "SCA", "MEM", "BND", "DW",  "CAL", "NB",  "RB",
                                                 "HIC", "TSQ", "SPL", "5K",  "DIM", "NULL"};
    return kNames;
}

const std::vector<std::string>& keyModeSetNames() {
    static const std::vector<std::string> kNames{"1&2", "1&3", "2&3", "1&2&3"};
    return kNames;
}

std::string keyFunctionText(int stored) {
    return nameAt(keyFunctionNames(), stored - 1, stored);
}

std::string keyModeSetText(int stored) {
    return nameAt(keyModeSetNames(), stored, stored);
}

}  // namespace zq61
