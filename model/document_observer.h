// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zq61 {

// The open windows that show the document. Model code calls these after it
// changed the working copy so that the windows redisplay; the default does
// nothing, so a document without windows (command line, tests) needs none.
class DocumentObserver {
  public:
    virtual ~DocumentObserver() = default;
    // Channel grid: redraw the row of this channel if it is in the shown group.
    virtual void reShowGrid(int /*chNo*/) {}
    // Channel grid: reload the group panel.
    virtual void ReshowByCh() {}
    // Channel edit window: reload the shown channel.
    virtual void SetGridEditData(bool /*fromGrid*/) {}
    // Channel edit window and optional features window: rebuild the tone tip lists.
    virtual void ShowRB() {}
    virtual void ShowRBOpt() {}
    // Channel edit window and optional features window: refill the DTMF
    // number lists after a code was defined or deleted, keeping the shown
    // number when it still exists.
    virtual void RefreshDtmfLists() {}
    // Every window: reload everything shown from the document (the working
    // copy was put back by undo or redo).
    virtual void reShowAll() {}
    // A committed edit of the working copy ended: one cell, one choice, one
    // box that was left. The main window records it as one undo step; the
    // calls one user action causes count once.
    virtual void documentEdited() {}
};

}  // namespace zq61
