// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lists that pick a DTMF code by number: text 14013 (no code), then the
// numbers of the DTMF codes 1..16 that are defined.

#include <QComboBox>

namespace zq61 {
class Document;
}

namespace zq61::gui {

// Fills `list` anew; nothing is selected afterwards.
void fillDtmfNumberList(QComboBox* list, const Document& doc);
// Fills `list` anew and selects the item it showed before (the first item
// when that code is no longer defined). Selection signals are not blocked.
void refreshDtmfNumberList(QComboBox* list, const Document& doc);

}  // namespace zq61::gui
