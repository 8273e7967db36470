// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/dtmf_codes.h"

#include <cmath>

#include "codec/text_helpers.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/text_ids.h"

namespace zq61 {

int16_t dtmfTimingValue(std::string_view msText, int unitMs) {
    const std::optional<double> ms = parseNumber(msText);
    if (!ms || unitMs <= 0) return 0;
    // std::nearbyint rounds half to even in the default rounding mode.
    const double stored = std::nearbyint(*ms / unitMs);
    if (stored < INT16_MIN || stored > INT16_MAX) return 0;
    return static_cast<int16_t>(stored);
}

std::string shownDtmfCode(const DtmfCode& code) {
    if (code.Length <= 0 || code.Length > kDtmfCodeLength) return {};
    return std::string(code.Code.view().substr(0, static_cast<std::size_t>(code.Length)));
}

std::vector<int> definedDtmfCodes(const DtmfSettings& dtmf) {
    std::vector<int> numbers;
    for (int k = 1; k <= kDtmfCodeCount; ++k)
        if (dtmf.Codes[static_cast<std::size_t>(k - 1)].Length > 0) numbers.push_back(k);
    return numbers;
}

std::vector<std::string> dtmfNumberListItems(const Document& doc) {
    std::vector<std::string> items{doc.text(txt::kDtmfNone)};
    for (int k : definedDtmfCodes(doc.WorkData.Dtmf))
        items.push_back(std::to_string(k));
    return items;
}

void setDtmfCode(Document& doc, int number, std::string_view typed) {
    if (number < 1 || number > kDtmfCodeCount) return;
    std::string text = cleanString(typed);
    if (text.size() > kDtmfCodeLength) text.resize(kDtmfCodeLength);
    DtmfCode& code = doc.WorkData.Dtmf.Codes[static_cast<std::size_t>(number - 1)];
    code.Length = static_cast<int16_t>(text.size());
    code.Code = text;
    if (text.empty()) clearDtmfReferences(doc, number);
    doc.observer->RefreshDtmfLists();
}

}  // namespace zq61
