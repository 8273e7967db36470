// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_list.h"

#include <algorithm>

#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "model/document.h"
#include "model/tone_tips.h"

namespace zq61 {

namespace {

constexpr int kDtmfCodeCount = 16;

int16_t clamp16(std::string_view value, int min, int max, int step, int def) {
    return static_cast<int16_t>(clampValue(value, min, max, step, def));
}

// The field a column stores without a range check; nullptr for the columns
// with their own rule and for unknown columns.
int16_t* uncheckedField(ChannelRecord& r, int column) {
    switch (column) {
        case kColPublic:
            return &r.Public;
        case kColDup:
            return &r.DUP;
        case kColTsq:
            return &r.TSQ;
        case kColScan:
            return &r.Scan;
        case kColHiCut:
            return &r.HI_CUT;
        case kColBusy:
            return &r.BUSY;
        case kColNb:
            return &r.NB;
        case kColAddSub5K:
            return &r.Add_Sub_5K;
        case kColAmFm:
            return &r.AM_FM;
        case kColTxPower:
            return &r.Tx_Power;
        case kColRdct:
            return &r.RDCT;
        case kColTdct:
            return &r.TDCT;
        default:
            return nullptr;
    }
}

bool refersToUsableToneTip(const Document& doc, int16_t rbTone) {
    if (rbTone == 0) return true;
    if (rbTone < 1 || rbTone > kToneTips) return false;
    return isToneTipUsable(doc.WorkData.ToneTips.Tips[static_cast<std::size_t>(rbTone - 1)]);
}

void clearDtmfCode(ChannelRecord& r, int code) {
    for (int16_t* field : {&r.DTMF_BOT, &r.DTMF_EOT, &r.DTMF_Call})
        if (*field == code) *field = 0;
}

}  // namespace

int usedChannelCount(const Document& doc) {
    return std::clamp<int>(doc.WorkData.ChannelCount, 0, kMaxChannels);
}

ChannelRecord newChannelRecord(int chNo, std::string_view frequencyText, double bandLowMHz) {
    ChannelRecord r;
    r.ChNo = static_cast<int16_t>(chNo);
    r.ChReserved = 0;
    r.Scan = 1;
    r.Frequency = textToStored(frequencyText, bandLowMHz);
    r.OffSetFre = 100;
    r.NB = 1;
    r.Public = 1;
    return r;
}

bool addChannel(Document& doc, int chNo, std::string_view frequencyText) {
    const int count = usedChannelCount(doc);
    if (count >= kMaxChannels || findChannel(doc, chNo) >= 0) return false;
    doc.WorkChannels[static_cast<std::size_t>(count)] =
        newChannelRecord(chNo, frequencyText, doc.BandLowMHz);
    doc.WorkData.ChannelCount = static_cast<int16_t>(count + 1);
    return true;
}

void removeChannel(Document& doc, int listIndex) {
    const int count = usedChannelCount(doc);
    if (listIndex < 0 || listIndex >= count) return;
    auto first = doc.WorkChannels.begin();
    std::move(first + listIndex + 1, first + count, first + listIndex);
    doc.WorkData.ChannelCount = static_cast<int16_t>(count - 1);
}

bool setChannelField(ChannelRecord& record, int column, std::string_view value, double bandLowMHz) {
    switch (column) {
        case kColFrequency:
            record.Frequency = textToStored(value, bandLowMHz);
            return true;
        case kColOffset:
            record.OffSetFre = clamp16(value, 5, 1000, 5, 5);
            return true;
        case kColRbTone:
            record.RBTone = clamp16(value, 0, kToneTips, 1, 0);
            return true;
        case kColDtmfBot:
            record.DTMF_BOT = clamp16(value, 0, kDtmfCodeCount, 1, 0);
            return true;
        case kColDtmfEot:
            record.DTMF_EOT = clamp16(value, 0, kDtmfCodeCount, 1, 0);
            return true;
        case kColDtmfCall:
            record.DTMF_Call = clamp16(value, 0, kDtmfCodeCount, 1, 0);
            return true;
        default:
            break;
    }
    int16_t* field = uncheckedField(record, column);
    if (!field) return true;  // no field behind this column
    const bool numeric = isNumeric(value);
    *field = clamp16(value, INT16_MIN, INT16_MAX, 1, 0);
    // AM allows at most power level 1.
    if (column == kColAmFm && record.AM_FM == 1 && record.Tx_Power > 1) record.Tx_Power = 1;
    return numeric;
}

int findListIndex(const Document& doc, const ChannelRecord& record) {
    return findChannel(doc, record.ChNo);
}

int findChannel(const Document& doc, int chNo) {
    const int count = usedChannelCount(doc);
    for (int i = 0; i < count; ++i)
        if (doc.WorkChannels[static_cast<std::size_t>(i)].ChNo == chNo) return i;
    return -1;
}

bool isToneTipUsable(const ToneTip& tip) {
    return tip.Count >= 1 && std::any_of(tip.Steps.begin(), tip.Steps.end(),
                                         [](const ToneStep& s) { return s.Duration > 0; });
}

void checkToneTipReferences(Document& doc) {
    const int count = usedChannelCount(doc);
    for (int i = 0; i < count; ++i) {
        ChannelRecord& ch = doc.WorkChannels[static_cast<std::size_t>(i)];
        if (!refersToUsableToneTip(doc, ch.RBTone)) ch.RBTone = 0;
    }
    // The feature channel keeps its tone tip in the RBTone field too; its
    // Tx_Power position holds the transmit power and must stay as it is.
    ChannelRecord& feat = doc.WorkData.FeatChannel;
    if (!refersToUsableToneTip(doc, feat.RBTone)) feat.RBTone = 0;
    doc.observer->ShowRB();
    doc.observer->ShowRBOpt();
}

void clearDtmfReferences(Document& doc, int code) {
    if (code == 0) return;
    const int count = usedChannelCount(doc);
    for (int i = 0; i < count; ++i)
        clearDtmfCode(doc.WorkChannels[static_cast<std::size_t>(i)], code);
    clearDtmfCode(doc.WorkData.FeatChannel, code);
}

}  // namespace zq61
