// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_history.h"

#include <algorithm>

#include "model/document.h"

namespace zq61 {

DocumentHistory::DocumentHistory(std::size_t stepLimit, std::size_t byteBudget)
    : stepLimit_(std::max<std::size_t>(stepLimit, 1)), byteBudget_(byteBudget) {}

std::size_t DocumentHistory::Step::bytes() const {
    return sizeof(Step) + channels.capacity() * sizeof(ChannelChange) + (data ? sizeof(*data) : 0);
}

void DocumentHistory::reset(const Document& doc) {
    data_ = doc.WorkData;
    channels_ = doc.WorkChannels;
    steps_.clear();
    position_ = 0;
    stepBytes_ = 0;
}

bool DocumentHistory::checkpoint(const Document& doc) {
    Step step;
    for (std::size_t i = 0; i < channels_.size(); ++i)
        if (!(doc.WorkChannels[i] == channels_[i]))
            step.channels.push_back({static_cast<uint16_t>(i), channels_[i], doc.WorkChannels[i]});
    if (!(doc.WorkData == data_))
        step.data = std::make_unique<std::pair<RadioData, RadioData>>(data_, doc.WorkData);
    if (step.channels.empty() && !step.data) return false;
    step.channels.shrink_to_fit();

    // A new edit leaves nothing to redo.
    while (steps_.size() > position_) {
        stepBytes_ -= steps_.back().bytes();
        steps_.pop_back();
    }
    for (const ChannelChange& c : step.channels)
        channels_[c.index] = c.after;
    if (step.data) data_ = step.data->second;
    stepBytes_ += step.bytes();
    steps_.push_back(std::move(step));
    position_ = steps_.size();
    keepWithinLimits();
    return true;
}

void DocumentHistory::keepWithinLimits() {
    // The newest step always stays, however large.
    while (steps_.size() > 1 && (steps_.size() > stepLimit_ || stepBytes_ > byteBudget_)) {
        stepBytes_ -= steps_.front().bytes();
        steps_.pop_front();
        if (position_ > 0) --position_;
    }
}

void DocumentHistory::apply(Document& doc, const Step& step, bool forward) {
    for (const ChannelChange& c : step.channels) {
        const ChannelRecord& record = forward ? c.after : c.before;
        channels_[c.index] = record;
        doc.WorkChannels[c.index] = record;
    }
    if (step.data) {
        data_ = forward ? step.data->second : step.data->first;
        doc.WorkData = data_;
    }
}

bool DocumentHistory::undo(Document& doc) {
    checkpoint(doc);
    if (!canUndo()) return false;
    --position_;
    apply(doc, steps_[position_], false);
    return true;
}

bool DocumentHistory::redo(Document& doc) {
    if (checkpoint(doc) || !canRedo()) return false;
    apply(doc, steps_[position_], true);
    ++position_;
    return true;
}

bool DocumentHistory::hasUnrecordedChange(const Document& doc) const {
    return !(doc.WorkData == data_ && doc.WorkChannels == channels_);
}

std::size_t DocumentHistory::memoryBytes() const {
    return sizeof(*this) + stepBytes_;
}

}  // namespace zq61
