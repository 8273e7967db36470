// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/memory_meaning.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "link/engine/transfer_phases.h"

namespace zq61 {
namespace {

using namespace mem;

// Composes the descriptions from the words of one language.
class Describer {
  public:
    explicit Describer(const Terms& words) : w_(words) {}

    std::string address(int address) const {
        if (address < 0 || address >= kImageSize) return w_(Term::OutsideImage);
        for (int chNo = 1; chNo <= kMaxChannels; ++chNo) {
            const int slot = slotAddress(chNo);
            if (address >= slot && address < slot + kSlotSize)
                return numbered(Term::Channel, chNo) + ", " + slotField(address - slot);
        }
        if (address >= kInUseBitmap && address < kScanBitmap)
            return bitmapByte(Term::InUseBits, address - kInUseBitmap);
        if (address >= kScanBitmap && address < kBitmapAreaEnd)
            return bitmapByte(Term::ScanBits, address - kScanBitmap);
        if (address >= kDtmfCodes)
            return numbered(Term::DtmfCode, (address - kDtmfCodes) / kDtmfCodeSize + 1) + ", " +
                   numbered(Term::Character, (address - kDtmfCodes) % kDtmfCodeSize + 1);
        if (address >= kToneTips) return toneTipByte(address);
        return w_(Term::SettingsArea) + ", " + settingsItem(address);
    }

  private:
    const Terms& w_;

    std::string numbered(Term word, int n) const { return w_(word) + " " + std::to_string(n); }
    std::string unusedIn(Term area) const {
        return w_.format(Term::Area, w_(area)) + ", " + w_(Term::UnusedByte);
    }

    std::string slotField(int offset) const {
        switch (offset) {
            case kSlotFreqLow:
            case kSlotFreqMid:
            case kSlotFreqHigh:
                return w_(Term::Frequency);
            case kSlotOffsetLow:
            case kSlotOffsetHigh:
                return w_(Term::Offset);
            case kSlotRxCtcss:
            case kSlotRxDcs:
                return w_(Term::ReceiveTone);
            case kSlotTxCtcss:
            case kSlotTxDcs:
                return w_(Term::TransmitTone);
            case kSlotModes:
                return w_(Term::DuplexAndToneKinds);
            case kSlotSwitches:
                return w_(Term::ChannelSwitches);
            case kSlotRbTone:
                return w_(Term::ToneTip);
            case kSlotDtmfBot:
                return w_(Term::DtmfBot);
            case kSlotDtmfEot:
                return w_(Term::DtmfEot);
            case kSlotDtmfCall:
                return w_(Term::DtmfCall);
            default:
                return numbered(Term::UnusedByte, offset);
        }
    }

    // The 8 channels whose bits a bitmap byte holds.
    std::string bitmapByte(Term bits, int index) const {
        const int first = index * 8 + 1;
        if (first > 400) return unusedIn(bits);
        return w_.format(Term::OfChannels, w_(bits),
                         std::to_string(first) + "-" + std::to_string(first + 7));
    }

    std::string optionItems(int first, int index) const {
        return numbered(Term::OptionItem, first + index);
    }

