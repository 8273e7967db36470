// SPDX-License-Identifier: GPL-3.0-or-later
// The engine driven phase by phase against the phase tables: which replies
// each phase takes, what each time-out does, cancel() in every phase, and
// the snapshot that windows and the command line watch.

#include <gtest/gtest.h>

#include <random>

#include "link/engine/transfer_engine.h"
#include "model/text_ids.h"
#include "model/document.h"
#include "radio_bench.h"

namespace zq61 {
namespace {

using frame::Bytes;
using test::RadioBench;
using enum TransferPhase;

const Bytes kEnd = {0x45, 0x4E, 0x44};

constexpr TransferOperation kOperations[] = {TransferOperation::Read, TransferOperation::Write,
                                             TransferOperation::RadioInfo};

std::string caseName(TransferOperation op, TransferPhase phase) {
    return std::string(operationName(op)) + ", " + phaseName(phase);
}

// Sends made in `phase`.
int sendsIn(const RadioBench& b, TransferPhase phase) {
    int n = 0;
    for (const auto& s : b.stateAtSend)
        n += s.phase == phase;
    return n;
}

// The phases in the order the engine went through them.
std::vector<TransferPhase> phasesEntered(const RadioBench& b) {
    std::vector<TransferPhase> phases;
    for (const auto& s : b.stateAtSend)
        if (phases.empty() || phases.back() != s.phase) phases.push_back(s.phase);
    return phases;
}

TEST(TransferPhases, EachOperationGoesThroughItsTable) {
    for (const TransferOperation op : kOperations) {
        SCOPED_TRACE(operationName(op));
        RadioBench b;
        b.engine.setEchoAbsent(true);
        b.engine.start(op);
        ASSERT_TRUE(b.run());
        ASSERT_EQ(b.ended.size(), 1u);
        EXPECT_EQ(b.ended[0].second, TransferResult::Success);

        std::vector<TransferPhase> expected;
        for (const PhaseRow& row : phaseTable(op))
            expected.push_back(row.phase);
        EXPECT_EQ(phasesEntered(b), expected);
        if (op == TransferOperation::RadioInfo) {
            EXPECT_EQ(std::count(expected.begin(), expected.end(), Protection), 0);
        }

        // In the block phase the snapshot names the block whose frame goes out.
        int index = 0;
        for (size_t i = 0; i < b.sent.size(); ++i) {
            const TransferSnapshot& s = b.stateAtSend[i];
            if (s.phase != Blocks) continue;
            EXPECT_EQ(s.operation, op);
            EXPECT_EQ(s.blocksTotal, blockCount(op));
            EXPECT_EQ(s.blockIndex, index++);
            EXPECT_EQ(s.address, firstBlockAddress(op) + s.blockIndex * kBlockSize);
            EXPECT_EQ((b.sent[i][1] << 8) | b.sent[i][2], s.address);
        }
        EXPECT_EQ(index, blockCount(op));
        EXPECT_EQ(b.engine.snapshot().phase, Idle);
        EXPECT_FALSE(b.engine.isBusy());
    }
}

// Every phase is offered every kind of reply in place of the radio's
// answer: only the kind its table row names moves it on at once (and in a
// write, the radio's "send again" brings the same frame back at once);
// anything else is left to the time-out.
TEST(TransferPhases, EachPhaseTakesOnlyItsReplyKind) {
    const std::vector<uint8_t> zeros(kBlockSize, 0);
    Bytes identity(frame::kIdentityReplySize, 0x20);
    identity.front() = frame::kIdentityHead;
    identity.back() = frame::kAck;
    const std::pair<ReplyKind, Bytes> crafted[] = {
        {ReplyKind::HandshakeReply, frame::handshakeReply()},
        {ReplyKind::Identity, identity},
        {ReplyKind::Block, {}},  // a sound block for the address asked for
        {ReplyKind::Ack, {frame::kAck}},
        {ReplyKind::ResendRequest, {frame::kResend}},
        {ReplyKind::Unknown, {0x55, 0x55, 0x55}},
    };
    for (const TransferOperation op : kOperations) {
        for (const PhaseRow& row : phaseTable(op)) {
            for (const auto& [kind, bytes] : crafted) {
                SCOPED_TRACE(caseName(op, row.phase) + ", reply kind " +
                             std::to_string(static_cast<int>(kind)));
                RadioBench b;
                b.engine.setEchoAbsent(true);
                b.prompter.defaultAnswer = PromptAnswer::Cancel;
                b.prompter.answers = {PromptAnswer::Ok};  // the confirmation
                std::optional<size_t> target;             // the send answered by `bytes`
                b.tamper = [&](sim::Chunk& c) {
                    if (!target && b.engine.snapshot().phase == row.phase) {
                        target = b.sent.size() - 1;
                        if (kind == ReplyKind::Block) {
                            const Bytes& request = b.sent.back();
                            const int address = request[0] == frame::kRead
                                                    ? (request[1] << 8) | request[2]
                                                    : 0x3E10;
                            c.bytes = frame::writeFrame(address, zeros);  // a block reply's layout
                        } else {
                            c.bytes = bytes;
                        }
                    }
                };
                b.engine.start(op);
                ASSERT_TRUE(b.run());
                ASSERT_TRUE(target);
                const size_t t = *target;
                const int64_t answeredAt = b.sentAt[t];
                const int64_t next = b.sent.size() > t + 1 ? b.sentAt[t + 1] : b.endedAt.at(0);
                const bool takenAtOnce = next - answeredAt < row.timeoutMs;
                const bool askedAgain =
                    kind == ReplyKind::ResendRequest && row.request == RequestKind::BlockWrite;
                EXPECT_EQ(takenAtOnce, kind == row.reply || askedAgain);
                if (askedAgain) {
                    EXPECT_EQ(b.sent[t + 1], b.sent[t]);
                }
            }
        }
    }
}

struct TimeoutCase {
    TransferOperation op;
    TransferPhase phase;
    int sends;           // of the phase's request before the prompt or the end
    const char* prompt;  // the failure prompt, or "" for none
    TransferResult result;
};

// The radio falls silent in the phase; every failure prompt is cancelled.
TEST(TransferPhases, EachTimeOutFollowsItsRetryRule) {
    using enum TransferOperation;
    const TimeoutCase cases[] = {
        {Read, Handshake, kHandshakeTries, "okCancel", TransferResult::Failed},
        {Read, Identify, 1, "okCancel", TransferResult::Failed},
        {Read, Protection, kProtectionTries, "okCancel", TransferResult::Failed},
        {Read, Blocks, 1 + kBlockResends, "okCancel", TransferResult::Failed},
        {Read, End, 1, "", TransferResult::Success},
        {Write, Handshake, kHandshakeTries, "okCancel", TransferResult::Failed},
        {Write, Identify, 1, "okCancel", TransferResult::Failed},
        {Write, Protection, kProtectionTries, "okCancel", TransferResult::Failed},
        {Write, Blocks, 1 + kBlockResends, "okCancel", TransferResult::Failed},
        {Write, End, 1, "", TransferResult::Success},
        {RadioInfo, Handshake, kHandshakeTries, "retryCancel", TransferResult::Failed},
        {RadioInfo, Identify, 1, "retryCancel", TransferResult::Failed},
        {RadioInfo, Blocks, 1, "retryCancel", TransferResult::Failed},
        {RadioInfo, End, 1, "", TransferResult::Success},
    };
    for (const TimeoutCase& c : cases) {
        SCOPED_TRACE(caseName(c.op, c.phase));
        RadioBench b;
        b.engine.setEchoAbsent(true);
        b.prompter.defaultAnswer = PromptAnswer::Cancel;
        b.prompter.answers = {PromptAnswer::Ok};  // the confirmation
        b.tamper = [&](sim::Chunk& chunk) {
            if (b.engine.snapshot().phase == c.phase) chunk.bytes.clear();
        };
        b.engine.start(c.op);
        ASSERT_TRUE(b.run());

        EXPECT_EQ(sendsIn(b, c.phase), c.sends);
        // Each re-send and each echo toggle counts as a retry.
        EXPECT_EQ(b.stateAtSend.back().retriesUsed, c.phase == End ? 0 : c.sends - 1);
        std::vector<std::string> prompts;
        for (const auto& p : b.prompter.shown)
            if (p.text != "T9004" && p.text != "T9005") prompts.push_back(p.kind);  // confirmations
        if (c.result == TransferResult::Success) {
            // Read and write tell they are done; nothing else is asked.
            EXPECT_EQ(prompts, std::vector<std::string>(c.op == RadioInfo ? 0 : 1, "message"));
        } else {
            EXPECT_EQ(prompts, std::vector<std::string>{c.prompt});
            EXPECT_TRUE(b.lastSentWas(kEnd));
        }
        ASSERT_EQ(b.ended.size(), 1u);
        EXPECT_EQ(b.ended[0], std::make_pair(c.op, c.result));
        EXPECT_FALSE(b.isOpen());
    }
}

// A handshake the echo belief swallowed has no answer on its way: once the
// radio answers one, the next request goes out at once.
TEST(TransferPhases, NothingWaitsAfterAHandshakeSentTwice) {
    for (const TransferOperation op : kOperations) {
        SCOPED_TRACE(operationName(op));
        RadioBench b;  // the cable does not echo, the engine believes it does
        b.engine.start(op);
        ASSERT_TRUE(b.run());
        ASSERT_EQ(sendsIn(b, Handshake), 2);
        const auto identify = std::find_if(b.stateAtSend.begin(), b.stateAtSend.end(),
                                           [](const auto& s) { return s.phase == Identify; });
        ASSERT_NE(identify, b.stateAtSend.end());
        const size_t i = static_cast<size_t>(identify - b.stateAtSend.begin());
        EXPECT_LT(b.sentAt[i] - b.sentAt[i - 1], kReplyTimeoutMs);
        // The whole transfer waits one reply time (the first handshake), no more.
        int waits = 0;
        for (size_t k = 1; k < b.sentAt.size(); ++k)
            waits += b.sentAt[k] - b.sentAt[k - 1] >= kReplyTimeoutMs;
        EXPECT_EQ(waits, 1);
        EXPECT_LT(b.endedAt.at(0) - b.sentAt.back(), kReplyTimeoutMs);
    }
}

// ---- cancel ----

struct CancelCase {
    TransferOperation op;
    TransferPhase phase;
    bool endSent;  // the radio answered the handshake and has not had "END"
};

TEST(TransferCancel, CancelInEveryPhaseStopsAtOnceAndChangesNothing) {
    using enum TransferOperation;
    std::vector<CancelCase> cases;
    for (const TransferOperation op : kOperations)
        for (const PhaseRow& row : phaseTable(op))
            cases.push_back({op, row.phase, row.phase != Handshake && row.phase != End});
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(caseName(c.op, c.phase));
        RadioBench b;
        b.engine.setEchoAbsent(true);
        std::mt19937 rng(11);
        for (auto& byte : b.radio.memory())
            byte = static_cast<uint8_t>(rng());
        const ChannelArray channels = b.doc.WorkChannels;
        const RadioData data = b.doc.WorkData;
        const zq61::RadioInfo info = b.doc.Info;
        const MemoryBytes radioMemory = b.radio.memory();

        b.engine.start(c.op);
        // A few blocks into the block phase, else as soon as the phase is entered.
        ASSERT_TRUE(b.runUntil([&] {
            const TransferSnapshot s = b.engine.snapshot();
            return s.phase == c.phase && (c.phase != Blocks || s.blockIndex >= 5);
        }));
        const size_t prompts = b.prompter.shown.size();
        const int endsBefore = b.countSent(kEnd);

        b.engine.cancel();
        EXPECT_FALSE(b.engine.isBusy());
        EXPECT_EQ(b.engine.snapshot().phase, Idle);
        EXPECT_FALSE(b.isOpen());
        EXPECT_EQ(b.countSent(kEnd) - endsBefore, c.endSent ? 1 : 0);
        ASSERT_EQ(b.ended.size(), 1u);
        EXPECT_EQ(b.ended[0], std::make_pair(c.op, TransferResult::Cancelled));
        EXPECT_EQ(b.progressCloses, c.op == RadioInfo ? 0 : 1);

        // Answers still on their way and the timers change nothing.
        ASSERT_TRUE(b.run());
        EXPECT_EQ(b.prompter.shown.size(), prompts);
        EXPECT_EQ(b.ended.size(), 1u);
        EXPECT_EQ(b.readDocumentsShown + b.infoWindowsShown, 0);
        EXPECT_EQ(b.doc.WorkChannels, channels);
        EXPECT_EQ(b.doc.WorkData, data);
        EXPECT_EQ(b.doc.Info.BandMode, info.BandMode);
        if (c.op == Write && c.phase < Blocks) {
            EXPECT_EQ(b.radio.memory(), radioMemory);
        }

        // The engine is free for the next transfer.
        b.engine.start(c.op);
        ASSERT_TRUE(b.run());
        ASSERT_EQ(b.ended.size(), 2u);
        EXPECT_EQ(b.ended[1].second, TransferResult::Success);
    }
}

TEST(TransferCancel, CancelWhenIdleKeepsAReadWaitingToBeUnpacked) {
    sim::RadioSettings settings;
    settings.bandMode = 1;
    RadioBench b(settings);
    b.engine.setEchoAbsent(true);
    b.radio.memory()[0x1900] = 0x01;  // channel 1 in use
    b.radio.memory()[0x0002] = 0x29;
    b.engine.cancel();  // nothing runs: nothing happens
    EXPECT_TRUE(b.ended.empty());
    EXPECT_TRUE(b.sent.empty());

    b.engine.ReadFromRadio();
    ASSERT_TRUE(b.runUntil([&] { return !b.ended.empty(); }));
    b.engine.cancel();  // after the end, before the read goes into the document
    ASSERT_TRUE(b.run());
    EXPECT_EQ(b.ended.size(), 1u);
    EXPECT_EQ(b.ended[0].second, TransferResult::Success);
    EXPECT_EQ(b.readDocumentsShown, 1);
    EXPECT_EQ(b.doc.WorkChannels[0].Frequency.str(), "02900000");
}

// A prompter whose failure prompt is answered by cancelling the transfer
// from outside (a window's cancel button while the prompt is up).
class CancellingPrompter : public test::ScriptedPrompter {
  public:
    std::function<void()> onQuestion;
    PromptAnswer okCancel(const Prompt& prompt) override {
        const PromptAnswer answer = ScriptedPrompter::okCancel(prompt);
        if (prompt.is(txt::kLinkFailed) && onQuestion) onQuestion();
        return answer;
    }
};

TEST(TransferCancel, CancelWhileAPromptIsUpEndsTheTransferThere) {
    RadioBench b;
    b.engine.setEchoAbsent(true);
    CancellingPrompter prompter;
    prompter.onQuestion = [&] { b.engine.cancel(); };
    b.doc.prompter = &prompter;
    b.tamper = [&](sim::Chunk& c) {
        if (b.engine.snapshot().phase == Blocks) c.bytes.clear();
    };
    b.engine.ReadFromRadio();
    ASSERT_TRUE(b.run());
    // The prompt said OK, but the transfer was cancelled under it: no restart.
    EXPECT_EQ(sendsIn(b, Handshake), 1);
    EXPECT_TRUE(b.lastSentWas(kEnd));
    ASSERT_EQ(b.ended.size(), 1u);
    EXPECT_EQ(b.ended[0].second, TransferResult::Cancelled);
    EXPECT_FALSE(b.isOpen());
}

// A restart after the failure prompt begins with a handshake, but the radio
// is still in programming mode from the first one: it is told "END".
TEST(TransferCancel, CancelDuringARestartsHandshakeSendsEnd) {
    RadioBench b;
    b.engine.setEchoAbsent(true);
    b.tamper = [&](sim::Chunk& c) {
        if (b.engine.snapshot().phase == Blocks) c.bytes.clear();
    };
    b.engine.ReadFromRadio();
    ASSERT_TRUE(b.runUntil([&] { return sendsIn(b, Handshake) == 2; }));
    EXPECT_EQ(b.engine.snapshot().phase, Handshake);
    b.engine.cancel();
    EXPECT_TRUE(b.lastSentWas(kEnd));
    EXPECT_FALSE(b.isOpen());
    ASSERT_EQ(b.ended.size(), 1u);
    EXPECT_EQ(b.ended[0].second, TransferResult::Cancelled);
}

// ---- the worst case the command line waits for ----

TEST(TransferPhases, SilentRadioEndsWithinTheWorstCase) {
    for (const TransferOperation op : kOperations) {
        for (const auto& [silentIn, restarts] : {std::pair{Handshake, 0}, std::pair{Handshake, 2},
                                                 std::pair{Blocks, 0}, std::pair{Blocks, 2}}) {
            SCOPED_TRACE(caseName(op, silentIn) + ", restarts " + std::to_string(restarts));
            RadioBench b;
            b.tamper = [&](sim::Chunk& c) {
                if (b.engine.snapshot().phase == silentIn) c.bytes.clear();
            };
            b.prompter.answers.assign(static_cast<size_t>(restarts) + 1, PromptAnswer::Ok);
            b.prompter.defaultAnswer = PromptAnswer::Cancel;
            b.engine.start(op);
            ASSERT_TRUE(b.run());
            ASSERT_EQ(b.ended.size(), 1u);
            EXPECT_LE(b.endedAt[0], worstCaseDurationMs(op, restarts));
        }
    }
}

}  // namespace
}  // namespace zq61
