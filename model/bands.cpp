// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bands.h"

#include <array>

#include "model/radio_data.h"

namespace zq61 {

namespace {

constexpr int kBankSize = 40;
constexpr int kBankCount = 10;
constexpr int kHfVfoGroup = 10;
constexpr int kHfMemoryGroup = 11;
constexpr int kCbMemoryGroup = 8;
constexpr int kMemoryChannels = 8;

const char* const kCbRangeText = "26.965 - 27.405 MHz";

struct CbGroup {
    const char* name;
    int start;  // first channel number - 1
    int size;
};

// The national channel plans of CB mode, then its memory group.
constexpr std::array<CbGroup, 9> kCbGroups = {{
    {"EU", 0, 40},
    {"CE", 40, 40},
    {"U", 80, 40},
    {"UK", 120, 40},
    {"PL", 160, 40},
    {"I2", 200, 40},
    {"DE", 240, 80},
    {"IN", 320, 40},
    {"MEM", kFirstMemoryChannel - 1, kMemoryChannels},
}};

bool isBankMode(int bandMode) {
    return bandMode == kBandHF || bandMode == kBandHAM;
}

bool isCbGroup(int group) {
    return group >= 0 && group < static_cast<int>(kCbGroups.size());
}

}  // namespace

bool isKnownBandMode(int bandMode) {
    return bandMode == kBandCB || isBankMode(bandMode);
}

std::string bandModeName(int bandMode) {
    switch (bandMode) {
        case kBandCB:
            return "CB";
        case kBandHF:
            return "HF";
        case kBandHAM:
            return "HAM";
        default:
            return "Unknown";
    }
}

std::string bandRangeText(int bandMode) {
    switch (bandMode) {
        case kBandCB:
            return kCbRangeText;
        case kBandHF:
            return "25.615 - 30.105 MHz";
        case kBandHAM:
            return "28.000 - 29.700 MHz";
        default:
            return "";
    }
}

std::string bandLabel(const std::string& rangeText) {
    return rangeText == kCbRangeText ? "Frequency" : rangeText;
}

std::string groupName(int group, int bandMode) {
    if (bandMode == kBandCB) return isCbGroup(group) ? kCbGroups[group].name : "";
    if (!isBankMode(bandMode)) return "";
    if (group >= 0 && group < kBankCount) return std::string(1, static_cast<char>('A' + group));
    if (group == kHfVfoGroup) return "VFO";
    if (group == kHfMemoryGroup) return "MEM";
    return "";
}

int GroupStart(int group, int bandMode) {
    if (bandMode == kBandCB) return isCbGroup(group) ? kCbGroups[group].start : 0;
    if (!isBankMode(bandMode)) return 0;
    if (group >= 0 && group <= kHfVfoGroup) return kBankSize * group;
    if (group == kHfMemoryGroup) return kFirstMemoryChannel - 1;
    return 0;
}

int GroupSize(int group, int bandMode) {
    if (bandMode == kBandCB) return isCbGroup(group) ? kCbGroups[group].size : 0;
    if (!isBankMode(bandMode)) return 0;
    if (group >= 0 && group < kBankCount) return kBankSize;
    if (group == kHfVfoGroup) return 1;
    if (group == kHfMemoryGroup) return kMemoryChannels;
    return 0;
}

int GroupOfChannel(int chNo, int bandMode) {
    if (bandMode == kBandCB) {
        for (int g = 0; g < kCbMemoryGroup; ++g)
            if (chNo <= kCbGroups[g].start + kCbGroups[g].size) return g;
        return kCbMemoryGroup;
    }
    if (isBankMode(bandMode)) return (chNo - 1) / kBankSize;
    return -1;
}

int memoryGroup(int bandMode) {
    if (bandMode == kBandCB) return kCbMemoryGroup;
    if (isBankMode(bandMode)) return kHfMemoryGroup;
    return -1;
}

int displayGroup(int chNo, int bandMode) {
    if (chNo >= kFirstMemoryChannel) return memoryGroup(bandMode);
    if (chNo == kVfoChannel) return bandMode == kBandCB ? -1 : 10;
    return GroupOfChannel(chNo, bandMode);
}

bool isMemoryGroup(int group, int bandMode) {
    return isKnownBandMode(bandMode) && group == memoryGroup(bandMode);
}

int groupCount(int bandMode) {
    if (bandMode == kBandCB) return static_cast<int>(kCbGroups.size());
    if (isBankMode(bandMode)) return kHfMemoryGroup + 1;
    return 0;
}

std::optional<GroupSlot> groupSlotOfChannel(int chNo, int bandMode) {
    for (int g = 0; g < groupCount(bandMode); ++g) {
        const int q = chNo - GroupStart(g, bandMode);
        if (q >= 1 && q <= GroupSize(g, bandMode)) return GroupSlot{g, q};
    }
    return std::nullopt;
}

bool isFixedFm(int channelInGroup, int group, int bandMode) {
    if (bandMode != kBandCB) return false;
    return group == 1 || group == 3 || (group == 6 && channelInGroup >= 41);
}

}  // namespace zq61
