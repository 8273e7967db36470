// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A virtual ZQ-61 on the far side of a programming cable: it is fed the
// bytes the program sends and answers them as the radio does. It keeps no
// clock of its own: every call gives the current time in milliseconds, and
// every answer comes back as a chunk stamped with the time it should reach
// the program. A wrapper (the zq61-sim program, or a test with a simulated
// clock) delivers the chunks at those times and may pace them further.
//
//   VirtualRadio radio(settings);
//   radio.memory() / radio.info()           the radio's images (read and change)
//   radio.setFaults(rates, seed)            seeded fault injection
//   radio.setLog(fn)                         one line per frame, in hexadecimal
//   auto chunks = radio.receive(bytes, nowMs);
//
// Protocol: "PROGRAM" -> "LM" 06; 02 -> identity; 52 hi lo len -> block;
// 57 hi lo len data sum 06 -> 06, or 0A on a bad frame; "END" -> 06. Until
// the handshake, and after "END", anything else is ignored.

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zq61::sim {

inline constexpr int kMemorySize = 0x1D00;   // 0x0000-0x1CFF
inline constexpr int kInfoAddress = 0x3E00;  // information area 0x3E00-0x3EFF
inline constexpr int kInfoSize = 256;
inline constexpr int kPasswordAddress = 0x3E1C;  // 4 bytes in the protection block 0x3E10
inline constexpr int kVfoFrequency = 0x1A00;

struct RadioSettings {
    int bandMode = 2;               // 0 CB, 1 HF, 2 HAM (identity and information area)
    std::string model = "ZQ-61";    // identity, up to 7 characters
    std::string firmware = "V100";  // identity, up to 4 characters
    bool ctcssDcs = true;           // bit 0 of the identity's feature byte
    std::string password;           // up to 4 characters; "" = none
    bool echo = false;              // the cable echoes every byte the program sends
    int replyDelayMs = 5;           // the radio's time to answer a frame
};

// Probabilities (0..1) per answer. Delay, drop and extra bytes apply to any
// answer; bad sum and wrong address (the next block, address and data) to
// block answers; resend to write frames
// (the radio then asks for the frame again and does not store it).
struct FaultRates {
    double drop = 0;
    double delay = 0;  // the answer comes 151..400 ms late
    double badSum = 0;
    double wrongAddress = 0;
    double resend = 0;
    double extraBytes = 0;  // 1..8 bytes after the answer, in the same chunk
};

struct FaultCounts {
    int drop = 0, delay = 0, badSum = 0, wrongAddress = 0, resend = 0, extraBytes = 0;
    int total() const { return drop + delay + badSum + wrongAddress + resend + extraBytes; }
};

// Bytes in hexadecimal ("50 52 4F"), for the frame log. The virtual radio
// links nothing of the program it tests, so it keeps its own copy of this.
std::string hex(std::span<const uint8_t> bytes);

struct Chunk {
    int64_t atMs = 0;  // when the bytes reach the program
    std::vector<uint8_t> bytes;
};

class VirtualRadio {
  public:
    explicit VirtualRadio(RadioSettings settings = {});

    const RadioSettings& settings() const { return settings_; }
    // Memory all 0 but an empty VFO slot (FF FF FF frequency); information
    // area all 0 but the band mode in byte 0 and the password.
    std::array<uint8_t, kMemorySize>& memory() { return memory_; }
    std::array<uint8_t, kInfoSize>& info() { return info_; }
    // Writes the password into the protection block (00 after it).
    void setPassword(std::string_view password);

    void setFaults(const FaultRates& rates, uint32_t seed);
    // The next `times` sound write frames for `address` are answered 0A and
    // not stored, as if they had arrived damaged.
    void refuseWrites(int address, int times) { refused_.push_back({address, times}); }
    // A damaged memory cell: every write frame that covers `address` is
    // acknowledged, but the byte at `address` is stored with its bits
    // inverted. Reads give back what was stored.
    void corruptStoredByte(int address) { corruptAddress_ = address; }
    const FaultCounts& faults() const { return faultCounts_; }
    void setLog(std::function<void(const std::string&)> log) { log_ = std::move(log); }

    // Bytes from the program arriving at `nowMs`. Returns what goes back: the
    // cable's echo at once, the radio's answers after its delay. The radio
    // answers one frame after another, so its answers never overtake each
    // other, also across calls; deliver chunks by time, equal times in order.
    std::vector<Chunk> receive(std::span<const uint8_t> bytes, int64_t nowMs);

    bool inProgramMode() const { return programMode_; }
    int framesWritten() const { return framesWritten_; }

  private:
    // One complete frame at the head of the input, or 0 when more is needed;
    // -1 drops one byte that starts no frame.
    int frameLength() const;
    void answer(std::span<const uint8_t> frame, int64_t nowMs, std::vector<Chunk>& out);
    std::vector<uint8_t> identity() const;
    std::vector<uint8_t> block(int address, int length) const;
    bool store(int address, std::span<const uint8_t> data);
    void emit(std::vector<uint8_t> bytes, int64_t atMs, std::vector<Chunk>& out);
    bool roll(double probability);
    void log(const std::string& line) const;

    RadioSettings settings_;
    std::array<uint8_t, kMemorySize> memory_{};
    std::array<uint8_t, kInfoSize> info_{};
    std::vector<uint8_t> input_;
    bool programMode_ = false;
    int64_t lastOutMs_ = 0;
    int64_t lastInputMs_ = 0;
    int framesWritten_ = 0;

    struct Refusal {
        int address;
        int times;
    };
    std::vector<Refusal> refused_;
    bool refuse(int address);

    int corruptAddress_ = -1;
    FaultRates rates_;
    FaultCounts faultCounts_;
    std::mt19937 random_;
    std::function<void(const std::string&)> log_;
};

}  // namespace zq61::sim
