// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names of the windows the main window hosts. Each window exists at most
// once; it is found, opened and closed by its name.

namespace zq61::gui::win {

inline constexpr char kMain[] = "frmMain";
inline constexpr char kChannels[] = "frmCommChInfo";
inline constexpr char kChannelEdit[] = "FrmCHInfoEdit";
inline constexpr char kOptFeatures[] = "FrmOptFeatures";
inline constexpr char kDtmf[] = "FrmDTMF";
inline constexpr char kToneTips[] = "FrmToneTips";
inline constexpr char kKeys[] = "FrmKey";
inline constexpr char kRadioInfo[] = "FrmRadioInfo";
inline constexpr char kCompare[] = "FrmCompare";

}  // namespace zq61::gui::win
