// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary replies and time-outs fed into a transfer engine in the middle of
// a read, write or radio-information transfer. A virtual radio answers the
// first requests soundly, so that the transfer gets anywhere from the
// handshake to the last block; then the input decides: sound answers, bytes
// of its own, time-outs, cancels, and the answers to the prompts. The engine must not
// crash, must write only to an open port, and must end once the radio stays
// silent and the prompts are cancelled; it must never wait without its timer.

#include <algorithm>
#include <deque>
#include <span>
#include <vector>

#include "link/engine/transfer_engine.h"
#include "model/document.h"
#include "model/program_versions.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"
#include "tools/sim/core/virtual_radio.h"

namespace {

using namespace zq61;

// The input, read from the front: settings first, then events.
class Input {
  public:
    Input(const uint8_t* data, size_t size) : data_(data, size) {}
    bool more() const { return next_ < data_.size(); }
    uint8_t byte() { return more() ? data_[next_++] : 0; }
    bool bit() { return byte() & 1; }
    int upTo(int most) { return (byte() | byte() << 8) % (most + 1); }
    std::span<const uint8_t> bytes(size_t count) {
        const size_t n = std::min(count, data_.size() - next_);
        const auto taken = data_.subspan(next_, n);
        next_ += n;
        return taken;
    }

  private:
    std::span<const uint8_t> data_;
    size_t next_ = 0;
};

struct NoStarter : ProgramStarter {
    bool start(const std::string&) override { return false; }
};

VersionTable versionTable() {
    VersionTable t;
    t.Pairs = {{"V100", "V100"}};
    return t;
}

class Rig : public SerialLink, public ReplyTimer, public TransferHost {
  public:
    explicit Rig(sim::RadioSettings settings) : radio(std::move(settings)) {
        doc.WorkData.Header.Model = kModelName;
    }

    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document doc{prompter, texts};
    NoStarter starter;
    ProgramVersions versions{versionTable(), "/nonexistent", "zq61", starter};
    TransferEngine engine{doc, *this, *this, *this, versions};
    sim::VirtualRadio radio;
    bool timerRunning = false;
    bool readOk = false;

    // The radio's sound answers to the requests so far, in order.
    std::deque<std::vector<uint8_t>> answers;

    void deliver(std::span<const uint8_t> bytes) {
        if (!open_) return;
        buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
        if (threshold_ > 0 && static_cast<int>(buffer_.size()) >= threshold_) {
            const std::vector<uint8_t> chunk = std::move(buffer_);
            buffer_.clear();
            engine.OnBytesArrived(chunk);
        }
    }
    void deliverAnswer() {
        if (answers.empty()) return;
        const std::vector<uint8_t> bytes = std::move(answers.front());
        answers.pop_front();
        deliver(bytes);
    }
    void timeout() {
        if (!timerRunning) return;
        timerRunning = false;
        engine.OnReplyTimeout();
    }

    // SerialLink
    bool open() override {
        open_ = true;
        return true;
    }
    void close() override {
        open_ = false;
        buffer_.clear();
    }
    bool isOpen() const override { return open_; }
    void clearBuffers() override { buffer_.clear(); }
    void write(std::span<const uint8_t> bytes) override {
        if (!open_) __builtin_trap();  // a request into a closed port
        for (sim::Chunk& c : radio.receive(bytes, clock_++))
            answers.push_back(std::move(c.bytes));
    }
    void setReceiveThreshold(int bytes) override { threshold_ = bytes; }

    // ReplyTimer
    void start(int) override { timerRunning = true; }
    void stop() override { timerRunning = false; }

    // TransferHost
    void startReadOkTimer() override { readOk = true; }

  private:
    bool open_ = false;
    int threshold_ = 0;
    int64_t clock_ = 0;
    std::vector<uint8_t> buffer_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    sim::RadioSettings settings;
    settings.echo = in.bit();
    settings.bandMode = in.byte() % 4;
    settings.ctcssDcs = in.bit();
    if (in.bit()) settings.password = "ab";
    settings.replyDelayMs = 0;
    Rig rig(settings);
    rig.engine.setEchoAbsent(in.bit());
    rig.prompter.defaultAnswer = in.bit() ? PromptAnswer::Ok : PromptAnswer::Cancel;
    const uint8_t entered = in.byte() % 3;  // the password dialog: cancelled, right, wrong
    if (entered > 0) rig.prompter.passwords.push_back(entered == 1 ? "ab" : "AB");

    switch (in.byte() % 3) {
        case 0:
            rig.engine.ReadFromRadio();
            break;
        case 1:
            rig.engine.WriteToRadio();
            break;
        default:
            rig.engine.ReadRMGDataFromRadio();
    }
    // Sound answers first: how far the transfer gets before the input takes over.
    for (int n = in.upTo(600); n > 0 && rig.engine.isBusy(); --n) {
        if (rig.answers.empty()) {
            rig.timeout();
        } else {
            rig.deliverAnswer();
        }
    }
    while (in.more()) {
        const uint8_t event = in.byte();
        if (event < 48) {
            rig.timeout();
        } else if (event < 96) {
            rig.deliverAnswer();
        } else if (event < 99) {
            rig.engine.FinishRead();
        } else if (event == 99) {
            // Stopped from outside: at once, with the port closed.
            rig.engine.cancel();
            if (rig.engine.isBusy() || rig.isOpen()) __builtin_trap();
        } else {
            rig.deliver(in.bytes(event % 48));
        }
    }
    // The radio falls silent and every prompt is cancelled: the transfer ends.
    rig.prompter.answers.clear();
    rig.prompter.defaultAnswer = PromptAnswer::Cancel;
    for (int n = 0; rig.engine.isBusy(); ++n) {
        if (!rig.timerRunning || n > 1000) __builtin_trap();  // it would wait for ever
        rig.timeout();
    }
    if (rig.readOk) rig.engine.FinishRead();
    return 0;
}
