// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Classifies the bytes the radio sent after a request into the kinds of
// answer the protocol knows. Knows nothing of the transfer's state: the
// engine decides whether a reply of that kind is the one it waits for.

#include <cstdint>
#include <span>
#include <vector>

namespace zq61 {

enum class ReplyKind {
    Unknown,         // anything else: damaged, cut short or out of step
    HandshakeReply,  // "LM" 06
    Identity,        // the 16-byte identity reply
    Block,           // 57, address, length, data, sum, 06 with a correct sum
    Ack,             // 06 alone
    ResendRequest,   // 0A alone: the radio asks for the write frame again
};

struct Reply {
    ReplyKind kind = ReplyKind::Unknown;
    int address = -1;               // Block
    std::span<const uint8_t> data;  // Block: its data bytes; Identity: the whole reply
};

// `bytes` are the reply without the echo of the request.
Reply matchReply(std::span<const uint8_t> bytes);

// Bytes that begin with (at least the first three bytes of) `request` are
// its echo: no answer of the radio begins like the request it answers.
bool isEchoOf(std::span<const uint8_t> bytes, const std::vector<uint8_t>& request);

// The first bytes of a reply are exactly the echo of `request`. An echo that
// is not the request means the bytes are out of step (a late answer before
// it): the answer's place is not where it seems.
bool echoMatches(std::span<const uint8_t> echo, const std::vector<uint8_t>& request);

}  // namespace zq61
