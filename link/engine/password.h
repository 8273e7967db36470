#pragma once

// The radio's programming password: up to four characters kept in data
// bytes 12..15 of its protection block (radio addresses 0x3E1C-0x3E1F),
// ending at the first byte that is 00 or FF. The program only reads it and
// compares it with the password the user entered; it never writes it.

#include <cstdint>
#include <span>
#include <string>

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

}  // namespace zq61
