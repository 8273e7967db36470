// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's programming password: up to four characters kept in data
// bytes 12..15 of its protection block (radio addresses 0x3E1C-0x3E1F),
// ending at the first byte that is 00 or FF. The program only reads it and
// compares it with the password the user entered; it never writes it.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zq61 {

inline constexpr int kProtectionBlockAddress = 0x3E10;
inline constexpr int kPasswordOffset = 12;  // within the block's 16 data bytes
inline constexpr int kPasswordLength = 4;

// The radio's password from the 16 data bytes of the protection block,
// right-trimmed; "" when the radio has none.
std::string radioPassword(std::span<const uint8_t> blockData);

// True when the radio has no password or it equals `entered` exactly
// (letter case counts).
bool PasswordAccepted(std::span<const uint8_t> blockData, const std::string& entered);

// Finds the password bytes and the sum of protection block answers (57 3E 10
// ...) in a stream of bytes that arrives in deliveries of any size, so that
// a trace can hide them even when an answer is split over several.
class PasswordMask {
  public:
    // For each of `bytes`, the next bytes of the stream: whether to hide it.
    std::vector<bool> next(std::span<const uint8_t> bytes);

  private:
    std::array<uint8_t, 3> last_{};  // the last three bytes of the stream
    int seen_ = 0;                   // bytes of the stream so far, up to 3
    std::vector<int> open_;          // per answer begun: bytes since its address
};

}  // namespace zq61
