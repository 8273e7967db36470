// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's serial programming protocol, frame by frame. Addresses are 16
// bits, high byte first; a frame sum is the sum of the bytes after the
// command byte up to the byte before the sum, modulo 256.
//
//   handshake   "PROGRAM"                          -> "LM" 06
//   identify    02                                 -> identity reply (16 bytes)
//   read        52 hi lo 10                        -> 57 hi lo 10, 16 data, sum, 06
//   write       57 hi lo 10, 16 data, sum, 06      -> 06 (ACK) or 0A (send again)
//   end         "END"                              -> 06

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zq61::frame {

using Bytes = std::vector<uint8_t>;

inline constexpr uint8_t kAck = 0x06;
inline constexpr uint8_t kResend = 0x0A;
inline constexpr uint8_t kIdentify = 0x02;
inline constexpr uint8_t kRead = 0x52;          // "R"
inline constexpr uint8_t kWrite = 0x57;         // "W", also the head of a block reply
inline constexpr uint8_t kIdentityHead = 0x49;  // "I"
inline constexpr int kBlockLength = 16;

inline constexpr int kHandshakeReplySize = 3;
inline constexpr int kIdentityReplySize = 16;
inline constexpr int kReadRequestSize = 4;
inline constexpr int kBlockFrameSize = kBlockLength + 6;  // block reply and write frame
inline constexpr int kAckSize = 1;
// Within a block reply or write frame: command, address (2), length, data.
inline constexpr int kBlockLengthOffset = 3;
inline constexpr int kBlockDataOffset = 4;

// Sum of bytes [first, last) modulo 256.
uint8_t FrameSum(std::span<const uint8_t> bytes, int first, int last);

Bytes handshake();       // 50 52 4F 47 52 41 4D
Bytes handshakeReply();  // 4C 4D 06
Bytes identify();
Bytes readRequest(int address, int length = kBlockLength);
// 57 hi lo 10, the 16 bytes, the sum over bytes 1..19, 06.
Bytes writeFrame(int address, std::span<const uint8_t> data);
Bytes end();  // 45 4E 44

// The radio's identity, from bytes 1..13 of its reply.
struct Identity {
    std::string model;  // up to 7 characters, right-trimmed
    uint8_t bandMode = 0;
    std::string version;  // up to 4 characters
    bool ctcssDcs = false;
};
bool isIdentityReply(std::span<const uint8_t> reply);
Identity decodeIdentity(std::span<const uint8_t> reply);

// A block reply: 57, address, length, length data bytes, sum, 06, exactly
// length + 6 bytes with a correct sum. Gives the address, or -1.
int blockReplyAddress(std::span<const uint8_t> reply);
int blockReplyLength(std::span<const uint8_t> reply);
// The data bytes of a block reply that blockReplyAddress accepted.
std::span<const uint8_t> blockReplyData(std::span<const uint8_t> reply);

// Hexadecimal text of bytes ("50 52 4F"), for traces and logs.
std::string hex(std::span<const uint8_t> bytes);

}  // namespace zq61::frame
