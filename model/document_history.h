// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The edit history of a document's working copy, for undo and redo.
//
// The history keeps the working copy as it stands at the current step and,
// for every step, only what the step changed: the channel records it touched
// (before and after) and, when the settings changed, the settings records
// before and after. A step of one grid cell therefore costs a few hundred
// bytes, not a copy of all 409 channels.
//
// The working copy is the document's WorkData and WorkChannels: everything
// the editors change and the .dat file holds. The file name, the band and
// the file copy are not part of it; undoing back to the state last loaded or
// saved makes isChanged() false again by itself.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "model/radio_data.h"

namespace zq61 {

class Document;

class DocumentHistory {
  public:
    // At most this many steps are kept, and at most about this many bytes;
    // the oldest steps go first. The largest possible step (every channel
    // and the settings changed) is about 55 KB, so the byte budget always
    // keeps far more than 200 steps.
    static constexpr std::size_t kStepLimit = 500;
    static constexpr std::size_t kByteBudget = 16u * 1024u * 1024u;

    explicit DocumentHistory(std::size_t stepLimit = kStepLimit,
                             std::size_t byteBudget = kByteBudget);

    // A fresh history: the document's working copy as it is now is the
    // state undo leads back to; no steps to undo or redo.
    void reset(const Document& doc);

    // Records the changes made since the last step as one new step, when
    // there are any (merely looking at the document makes none). A new step
    // drops the steps that could have been redone. True when one was made.
    bool checkpoint(const Document& doc);

    // Records any unrecorded change first (so it is what undo takes back),
    // then puts the working copy back as it was before the newest step.
    // True when the document changed.
    bool undo(Document& doc);
    // Puts the working copy back as it was after the step undone last. A
    // change made since the undo is recorded first and leaves nothing to
    // redo. True when the document changed.
    bool redo(Document& doc);

    // True when the working copy differs from the newest step: an edit not
    // recorded yet.
    bool hasUnrecordedChange(const Document& doc) const;

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    std::size_t undoSteps() const { return position_; }
    std::size_t redoSteps() const { return steps_.size() - position_; }

    // The memory the history holds: its copy of the working copy and every
    // step, including the step records themselves.
    std::size_t memoryBytes() const;

  private:
    struct ChannelChange {
        uint16_t index = 0;
        ChannelRecord before;
        ChannelRecord after;
    };
    struct Step {
        std::vector<ChannelChange> channels;
        // Before and after, only when the settings changed.
        std::unique_ptr<std::pair<RadioData, RadioData>> data;
        std::size_t bytes() const;
    };

    void apply(Document& doc, const Step& step, bool forward);
    void keepWithinLimits();

    std::size_t stepLimit_;
    std::size_t byteBudget_;
    // The working copy as it stands after the first position_ steps.
    RadioData data_;
    ChannelArray channels_{};
    std::deque<Step> steps_;
    std::size_t position_ = 0;
    std::size_t stepBytes_ = 0;
};

}  // namespace zq61