    std::string settingsItem(int address) const {
        if (address >= kFeatChannel && address < kFeatChannel + kSlotSize)
            return w_(Term::FeatureChannel) + ", " + slotField(address - kFeatChannel);
        // A byte of one of the 10-byte per-group arrays: "<what> of group n" (1..10).
        const struct {
            int address;
            Term what;
            int number;
        } groupArrays[] = {
            {kGroupCh1, Term::RememberedChannel, 1},
            {kGroupCh2, Term::RememberedChannel, 2},
            {kGroupCh3, Term::RememberedChannel, 3},
            {kEmgModulation1, Term::EmergencyModulation, 1},
            {kEmgModulation2, Term::EmergencyModulation, 2},
        };
        for (const auto& a : groupArrays)
            if (address >= a.address && address < a.address + 10)
                return w_.format(Term::OfGroup, numbered(a.what, a.number),
                                 std::to_string(address - a.address + 1));
        if (address >= kOptItems2to6 && address < kOptItems2to6 + 5)
            return optionItems(2, address - kOptItems2to6);
        if (address >= kOptItems11to15 && address < kOptItems11to15 + 5)
            return optionItems(11, address - kOptItems11to15);
        if (address >= kKeyFunctions && address < kKeyFunctions + 18)
            return numbered(Term::Key, address - kKeyFunctions + 1) + " " + w_(Term::Function);
        if (address == kDtmfDefinedBits || address == kDtmfDefinedBits + 1)
            return w_(Term::DefinedDtmfCodes);
        if (address == kGroupOnBits || address == kGroupOnBits + 1) return w_(Term::GroupSwitches);
        switch (address) {
            case kOptItem1:
                return optionItems(1, 0);
            case kOptItem0:
                return optionItems(0, 0);
            case kCurMemCh:
                return w_(Term::CurrentMemoryChannel);
            case kMemoryInUse:
                return w_.format(Term::OfChannels, w_(Term::InUseBits), "402-409");
            case kMemoryScan:
                return w_.format(Term::OfChannels, w_(Term::ScanBits), "402-409");
            case kOptItems7and8:
                return w_(Term::OptionItems) + " 7 " + w_(Term::And) + " 8";
            case kOptItem9:
                return optionItems(9, 0);
            case kOptItem10:
                return optionItems(10, 0);
            case kKeyModeSet:
                return w_(Term::KeyMode);
            case kDtmfRate:
                return w_(Term::DtmfRate);
            case kDtmfFirstDigitDelay:
                return w_(Term::DtmfFirstDigitDelay);
            case kDtmfFirstDigitTime:
                return w_(Term::DtmfFirstDigitTime);
            case kDtmfStarHashTime:
                return w_(Term::DtmfStarHashTime);
            case kDtmfDKeySetting:
                return w_(Term::DtmfDKey);
            case kDtmfDisplay:
                return w_(Term::DtmfDisplay);
            case kMaxLimit:
                return w_(Term::FrequencyLimit);
            case kOptItem16AndLimitOn:
                return optionItems(16, 0) + " " + w_(Term::And) + " " + w_(Term::FrequencyLimit) +
                       " " + w_(Term::Switch);
            default:
                return w_(Term::NotUsedByProgram);
        }
    }

    std::string toneTipByte(int address) const {
        const int offset = address - kToneTips;
        const int pair = offset / kToneTipPairStride;
        const int inPair = offset % kToneTipPairStride;
        if (inPair >= 2 * kToneTipSize) return unusedIn(Term::ToneTip);
        const int tip = pair * 2 + inPair / kToneTipSize + 1;
        const int byte = inPair % kToneTipSize;
        const std::string name = numbered(Term::ToneTip, tip) + ", ";
        if (byte == kTipCount) return name + w_(Term::Count);
        if (byte == kTipPause) return name + w_(Term::Pause);
        if (byte < kTipDurations)
            return name + numbered(Term::Step, byte - kTipPitches + 1) + " " + w_(Term::Pitch);
        return name + numbered(Term::Step, byte - kTipDurations + 1) + " " + w_(Term::Duration);
    }
};

}  // namespace

std::string describeMemoryAddress(int address, const Terms& words) {
    return Describer(words).address(address);
}

std::vector<int> differingAddresses(const MemoryBytes& written, const MemoryBytes& readBack,
                                    int first, int end) {
    std::vector<int> out;
    for (int a = std::max(first, 0); a < std::min(end, kImageSize); ++a)
        if (written[static_cast<std::size_t>(a)] != readBack[static_cast<std::size_t>(a)])
            out.push_back(a);
    return out;
}

std::vector<int> unwrittenAddresses(const MemoryBytes& written, const MemoryBytes& readBack) {
    const int first = firstBlockAddress(TransferOperation::Write);
    const int end = first + blockCount(TransferOperation::Write) * kBlockSize;
    return differingAddresses(written, readBack, first, end);
}

std::string describeByteDifference(int address, const MemoryBytes& written,
                                   const MemoryBytes& readBack, const Terms& words) {
    if (address < 0 || address >= kImageSize) return describeMemoryAddress(address, words);
    const auto at = static_cast<std::size_t>(address);
    char hex[8];
    const auto byte = [&hex](uint8_t value) {
        std::snprintf(hex, sizeof hex, "%02X", value);
        return std::string(hex);
    };
    std::snprintf(hex, sizeof hex, "0x%04X", address);
    const std::string place(hex);
    return place + ": " + words(Term::Written) + " " + byte(written[at]) + ", " +
           words(Term::ReadBack) + " " + byte(readBack[at]) + " (" +
           describeMemoryAddress(address, words) + ")";
}

}  // namespace zq61
