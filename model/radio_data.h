// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The records of one radio document. Field names and order follow the
// radio's programming data; every number is a 16-bit signed integer unless
// noted, and every text is a fixed-length blank-padded field.

#include <array>
#include <cstdint>

#include "model/fixed_string.h"

namespace zq61 {

// Channels 1..400 are ordinary channels, 401 the VFO slot, 402..409 the eight
// memory channels.
inline constexpr int kMaxChannels = 409;
inline constexpr int kVfoChannel = 401;
inline constexpr int kFirstMemoryChannel = 402;

// The data layout version this program writes and the model it serves.
inline constexpr const char* kDataVersion = "V100";
inline constexpr const char* kModelName = "ZQ-61";

// Column codes: which channel field a grid column or an edit window
// selector changes.
enum ColumnCode : int {
    kColFrequency = 1,
    kColPublic = 2,
    kColDup = 3,
    kColOffset = 4,
    kColTsq = 5,
    kColScan = 6,
    kColHiCut = 7,
    kColBusy = 8,
    kColNb = 9,
    kColAddSub5K = 10,
    kColAmFm = 11,
    kColTxPower = 12,
    kColRbTone = 13,
    kColDtmfBot = 14,
    kColDtmfEot = 15,
    kColDtmfCall = 16,
    kColRdct = 17,
    kColTdct = 18,
};

struct ChannelRecord {
    int16_t ChNo = 0;
    int16_t ChReserved = 0;  // 1 on a record packed with an empty frequency
    int16_t Scan = 0;        // 0 "Del", 1 "Add"
    FixedString<8> Frequency;  // 8 digits in units of 10 Hz, or "FFFFFFFF"
    int16_t OffSetFre = 0;
    int16_t RDCT = 0;  // receive tone index 0..142
    int16_t TDCT = 0;  // transmit tone index 0..142
    int16_t DUP = 0;   // 0 "Off", 1 "+", 2 "-"
    int16_t HI_CUT = 0;
    int16_t BUSY = 0;
    int16_t NB = 0;
    int16_t Add_Sub_5K = 0;
    int16_t AM_FM = 0;     // 0 FM, 1 AM
    int16_t Tx_Power = 0;  // 0..3, at most 1 on AM
    int16_t Public = 0;
    int16_t RBTone = 0;  // tone tip 0..8
    int16_t DTMF_BOT = 0;
    int16_t DTMF_EOT = 0;
    int16_t DTMF_Call = 0;
    int16_t TSQ = 0;
    std::array<int16_t, 7> ChSpare{};

    bool operator==(const ChannelRecord&) const = default;
};

struct FileHeader {
    FixedString<7> Model;
    int16_t HeaderBandMode = 0;  // 0 CB, 1 HF, 2 HAM
    FixedString<4> Version;

    bool operator==(const FileHeader&) const = default;
};

struct OptionsRecord {
    int16_t CurGroup = 0;
    // OptItem[0..16]: the seventeen optional feature items. In the file
    // items 0 and 1 come before CurMemCh and items 2..16 after the group
    // arrays; the in-memory order here is only by item number.
    std::array<int16_t, 17> OptItem{};
    int16_t CurMemCh = 0;
    std::array<int16_t, 10> GroupOn{};
    std::array<int16_t, 10> GroupCh1{};
    std::array<int16_t, 10> GroupCh2{};
    std::array<int16_t, 10> GroupCh3{};
    int16_t MaxLimitOn = 0;
    int16_t MaxLimit = 0;
    std::array<uint8_t, 10> EmgModulation1{};
    std::array<uint8_t, 10> EmgModulation2{};
    std::array<uint8_t, 16> Trailing{};  // never interpreted

    bool operator==(const OptionsRecord&) const = default;
};

struct KeySettings {
    int16_t KeyModeSet = 0;
    std::array<int16_t, 18> KeyFunctions{};

    bool operator==(const KeySettings&) const = default;
};

struct DtmfCode {
    int16_t Length = 0;  // characters used; 0 = code not defined
    FixedString<16> Code;

    bool operator==(const DtmfCode&) const = default;
};

struct DtmfSettings {
    int16_t DtmfRate = 0;
    int16_t FirstDigitTime = 0;
    int16_t FirstDigitDelay = 0;
    int16_t StarHashTime = 0;
    int16_t DKeySetting = 0;
    int16_t DtmfDisplay = 0;
    std::array<DtmfCode, 16> Codes{};  // DTMF codes 1..16 at index 0..15
    std::array<int16_t, 10> Trailing{};

    bool operator==(const DtmfSettings&) const = default;
};

struct ToneStep {
    int16_t Pitch = 0;     // units of 10 Hz, 0 = silence
    int16_t Duration = 0;  // units of 10 ms, 0 = step not used

    bool operator==(const ToneStep&) const = default;
};

struct ToneTip {
    std::array<ToneStep, 14> Steps{};
    int16_t Count = 0;  // repetitions
    int16_t Pause = 0;  // units of 10 ms

    bool operator==(const ToneTip&) const = default;
};

struct ToneTipTable {
    std::array<ToneTip, 8> Tips{};  // tone tips 1..8 at index 0..7

    bool operator==(const ToneTipTable&) const = default;
};

struct RadioData {
    FileHeader Header;
    int16_t ChannelCount = 0;
    OptionsRecord Options;
    ChannelRecord FeatChannel;
    KeySettings Keys;
    DtmfSettings Dtmf;
    ToneTipTable ToneTips;

    bool operator==(const RadioData&) const = default;
};

using ChannelArray = std::array<ChannelRecord, kMaxChannels>;

// The radio's service record (its information area: manufacture, sale and
// repair data), shown by the radio information window; not part of the .dat
// file. The comments give the information-area bytes each field is decoded
// from and the text box of the information window that shows it.
struct RadioInfo {
    int16_t BandMode = 0;  // byte 0, low 4 bits
    // First block of fixed texts.
    std::array<FixedString<16>, 4> Block1{};  // bytes 48, 64, 80 -> boxes 1, 2, 3; [3] not read
    FixedString<96> Text96;                   // bytes 96-191 -> box 4
    // Three plain texts.
    std::string FirmwareVersion = "V1.00";  // box 5; never read from the radio
    std::string ModelText;                  // model list of the window
    std::string ShortText;                  // bytes 44-47 -> box 0
    // Second block of fixed texts.
    FixedString<8> Text8;                     // bytes 32-39 -> box 6
    FixedString<4> Text4;                     // bytes 40-43 -> box 7
    std::array<FixedString<16>, 4> Block2{};  // bytes 192, 208, 224, 240 -> boxes 8..11

    bool operator==(const RadioInfo&) const = default;
};

}  // namespace zq61
