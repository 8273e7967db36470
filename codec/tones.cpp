// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/tones.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace zq61 {

namespace {

constexpr int kCtcssCount = 38;
constexpr int kFirstDcsIndex = kCtcssCount + 1;  // 39

// CTCSS tones in tenths of Hz, in list order.
constexpr std::array<int, kCtcssCount> kCtcssTenths = {
    670,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035,
    1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1622,
    1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503};

// DCS codes as their three octal digits, in list order.
constexpr std::array<const char*, 104> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
    "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
    "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
    "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
    "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

static_assert(1 + kCtcssCount + kDcsCodes.size() == kToneCount);

std::vector<std::string> buildToneList() {
    std::vector<std::string> list;
    list.reserve(kToneCount);
    list.emplace_back("Off");
    char buf[32];
    for (int k = 1; k <= kCtcssCount; ++k) {
        const int tenths = kCtcssTenths[static_cast<std::size_t>(k - 1)];
        std::snprintf(buf, sizeof buf, "C_%03d(%d.%dHz)", k, tenths / 10, tenths % 10);
        list.emplace_back(buf);
    }
    for (std::size_t k = 1; k <= kDcsCodes.size(); ++k) {
        std::snprintf(buf, sizeof buf, "D_%03zu(%sN)", k, kDcsCodes[k - 1]);
        list.emplace_back(buf);
    }
    return list;
}

}  // namespace

const std::vector<std::string>& toneList() {
    static const std::vector<std::string> list = buildToneList();
    return list;
}

std::string toneText(int toneIndex) {
    const auto& list = toneList();
    if (toneIndex < 0 || toneIndex >= kToneCount) return list.front();
    return list[static_cast<std::size_t>(toneIndex)];
}

int toneFromRadio(uint8_t kind, uint8_t ctcss, uint8_t dcs) {
    // The code bytes are taken as they are; an index beyond the list shows "Off".
    switch (kind) {
        case 1:
            return ctcss + 1;
        case 2:
            return dcs + kFirstDcsIndex;
        default:
            return 0;
    }
}

RadioTone toneToRadio(int toneIndex) {
    RadioTone tone;
    if (toneIndex >= 1 && toneIndex <= kCtcssCount) {
        tone.kind = 1;
        tone.ctcss = static_cast<uint8_t>(toneIndex - 1);
    } else if (toneIndex >= kFirstDcsIndex && toneIndex < kToneCount) {
        tone.kind = 2;
        tone.dcs = static_cast<uint8_t>(toneIndex - kFirstDcsIndex);
    }
    return tone;
}

bool isCtcssTone(int toneIndex) {
    return toneIndex >= 1 && toneIndex <= kCtcssCount;
}

bool isDcsTone(int toneIndex) {
    return toneIndex >= kFirstDcsIndex && toneIndex < kToneCount;
}

int ctcssTenthsOfHz(int toneIndex) {
    return isCtcssTone(toneIndex) ? kCtcssTenths[static_cast<std::size_t>(toneIndex - 1)] : 0;
}

std::string dcsCodeText(int toneIndex) {
    return isDcsTone(toneIndex) ? kDcsCodes[static_cast<std::size_t>(toneIndex - kFirstDcsIndex)]
                                : "";
}

int toneIndexOfCtcss(int tenthsOfHz) {
    for (int k = 1; k <= kCtcssCount; ++k)
        if (kCtcssTenths[static_cast<std::size_t>(k - 1)] == tenthsOfHz) return k;
    return 0;
}

int toneIndexOfDcs(int octalCode) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", octalCode);
    for (std::size_t k = 0; k < kDcsCodes.size(); ++k)
        if (std::string_view(kDcsCodes[k]) == digits) return kFirstDcsIndex + static_cast<int>(k);
    return 0;
}

}  // namespace zq61
