// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/core/virtual_radio.h"

#include <algorithm>

namespace zq61::sim {

namespace {

constexpr uint8_t kAck = 0x06;
constexpr uint8_t kResend = 0x0A;
constexpr std::string_view kHandshake = "PROGRAM";
constexpr std::string_view kEnd = "END";
// A frame that stays incomplete longer than this is dropped, as the radio's
// receiver gives up on a broken frame.
constexpr int64_t kFrameGapMs = 50;

uint8_t sum(std::span<const uint8_t> bytes) {
    unsigned s = 0;
    for (uint8_t b : bytes)
        s += b;
    return static_cast<uint8_t>(s);
}

// 0: `input` is a beginning of `word`; the word's length when it starts
// with it; -1 otherwise.
int matchWord(std::span<const uint8_t> input, std::string_view word) {
    const size_t n = std::min(input.size(), word.size());
    for (size_t i = 0; i < n; ++i)
        if (input[i] != static_cast<uint8_t>(word[i])) return -1;
    return input.size() >= word.size() ? static_cast<int>(word.size()) : 0;
}

}  // namespace

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

VirtualRadio::VirtualRadio(RadioSettings settings) : settings_(std::move(settings)) {
    std::fill(memory_.begin() + kVfoFrequency, memory_.begin() + kVfoFrequency + 3, 0xFF);
    info_[0] = static_cast<uint8_t>(settings_.bandMode);
    setPassword(settings_.password);
}

void VirtualRadio::setPassword(std::string_view password) {
    settings_.password = std::string(password.substr(0, 4));
    for (int i = 0; i < 4; ++i) {
        const size_t k = static_cast<size_t>(i);
        info_[kPasswordAddress - kInfoAddress + i] =
            k < settings_.password.size() ? static_cast<uint8_t>(settings_.password[k]) : 0;
    }
}

void VirtualRadio::setFaults(const FaultRates& rates, uint32_t seed) {
    rates_ = rates;
    random_.seed(seed);
    faultCounts_ = {};
}

bool VirtualRadio::refuse(int address) {
    for (Refusal& r : refused_) {
        if (r.address == address && r.times > 0) {
            --r.times;
            return true;
        }
    }
    return false;
}

bool VirtualRadio::roll(double probability) {
    if (probability <= 0) return false;
    // 24 random bits as a fraction: the same sequence on every platform.
    return static_cast<double>(random_() >> 8) / 16777216.0 < probability;
}

void VirtualRadio::log(const std::string& line) const {
    if (log_) log_(line);
}

std::vector<Chunk> VirtualRadio::receive(std::span<const uint8_t> bytes, int64_t nowMs) {
    std::vector<Chunk> out;
    if (bytes.empty()) return out;
    if (settings_.echo) out.push_back({nowMs, std::vector<uint8_t>(bytes.begin(), bytes.end())});
    if (!input_.empty() && nowMs - lastInputMs_ > kFrameGapMs) {
        log("<- dropped incomplete " + hex(input_));
        input_.clear();
    }
    lastInputMs_ = nowMs;
    input_.insert(input_.end(), bytes.begin(), bytes.end());

    for (;;) {
        const int length = frameLength();
        if (length == 0) break;
        if (length < 0) {
            input_.erase(input_.begin());
            continue;
        }
        const std::vector<uint8_t> frame(input_.begin(), input_.begin() + length);
        input_.erase(input_.begin(), input_.begin() + length);
        log("<- " + hex(frame));
        answer(frame, nowMs, out);
    }
    return out;
}

int VirtualRadio::frameLength() const {
    if (input_.empty()) return 0;
    const std::span<const uint8_t> in(input_);
    if (in[0] == 'P') return matchWord(in, kHandshake);
    if (!programMode_) return -1;
    switch (in[0]) {
        case 0x02:
            return 1;
        case 'R':
            return in.size() >= 4 ? 4 : 0;
        case 'W': {
            if (in.size() < 4) return 0;
            const size_t size = 4u + in[3] + 2u;
            return in.size() >= size ? static_cast<int>(size) : 0;
        }
        case 'E':
            return matchWord(in, kEnd);
        default:
            return -1;
    }
}

void VirtualRadio::answer(std::span<const uint8_t> frame, int64_t nowMs, std::vector<Chunk>& out) {
    std::vector<uint8_t> reply;
    bool isBlock = false;
    if (frame[0] == 'P') {
        programMode_ = true;
        reply = {0x4C, 0x4D, kAck};
    } else if (frame[0] == 0x02) {
        reply = identity();
    } else if (frame[0] == 'R') {
        const int address = (frame[1] << 8) | frame[2];
        reply = block(address, frame[3]);
        isBlock = true;
    } else if (frame[0] == 'W') {
        const size_t size = frame.size();
        const bool sound =
            frame[size - 1] == kAck && sum(frame.subspan(1, size - 3)) == frame[size - 2];
        const int address = (frame[1] << 8) | frame[2];
        if (sound && refuse(address)) {
            log("   asks again as told");
            reply = {kResend};
        } else if (sound && roll(rates_.resend)) {
            ++faultCounts_.resend;
            log("fault: asks again for a sound frame");
            reply = {kResend};
        } else if (sound) {
            if (!store(address, frame.subspan(4, frame[3])))
                log("   write outside the memory ignored");
            reply = {kAck};
        } else {
            reply = {kResend};
        }
    } else {  // END
        programMode_ = false;
        reply = {kAck};
    }

    if (isBlock && roll(rates_.wrongAddress)) {
        // The radio answers with the neighbouring block instead.
        ++faultCounts_.wrongAddress;
        log("fault: the block of another address");
        const int address = (frame[1] << 8) | frame[2];
        reply = block((address + frame[3]) & 0xFFFF, frame[3]);
    }
    if (isBlock && roll(rates_.badSum)) {
        ++faultCounts_.badSum;
        log("fault: bad sum");
        reply[reply.size() - 2] ^= 0x5A;
    }
    if (roll(rates_.drop)) {
        ++faultCounts_.drop;
        log("fault: answer dropped");
        return;
    }
    int64_t at = nowMs + settings_.replyDelayMs;
    if (roll(rates_.delay)) {
        ++faultCounts_.delay;
        const int late = 151 + static_cast<int>(random_() % 250);
        log("fault: answer " + std::to_string(late) + " ms late");
        at = nowMs + late;
    }
    if (roll(rates_.extraBytes)) {
        ++faultCounts_.extraBytes;
        const int extra = 1 + static_cast<int>(random_() % 8);
        for (int i = 0; i < extra; ++i)
            reply.push_back(static_cast<uint8_t>(random_()));
        log("fault: " + std::to_string(extra) + " extra bytes");
    }
    emit(std::move(reply), at, out);
}

void VirtualRadio::emit(std::vector<uint8_t> bytes, int64_t atMs, std::vector<Chunk>& out) {
    // The radio answers one frame after the other.
    lastOutMs_ = std::max(lastOutMs_, atMs);
    log("-> " + hex(bytes));
    out.push_back({lastOutMs_, std::move(bytes)});
}

std::vector<uint8_t> VirtualRadio::identity() const {
    std::vector<uint8_t> id(16, 0);
    id[0] = 0x49;
    for (size_t i = 0; i < 7 && i < settings_.model.size(); ++i)
        id[1 + i] = static_cast<uint8_t>(settings_.model[i]);
    id[8] = static_cast<uint8_t>(settings_.bandMode);
    for (size_t i = 0; i < 4 && i < settings_.firmware.size(); ++i)
        id[9 + i] = static_cast<uint8_t>(settings_.firmware[i]);
    id[13] = settings_.ctcssDcs ? 1 : 0;
    id[15] = kAck;
    return id;
}

std::vector<uint8_t> VirtualRadio::block(int address, int length) const {
    std::vector<uint8_t> reply = {'W', static_cast<uint8_t>(address >> 8),
                                  static_cast<uint8_t>(address), static_cast<uint8_t>(length)};
    for (int i = 0; i < length; ++i) {
        const int a = address + i;
        uint8_t b = 0xFF;  // nothing answers there
        if (a >= 0 && a < kMemorySize) b = memory_[a];
        if (a >= kInfoAddress && a < kInfoAddress + kInfoSize) b = info_[a - kInfoAddress];
        reply.push_back(b);
    }
    reply.push_back(sum(std::span(reply).subspan(1)));
    reply.push_back(kAck);
    return reply;
}

bool VirtualRadio::store(int address, std::span<const uint8_t> data) {
    if (address < 0 || address + static_cast<int>(data.size()) > kMemorySize) return false;
    std::copy(data.begin(), data.end(), memory_.begin() + address);
    if (corruptAddress_ >= address && corruptAddress_ < address + static_cast<int>(data.size())) {
        memory_[static_cast<std::size_t>(corruptAddress_)] ^= 0xFF;
        log("fault: the byte at " +
            hex(std::array<uint8_t, 2>{static_cast<uint8_t>(corruptAddress_ >> 8),
                                       static_cast<uint8_t>(corruptAddress_)}) +
            " stored damaged");
    }
    ++framesWritten_;
    return true;
}

}  // namespace zq61::sim
