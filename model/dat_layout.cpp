// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/dat_layout.h"

#include <algorithm>
#include <cassert>

namespace zq61::dat {
namespace {

void putInt(Bytes out, std::size_t offset, int16_t value) {
    const auto u = static_cast<uint16_t>(value);
    out[offset] = static_cast<uint8_t>(u & 0xFF);
    out[offset + 1] = static_cast<uint8_t>(u >> 8);
}

int16_t getInt(ConstBytes in, std::size_t offset) {
    return static_cast<int16_t>(static_cast<uint16_t>(in[offset] | (in[offset + 1] << 8)));
}

template <std::size_t N>
void putInts(Bytes out, std::size_t offset, const std::array<int16_t, N>& values) {
    for (std::size_t i = 0; i < N; ++i)
        putInt(out, offset + 2 * i, values[i]);
}

template <std::size_t N>
void getInts(ConstBytes in, std::size_t offset, std::array<int16_t, N>& values) {
    for (std::size_t i = 0; i < N; ++i)
        values[i] = getInt(in, offset + 2 * i);
}

template <std::size_t N>
void putText(Bytes out, std::size_t offset, const FixedString<N>& text) {
    std::copy_n(reinterpret_cast<const uint8_t*>(text.data()), N, out.begin() + offset);
}

template <std::size_t N>
void getText(ConstBytes in, std::size_t offset, FixedString<N>& text) {
    text.setBytes(reinterpret_cast<const char*>(in.data() + offset));
}

template <std::size_t N>
void putRaw(Bytes out, std::size_t offset, const std::array<uint8_t, N>& bytes) {
    std::copy(bytes.begin(), bytes.end(), out.begin() + offset);
}

template <std::size_t N>
void getRaw(ConstBytes in, std::size_t offset, std::array<uint8_t, N>& bytes) {
    std::copy_n(in.begin() + offset, N, bytes.begin());
}

// The fields of a channel record from ChNo to TSQ that are plain Integers,
// with their offsets.
template <typename Record>
auto channelInts(Record& r) {
    return std::array{
        std::pair{kChNo, &r.ChNo},
        std::pair{kChReserved, &r.ChReserved},
        std::pair{kScan, &r.Scan},
        std::pair{kOffSetFre, &r.OffSetFre},
        std::pair{kRDCT, &r.RDCT},
        std::pair{kTDCT, &r.TDCT},
        std::pair{kDUP, &r.DUP},
        std::pair{kHI_CUT, &r.HI_CUT},
        std::pair{kBUSY, &r.BUSY},
        std::pair{kNB, &r.NB},
        std::pair{kAdd_Sub_5K, &r.Add_Sub_5K},
        std::pair{kAM_FM, &r.AM_FM},
        std::pair{kTx_Power, &r.Tx_Power},
        std::pair{kPublic, &r.Public},
        std::pair{kRBTone, &r.RBTone},
        std::pair{kDTMF_BOT, &r.DTMF_BOT},
        std::pair{kDTMF_EOT, &r.DTMF_EOT},
        std::pair{kDTMF_Call, &r.DTMF_Call},
        std::pair{kTSQ, &r.TSQ},
    };
}

}  // namespace

void writeChannel(const ChannelRecord& record, Bytes out) {
    assert(out.size() >= kChannelRecordSize);
    for (const auto& [offset, field] : channelInts(record))
        putInt(out, offset, *field);
    putText(out, kFrequency, record.Frequency);
    putInts(out, kChSpare, record.ChSpare);
}

ChannelRecord readChannel(ConstBytes in) {
    assert(in.size() >= kChannelRecordSize);
    ChannelRecord record;
    for (const auto& [offset, field] : channelInts(record))
        *field = getInt(in, offset);
    getText(in, kFrequency, record.Frequency);
    getInts(in, kChSpare, record.ChSpare);
    return record;
}

FileHeader readHeader(ConstBytes in) {
    assert(in.size() >= kHeaderSize);
    FileHeader header;
    getText(in, kModel, header.Model);
    header.HeaderBandMode = getInt(in, kHeaderBandMode);
    getText(in, kVersion, header.Version);
    return header;
}

void writeSettings(const RadioData& data, Bytes out) {
    assert(out.size() >= kSettingsSize);
    putText(out, kModel, data.Header.Model);
    putInt(out, kHeaderBandMode, data.Header.HeaderBandMode);
    putText(out, kVersion, data.Header.Version);
    putInt(out, kChannelCount, data.ChannelCount);

    const OptionsRecord& o = data.Options;
    putInt(out, kCurGroup, o.CurGroup);
    putInt(out, kOptItem0, o.OptItem[0]);
    putInt(out, kOptItem0 + 2, o.OptItem[1]);
    putInt(out, kCurMemCh, o.CurMemCh);
    putInts(out, kGroupOn, o.GroupOn);
    putInts(out, kGroupCh1, o.GroupCh1);
    putInts(out, kGroupCh2, o.GroupCh2);
    putInts(out, kGroupCh3, o.GroupCh3);
    for (std::size_t i = 2; i < o.OptItem.size(); ++i)
        putInt(out, kOptItem2 + 2 * (i - 2), o.OptItem[i]);
    putInt(out, kMaxLimitOn, o.MaxLimitOn);
    putInt(out, kMaxLimit, o.MaxLimit);
    putRaw(out, kEmgModulation1, o.EmgModulation1);
    putRaw(out, kEmgModulation2, o.EmgModulation2);
    putRaw(out, kOptionsTrailing, o.Trailing);

    writeChannel(data.FeatChannel, out.subspan(kFeatChannel));

    putInt(out, kKeyModeSet, data.Keys.KeyModeSet);
    putInts(out, kKeyFunctions, data.Keys.KeyFunctions);

    const DtmfSettings& d = data.Dtmf;
    const std::array<int16_t, 6> timings{d.DtmfRate,     d.FirstDigitTime, d.FirstDigitDelay,
                                         d.StarHashTime, d.DKeySetting,    d.DtmfDisplay};
    putInts(out, kDtmfRate, timings);
    for (std::size_t i = 0; i < d.Codes.size(); ++i) {
        const std::size_t at = kDtmfCodes + kDtmfCodeSize * i;
        putInt(out, at, d.Codes[i].Length);
        putText(out, at + kDtmfCodeText, d.Codes[i].Code);
    }
    putInts(out, kDtmfTrailing, d.Trailing);

    for (std::size_t t = 0; t < data.ToneTips.Tips.size(); ++t) {
        const ToneTip& tip = data.ToneTips.Tips[t];
        const std::size_t at = kToneTips + kToneTipSize * t;
        for (std::size_t s = 0; s < tip.Steps.size(); ++s) {
            putInt(out, at + kToneStepSize * s, tip.Steps[s].Pitch);
            putInt(out, at + kToneStepSize * s + 2, tip.Steps[s].Duration);
        }
        putInt(out, at + kTipCount, tip.Count);
        putInt(out, at + kTipPause, tip.Pause);
    }
}

RadioData readSettings(ConstBytes in) {
    assert(in.size() >= kSettingsSize);
    RadioData data;
    data.Header = readHeader(in);
    data.ChannelCount = getInt(in, kChannelCount);

    OptionsRecord& o = data.Options;
    o.CurGroup = getInt(in, kCurGroup);
    o.OptItem[0] = getInt(in, kOptItem0);
    o.OptItem[1] = getInt(in, kOptItem0 + 2);
    o.CurMemCh = getInt(in, kCurMemCh);
    getInts(in, kGroupOn, o.GroupOn);
    getInts(in, kGroupCh1, o.GroupCh1);
    getInts(in, kGroupCh2, o.GroupCh2);
    getInts(in, kGroupCh3, o.GroupCh3);
    for (std::size_t i = 2; i < o.OptItem.size(); ++i)
        o.OptItem[i] = getInt(in, kOptItem2 + 2 * (i - 2));
    o.MaxLimitOn = getInt(in, kMaxLimitOn);
    o.MaxLimit = getInt(in, kMaxLimit);
    getRaw(in, kEmgModulation1, o.EmgModulation1);
    getRaw(in, kEmgModulation2, o.EmgModulation2);
    getRaw(in, kOptionsTrailing, o.Trailing);

    data.FeatChannel = readChannel(in.subspan(kFeatChannel));

    data.Keys.KeyModeSet = getInt(in, kKeyModeSet);
    getInts(in, kKeyFunctions, data.Keys.KeyFunctions);

    DtmfSettings& d = data.Dtmf;
    std::array<int16_t, 6> timings{};
    getInts(in, kDtmfRate, timings);
    d.DtmfRate = timings[0];
    d.FirstDigitTime = timings[1];
    d.FirstDigitDelay = timings[2];
    d.StarHashTime = timings[3];
    d.DKeySetting = timings[4];
    d.DtmfDisplay = timings[5];
    for (std::size_t i = 0; i < d.Codes.size(); ++i) {
        const std::size_t at = kDtmfCodes + kDtmfCodeSize * i;
        d.Codes[i].Length = getInt(in, at);
        getText(in, at + kDtmfCodeText, d.Codes[i].Code);
    }
    getInts(in, kDtmfTrailing, d.Trailing);

    for (std::size_t t = 0; t < data.ToneTips.Tips.size(); ++t) {
        ToneTip& tip = data.ToneTips.Tips[t];
        const std::size_t at = kToneTips + kToneTipSize * t;
        for (std::size_t s = 0; s < tip.Steps.size(); ++s) {
            tip.Steps[s].Pitch = getInt(in, at + kToneStepSize * s);
            tip.Steps[s].Duration = getInt(in, at + kToneStepSize * s + 2);
        }
        tip.Count = getInt(in, at + kTipCount);
        tip.Pause = getInt(in, at + kTipPause);
    }
    return data;
}

std::vector<uint8_t> writeFile(const RadioData& data, const ChannelArray& channels) {
    std::vector<uint8_t> bytes(kFileSize, 0);
    writeSettings(data, bytes);
    for (std::size_t i = 0; i < channels.size(); ++i)
        writeChannel(channels[i], Bytes(bytes).subspan(kChannels + kChannelRecordSize * i));
    return bytes;
}

void readFile(ConstBytes in, RadioData& data, ChannelArray& channels) {
    assert(in.size() >= kFileSize);
    data = readSettings(in);
    for (std::size_t i = 0; i < channels.size(); ++i)
        channels[i] = readChannel(in.subspan(kChannels + kChannelRecordSize * i));
}

}  // namespace zq61::dat
