// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/password.h"

#include <algorithm>

#include "codec/text_helpers.h"

namespace zq61 {

std::string radioPassword(std::span<const uint8_t> blockData) {
    std::string text;
    for (int i = kPasswordOffset; i < kPasswordOffset + kPasswordLength; ++i) {
        const uint8_t b = blockData[i];
        if (b == 0x00 || b == 0xFF) break;
        text += static_cast<char>(b);
    }
    return cleanString(text);
}

bool PasswordAccepted(std::span<const uint8_t> blockData, const std::string& entered) {
    const std::string password = radioPassword(blockData);
    return password.empty() || password == entered;
}

std::vector<bool> PasswordMask::next(std::span<const uint8_t> bytes) {
    // After the address (57 3E 10) come the length, the 16 data bytes and the
    // sum: data bytes 12..15 and the sum are 14..18 bytes after it.
    constexpr int kFirstHidden = 2 + kPasswordOffset;
    constexpr int kLastHidden = kFirstHidden + kPasswordLength;
    constexpr std::array<uint8_t, 3> kHead = {0x57, kProtectionBlockAddress >> 8,
                                              kProtectionBlockAddress & 0xFF};
    std::vector<bool> hidden(bytes.size(), false);
    for (size_t i = 0; i < bytes.size(); ++i) {
        for (int& since : open_)
            hidden[i] = hidden[i] || (++since >= kFirstHidden && since <= kLastHidden);
        std::erase_if(open_, [](int since) { return since >= kLastHidden; });
        last_ = {last_[1], last_[2], bytes[i]};
        seen_ = std::min(seen_ + 1, 3);
        if (seen_ == 3 && last_ == kHead) open_.push_back(0);
    }
    return hidden;
}

}  // namespace zq61
