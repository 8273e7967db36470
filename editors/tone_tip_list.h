// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lists that pick a tone tip by number: text 15030 (no tone tip), then
// the numbers of the tone tips 1..8 that are usable.

#include <QComboBox>

namespace zq61 {
class Document;
}

namespace zq61::gui {

// The shown text of a stored tone tip value: 0 is text 15030, 1..8 their
// numbers; other values have none ("").
QString toneTipValueText(int value, const Document& doc);
// Fills `list` anew and selects the item of `value` (the first item when
// that tone tip is not in the list).
void fillToneTipList(QComboBox* list, int value, const Document& doc);

}  // namespace zq61::gui
