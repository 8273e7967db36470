// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer state machine: requests, replies, time-outs and the end of a
// transfer. The phases and their rules are in transfer_phases.cpp; how bytes
// become replies in reply_matcher.cpp; the prompts in transfer_prompts.cpp.

#include "link/engine/transfer_engine.h"

#include <algorithm>
#include <cassert>

#include "codec/text_helpers.h"
#include "link/engine/frames.h"
#include "link/engine/password.h"
#include "model/document.h"
#include "model/text_ids.h"

namespace zq61 {

TransferEngine::TransferEngine(Document& doc, SerialLink& port, ReplyTimer& timer,
                               TransferHost& host, const ProgramVersions& versions)
    : doc_(doc), port_(port), timer_(timer), host_(host), versions_(versions) {}

TransferSnapshot TransferEngine::snapshot() const {
    TransferSnapshot s;
    s.operation = operation_;
    s.phase = phase_;
    s.blockIndex = blockIndex_;
    s.address = firstBlockAddress(operation_) + std::max(blockIndex_, 0) * kBlockSize;
    s.blocksTotal = blocksTotal_;
    s.percent = LastPercent;
    s.retriesUsed = retriesUsed_;
    s.requestsSent = requestsSent_;
    s.echoAbsent = EchoAbsent;
    return s;
}

// ---- starting ----

// The transfer exists from here on: a second command is ignored.
bool TransferEngine::begin(TransferOperation operation) {
    operation_ = operation;
    phase_ = TransferPhase::Idle;
    radioRefused_ = false;
    if (OpenRadioPort()) return true;
    operation_ = TransferOperation::None;
    return false;
}

// Resets every counter of the transfer and opens the port.
bool TransferEngine::OpenRadioPort() {
    blocksTotal_ = blockCount(operation_);
    blockIndex_ = -1;
    BlockRetries.assign(static_cast<size_t>(blocksTotal_), kBlockResends);
    timer_.stop();
    LastPercent = 0;
    ProtectionRetries = kProtectionTries;
    HandshakeAttempts = 0;
    ResendRequests = 0;
    retriesUsed_ = 0;
    requestsSent_ = 0;
    lastRequest_.clear();
    listening_ = Listening::Off;
    radioProgramming_ = false;
    portLostReason_.clear();

    if (port_.isOpen()) port_.close();
    if (!port_.open()) {
        tell(txt::kPortError, PromptIcon::Error);
        return false;
    }
    return true;
}

void TransferEngine::ClearMemoryImage() {
    MemoryImage.fill(0);
}

// The progress window has opened: the port is opened again and the
// handshake goes out.
void TransferEngine::beginTransfer() {
    if (!port_.isOpen() && !port_.open()) {
        tell(txt::kPortError, PromptIcon::Error);
        EndTransfer(TransferResult::Failed);
        return;
    }
    HandshakeAttempts = 0;
    SendHandshake();
}

// ---- requests ----

const PhaseRow& TransferEngine::row() const {
    const PhaseRow* r = phaseRow(operation_, phase_);
    assert(r);
    return *r;
}

void TransferEngine::enterPhase(TransferPhase phase) {
    phase_ = phase;
    switch (row().request) {
        case RequestKind::BlockRead:
            blockIndex_ = -1;
            return SendNextBlockRequest();
        case RequestKind::BlockWrite:
            blockIndex_ = -1;
            return SendNextWriteBlock();
        default:
            return sendPhaseRequest();
    }
}

// The request of the current phase once more, after a time-out.
void TransferEngine::sendPhaseRequest() {
    switch (row().request) {
        case RequestKind::Handshake:
            return SendHandshake();
        case RequestKind::Identify:
            return SendIdentify();
        case RequestKind::ProtectionRead:
            return SendProtectionRequest();
        case RequestKind::BlockRead:
            return SendBlockRequest();
        case RequestKind::BlockWrite:
            return SendWriteBlock();
        case RequestKind::End:
            return SendEnd();
    }
}

// Sends a request of the current phase: the receive threshold becomes the
// echo (unless the cable has none) and the phase's reply, and its reply time
// starts.
void TransferEngine::send(const std::vector<uint8_t>& frame) {
    // The port went away while a question was up: nothing can go out.
    if (!portLostReason_.empty()) return endWithPortLost();
    const PhaseRow& r = row();
    EchoLength = EchoAbsent ? 0 : static_cast<int>(frame.size());
    timer_.start(r.timeoutMs);
    RThreshold = EchoLength + r.replyLength;
    port_.setReceiveThreshold(RThreshold);
    port_.clearBuffers();
    if (frame == lastRequest_) {
        ++sends_;
        ++retriesUsed_;
    } else {
        lastRequest_ = frame;
        sends_ = 1;
        answers_ = 0;
    }
    sawEcho_ = false;
    ++requestsSent_;
    trace_.sent(frame);
    port_.write(frame);
}

void TransferEngine::SendHandshake() {
    phase_ = TransferPhase::Handshake;
    ResendRequests = 0;
    listening_ = Listening::Reply;
    send(frame::handshake());
}

void TransferEngine::SendIdentify() {
    send(frame::identify());
}

void TransferEngine::SendProtectionRequest() {
    send(frame::readRequest(kProtectionBlockAddress));
}

int TransferEngine::CurrentAddress() const {
    return firstBlockAddress(operation_) + blockIndex_ * kBlockSize;
}

void TransferEngine::SendBlockRequest() {
    if (blockIndex_ >= blocksTotal_) return enterPhase(TransferPhase::End);
    send(frame::readRequest(CurrentAddress(), kBlockSize));
}

void TransferEngine::SendNextBlockRequest() {
    ++blockIndex_;
    SendBlockRequest();
}

void TransferEngine::SendWriteBlock() {
    if (blockIndex_ >= blocksTotal_) return enterPhase(TransferPhase::End);
    UpdateProgress();
    const auto data = std::span<const uint8_t>(MemoryImage)
                          .subspan(static_cast<size_t>(CurrentAddress()), kBlockSize);
    send(frame::writeFrame(CurrentAddress(), data));
}

void TransferEngine::SendNextWriteBlock() {
    ++blockIndex_;
    ResendRequests = 0;
    SendWriteBlock();
}

void TransferEngine::SendEnd() {
    phase_ = TransferPhase::End;
    radioProgramming_ = false;
    send(frame::end());
}

// ---- replies ----

void TransferEngine::OnBytesArrived(std::span<const uint8_t> bytes) {
    trace_.received(bytes);
    if (listening_ == Listening::Off) {
        trace_.show("RX (dropped)", bytes.size());
        return;
    }
    if (listening_ == Listening::LateAnswers) {
        trace_.show("RX (answer to an earlier send)", bytes.size());
        if (++answers_ >= sends_) finishDraining();
        return;
    }
    if (EchoAbsent && isEchoOf(bytes, lastRequest_)) {
        // The cable does echo after all: later requests expect it. This
        // request's answer may still come on its own and is taken then.
        trace_.show("RX (echo)", bytes.size());
        EchoAbsent = false;
        sawEcho_ = true;
        return;
    }
    const auto reply = bytes.first(std::min(bytes.size(), static_cast<size_t>(RThreshold)));
    trace_.show("RX", reply.size());
    if (reply.size() < static_cast<size_t>(EchoLength)) return;
    // The last byte of a write frame's echo out of step would pass for an ACK.
    if (!echoMatches(reply.first(static_cast<size_t>(EchoLength)), lastRequest_)) return;
    onReply(matchReply(reply.subspan(static_cast<size_t>(EchoLength))));
}

// A reply of the kind the phase waits for moves the transfer on; any other
// is dropped and the time-out decides.
void TransferEngine::onReply(const Reply& reply) {
    const PhaseRow& r = row();
    if (reply.kind == ReplyKind::ResendRequest && r.request == RequestKind::BlockWrite)
        return onResendRequest();
    if (reply.kind != r.reply) return;
    switch (phase_) {
        case TransferPhase::Handshake:
            radioProgramming_ = true;
            break;
        case TransferPhase::Identify:
            // The information transfer asks only to get the radio talking.
            if (operation_ != TransferOperation::RadioInfo) {
                const frame::Identity id = frame::decodeIdentity(reply.data);
                RadioModel = id.model;
                RadioBandMode = id.bandMode;
                RadioVersion = id.version;
                CtcssDcsAvailable = id.ctcssDcs;
            }
            break;
        case TransferPhase::Protection:
            if (reply.address != kProtectionBlockAddress || reply.data.size() != kBlockSize) return;
            ++answers_;
            timer_.stop();
            return checkPassword(reply.data);
        case TransferPhase::Blocks:
            if (r.reply == ReplyKind::Block) {
                if (reply.address != CurrentAddress() || reply.data.size() != kBlockSize) return;
                storeBlock(reply.data);
            }
            break;
        default:
            break;
    }
    replyTaken();
}

// Answers carry no number: when a block went out more than once, the answers
// to its other sends may still be on their way, and in a write one of them
// could pass for the answer to the next block (an ACK for a frame the radio
// in fact asked for again, which would then never be written). So where the
// phase says so, after a request sent more than once is answered, the engine
// waits for the answers still owed, up to three reply times, dropping them,
// before it goes on. Reads need not wait: their blocks carry addresses; the
// handshake need not either: a handshake the cable mode swallowed has no
// answer on its way.
void TransferEngine::replyTaken() {
    ++answers_;
    if (!row().drainLateAnswers || answers_ >= sends_) return AdvanceTransfer();
    timer_.stop();
    listening_ = Listening::LateAnswers;
    drainRounds_ = 0;
    RThreshold = row().replyLength;
    port_.setReceiveThreshold(RThreshold);
    timer_.start(row().timeoutMs);
}

void TransferEngine::finishDraining() {
    listening_ = Listening::Reply;
    AdvanceTransfer();
}

void TransferEngine::onResendRequest() {
    timer_.stop();
    ++answers_;
    if (++ResendRequests > kMaxResendRequests) return linkFailurePrompt();
    SendWriteBlock();  // the same block again, without using a retry
}

void TransferEngine::storeBlock(std::span<const uint8_t> data) {
    const auto at = static_cast<size_t>(blockIndex_) * kBlockSize;
    if (operation_ == TransferOperation::RadioInfo) {
        std::copy(data.begin(), data.end(), InfoImage.begin() + static_cast<long>(at));
    } else {
        std::copy(data.begin(), data.end(), MemoryImage.begin() + static_cast<long>(at));
        UpdateProgress();
    }
}

// ---- the step function ----

void TransferEngine::AdvanceTransfer() {
    timer_.stop();
    switch (phase_) {
        case TransferPhase::Handshake:
        case TransferPhase::Identify:
            return enterPhase(nextPhase(operation_, phase_));
        case TransferPhase::Protection: {
            const Identity identity = identityCheck();
            if (!isBusy()) return;  // cancelled while a message was up
            if (identity != Identity::Accepted) {
                radioRefused_ = true;
                AbortTransfer();
                if (identity == Identity::OtherProgramStarted) host_.terminateProgram();
                return;
            }
            if (operation_ == TransferOperation::Write && !CtcssDcsAvailable) {
                tell(FixedText::NoToneFeature, PromptIcon::Warning);
                if (!isBusy()) return;
            }
            return enterPhase(TransferPhase::Blocks);
        }
        case TransferPhase::Blocks:
            if (row().request == RequestKind::BlockWrite) return SendNextWriteBlock();
            return SendNextBlockRequest();
        case TransferPhase::End:
            return EndTransfer(TransferResult::Success);
        case TransferPhase::Idle:
            return;
    }
}

void TransferEngine::checkPassword(std::span<const uint8_t> block) {
    if (PasswordAccepted(block, EnteredPassword)) return AdvanceTransfer();
    const auto answer = askPassword();
    if (!isBusy()) return;
    if (answer) EnteredPassword = cleanString(*answer);
    if (PasswordAccepted(block, EnteredPassword)) return AdvanceTransfer();
    radioRefused_ = true;
    tell(FixedText::PasswordFailure, PromptIcon::None);
    if (isBusy()) AbortTransfer();
}

// ---- time-outs ----

void TransferEngine::OnReplyTimeout() {
    timer_.stop();
    if (listening_ == Listening::LateAnswers) {
        if (answers_ < sends_ && ++drainRounds_ < kDrainRounds) {
            timer_.start(row().timeoutMs);
        } else {
            finishDraining();
        }
        return;
    }
    if (listening_ == Listening::Off || !phaseRow(operation_, phase_)) return;
    const PhaseRow& r = row();
    switch (r.onTimeout) {
        case TimeoutRule::ToggleEcho:
            if (++HandshakeAttempts >= r.tries) return failurePrompt();
            // Alternate between expecting an echo and not, unless the echo
            // was just seen.
            if (!sawEcho_) EchoAbsent = !EchoAbsent;
            return sendPhaseRequest();
        case TimeoutRule::FailurePrompt:
            return failurePrompt();
        case TimeoutRule::Resend:
            if (--ProtectionRetries > 0) return sendPhaseRequest();
            return failurePrompt();
        case TimeoutRule::ResendBlock:
            return blockTimeout();
        case TimeoutRule::Succeed:
            return EndTransfer(TransferResult::Success);
    }
}

void TransferEngine::blockTimeout() {
    if (blockIndex_ < 0 || blockIndex_ >= static_cast<int>(BlockRetries.size()) ||
        BlockRetries[static_cast<size_t>(blockIndex_)] <= 0)
        return failurePrompt();
    --BlockRetries[static_cast<size_t>(blockIndex_)];
    sendPhaseRequest();
}

void TransferEngine::failurePrompt() {
    if (operation_ == TransferOperation::RadioInfo) return infoFailurePrompt();
    linkFailurePrompt();
}

// OK starts again from the handshake and the first block; the block
// counters keep what is left of them.
void TransferEngine::linkFailurePrompt() {
    listening_ = Listening::Off;
    timer_.stop();
    HandshakeAttempts = 0;
    ProtectionRetries = kProtectionTries;
    const bool again = askOkCancel(txt::kLinkFailed);
    if (!isBusy()) return;
    if (!again) return AbortTransfer();
    ++retriesUsed_;
    blockIndex_ = -1;
    LastPercent = 0;
    host_.showProgress(0);
    SendHandshake();
}

// Retry starts again from the handshake; the handshake count is not reset,
// so a further handshake time-out brings the prompt at once.
void TransferEngine::infoFailurePrompt() {
    listening_ = Listening::Off;
    timer_.stop();
    const bool again = askRetryCancel(txt::kLinkFailed);
    if (!isBusy()) return;
    if (!again) return AbortTransfer();
    ++retriesUsed_;
    blockIndex_ = -1;
    SendHandshake();
}

// ---- a port that went away ----

void TransferEngine::OnPortLost(const std::string& reason) {
    if (!isBusy()) return;
    trace_.note("port lost: " + reason);
    portLostReason_ = reason.empty() ? "?" : reason;
    timer_.stop();
    listening_ = Listening::Off;
    // A question that is up is answered first; what it leads to ends the
    // transfer (see send()).
    if (!prompting_) endWithPortLost();
}

void TransferEngine::endWithPortLost() {
    // Once the end request is out every frame is in: as when its answer is
    // missing, the transfer succeeded.
    if (phase_ == TransferPhase::End) return EndTransfer(TransferResult::Success);
    std::string shown = text(txt::kLinkLost) + "\r\n" + portLostReason_;
    if (operation_ == TransferOperation::Write && phase_ == TransferPhase::Blocks &&
        blockIndex_ >= 0)
        shown += "\r\n" + text(txt::kRadioPartlyWritten);
    tell(Prompt::ofText(txt::kLinkLost, shown, PromptIcon::Error));
    if (isBusy()) EndTransfer(TransferResult::Failed);
}

// ---- the end ----

void TransferEngine::cancel() {
    if (!isBusy()) return;
    // A radio that answered a handshake waits in programming mode until it
    // gets "END" (also while a restart's handshake is out); once "END" is
    // out there is nothing more to tell it.
    if (radioProgramming_ && port_.isOpen()) SendEnd();
    EndTransfer(TransferResult::Cancelled);
}

void TransferEngine::AbortTransfer() {
    if (port_.isOpen()) SendEnd();  // its answer is not awaited
    EndTransfer(TransferResult::Failed);
}

void TransferEngine::EndTransfer(TransferResult result) {
    const TransferOperation op = operation_;
    const bool readOrWrite = op == TransferOperation::Read || op == TransferOperation::Write;
    listening_ = Listening::Off;
    timer_.stop();
    if (port_.isOpen()) port_.close();
    if (readOrWrite) host_.closeProgressWindow();
    operation_ = TransferOperation::None;
    phase_ = TransferPhase::Idle;

    const bool imageOnly = op == TransferOperation::Read && imageOnlyRead_;
    imageOnlyRead_ = false;
    if (result == TransferResult::Success) {
        if (op == TransferOperation::Read && !imageOnly) {
            readAwaitingUnpack_ = true;
            host_.closeChildWindows();
            host_.startReadOkTimer();
        } else if (op == TransferOperation::RadioInfo) {
            DecodeInfoImage(InfoImage, doc_.Info);
            host_.showRadioInfo();
        }
        if (op == TransferOperation::Read && !imageOnly)
            tell(txt::kReadDone, PromptIcon::Information);
        else if (op == TransferOperation::Write && announceWriteDone_)
            tell(txt::kWriteDone, PromptIcon::Information);
    }
    host_.transferEnded(op, result);
}

// Rounded to the nearest percent of the transfer's range, halves to even;
// the bar only moves forward.
void TransferEngine::UpdateProgress() {
    if (blockIndex_ < 0 || blocksTotal_ <= 0) return;
    const long long range = static_cast<long long>(blocksTotal_) * kBlockSize - 1;
    const long long scaled = static_cast<long long>(blockIndex_) * kBlockSize * 100;
    long long percent = scaled / range;
    const long long twiceRest = 2 * (scaled % range);
    if (twiceRest > range || (twiceRest == range && percent % 2 == 1)) ++percent;
    if (percent <= LastPercent) return;
    LastPercent = static_cast<int>(percent);
    host_.showProgress(LastPercent);
}

}  // namespace zq61
