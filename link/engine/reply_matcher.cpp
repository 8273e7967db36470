// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/reply_matcher.h"

#include <algorithm>

#include "link/engine/frames.h"

namespace zq61 {

Reply matchReply(std::span<const uint8_t> r) {
    Reply reply;
    if (r.size() == 1 && r[0] == frame::kAck) {
        reply.kind = ReplyKind::Ack;
    } else if (r.size() == 1 && r[0] == frame::kResend) {
        reply.kind = ReplyKind::ResendRequest;
    } else if (r.size() == static_cast<size_t>(frame::kHandshakeReplySize) &&
               std::ranges::equal(r, frame::handshakeReply())) {
        reply.kind = ReplyKind::HandshakeReply;
    } else if (frame::isIdentityReply(r)) {
        reply.kind = ReplyKind::Identity;
        reply.data = r;
    } else if (const int address = frame::blockReplyAddress(r); address >= 0) {
        reply.kind = ReplyKind::Block;
        reply.address = address;
        reply.data = frame::blockReplyData(r);
    }
    return reply;
}

namespace {

// An echo counts once this much of it (or the whole of a shorter request)
// is there: a lone 06 or 0A answer must not pass for the echo of a request
// that begins with that byte.
constexpr size_t kEchoBytesToRecognise = 3;

}  // namespace

bool isEchoOf(std::span<const uint8_t> bytes, const std::vector<uint8_t>& request) {
    const size_t n = std::min(bytes.size(), request.size());
    return !request.empty() && n >= std::min(kEchoBytesToRecognise, request.size()) &&
           std::equal(bytes.begin(), bytes.begin() + static_cast<long>(n), request.begin());
}

bool echoMatches(std::span<const uint8_t> echo, const std::vector<uint8_t>& request) {
    return echo.empty() || std::ranges::equal(echo, request);
}

}  // namespace zq61
