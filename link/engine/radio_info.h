// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's information area (radio addresses 0x3E00-0x3EFF): its band
// mode and the service record written by the manufacturer. Read only.

#include <array>
#include <cstdint>

#include "model/radio_data.h"

namespace zq61 {

inline constexpr int kInfoAddress = 0x3E00;
inline constexpr int kInfoSize = 256;
using InfoBytes = std::array<uint8_t, kInfoSize>;

// Fills the band mode (low 4 bits of byte 0, taken as it is even when it is
// no band mode the program knows) and the texts of `info`. The firmware
// version and the model text of `info` are left alone.
void DecodeInfoImage(const InfoBytes& image, RadioInfo& info);

}  // namespace zq61
