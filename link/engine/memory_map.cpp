// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/memory_map.h"

#include <algorithm>
#include <string_view>

#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "codec/tones.h"
#include "model/bands.h"
#include "model/document.h"
#include "model/document_copies.h"

namespace zq61 {

namespace mem {

int slotAddress(int chNo) {
    if (chNo >= 1 && chNo <= 400) return kChannelSlots + (chNo - 1) * kSlotSize;
    if (chNo == kVfoChannel) return kVfoSlot;
    if (chNo >= kFirstMemoryChannel && chNo <= kMaxChannels)
        return kMemorySlots + (chNo - kFirstMemoryChannel) * kSlotSize;
    return -1;
}

int toneTipAddress(int tip) {
    const int i = tip - 1;
    return kToneTips + (i / 2) * kToneTipPairStride + (i % 2) * kToneTipSize;
}

}  // namespace mem

namespace {

using namespace mem;

constexpr std::string_view kNoFrequency = "FFFFFFFF";
constexpr uint8_t kUnusedDigit = 0xFF;

uint8_t low(int value) {
    return static_cast<uint8_t>(value & 0xFF);
}

// A field of `width` bits placed at bit `shift`; values wider than the field
// are cut so that they never spill into the neighbouring field.
uint8_t field(int value, int shift, int width) {
    return static_cast<uint8_t>((value & ((1 << width) - 1)) << shift);
}
int16_t bits(uint8_t byte, int shift, int width) {
    return static_cast<int16_t>((byte >> shift) & ((1 << width) - 1));
}

void setBit(MemoryBytes& image, int base, int index) {
    image[base + index / 8] |= static_cast<uint8_t>(1u << (index % 8));
}
bool bitAt(const MemoryBytes& image, int base, int index) {
    return (image[base + index / 8] >> (index % 8)) & 1;
}

// Where the in-use and scan bits of a channel live; base -1 when it has none.
struct ChannelBits {
    int inUse = -1;
    int scan = -1;
    int index = 0;
};
ChannelBits channelBits(int chNo) {
    if (chNo >= 1 && chNo <= 400) return {kInUseBitmap, kScanBitmap, chNo - 1};
    if (chNo >= kFirstMemoryChannel && chNo <= kMaxChannels)
        return {kMemoryInUse, kMemoryScan, chNo - kFirstMemoryChannel};
    return {};
}

bool isEmptyFrequency(std::string_view cleaned) {
    return cleaned.empty() || cleaned == kNoFrequency;
}
bool isDecimal(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}
char hexDigit(int value) {
    return "0123456789ABCDEF"[value & 0x0F];
}

// The radio keeps digits 2..7 of the 8-digit text (units of 100 Hz), least
// significant pair first.
void packFrequency(std::string cleaned, uint8_t* slot) {
    if (isEmptyFrequency(cleaned)) {
        slot[kSlotFreqLow] = slot[kSlotFreqMid] = slot[kSlotFreqHigh] = kUnusedDigit;
        return;
    }
    if (cleaned.size() % 2 == 1) cleaned += '0';
    cleaned.resize(7, '0');
    auto pair = [&](int first) {
        return static_cast<uint8_t>(hexValue(cleaned[first]) * 16 + hexValue(cleaned[first + 1]));
    };
    slot[kSlotFreqHigh] = pair(1);
    slot[kSlotFreqMid] = pair(3);
    slot[kSlotFreqLow] = pair(5);
}

std::string unpackFrequency(const uint8_t* slot) {
    if (slot[kSlotFreqLow] == kUnusedDigit && slot[kSlotFreqMid] == kUnusedDigit &&
        slot[kSlotFreqHigh] == kUnusedDigit)
        return std::string(kNoFrequency);
    std::string text = "0";
    for (int b : {kSlotFreqHigh, kSlotFreqMid, kSlotFreqLow}) {
        text += hexDigit(slot[b] >> 4);
        text += hexDigit(slot[b]);
    }
    return text + "0";
}

void packTone(int toneIndex, uint8_t& ctcss, uint8_t& dcs, uint8_t& modes, int kindShift) {
    const RadioTone tone = toneToRadio(toneIndex);
    ctcss = tone.ctcss;
    dcs = tone.dcs;
    modes |= field(tone.kind, kindShift, 2);
}

// Bytes 3..15 of a slot: everything but the frequency. The feature channel
// of the settings area uses the same layout.
void packSlotFields(const ChannelRecord& r, uint8_t* slot) {
    slot[kSlotOffsetLow] = low(r.OffSetFre);
    slot[kSlotOffsetHigh] = low(r.OffSetFre >> 8);
    uint8_t modes = field(r.DUP, 0, 2) | field(r.TSQ, 2, 1);
    packTone(r.RDCT, slot[kSlotRxCtcss], slot[kSlotRxDcs], modes, 4);
    packTone(r.TDCT, slot[kSlotTxCtcss], slot[kSlotTxDcs], modes, 6);
    slot[kSlotModes] = modes;
    slot[kSlotSwitches] = field(r.BUSY, 0, 1) | field(r.HI_CUT, 1, 1) | field(r.NB, 2, 1) |
                          field(r.Add_Sub_5K, 3, 1) | field(r.AM_FM, 4, 1) |
                          field(r.Tx_Power, 5, 2) | field(r.Public, 7, 1);
    slot[kSlotRbTone] = low(r.RBTone);
    slot[kSlotDtmfBot] = low(r.DTMF_BOT);
    slot[kSlotDtmfEot] = low(r.DTMF_EOT);
    slot[kSlotDtmfCall] = low(r.DTMF_Call);
}

void unpackSlotFields(const uint8_t* slot, ChannelRecord& r) {
    r.OffSetFre = static_cast<int16_t>(slot[kSlotOffsetLow] | (slot[kSlotOffsetHigh] << 8));
    const uint8_t modes = slot[kSlotModes];
    r.DUP = bits(modes, 0, 2);
    r.TSQ = bits(modes, 2, 1);
    r.RDCT = static_cast<int16_t>(
        toneFromRadio(bits(modes, 4, 2), slot[kSlotRxCtcss], slot[kSlotRxDcs]));
    r.TDCT = static_cast<int16_t>(
        toneFromRadio(bits(modes, 6, 2), slot[kSlotTxCtcss], slot[kSlotTxDcs]));
    const uint8_t sw = slot[kSlotSwitches];
    r.BUSY = bits(sw, 0, 1);
    r.HI_CUT = bits(sw, 1, 1);
    r.NB = bits(sw, 2, 1);
    r.Add_Sub_5K = bits(sw, 3, 1);
    r.AM_FM = bits(sw, 4, 1);
    r.Tx_Power = bits(sw, 5, 2);
    r.Public = bits(sw, 7, 1);
    r.RBTone = slot[kSlotRbTone];
    r.DTMF_BOT = slot[kSlotDtmfBot];
    r.DTMF_EOT = slot[kSlotDtmfEot];
    r.DTMF_Call = slot[kSlotDtmfCall];
}

void packOptions(const RadioData& d, MemoryBytes& m) {
    const OptionsRecord& o = d.Options;
    m[kOptItem1] = low(o.OptItem[1]);
    m[kOptItem0] = low(o.OptItem[0]);
    m[kCurMemCh] = low(o.CurMemCh);
    for (int i = 0; i < 10; ++i) {
        if (o.GroupOn[i] > 0) setBit(m, kGroupOnBits, i);
        m[kGroupCh1 + i] = low(o.GroupCh1[i]);
        m[kGroupCh2 + i] = low(o.GroupCh2[i]);
        m[kGroupCh3 + i] = low(o.GroupCh3[i]);
        m[kEmgModulation1 + i] = o.EmgModulation1[i];
        m[kEmgModulation2 + i] = o.EmgModulation2[i];
    }
    uint8_t feat[kSlotSize] = {};
    packSlotFields(d.FeatChannel, feat);
    std::copy(feat + kSlotOffsetLow, feat + kSlotSize, &m[kFeatChannel + kSlotOffsetLow]);
    for (int i = 0; i < 5; ++i) {
        m[kOptItems2to6 + i] = low(o.OptItem[2 + i]);
        m[kOptItems11to15 + i] = low(o.OptItem[11 + i]);
    }
    m[kOptItems7and8] = field(o.OptItem[7], 7, 1) | field(o.OptItem[8], 0, 7);
    m[kOptItem9] = low(o.OptItem[9]);
    m[kOptItem10] = low(o.OptItem[10]);
    m[kMaxLimit] = low(o.MaxLimit);
    m[kOptItem16AndLimitOn] = field(o.OptItem[16], 0, 1) | field(o.MaxLimitOn, 1, 1);
}

void unpackOptions(const MemoryBytes& m, RadioData& d) {
    OptionsRecord& o = d.Options;
    o.OptItem[1] = m[kOptItem1];
    o.OptItem[0] = bits(m[kOptItem0], 0, 1);
    o.CurMemCh = m[kCurMemCh];
    for (int i = 0; i < 10; ++i) {
        o.GroupOn[i] = bitAt(m, kGroupOnBits, i) ? 1 : 0;
        o.GroupCh1[i] = m[kGroupCh1 + i];
        o.GroupCh2[i] = m[kGroupCh2 + i];
        o.GroupCh3[i] = m[kGroupCh3 + i];
        o.EmgModulation1[i] = m[kEmgModulation1 + i];
        o.EmgModulation2[i] = m[kEmgModulation2 + i];
    }
    unpackSlotFields(&m[kFeatChannel], d.FeatChannel);
    for (int i = 0; i < 5; ++i) {
        o.OptItem[2 + i] = m[kOptItems2to6 + i];
        o.OptItem[11 + i] = m[kOptItems11to15 + i];
    }
    o.OptItem[7] = bits(m[kOptItems7and8], 7, 1);
    o.OptItem[8] = bits(m[kOptItems7and8], 0, 7);
    o.OptItem[9] = m[kOptItem9];
    o.OptItem[10] = m[kOptItem10];
    o.MaxLimit = m[kMaxLimit];
    o.OptItem[16] = bits(m[kOptItem16AndLimitOn], 0, 1);
    o.MaxLimitOn = bits(m[kOptItem16AndLimitOn], 1, 1);
}

void packDtmf(const DtmfSettings& s, MemoryBytes& m) {
    m[kDtmfRate] = low(s.DtmfRate);
    m[kDtmfFirstDigitDelay] = low(s.FirstDigitDelay);
    m[kDtmfFirstDigitTime] = low(s.FirstDigitTime);
    m[kDtmfStarHashTime] = low(s.StarHashTime);
    m[kDtmfDKeySetting] = low(s.DKeySetting);
    m[kDtmfDisplay] = low(s.DtmfDisplay);
    for (int k = 0; k < 16; ++k) {
        const DtmfCode& code = s.Codes[k];
        const int length = (code.Length >= 1 && code.Length <= kDtmfCodeSize) ? code.Length : 0;
        uint8_t* out = &m[kDtmfCodes + k * kDtmfCodeSize];
        std::fill(out, out + kDtmfCodeSize, kUnusedDigit);
        if (length == 0) continue;
        setBit(m, kDtmfDefinedBits, k);
        std::string digits = dtmfToStored(cleanString(code.Code.view()));
        digits.resize(static_cast<size_t>(length), '0');
        for (int i = 0; i < length; ++i)
            out[i] = static_cast<uint8_t>(hexValue(digits[i]));
    }
}

void unpackDtmf(const MemoryBytes& m, DtmfSettings& s) {
    s.DtmfRate = m[kDtmfRate];
    s.FirstDigitDelay = m[kDtmfFirstDigitDelay];
    s.FirstDigitTime = m[kDtmfFirstDigitTime];
    s.StarHashTime = m[kDtmfStarHashTime];
    s.DKeySetting = m[kDtmfDKeySetting];
    s.DtmfDisplay = m[kDtmfDisplay];
    for (int k = 0; k < 16; ++k) {
        DtmfCode& code = s.Codes[k];
        if (!bitAt(m, kDtmfDefinedBits, k)) {
            code.Length = 0;
            continue;
        }
        std::string stored;
        for (int i = 0; i < kDtmfCodeSize; ++i) {
            const uint8_t b = m[kDtmfCodes + k * kDtmfCodeSize + i];
            if (b >= 16) break;
            stored += hexDigit(b);
        }
        code.Code = dtmfToDisplay(stored);
        code.Length = static_cast<int16_t>(stored.size());
    }
}

void packToneTips(const ToneTipTable& t, MemoryBytes& m) {
    for (int k = 1; k <= 8; ++k) {
        const ToneTip& tip = t.Tips[k - 1];
        const int base = toneTipAddress(k);
        m[base + kTipCount] = low(tip.Count);
        m[base + kTipPause] = low(tip.Pause);
        for (int s = 0; s < 14; ++s) {
            m[base + kTipPitches + s] = low(tip.Steps[s].Pitch);
            m[base + kTipDurations + s] = low(tip.Steps[s].Duration);
        }
    }
}

void unpackToneTips(const MemoryBytes& m, ToneTipTable& t) {
    for (int k = 1; k <= 8; ++k) {
        ToneTip& tip = t.Tips[k - 1];
        const int base = toneTipAddress(k);
        tip.Count = m[base + kTipCount];
        tip.Pause = m[base + kTipPause];
        for (int s = 0; s < 14; ++s) {
            tip.Steps[s].Pitch = m[base + kTipPitches + s];
            tip.Steps[s].Duration = m[base + kTipDurations + s];
        }
    }
}

int listSize(const Document& doc) {
    return std::clamp<int>(doc.WorkData.ChannelCount, 0, kMaxChannels);
}

}  // namespace

bool PackChannel(ChannelRecord& record, MemoryBytes& image) {
    const int slot = slotAddress(record.ChNo);
    if (slot < 0) return true;
    const std::string cleaned = cleanString(record.Frequency.view());
    record.Frequency = cleaned;
    const bool empty = isEmptyFrequency(cleaned);
    record.ChReserved = empty ? 1 : 0;

    const ChannelBits where = channelBits(record.ChNo);
    if (where.inUse >= 0 && !empty) {
        setBit(image, where.inUse, where.index);
        if (record.Scan & 1) setBit(image, where.scan, where.index);
    }
    const bool packable = empty || isDecimal(cleaned);
    if (packable) packFrequency(cleaned, &image[slot]);
    packSlotFields(record, &image[slot]);
    return packable;
}

int firstUnpackableChannel(const Document& doc) {
    for (int i = 0; i < listSize(doc); ++i) {
        const ChannelRecord& r = doc.WorkChannels[i];
        const std::string cleaned = cleanString(r.Frequency.view());
        if (mem::slotAddress(r.ChNo) >= 0 && !isEmptyFrequency(cleaned) && !isDecimal(cleaned))
            return r.ChNo;
    }
    return 0;
}

int PackDocument(Document& doc, MemoryBytes& image) {
    std::fill(image.begin() + kChannelSlots, image.begin() + kInUseBitmap, 0);
    std::fill(image.begin() + kInUseBitmap, image.begin() + kBitmapAreaEnd, 0);
    // The radio reads an unlisted VFO slot as an empty channel, not as 0 MHz.
    std::fill(image.begin() + kVfoSlot, image.begin() + kVfoSlot + kSlotSize, 0);
    packFrequency("", &image[kVfoSlot]);

    int refused = 0;
    for (int i = 0; i < listSize(doc); ++i) {
        ChannelRecord& r = doc.WorkChannels[i];
        if (!PackChannel(r, image) && refused == 0) refused = r.ChNo;
    }
    packOptions(doc.WorkData, image);
    packDtmf(doc.WorkData.Dtmf, image);
    image[kKeyModeSet] = low(doc.WorkData.Keys.KeyModeSet);
    for (int i = 0; i < 18; ++i)
        image[kKeyFunctions + i] = low(doc.WorkData.Keys.KeyFunctions[i]);
    packToneTips(doc.WorkData.ToneTips, image);
    return refused;
}

bool UnpackChannel(Document& doc, const MemoryBytes& image, int chNo) {
    const int slot = slotAddress(chNo);
    if (slot < 0 || listSize(doc) >= kMaxChannels) return false;
    const ChannelBits where = channelBits(chNo);
    int scan = 0;
    if (chNo != kVfoChannel) {
        if (where.inUse < 0 || !bitAt(image, where.inUse, where.index)) return false;
        scan = bitAt(image, where.scan, where.index) ? 1 : 0;
    }
    ChannelRecord& r = doc.WorkChannels[doc.WorkData.ChannelCount++];
    r.ChNo = static_cast<int16_t>(chNo);
    r.ChReserved = 0;
    r.Scan = static_cast<int16_t>(scan);
    r.Frequency = unpackFrequency(&image[slot]);
    unpackSlotFields(&image[slot], r);
    return true;
}

void UnpackDocument(Document& doc, const MemoryBytes& image, int radioBandMode) {
    doc.WorkData.ChannelCount = 0;
    for (int n = 1; n <= kMaxChannels; ++n) {
        if (radioBandMode == kBandCB && n >= 361 && n <= kVfoChannel) continue;
        UnpackChannel(doc, image, n);
    }

    RadioData& d = doc.WorkData;
    d.Header.HeaderBandMode = static_cast<int16_t>(radioBandMode);
    doc.ModelName = cleanString(d.Header.Model.view());
    setBand(doc, d.Header.HeaderBandMode);
    doc.Info.BandMode = doc.BandMode;

    unpackOptions(image, d);
    unpackDtmf(image, d.Dtmf);
    d.Keys.KeyModeSet = image[kKeyModeSet];
    for (int i = 0; i < 18; ++i)
        d.Keys.KeyFunctions[i] = image[kKeyFunctions + i];
    unpackToneTips(image, d.ToneTips);
}

}  // namespace zq61
