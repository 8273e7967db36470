// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plan of each transfer: one table per operation, one row per phase in
// the order the phases follow each other, with the request the phase sends,
// the reply it waits for, its reply time, what a time-out does and whether
// late answers to a request sent more than once must be waited for.
//
//   Read       handshake -> identify -> protection -> blocks (read)  -> end
//   Write      handshake -> identify -> protection -> blocks (write) -> end
//   RadioInfo  handshake -> identify ->               blocks (read)  -> end

#include <span>

#include "link/engine/frames.h"
#include "link/engine/memory_map.h"
#include "link/engine/radio_info.h"
#include "link/engine/reply_matcher.h"
#include "link/engine/transfer_state.h"

namespace zq61 {

inline constexpr int kBlockSize = frame::kBlockLength;
inline constexpr int kMemoryBlockCount = mem::kImageSize / kBlockSize;  // 464, up to 0x1CF0
inline constexpr int kInfoBlockCount = kInfoSize / kBlockSize;          // 16 from 0x3E00
inline constexpr int kReplyTimeoutMs = 150;
// A successful read goes into the document this long after it ended.
inline constexpr int kReadOkDelayMs = 500;
// Handshakes before the failure prompt, alternating the echo belief.
inline constexpr int kHandshakeTries = 4;
// Protection block requests before the failure prompt.
inline constexpr int kProtectionTries = 3;
// Re-sends of one block after a time-out, shared by the restarts of a transfer.
inline constexpr int kBlockResends = 3;
// A frame the radio asks for again more often than this in a row ends in the
// link failure prompt instead of being sent for ever.
inline constexpr int kMaxResendRequests = 50;
// How many reply times a write waits for the answers still owed to a block
// it sent more than once.
inline constexpr int kDrainRounds = 3;

enum class RequestKind { Handshake, Identify, ProtectionRead, BlockRead, BlockWrite, End };

// What a reply time-out does.
enum class TimeoutRule {
    ToggleEcho,     // send again expecting the other kind of cable, `tries` sends in all
    FailurePrompt,  // no second try: the failure prompt
    Resend,         // send again, `tries` sends in all, then the failure prompt
    ResendBlock,    // the same block again while its own counter of `tries` lasts
    Succeed,        // the answer is not required: the transfer succeeded
};

struct PhaseRow {
    TransferPhase phase;
    RequestKind request;
    ReplyKind reply;
    int replyLength;  // without the echo
    int timeoutMs;
    TimeoutRule onTimeout;
    int tries;
    // Answers carry no number: in a write, the late ACK of a block sent twice
    // could pass for the answer to the next one.
    bool drainLateAnswers;
};

// The phases of `operation` in order; empty for None.
std::span<const PhaseRow> phaseTable(TransferOperation operation);
// The row of `phase`, or nullptr when the operation has no such phase.
const PhaseRow* phaseRow(TransferOperation operation, TransferPhase phase);
// The phase after `phase` in the table (End after the last block phase).
TransferPhase nextPhase(TransferOperation operation, TransferPhase phase);

int firstBlockAddress(TransferOperation operation);
int blockCount(TransferOperation operation);

// The longest a transfer can take when the radio answers nothing in time
// and the failure prompt is answered "again" `restarts` times: every request
// tried as often as its phase allows, each waiting its reply time (and, where
// late answers are drained, the drain rounds too). Requests the radio itself
// asks for again are not counted: each of them means the radio answers.
int worstCaseDurationMs(TransferOperation operation, int restarts);

}  // namespace zq61
