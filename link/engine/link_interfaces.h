// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the transfer engine needs from the program around it. The engine is
// driven only by TransferEngine::OnBytesArrived and OnReplyTimeout; it acts
// through these interfaces. The window program implements them with a
// QSerialPort, QTimers and its windows; the command line and the tests with
// their own small classes.

#include <cstdint>
#include <span>

#include "link/engine/transfer_state.h"

namespace zq61 {

// The serial port of the radio, 9600 baud, 8 data bits, no parity, 1 stop
// bit, no flow control, binary. The port to use is the adapter's business.
//
// Receiving: the adapter collects incoming bytes until at least the receive
// threshold is buffered, then hands everything buffered to the engine in one
// OnBytesArrived call and starts collecting again (the engine keeps the first
// threshold bytes). Nothing is delivered while the threshold is 0 or the port
// is closed.
class SerialLink {
  public:
    virtual ~SerialLink() = default;
    // Opens with the line settings above; false when the port cannot be used.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Drops whatever is buffered in both directions.
    virtual void clearBuffers() = 0;
    virtual void write(std::span<const uint8_t> bytes) = 0;
    virtual void setReceiveThreshold(int bytes) = 0;
};

// The one-shot reply timer: after `milliseconds` the adapter calls
// TransferEngine::OnReplyTimeout once, unless stopped or started again first.
class ReplyTimer {
  public:
    virtual ~ReplyTimer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
};

// The window side of a transfer. Every call returns at once; the defaults do
// nothing, which suits a program without windows.
class TransferHost {
  public:
    virtual ~TransferHost() = default;
    // A read or write starts: show the progress window (modal to the user, but
    // without blocking this call) with its caption for `operation`.
    virtual void openProgressWindow(TransferOperation /*operation*/) {}
    // The progress bar and its "N%" label, when the progress window is visible.
    virtual void showProgress(int /*percent*/) {}
    virtual void closeProgressWindow() {}
    // A read succeeded: close every child window of the main window.
    virtual void closeChildWindows() {}
    // A read succeeded: after 500 ms call TransferEngine::FinishRead (a
    // program without windows may call it at once).
    virtual void startReadOkTimer() = 0;
    // The working copy now holds what was read: refresh the main window's
    // texts, open the channel grid and cascade the windows.
    virtual void showReadDocument() {}
    // The radio information was read into Document::Info: show its window.
    virtual void showRadioInfo() {}
    // Another program version was started for the radio's firmware: end
    // this program now.
    virtual void terminateProgram() {}
    // Every transfer that got going ends here (after its last message), with
    // its kind and how it ended. A cancelled transfer shows no message.
    virtual void transferEnded(TransferOperation /*operation*/, TransferResult /*result*/) {}
};

}  // namespace zq61
