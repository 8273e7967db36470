// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/transfer_phases.h"

#include <array>

namespace zq61 {

namespace {

using enum TransferPhase;
using R = RequestKind;
using T = TimeoutRule;
using K = ReplyKind;

constexpr int kReply = kReplyTimeoutMs;

// clang-format off
//                 phase       request            reply              reply length                reply   on time-out       tries              drain
constexpr PhaseRow kHandshakeRow {Handshake,  R::Handshake,      K::HandshakeReply, frame::kHandshakeReplySize, kReply, T::ToggleEcho,    kHandshakeTries,   false};
constexpr PhaseRow kIdentifyRow  {Identify,   R::Identify,       K::Identity,       frame::kIdentityReplySize,  kReply, T::FailurePrompt, 1,                 false};
constexpr PhaseRow kProtectionRow{Protection, R::ProtectionRead, K::Block,          frame::kBlockFrameSize,     kReply, T::Resend,        kProtectionTries,  false};
constexpr PhaseRow kReadBlocksRow{Blocks,     R::BlockRead,      K::Block,          frame::kBlockFrameSize,     kReply, T::ResendBlock,   kBlockResends,     false};
constexpr PhaseRow kWriteBlocksRow{Blocks,    R::BlockWrite,     K::Ack,            frame::kAckSize,            kReply, T::ResendBlock,   kBlockResends,     true};
// The radio information is short and shown at once: a block that does not
// come brings the prompt straight away.
constexpr PhaseRow kInfoBlocksRow{Blocks,     R::BlockRead,      K::Block,          frame::kBlockFrameSize,     kReply, T::FailurePrompt, 1,                 false};
constexpr PhaseRow kEndRow       {End,        R::End,            K::Ack,            frame::kAckSize,            kReply, T::Succeed,       1,                 false};

constexpr std::array kReadTable     {kHandshakeRow, kIdentifyRow, kProtectionRow, kReadBlocksRow,  kEndRow};
constexpr std::array kWriteTable    {kHandshakeRow, kIdentifyRow, kProtectionRow, kWriteBlocksRow, kEndRow};
constexpr std::array kRadioInfoTable{kHandshakeRow, kIdentifyRow,                 kInfoBlocksRow,  kEndRow};
// clang-format on

}  // namespace

std::span<const PhaseRow> phaseTable(TransferOperation operation) {
    switch (operation) {
        case TransferOperation::Read:
            return kReadTable;
        case TransferOperation::Write:
            return kWriteTable;
        case TransferOperation::RadioInfo:
            return kRadioInfoTable;
        case TransferOperation::None:
            break;
    }
    return {};
}

const PhaseRow* phaseRow(TransferOperation operation, TransferPhase phase) {
    for (const PhaseRow& row : phaseTable(operation))
        if (row.phase == phase) return &row;
    return nullptr;
}

TransferPhase nextPhase(TransferOperation operation, TransferPhase phase) {
    const auto table = phaseTable(operation);
    for (size_t i = 0; i + 1 < table.size(); ++i)
        if (table[i].phase == phase) return table[i + 1].phase;
    return Idle;
}

int firstBlockAddress(TransferOperation operation) {
    return operation == TransferOperation::RadioInfo ? kInfoAddress : 0;
}

int blockCount(TransferOperation operation) {
    switch (operation) {
        case TransferOperation::Read:
        case TransferOperation::Write:
            return kMemoryBlockCount;
        case TransferOperation::RadioInfo:
            return kInfoBlockCount;
        case TransferOperation::None:
            break;
    }
    return 0;
}

int worstCaseDurationMs(TransferOperation operation, int restarts) {
    long long total = 0;
    for (const PhaseRow& row : phaseTable(operation)) {
        const bool perBlock = row.phase == Blocks;
        const int requests = perBlock ? blockCount(operation) : 1;
        const bool repeats = row.onTimeout == T::ToggleEcho || row.onTimeout == T::Resend;
        long long sends =
            static_cast<long long>(restarts + 1) * requests * (repeats ? row.tries : 1);
        // Block re-sends are counted per block over all restarts.
        if (row.onTimeout == T::ResendBlock) sends += static_cast<long long>(requests) * row.tries;
        const int rounds = row.drainLateAnswers ? 1 + kDrainRounds : 1;
        total += sends * row.timeoutMs * rounds;
    }
    return static_cast<int>(total);
}

}  // namespace zq61
