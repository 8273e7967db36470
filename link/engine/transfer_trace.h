// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frames of a transfer in hexadecimal, one line per frame ("TX ..." /
// "RX ..."), for --trace and for debugging. The radio's password and the
// sum that would give it away are shown as "**", also when its protection
// block arrives in pieces.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "link/engine/password.h"

namespace zq61 {

class TransferTrace {
  public:
    using Sink = std::function<void(const std::string&)>;

    void setSink(Sink sink) { sink_ = std::move(sink); }
    bool enabled() const { return static_cast<bool>(sink_); }

    void sent(std::span<const uint8_t> frame) const;
    // Every delivery passes here first, shown or not: an answer may be
    // split over deliveries and the mask must see every byte.
    void received(std::span<const uint8_t> delivery);
    // Shows the first `count` bytes of the last delivery, after `label`.
    void show(const char* label, size_t count) const;
    // A line of its own, for what is not a frame (the port went away).
    void note(const std::string& text) const {
        if (sink_) sink_(text);
    }

  private:
    void line(const char* label, std::span<const uint8_t> bytes,
              const std::vector<bool>& hidden) const;

    Sink sink_;
    PasswordMask mask_;
    std::vector<uint8_t> delivery_;
    std::vector<bool> hidden_;
};

}  // namespace zq61
