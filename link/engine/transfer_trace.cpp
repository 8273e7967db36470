// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/transfer_trace.h"

#include <algorithm>

#include "link/engine/frames.h"

namespace zq61 {

void TransferTrace::sent(std::span<const uint8_t> frame) const {
    if (sink_) line("TX", frame, PasswordMask().next(frame));
}

void TransferTrace::received(std::span<const uint8_t> delivery) {
    if (!sink_) return;
    delivery_.assign(delivery.begin(), delivery.end());
    hidden_ = mask_.next(delivery);
}

void TransferTrace::show(const char* label, size_t count) const {
    if (!sink_) return;
    line(label, std::span(delivery_).first(std::min(count, delivery_.size())), hidden_);
}

void TransferTrace::line(const char* label, std::span<const uint8_t> bytes,
                         const std::vector<bool>& hidden) const {
    std::string text = label;
    for (size_t i = 0; i < bytes.size(); ++i) {
        text += ' ';
        text += hidden[i] ? std::string("**") : frame::hex(bytes.subspan(i, 1));
    }
    sink_(text);
}

}  // namespace zq61
