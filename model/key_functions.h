// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key assignments as the radio names them: the functions a programmable
// key P1..P6 can take and the key-mode combinations. KeyFunctions holds, for
// key modes 1..3, the functions of P1..P6 (index 6 * mode + key), each stored
// as its place in the function list + 1; KeyModeSet is the place of the
// combination in the list of key-mode sets.

#include <string>
#include <vector>

namespace zq61 {

inline constexpr int kKeyModes = 3;
inline constexpr int kKeysPerMode = 6;

// "MOD", "RFG", "EMG", ... "NULL", in the radio's order.
const std::vector<std::string>& keyFunctionNames();
// "1&2", "1&3", "2&3", "1&2&3".
const std::vector<std::string>& keyModeSetNames();

// The name of a stored function (place + 1); a value outside the list as
// its number, so that nothing is hidden.
std::string keyFunctionText(int stored);
// The name of a stored key-mode set; a value outside the list as its number.
std::string keyModeSetText(int stored);

}  // namespace zq61
