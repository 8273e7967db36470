// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's programmable memory (radio addresses 0x0000-0x1CFF) as a byte
// image, and how the working copy of a document is packed into it before a
// write and unpacked from it after a read.
//
//   PackDocument    working copy -> image (cleans frequency texts, sets ChReserved)
//   UnpackDocument  image -> working copy (channel list, settings, model globals)
//   PackChannel / UnpackChannel   one channel record <-> its slot and bitmap bits
//   firstUnpackableChannel        the channel a write must refuse, if any
//
// Every address is a named constant below; the tests pin them with real bytes.

#include <array>
#include <cstdint>
#include <string>

#include "model/radio_data.h"

namespace zq61 {

class Document;

namespace mem {

inline constexpr int kImageSize = 0x1D00;  // 7424 bytes, 0x0000-0x1CFF
inline constexpr int kSlotSize = 16;

// Channel slots and bitmaps.
inline constexpr int kChannelSlots = 0x0000;   // channels 1..400, (n - 1) x 16
inline constexpr int kInUseBitmap = 0x1900;    // channels 1..400, 50 bytes
inline constexpr int kScanBitmap = 0x1940;     // channels 1..400, 50 bytes
inline constexpr int kBitmapAreaEnd = 0x1980;  // 0x1900-0x197F cleared before packing
inline constexpr int kMemorySlots = 0x1980;    // channels 402..409
inline constexpr int kVfoSlot = 0x1A00;        // channel 401
inline constexpr int kMemoryInUse = 0x1A1C;    // bit n - 402
inline constexpr int kMemoryScan = 0x1A1D;     // bit n - 402

// Channel slot bytes.
inline constexpr int kSlotFreqLow = 0;   // frequency digits 6 and 7 (BCD)
inline constexpr int kSlotFreqMid = 1;   // digits 4 and 5
inline constexpr int kSlotFreqHigh = 2;  // digits 2 and 3
inline constexpr int kSlotOffsetLow = 3;
inline constexpr int kSlotOffsetHigh = 4;
inline constexpr int kSlotRxCtcss = 5;
inline constexpr int kSlotRxDcs = 6;
inline constexpr int kSlotTxCtcss = 7;
inline constexpr int kSlotTxDcs = 8;
inline constexpr int kSlotModes = 10;     // DUP bits 0-1, TSQ bit 2, tone kinds bits 4-5 / 6-7
inline constexpr int kSlotSwitches = 11;  // BUSY, HI_CUT, NB, +-5K, AM, power bits 5-6, Public
inline constexpr int kSlotRbTone = 12;
inline constexpr int kSlotDtmfBot = 13;
inline constexpr int kSlotDtmfEot = 14;
inline constexpr int kSlotDtmfCall = 15;

// Settings area.
inline constexpr int kOptItem1 = 0x1A11;
inline constexpr int kOptItem0 = 0x1A12;         // whole value written, bit 0 read back
inline constexpr int kDtmfDefinedBits = 0x1A19;  // 2 bytes, bit k - 1 for code k
inline constexpr int kCurMemCh = 0x1A1B;
inline constexpr int kGroupOnBits = 0x1A1E;    // 2 bytes, bit i for group i
inline constexpr int kGroupCh1 = 0x1A20;       // 10 bytes
inline constexpr int kFeatChannel = 0x1A30;    // slot layout, bytes 3..15 only
inline constexpr int kOptItems2to6 = 0x1A40;   // 5 bytes
inline constexpr int kOptItems7and8 = 0x1A45;  // item 7 bit 7, item 8 bits 0-6
inline constexpr int kOptItem9 = 0x1A46;
inline constexpr int kOptItem10 = 0x1A47;
inline constexpr int kKeyModeSet = 0x1A48;
inline constexpr int kOptItems11to15 = 0x1A49;  // 5 bytes
inline constexpr int kDtmfRate = 0x1A4E;
inline constexpr int kDtmfFirstDigitDelay = 0x1A4F;
inline constexpr int kDtmfFirstDigitTime = 0x1A50;
inline constexpr int kDtmfStarHashTime = 0x1A51;
inline constexpr int kDtmfDKeySetting = 0x1A52;
inline constexpr int kDtmfDisplay = 0x1A53;
inline constexpr int kMaxLimit = 0x1A54;
inline constexpr int kOptItem16AndLimitOn = 0x1A55;  // item 16 bit 0, MaxLimitOn bit 1
inline constexpr int kKeyFunctions = 0x1A80;         // 18 bytes
inline constexpr int kGroupCh2 = 0x1AA0;             // 10 bytes
inline constexpr int kGroupCh3 = 0x1AB0;
inline constexpr int kEmgModulation1 = 0x1AC0;
inline constexpr int kEmgModulation2 = 0x1AD0;

// Tone tips: tip k at 0x1B00 + ((k - 1) / 2) x 64 + ((k - 1) mod 2) x 30.
inline constexpr int kToneTips = 0x1B00;
inline constexpr int kToneTipPairStride = 64;
inline constexpr int kToneTipSize = 30;
inline constexpr int kTipCount = 0;
inline constexpr int kTipPause = 1;
inline constexpr int kTipPitches = 2;     // steps 1..14
inline constexpr int kTipDurations = 16;  // steps 1..14

// DTMF codes: code k at 0x1C00 + (k - 1) x 16, one hexadecimal digit value per byte.
inline constexpr int kDtmfCodes = 0x1C00;
inline constexpr int kDtmfCodeSize = 16;

// Slot address of a channel number, or -1 for a number without a slot.
int slotAddress(int chNo);
int toneTipAddress(int tip);  // tip 1..8

}  // namespace mem

using MemoryBytes = std::array<uint8_t, mem::kImageSize>;

// Packs one record into its slot and bitmap bits. Cleans the record's
// frequency text and sets ChReserved (1 when the frequency is empty).
// Returns false, leaving the frequency bytes untouched, when the frequency
// is neither empty nor made of decimal digits.
bool PackChannel(ChannelRecord& record, MemoryBytes& image);

// Packs the working copy into the image (channels, settings area, tone tips,
// DTMF codes). The VFO slot is always packed: empty (FF FF FF) when the list
// holds no channel 401. Returns 0, or the number of the first channel whose
// frequency could not be packed (see firstUnpackableChannel).
int PackDocument(Document& doc, MemoryBytes& image);

// The number of the first channel of the working list whose frequency is
// neither empty nor decimal digits, or 0. A write refuses such a document
// before anything is sent.
int firstUnpackableChannel(const Document& doc);

// Appends channel chNo to the working list when its slot holds a channel
// (the in-use bit; the VFO slot always does). Returns whether it did.
bool UnpackChannel(Document& doc, const MemoryBytes& image, int chNo);

// Replaces the channel list and the transferred settings of the working copy
// by the image; the header takes the radio's band mode and the model globals
// follow it. A CB radio's channels 361..401 are not taken.
void UnpackDocument(Document& doc, const MemoryBytes& image, int radioBandMode);

}  // namespace zq61
