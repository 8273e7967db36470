// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/radio_info.h"

#include <string>

#include "codec/text_helpers.h"

namespace zq61 {

namespace {

// Text fields of the information area (index, size).
constexpr int kBandModeByte = 0;
constexpr int kText8 = 32;
constexpr int kText4 = 40;
constexpr int kShortText = 44;
constexpr int kShortTextSize = 4;
constexpr int kBlock1 = 48;  // three texts of 16
constexpr int kText96 = 96;
constexpr int kBlock2 = 192;  // four texts of 16

// The bytes of a field up to the first 00 or FF, cleaned, with one NUL
// appended as the radio software always stored them.
std::string field(const InfoBytes& image, int index, int size) {
    std::string text;
    for (int i = index; i < index + size; ++i) {
        if (image[i] == 0x00 || image[i] == 0xFF) break;
        text += static_cast<char>(image[i]);
    }
    return cleanString(text) + '\0';
}

}  // namespace

void DecodeInfoImage(const InfoBytes& image, RadioInfo& info) {
    info.BandMode = static_cast<int16_t>(image[kBandModeByte] & 0x0F);
    info.Text8 = field(image, kText8, 8);
    info.Text4 = field(image, kText4, 4);
    info.ShortText = field(image, kShortText, kShortTextSize);
    for (int i = 0; i < 3; ++i)
        info.Block1[i] = field(image, kBlock1 + i * 16, 16);
    info.Text96 = field(image, kText96, 96);
    for (int i = 0; i < 4; ++i)
        info.Block2[i] = field(image, kBlock2 + i * 16, 16);
}

}  // namespace zq61
