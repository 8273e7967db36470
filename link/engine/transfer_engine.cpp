#include "link/engine/transfer_engine.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "codec/text_helpers.h"
#include "link/engine/frames.h"
#include "link/engine/password.h"
#include "model/bands.h"
#include "model/document.h"
#include "model/program_versions.h"
#include "model/text_ids.h"

namespace zq61 {

namespace {

constexpr int kMemoryEnd = mem::kImageSize - 1;         // 0x1CFF
constexpr int kInfoEnd = kInfoAddress + kInfoSize - 1;  // 0x3EFF
constexpr int kInfoWindowEnd = 0x3FFF;

}  // namespace

TransferEngine::TransferEngine(Document& doc, SerialLink& port, ReplyTimer& timer,
                               TransferHost& host, const ProgramVersions& versions)
    : doc_(doc), port_(port), timer_(timer), host_(host), versions_(versions) {}

std::string TransferEngine::text(int id) const {
    return doc_.text(id);
}

void TransferEngine::message(int textId, PromptIcon icon) const {
    doc_.tell(textId, icon);
}

void TransferEngine::message(FixedText kind, PromptIcon icon) const {
    doc_.tell(kind, icon);
}

template <typename F>
auto TransferEngine::withRepliesPaused(F&& ask) {
    const bool active = TransferActive;
    TransferActive = false;
    struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore{TransferActive, active};
    return ask();
}

int16_t& TransferEngine::step() {
    return LinkOperation == kLinkWrite ? WriteStep : ReadStep;
}

// ---- port and images ----

bool TransferEngine::OpenRadioPort() {
    BlockSize = frame::kBlockLength;
    if (LinkOperation == kLinkRadioInfo) {
        CurrentAddress = kInfoAddress - BlockSize;
        EndAddress = kInfoEnd;
    } else {
        CurrentAddress = -BlockSize;
        EndAddress = kMemoryEnd;
    }
    const int lastBlock = static_cast<int>(std::lround(double(EndAddress) / BlockSize));
    BlockRetries.assign(static_cast<size_t>(lastBlock) + 1, 3);
    timer_.stop();
    LastPercent = 0;
    ProtectionRetries = 3;
    HandshakeAttempts = 0;
    ResendRequests = 0;
    lastRequest_.clear();
    stopDraining();
    quitAfterAbort_ = false;

    if (port_.isOpen()) port_.close();
    if (!port_.open()) {
        message(txt::kPortError, PromptIcon::Error);
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
        message(txt::kPortError, PromptIcon::Error);
        EndTransfer(false);
        return;
    }
    HandshakeAttempts = 0;
    SendHandshake();
}

// ---- requests ----

void TransferEngine::send(const std::vector<uint8_t>& bytes, int replyLength) {
    EchoLength = static_cast<int16_t>(EchoAbsent ? 0 : bytes.size());
    timer_.start(kReplyTimeoutMs);
    RThreshold = EchoLength + replyLength;
    port_.setReceiveThreshold(RThreshold);
    port_.clearBuffers();
    if (bytes == lastRequest_) {
        ++sends_;
    } else {
        lastRequest_ = bytes;
        sends_ = 1;
        answers_ = 0;
    }
    replyLength_ = replyLength;
    sawEcho_ = false;
    if (trace_) traceFrame("TX", bytes, PasswordMask().next(bytes));
    port_.write(bytes);
}

void TransferEngine::SendHandshake() {
    switch (LinkOperation) {
        case kLinkRead:
        case kLinkRadioInfo:
            ReadStep = kStepHandshake;
            WriteStep = kStepNone;
            break;
        case kLinkWrite:
            WriteStep = kStepHandshake;
            ReadStep = kStepNone;
            break;
        default:
            LinkOperation = kLinkNone;
            ReadStep = WriteStep = kStepNone;
            return;
    }
    ResendRequests = 0;
    stopDraining();
    TransferActive = true;
    send(frame::handshake(), frame::kHandshakeReplySize);
}

void TransferEngine::SendIdentify() {
    send(frame::identify(), frame::kIdentityReplySize);
}

void TransferEngine::SendProtectionRequest() {
    send(frame::readRequest(kProtectionBlockAddress), frame::kBlockFrameSize);
}

void TransferEngine::SendBlockRequest() {
    if (CurrentAddress >= EndAddress) return goToEndStep();
    send(frame::readRequest(CurrentAddress, BlockSize), BlockSize + 6);
}

void TransferEngine::SendNextBlockRequest() {
    CurrentAddress += BlockSize;
    SendBlockRequest();
}

void TransferEngine::SendWriteBlock() {
    if (CurrentAddress >= EndAddress) return goToEndStep();
    UpdateProgress();
    const auto data =
        std::span<const uint8_t>(MemoryImage)
            .subspan(static_cast<size_t>(CurrentAddress), static_cast<size_t>(BlockSize));
    send(frame::writeFrame(CurrentAddress, data), frame::kAckSize);
}

void TransferEngine::SendNextWriteBlock() {
    CurrentAddress += BlockSize;
    ResendRequests = 0;
    SendWriteBlock();
}

void TransferEngine::SendEnd() {
    send(frame::end(), frame::kAckSize);
}

void TransferEngine::goToEndStep() {
    switch (LinkOperation) {
        case kLinkRead:
        case kLinkRadioInfo:
            ReadStep = kStepEnd;
            break;
        case kLinkWrite:
            WriteStep = kStepEnd;
            break;
        default:
            return AbortTransfer();
    }
    SendEnd();
}

// ---- replies ----

void TransferEngine::OnBytesArrived(std::span<const uint8_t> bytes) {
    // Every byte received goes through the mask, also those not shown: an
    // answer may be split over deliveries.
    const std::vector<bool> hidden = trace_ ? receivedMask_.next(bytes) : std::vector<bool>();
    auto trace = [&](const char* direction, std::span<const uint8_t> shown) {
        if (trace_) traceFrame(direction, shown, hidden);
    };
    if (!TransferActive) {
        trace("RX (dropped)", bytes);
        return;
    }
    if (draining_) {
        trace("RX (answer to an earlier send)", bytes);
        if (++answers_ >= sends_) finishDraining();
        return;
    }
    if (EchoAbsent && isEchoOfRequest(bytes)) {
        // The cable does echo after all: later requests expect it. This
        // request's answer may still come on its own and is taken then.
        trace("RX (echo)", bytes);
        EchoAbsent = false;
        sawEcho_ = true;
        return;
    }
    const auto reply = bytes.first(std::min<size_t>(bytes.size(), static_cast<size_t>(RThreshold)));
    trace("RX", reply);
    if (reply.size() < static_cast<size_t>(EchoLength)) return;
    // An echo that is not the request means the bytes are out of step (a
    // late answer before it): the answer's place is not where it seems, and
    // the last byte of a write frame's echo would pass for an ACK.
    const auto echo = reply.first(static_cast<size_t>(EchoLength));
    if (!echo.empty() &&
        !std::equal(echo.begin(), echo.end(), lastRequest_.begin(), lastRequest_.end()))
        return;
    classify(reply.subspan(static_cast<size_t>(EchoLength)));
}

// Bytes that begin with the request just sent are its echo: no answer of
// the radio begins like the request it answers.
bool TransferEngine::isEchoOfRequest(std::span<const uint8_t> bytes) const {
    const size_t n = std::min(bytes.size(), lastRequest_.size());
    return !lastRequest_.empty() && n >= std::min<size_t>(3, lastRequest_.size()) &&
           std::equal(bytes.begin(), bytes.begin() + static_cast<long>(n), lastRequest_.begin());
}

bool TransferEngine::classify(std::span<const uint8_t> r) {
    const size_t n = r.size();
    if (n == 1 && r[0] == frame::kAck) {
        accept([this] { AdvanceTransfer(); });
        return true;
    }
    if (n == 1 && r[0] == frame::kResend) {
        // Only a write frame can be asked for again.
        if (LinkOperation != kLinkWrite || WriteStep != kStepWriting) return false;
        timer_.stop();
        ++answers_;
        if (++ResendRequests > kMaxResendRequests) {
            linkFailurePrompt();
        } else {
            SendWriteBlock();
        }
        return true;
    }
    if (n == 3 && std::equal(r.begin(), r.end(), frame::handshakeReply().begin())) {
        accept([this] { AdvanceTransfer(); });
        return true;
    }
    if (frame::isIdentityReply(r)) {
        if (LinkOperation != kLinkRadioInfo) {
            const frame::Identity id = frame::decodeIdentity(r);
            RadioModel = id.model;
            RadioBandMode = id.bandMode;
            RadioVersion = id.version;
            CtcssDcsAvailable = id.ctcssDcs ? 1 : 0;
        }
        accept([this] { AdvanceTransfer(); });
        return true;
    }
    const int address = frame::blockReplyAddress(r);
    if (address < 0) return false;
    const auto data = r.subspan(4, static_cast<size_t>(frame::blockReplyLength(r)));
    if (address == kProtectionBlockAddress &&
        (ReadStep == kStepProtection || WriteStep == kStepProtection)) {
        std::array<uint8_t, frame::kBlockLength> block{};
        std::copy_n(data.begin(), block.size(), block.begin());
        accept([this, block] { checkPassword(block); });
        return true;
    }
    if (address == CurrentAddress && frame::blockReplyLength(r) == BlockSize) {
        storeBlock(data);
        accept([this] { AdvanceTransfer(); });
        return true;
    }
    return false;
}

void TransferEngine::storeBlock(std::span<const uint8_t> data) {
    for (int i = 0; i < BlockSize; ++i) {
        const int address = CurrentAddress + i;
        if (address >= 0 && address < mem::kImageSize) {
            MemoryImage[address] = data[i];
        } else if (address >= kInfoAddress && address <= kInfoWindowEnd &&
                   address - kInfoAddress < kInfoSize) {
            InfoImage[address - kInfoAddress] = data[i];
        }
    }
    if (LinkOperation == kLinkRead || LinkOperation == kLinkWrite) UpdateProgress();
}

void TransferEngine::checkPassword(const std::array<uint8_t, 16>& block) {
    if (PasswordAccepted(block, EnteredPassword)) return AdvanceTransfer();

    timer_.stop();
    const auto answer = withRepliesPaused([&] { return doc_.prompter->password(EnteredPassword); });
    if (answer) EnteredPassword = cleanString(*answer);
    if (PasswordAccepted(block, EnteredPassword)) return AdvanceTransfer();
    withRepliesPaused([&] { message(FixedText::PasswordFailure, PromptIcon::None); });
    AbortTransfer();
}

// Answers carry no number: when a request went out more than once, the
// answers to its other sends may still be on their way, and in a write one
// of them could pass for the answer to the next request (an ACK for a frame
// the radio in fact asked for again, which would then never be written).
// So in a write, after a request sent more than once is answered, the engine
// waits for the answers still owed, up to three reply times, dropping them,
// before it goes on. Reads need not wait: their blocks carry addresses.
void TransferEngine::accept(std::function<void()> next) {
    ++answers_;
    if (LinkOperation != kLinkWrite || answers_ >= sends_) return next();
    timer_.stop();
    draining_ = true;
    drainRounds_ = 0;
    afterDraining_ = std::move(next);
    RThreshold = replyLength_;
    port_.setReceiveThreshold(RThreshold);
    timer_.start(kReplyTimeoutMs);
}

void TransferEngine::finishDraining() {
    auto next = std::move(afterDraining_);
    stopDraining();
    timer_.stop();
    if (next) next();
}

void TransferEngine::stopDraining() {
    draining_ = false;
    afterDraining_ = nullptr;
}

// ---- step function ----

void TransferEngine::AdvanceTransfer() {
    timer_.stop();
    const int16_t s = step();
    switch (LinkOperation) {
        case kLinkRead:
        case kLinkWrite: {
            const bool writing = LinkOperation == kLinkWrite;
            if (s == kStepHandshake) {
                step() = kStepIdentify;
                SendIdentify();
            } else if (s == kStepIdentify) {
                step() = kStepProtection;
                SendProtectionRequest();
            } else if (s == kStepProtection) {
                if (!identityCheck()) {
                    AbortTransfer();
                    if (quitAfterAbort_) host_.terminateProgram();
                    return;
                }
                if (!writing) {
                    ReadStep = kStepReading;
                    SendNextBlockRequest();
                    return;
                }
                WriteStep = kStepWriting;
                if (CtcssDcsAvailable == 0)
                    withRepliesPaused(
                        [&] { message(FixedText::NoToneFeature, PromptIcon::Warning); });
                SendNextWriteBlock();
            } else if (s == kStepReading && !writing) {
                SendNextBlockRequest();
            } else if (s == kStepWriting && writing) {
                SendNextWriteBlock();
            } else if (s == kStepEnd) {
                EndTransfer(true);
            } else {
                AbortTransfer();
            }
            return;
        }
        case kLinkRadioInfo:
            if (s == kStepHandshake) {
                ReadStep = kStepProtection;
                SendIdentify();
            } else if (s == kStepProtection || s == kStepReading) {
                ReadStep = kStepReading;
                SendNextBlockRequest();
            } else if (s == kStepEnd) {
                EndTransfer(true);
            } else {
                AbortTransfer();
            }
            return;
        default:
            AbortTransfer();
    }
}

bool TransferEngine::identityCheck() {
    timer_.stop();
    const std::string model = cleanString(doc_.ModelName);
    const bool bandOk = LinkOperation != kLinkWrite || doc_.BandMode == RadioBandMode;
    const bool modelOk = model == RadioModel;
    const bool versionOk = versions_.table().isCompatible(kDataVersion, RadioVersion);
    if (bandOk && modelOk && versionOk) {
        // A read must give the document a band mode it can work in.
        if (LinkOperation == kLinkRead && !isKnownBandMode(RadioBandMode)) {
            withRepliesPaused([&] { message(FixedText::CountryModeError, PromptIcon::Error); });
            return false;
        }
        return true;
    }
    withRepliesPaused([&] {
        if (!modelOk) {
            doc_.prompter->message(Prompt::ofText(
                txt::kWrongModel,
                text(txt::kWrongModel) + "\r\nPC is " + model + "\r\nRadio is " + RadioModel,
                PromptIcon::Warning));
        } else if (!versionOk) {
            const auto question =
                mismatchMessage(*doc_.texts, kDataVersion, RadioVersion, ForeignKind::Radio);
            if (doc_.prompter->yesNo(Prompt::ofText(txt::kVersionMismatch, question,
                                                    PromptIcon::Question)) == PromptAnswer::Yes &&
                versions_.startProgramVersionFor(RadioVersion, *doc_.prompter, *doc_.texts))
                quitAfterAbort_ = true;
        } else {
            message(txt::kOtherBandOrVersion, PromptIcon::Warning);
        }
    });
    return false;
}

// ---- time-outs and failures ----

void TransferEngine::OnReplyTimeout() {
    timer_.stop();
    if (draining_) {
        if (answers_ < sends_ && ++drainRounds_ < kDrainRounds) {
            timer_.start(kReplyTimeoutMs);
        } else {
            finishDraining();
        }
        return;
    }
    const int16_t s = step();
    switch (LinkOperation) {
        case kLinkRead:
        case kLinkWrite:
        case kLinkRadioInfo:
            break;
        default:
            return;
    }
    const bool info = LinkOperation == kLinkRadioInfo;
    if (s == kStepHandshake) {
        if (++HandshakeAttempts > 3) {
            info ? infoFailurePrompt() : linkFailurePrompt();
        } else {
            // Alternate between expecting an echo and not, unless the echo
            // was just seen.
            if (!sawEcho_) EchoAbsent = !EchoAbsent;
            SendHandshake();
        }
    } else if (s == kStepEnd) {
        EndTransfer(true);  // the radio's ACK of the end request is not required
    } else if (info) {
        if (s >= kStepIdentify && s <= kStepReading) infoFailurePrompt();
    } else if (s == kStepIdentify) {
        linkFailurePrompt();
    } else if (s == kStepProtection) {
        if (--ProtectionRetries > 0) {
            SendProtectionRequest();
        } else {
            linkFailurePrompt();
        }
    } else if (s == kStepReading && LinkOperation == kLinkRead) {
        blockTimeout(false);
    } else if (s == kStepWriting && LinkOperation == kLinkWrite) {
        blockTimeout(true);
    }
}

void TransferEngine::blockTimeout(bool writing) {
    const long index = std::lround(double(CurrentAddress) / BlockSize);
    if (index < 0 || index >= static_cast<long>(BlockRetries.size()) ||
        BlockRetries[static_cast<size_t>(index)] <= 0) {
        linkFailurePrompt();
        return;
    }
    --BlockRetries[static_cast<size_t>(index)];
    if (writing) {
        SendWriteBlock();
    } else {
        SendBlockRequest();
    }
}

void TransferEngine::linkFailurePrompt() {
    TransferActive = false;
    timer_.stop();
    stopDraining();
    HandshakeAttempts = 0;
    ProtectionRetries = 3;
    const auto answer =
        doc_.prompter->okCancel(doc_.prompt(txt::kLinkFailed, PromptIcon::Question));
    if (answer != PromptAnswer::Ok) return AbortTransfer();
    // Start again from the handshake and the first block.
    CurrentAddress = -BlockSize;
    LastPercent = 0;
    host_.showProgress(0);
    SendHandshake();
}

void TransferEngine::infoFailurePrompt() {
    TransferActive = false;
    timer_.stop();
    const auto answer =
        doc_.prompter->retryCancel(doc_.prompt(txt::kLinkFailed, PromptIcon::Question));
    if (answer != PromptAnswer::Retry) return AbortTransfer();
    CurrentAddress = kInfoAddress - BlockSize;
    SendHandshake();
}

// ---- end ----

void TransferEngine::AbortTransfer() {
    if (port_.isOpen()) SendEnd();  // its answer is not awaited
    EndTransfer(false);
}

void TransferEngine::EndTransfer(bool success) {
    const int16_t op = LinkOperation;
    TransferActive = false;
    timer_.stop();
    stopDraining();
    if (port_.isOpen()) port_.close();
    if (op == kLinkRead || op == kLinkWrite) host_.closeProgressWindow();
    LinkOperation = kLinkNone;
    ReadStep = WriteStep = kStepNone;

    if (success) {
        if (op == kLinkRead) {
            readPending_ = true;
            host_.closeChildWindows();
            host_.startReadOkTimer();
        } else if (op == kLinkRadioInfo) {
            DecodeInfoImage(InfoImage, doc_.Info);
            host_.showRadioInfo();
        }
        if (op == kLinkRead || op == kLinkWrite)
            message(txt::kLinkFailed + op, PromptIcon::Information);
    }
    host_.transferEnded(op, success);
}

void TransferEngine::UpdateProgress() {
    if (CurrentAddress < 0 || EndAddress <= 0) return;
    // Rounded to the nearest percent, halves to even.
    const long long scaled = static_cast<long long>(CurrentAddress) * 100;
    long long percent = scaled / EndAddress;
    const long long twiceRest = 2 * (scaled % EndAddress);
    if (twiceRest > EndAddress || (twiceRest == EndAddress && percent % 2 == 1)) ++percent;
    if (percent <= LastPercent) return;
    LastPercent = static_cast<int16_t>(percent);
    host_.showProgress(LastPercent);
}

// ---- trace ----

void TransferEngine::traceFrame(const char* direction, std::span<const uint8_t> bytes,
                                const std::vector<bool>& hidden) const {
    std::string line = direction;
    for (size_t i = 0; i < bytes.size(); ++i) {
        line += ' ';
        line += hidden[i] ? std::string("**") : frame::hex(bytes.subspan(i, 1));
    }
    trace_(line);
}

}  // namespace zq61
