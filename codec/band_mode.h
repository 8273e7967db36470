// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's band modes as the radio, the .dat file and the program code
// them: one byte, 0 CB, 1 HF, 2 HAM.

namespace zq61 {

enum BandModeValue : int { kBandCB = 0, kBandHF = 1, kBandHAM = 2 };

}  // namespace zq61
