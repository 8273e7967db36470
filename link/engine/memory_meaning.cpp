#include "link/engine/memory_meaning.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "link/engine/transfer_phases.h"

namespace zq61 {
namespace {

using namespace mem;

std::string slotField(int offset) {
    switch (offset) {
        case kSlotFreqLow:
        case kSlotFreqMid:
        case kSlotFreqHigh:
            return "frequency";
        case kSlotOffsetLow:
        case kSlotOffsetHigh:
            return "offset";
        case kSlotRxCtcss:
        case kSlotRxDcs:
            return "receive tone";
        case kSlotTxCtcss:
        case kSlotTxDcs:
            return "transmit tone";
        case kSlotModes:
            return "duplex, tone squelch and tone kinds";
        case kSlotSwitches:
            return "busy lock, high cut, noise blanker, +/-5 kHz, modulation, power and public";
        case kSlotRbTone:
            return "tone tip";
        case kSlotDtmfBot:
            return "DTMF BOT";
        case kSlotDtmfEot:
            return "DTMF EOT";
        case kSlotDtmfCall:
            return "DTMF call";
        default:
            return "unused byte " + std::to_string(offset);
    }
}

// The 8 channels whose bits a bitmap byte holds.
std::string bitmapByte(std::string_view what, int index) {
    const int first = index * 8 + 1;
    if (first > 400) return std::string(what) + " area, unused byte";
    return std::string(what) + " of channels " + std::to_string(first) + "-" +
           std::to_string(first + 7);
}

// A byte of one of the 10-byte per-group arrays: "<what> of group n" (1..10).
struct GroupArray {
    int address;
    const char* what;
};
constexpr GroupArray kGroupArrays[] = {
    {kGroupCh1, "remembered channel 1"},         {kGroupCh2, "remembered channel 2"},
    {kGroupCh3, "remembered channel 3"},         {kEmgModulation1, "emergency modulation 1"},
    {kEmgModulation2, "emergency modulation 2"},
};

std::string optionItems(int first, int index) {
    return "option item " + std::to_string(first + index);
}

std::string settingsItem(int address) {
    if (address >= kFeatChannel && address < kFeatChannel + kSlotSize)
        return "feature channel, " + slotField(address - kFeatChannel);
    for (const GroupArray& a : kGroupArrays)
        if (address >= a.address && address < a.address + 10)
            return std::string(a.what) + " of group " + std::to_string(address - a.address + 1);
    if (address >= kOptItems2to6 && address < kOptItems2to6 + 5)
        return optionItems(2, address - kOptItems2to6);
    if (address >= kOptItems11to15 && address < kOptItems11to15 + 5)
        return optionItems(11, address - kOptItems11to15);
    if (address >= kKeyFunctions && address < kKeyFunctions + 18)
        return "key " + std::to_string(address - kKeyFunctions + 1) + " function";
    if (address == kDtmfDefinedBits || address == kDtmfDefinedBits + 1)
        return "which DTMF codes are defined";
    if (address == kGroupOnBits || address == kGroupOnBits + 1) return "group switches";
    switch (address) {
        case kOptItem1:
            return "option item 1";
        case kOptItem0:
            return "option item 0";
        case kCurMemCh:
            return "current memory channel";
        case kMemoryInUse:
            return "in-use bits of channels 402-409";
        case kMemoryScan:
            return "scan bits of channels 402-409";
        case kOptItems7and8:
            return "option items 7 and 8";
        case kOptItem9:
            return "option item 9";
        case kOptItem10:
            return "option item 10";
        case kKeyModeSet:
            return "key mode";
        case kDtmfRate:
            return "DTMF rate";
        case kDtmfFirstDigitDelay:
            return "DTMF first digit delay";
        case kDtmfFirstDigitTime:
            return "DTMF first digit time";
        case kDtmfStarHashTime:
            return "DTMF * and # time";
        case kDtmfDKeySetting:
            return "DTMF D key";
        case kDtmfDisplay:
            return "DTMF display";
        case kMaxLimit:
            return "frequency limit";
        case kOptItem16AndLimitOn:
            return "option item 16 and frequency limit switch";
        default:
            return "byte not used by the program";
    }
}

std::string toneTipByte(int address) {
    const int offset = address - kToneTips;
    const int pair = offset / kToneTipPairStride;
    const int inPair = offset % kToneTipPairStride;
    if (inPair >= 2 * kToneTipSize) return "tone tip area, unused byte";
    const int tip = pair * 2 + inPair / kToneTipSize + 1;
    const int byte = inPair % kToneTipSize;
    const std::string name = "tone tip " + std::to_string(tip) + ", ";
    if (byte == kTipCount) return name + "count";
    if (byte == kTipPause) return name + "pause";
    if (byte < kTipDurations)
        return name + "step " + std::to_string(byte - kTipPitches + 1) + " pitch";
    return name + "step " + std::to_string(byte - kTipDurations + 1) + " duration";
}

}  // namespace

std::string describeMemoryAddress(int address) {
    if (address < 0 || address >= kImageSize) return "outside the memory image";
    for (int chNo = 1; chNo <= kMaxChannels; ++chNo) {
        const int slot = slotAddress(chNo);
        if (address >= slot && address < slot + kSlotSize)
            return "channel " + std::to_string(chNo) + ", " + slotField(address - slot);
    }
    if (address >= kInUseBitmap && address < kScanBitmap)
        return bitmapByte("in-use bits", address - kInUseBitmap);
    if (address >= kScanBitmap && address < kBitmapAreaEnd)
        return bitmapByte("scan bits", address - kScanBitmap);
    if (address >= kDtmfCodes)
        return "DTMF code " + std::to_string((address - kDtmfCodes) / kDtmfCodeSize + 1) +
               ", character " + std::to_string((address - kDtmfCodes) % kDtmfCodeSize + 1);
    if (address >= kToneTips) return toneTipByte(address);
    return "settings area, " + settingsItem(address);
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
                                   const MemoryBytes& readBack) {
    if (address < 0 || address >= kImageSize) return describeMemoryAddress(address);
    const auto at = static_cast<std::size_t>(address);
    char line[64];
    std::snprintf(line, sizeof line, "0x%04X: written %02X, read back %02X", address, written[at],
                  readBack[at]);
    return std::string(line) + " (" + describeMemoryAddress(address) + ")";
}

}  // namespace zq61
