// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The byte layout of a .dat document file: the settings part (1071 bytes)
// followed by all 409 channel records of 60 bytes, 25611 bytes in all, with
// no signature, length or checksum. Integers are 16-bit little-endian, texts
// are their raw bytes. Every field is written and read at its named offset.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/radio_data.h"

namespace zq61::dat {

// File offsets of the settings part.
inline constexpr std::size_t kModel = 0;           // 7 bytes
inline constexpr std::size_t kHeaderBandMode = 7;  // Integer
inline constexpr std::size_t kVersion = 9;         // 4 bytes
inline constexpr std::size_t kHeaderSize = 13;
inline constexpr std::size_t kChannelCount = 13;
inline constexpr std::size_t kCurGroup = 15;
inline constexpr std::size_t kOptItem0 = 17;  // items 0 and 1
inline constexpr std::size_t kCurMemCh = 21;
inline constexpr std::size_t kGroupOn = 23;  // 10 Integers each
inline constexpr std::size_t kGroupCh1 = 43;
inline constexpr std::size_t kGroupCh2 = 63;
inline constexpr std::size_t kGroupCh3 = 83;
inline constexpr std::size_t kOptItem2 = 103;  // items 2..16
inline constexpr std::size_t kMaxLimitOn = 133;
inline constexpr std::size_t kMaxLimit = 135;
inline constexpr std::size_t kEmgModulation1 = 137;  // 10 bytes each
inline constexpr std::size_t kEmgModulation2 = 147;
inline constexpr std::size_t kOptionsTrailing = 157;  // 16 bytes
inline constexpr std::size_t kFeatChannel = 173;      // a channel record
inline constexpr std::size_t kKeyModeSet = 233;
inline constexpr std::size_t kKeyFunctions = 235;  // 18 Integers
inline constexpr std::size_t kDtmfRate = 271;      // six Integers from here
inline constexpr std::size_t kDtmfCodes = 283;     // 16 codes of 18 bytes
inline constexpr std::size_t kDtmfCodeSize = 18;   // Length, then 16 code bytes
inline constexpr std::size_t kDtmfCodeText = 2;    // inside a code entry
inline constexpr std::size_t kDtmfTrailing = 571;  // 10 Integers
inline constexpr std::size_t kToneTips = 591;      // 8 tips of 60 bytes
inline constexpr std::size_t kToneTipSize = 60;    // 14 steps, Count, Pause
inline constexpr std::size_t kToneStepSize = 4;    // Pitch, Duration
inline constexpr std::size_t kTipCount = 56;       // inside a tone tip
inline constexpr std::size_t kTipPause = 58;
inline constexpr std::size_t kSettingsSize = 1071;
inline constexpr std::size_t kChannelRecordSize = 60;
inline constexpr std::size_t kChannels = kSettingsSize;  // channel record i at kChannels + 60 i
inline constexpr std::size_t kFileSize = kSettingsSize + kMaxChannels * kChannelRecordSize;

// Offsets inside a channel record (also the feature channel).
inline constexpr std::size_t kChNo = 0;
inline constexpr std::size_t kChReserved = 2;
inline constexpr std::size_t kScan = 4;
inline constexpr std::size_t kFrequency = 6;  // 8 bytes
inline constexpr std::size_t kOffSetFre = 14;
inline constexpr std::size_t kRDCT = 16;
inline constexpr std::size_t kTDCT = 18;
inline constexpr std::size_t kDUP = 20;
inline constexpr std::size_t kHI_CUT = 22;
inline constexpr std::size_t kBUSY = 24;
inline constexpr std::size_t kNB = 26;
inline constexpr std::size_t kAdd_Sub_5K = 28;
inline constexpr std::size_t kAM_FM = 30;
inline constexpr std::size_t kTx_Power = 32;
inline constexpr std::size_t kPublic = 34;
inline constexpr std::size_t kRBTone = 36;
inline constexpr std::size_t kDTMF_BOT = 38;
inline constexpr std::size_t kDTMF_EOT = 40;
inline constexpr std::size_t kDTMF_Call = 42;
inline constexpr std::size_t kTSQ = 44;
inline constexpr std::size_t kChSpare = 46;  // 7 Integers

static_assert(kFileSize == 25611);

using Bytes = std::span<uint8_t>;
using ConstBytes = std::span<const uint8_t>;

// Each writes or reads the record at the start of the span, which must hold
// at least the record's size.
void writeChannel(const ChannelRecord& record, Bytes out);
ChannelRecord readChannel(ConstBytes in);
FileHeader readHeader(ConstBytes in);  // 13 bytes
void writeSettings(const RadioData& data, Bytes out);
RadioData readSettings(ConstBytes in);

// The whole file: the settings, then all 409 channel records.
std::vector<uint8_t> writeFile(const RadioData& data, const ChannelArray& channels);
void readFile(ConstBytes in, RadioData& data, ChannelArray& channels);

}  // namespace zq61::dat
