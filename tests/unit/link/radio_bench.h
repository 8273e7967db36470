// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A transfer engine wired to a virtual radio on a simulated clock: the port,
// the reply timer and the window side are fakes that record what the engine
// does. run() delivers the radio's answers and fires the timers in time
// order until nothing is left, without sleeping.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "link/engine/frames.h"
#include "link/engine/transfer_engine.h"
#include "model/document.h"
#include "model/program_versions.h"
#include "support/recording_starter.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"
#include "tools/sim/core/virtual_radio.h"

namespace zq61::test {

inline VersionTable tableOf(std::vector<VersionPair> pairs) {
    VersionTable t;
    t.Pairs = std::move(pairs);
    return t;
}

class RadioBench : public SerialLink, public ReplyTimer, public TransferHost {
  public:
    explicit RadioBench(sim::RadioSettings settings = {},
                        VersionTable table = tableOf({{"V100", "V100"}}))
        : radio(std::move(settings)), versions(std::move(table), "/radio", "zq61", starter) {
        doc.WorkData.Header.Model = kModelName;  // as every document of this program has it
    }

    ScriptedPrompter prompter;
    TableTexts texts;
    Document doc{prompter, texts};
    sim::VirtualRadio radio;
    RecordingStarter starter;
    ProgramVersions versions;
    TransferEngine engine{doc, *this, *this, *this, versions};

    int64_t now = 0;
    bool portFails = false;
    // When above 0: the cable is pulled out 1 ms after this many frames
    // went out (the adapter closes the port and tells the engine).
    std::size_t pullCableAfterFrames = 0;
    std::optional<int64_t> cablePulledAt;
    // Sees every chunk on its way to the program; may change its bytes or
    // time, or empty it to lose it.
    std::function<void(sim::Chunk&)> tamper;

    // What the engine did.
    std::vector<frame::Bytes> sent;
    std::vector<int64_t> sentAt;                // when each frame was sent
    std::vector<TransferSnapshot> stateAtSend;  // the engine's snapshot as it sent it
    std::vector<int64_t> endedAt;
    std::vector<int> progress;
    int progressWindows = 0;
    int progressCloses = 0;
    int childWindowCloses = 0;
    int readDocumentsShown = 0;
    int infoWindowsShown = 0;
    int terminations = 0;
    std::vector<std::pair<TransferOperation, TransferResult>> ended;

    bool run(int maxEvents = 200000) {
        for (int i = 0; i < maxEvents; ++i) {
            std::optional<int64_t> next;
            auto consider = [&](std::optional<int64_t> t) {
                if (t && (!next || *t < *next)) next = t;
            };
            if (!inflight_.empty()) consider(inflight_.begin()->first);
            consider(timerAt_);
            consider(readOkAt_);
            consider(pullAt_);
            if (!next) return true;
            now = *next;
            if (pullAt_ == now) {
                pullAt_.reset();
                cablePulledAt = now;
                close();
                inflight_.clear();
                engine.OnPortLost("/dev/ttyUSB0: Input/output error");
            } else if (!inflight_.empty() && inflight_.begin()->first == now) {
                auto bytes = std::move(inflight_.begin()->second);
                inflight_.erase(inflight_.begin());
                deliver(bytes);
            } else if (timerAt_ == now) {
                timerAt_.reset();
                engine.OnReplyTimeout();
            } else {
                readOkAt_.reset();
                engine.FinishRead();
            }
        }
        return false;
    }

    // Handles events one at a time until `done` holds; false when the
    // events ran out first.
    template <typename Done>
    bool runUntil(Done done, int maxEvents = 200000) {
        for (int i = 0; i < maxEvents; ++i) {
            if (done()) return true;
            if (run(1)) return done();
        }
        return false;
    }

    // Frames sent that start with `head` (e.g. the read requests of one address).
    int countSent(const frame::Bytes& head) const {
        int n = 0;
        for (const auto& f : sent)
            if (f.size() >= head.size() && std::equal(head.begin(), head.end(), f.begin())) ++n;
        return n;
    }
    bool lastSentWas(const frame::Bytes& f) const { return !sent.empty() && sent.back() == f; }

    // SerialLink
    bool open() override {
        if (portFails) return false;
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
        sent.emplace_back(bytes.begin(), bytes.end());
        sentAt.push_back(now);
        if (sent.size() == pullCableAfterFrames) pullAt_ = now + 1;
        stateAtSend.push_back(engine.snapshot());
        for (sim::Chunk& c : radio.receive(bytes, now)) {
            if (tamper) tamper(c);
            if (!c.bytes.empty()) inflight_.emplace(c.atMs, std::move(c.bytes));
        }
    }
    void setReceiveThreshold(int bytes) override { threshold_ = bytes; }

    // ReplyTimer
    void start(int milliseconds) override { timerAt_ = now + milliseconds; }
    void stop() override { timerAt_.reset(); }

    // TransferHost
    void openProgressWindow(TransferOperation) override { ++progressWindows; }
    void showProgress(int percent) override { progress.push_back(percent); }
    void closeProgressWindow() override { ++progressCloses; }
    void closeChildWindows() override { ++childWindowCloses; }
    void startReadOkTimer() override { readOkAt_ = now + kReadOkDelayMs; }
    void showReadDocument() override { ++readDocumentsShown; }
    void showRadioInfo() override { ++infoWindowsShown; }
    void terminateProgram() override { ++terminations; }
    void transferEnded(TransferOperation op, TransferResult result) override {
        ended.emplace_back(op, result);
        endedAt.push_back(now);
    }

  private:
    void deliver(const std::vector<uint8_t>& bytes) {
        if (!open_) return;
        buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
        if (threshold_ > 0 && static_cast<int>(buffer_.size()) >= threshold_) {
            const std::vector<uint8_t> chunk = std::move(buffer_);
            buffer_.clear();
            engine.OnBytesArrived(chunk);
        }
    }

    bool open_ = false;
    int threshold_ = 0;
    std::vector<uint8_t> buffer_;
    std::multimap<int64_t, std::vector<uint8_t>> inflight_;  // equal times keep their order
    std::optional<int64_t> timerAt_;
    std::optional<int64_t> readOkAt_;
    std::optional<int64_t> pullAt_;
};

}  // namespace zq61::test
