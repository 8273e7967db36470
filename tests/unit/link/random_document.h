// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random documents for the link tests: every field the radio keeps gets a
// value the radio can hold (frequencies to 100 Hz, bit fields within their
// width, bytes within 0..255).

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "model/document.h"

namespace zq61::test {

inline void fillRandomDocument(Document& doc, std::mt19937& rng) {
    auto any = [&](int lo, int hi) {
        return static_cast<int16_t>(std::uniform_int_distribution<int>(lo, hi)(rng));
    };
    RadioData& d = doc.WorkData;
    d.ChannelCount = 0;
    std::vector<int> numbers(kMaxChannels);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), rng);
    numbers.resize(static_cast<size_t>(any(0, kMaxChannels)));
    for (int n : numbers) {
        ChannelRecord r;
        r.ChNo = static_cast<int16_t>(n);
        std::string f = "0";
        for (int i = 0; i < 6; ++i)
            f += static_cast<char>('0' + any(0, 9));
        r.Frequency = f + "0";
        r.Scan = n == kVfoChannel ? 0 : any(0, 1);
        r.OffSetFre = any(0, 32767);
        r.RDCT = any(0, 142);
        r.TDCT = any(0, 142);
        r.DUP = any(0, 2);
        r.TSQ = any(0, 1);
        r.BUSY = any(0, 1);
        r.HI_CUT = any(0, 1);
        r.NB = any(0, 1);
        r.Add_Sub_5K = any(0, 1);
        r.AM_FM = any(0, 1);
        r.Tx_Power = any(0, 3);
        r.Public = any(0, 1);
        r.RBTone = any(0, 8);
        r.DTMF_BOT = any(0, 16);
        r.DTMF_EOT = any(0, 16);
        r.DTMF_Call = any(0, 16);
        doc.WorkChannels[d.ChannelCount++] = r;
    }
    OptionsRecord& o = d.Options;
    for (auto& item : o.OptItem)
        item = any(0, 255);
    o.OptItem[0] = any(0, 1);
    o.OptItem[7] = any(0, 1);
    o.OptItem[8] = any(0, 127);
    o.OptItem[16] = any(0, 1);
    o.CurMemCh = any(0, 7);
    for (int i = 0; i < 10; ++i) {
        o.GroupOn[i] = any(0, 1);
        o.GroupCh1[i] = any(0, 79);
        o.GroupCh2[i] = any(0, 79);
        o.GroupCh3[i] = any(0, 79);
        o.EmgModulation1[i] = static_cast<uint8_t>(any(0, 1));
        o.EmgModulation2[i] = static_cast<uint8_t>(any(0, 1));
    }
    o.MaxLimitOn = any(0, 1);
    o.MaxLimit = any(0, 255);
    ChannelRecord& feat = d.FeatChannel;
    feat.OffSetFre = any(0, 32767);
    feat.RDCT = any(0, 142);
    feat.TDCT = any(0, 142);
    feat.DUP = any(0, 2);
    feat.NB = any(0, 1);
    feat.Tx_Power = any(0, 3);
    feat.DTMF_Call = any(0, 16);
    d.Keys.KeyModeSet = any(0, 255);
    for (auto& k : d.Keys.KeyFunctions)
        k = any(0, 255);
    d.Dtmf.DtmfRate = any(0, 255);
    d.Dtmf.FirstDigitTime = any(0, 255);
    d.Dtmf.FirstDigitDelay = any(0, 255);
    d.Dtmf.StarHashTime = any(0, 255);
    d.Dtmf.DKeySetting = any(0, 255);
    d.Dtmf.DtmfDisplay = any(0, 1);
    for (auto& code : d.Dtmf.Codes) {
        const int length = any(0, 16);
        std::string text;
        for (int i = 0; i < length; ++i)
            text += "0123456789ABCD#*"[any(0, 15)];
        code.Length = static_cast<int16_t>(length);
        code.Code = text;
    }
    for (auto& tip : d.ToneTips.Tips) {
        tip.Count = any(0, 255);
        tip.Pause = any(0, 255);
        for (auto& s : tip.Steps) {
            s.Pitch = any(0, 255);
            s.Duration = any(0, 255);
        }
    }
}

}  // namespace zq61::test
