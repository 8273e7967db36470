// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/frames.h"

#include <algorithm>
#include <string_view>

namespace zq61::frame {

namespace {

Bytes ascii(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// Text of bytes [first, first + size) up to the first 00.
std::string textUpToNul(std::span<const uint8_t> bytes, int first, int size) {
    std::string text;
    for (int i = first; i < first + size; ++i) {
        if (bytes[i] == 0) break;
        text += static_cast<char>(bytes[i]);
    }
    return text;
}

}  // namespace

uint8_t FrameSum(std::span<const uint8_t> bytes, int first, int last) {
    unsigned sum = 0;
    for (int i = first; i < last; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(sum & 0xFF);
}

Bytes handshake() {
    return ascii("PROGRAM");
}
Bytes handshakeReply() {
    return {0x4C, 0x4D, kAck};
}
Bytes identify() {
    return {kIdentify};
}
Bytes end() {
    return ascii("END");
}

Bytes readRequest(int address, int length) {
    return {kRead, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address),
            static_cast<uint8_t>(length)};
}

Bytes writeFrame(int address, std::span<const uint8_t> data) {
    // Built in one allocation: command, address, length, data, sum, ACK.
    Bytes f;
    f.reserve(4 + data.size() + 2);
    for (const uint8_t b : {kWrite, static_cast<uint8_t>(address >> 8),
                            static_cast<uint8_t>(address), static_cast<uint8_t>(data.size())})
        f.push_back(b);
    f.insert(f.end(), data.begin(), data.end());
    f.push_back(FrameSum(f, 1, static_cast<int>(f.size())));
    f.push_back(kAck);
    return f;
}

bool isIdentityReply(std::span<const uint8_t> reply) {
    return reply.size() == kIdentityReplySize && reply.front() == kIdentityHead &&
           reply.back() == kAck;
}

Identity decodeIdentity(std::span<const uint8_t> reply) {
    Identity id;
    id.model = textUpToNul(reply, 1, 7);
    id.model.erase(id.model.find_last_not_of(' ') + 1);
    id.bandMode = reply[8];
    id.version = textUpToNul(reply, 9, 4);
    id.ctcssDcs = (reply[13] & 1) != 0;
    return id;
}

int blockReplyLength(std::span<const uint8_t> reply) {
    return reply.size() > kBlockLengthOffset ? reply[kBlockLengthOffset] : -1;
}

std::span<const uint8_t> blockReplyData(std::span<const uint8_t> reply) {
    return reply.subspan(kBlockDataOffset, static_cast<size_t>(blockReplyLength(reply)));
}

int blockReplyAddress(std::span<const uint8_t> reply) {
    const int size = static_cast<int>(reply.size());
    if (size < kBlockFrameSize || reply[0] != kWrite) return -1;
    if (size != reply[3] + 6 || reply[size - 1] != kAck) return -1;
    if (FrameSum(reply, 1, size - 2) != reply[size - 2]) return -1;
    return (reply[1] << 8) | reply[2];
}

std::string hex(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : bytes) {
        if (!text.empty()) text += ' ';
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

}  // namespace zq61::frame
