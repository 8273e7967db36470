// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio transfer engine: reads the radio's memory into the document,
// writes the document into the radio, and reads the radio's information area.
// It is a state machine over the phase tables of transfer_phases.h: the
// operation and its phase say which request is out and which reply it waits
// for; a reply of that kind moves the transfer on, a time-out applies the
// phase's retry rule.
//
// Commands (called by the window program and the command line):
//   start(operation)        ReadFromRadio(), WriteToRadio() or ReadRMGDataFromRadio()
//   ReadImageFromRadio()    a read into memoryImage() only (verify, compare)
//   WriteImageToRadio(img)  a write of an image packed beforehand (several radios)
//   cancel()                stops a running transfer at once
//   FinishRead()            500 ms after a successful read (see TransferHost)
// Events (called by the serial and timer adapters):
//   OnBytesArrived(bytes)   the receive threshold was reached
//   OnReplyTimeout()        the reply timer fired
//   OnPortLost(reason)      the port went away (a cable or adapter pulled
//                           out); the adapter has closed it
//
// A read or write opens the progress window through the host and then sends
// the handshake itself; the window must not block that call. Every prompt
// goes through the document's Prompter (texts from its Texts) and may block.
//
// One transfer at a time: a command while another runs is ignored. A read
// changes the document only in FinishRead; a failed, cancelled or refused
// read leaves it as it was. Guards beyond the bare protocol: an echo is
// checked against the request (and an echo seen puts a wrong "no echo"
// belief right), a write waits for the answers still owed to a block it sent
// more than once, and a frame asked for again more than 50 times in a row
// ends in the link failure prompt.
//
// EnteredPassword lives only here: it is never written to a file, and the
// trace masks the password bytes of the radio's protection block.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/engine/link_interfaces.h"
#include "link/engine/memory_map.h"
#include "link/engine/radio_info.h"
#include "link/engine/reply_matcher.h"
#include "link/engine/transfer_phases.h"
#include "link/engine/transfer_state.h"
#include "link/engine/transfer_trace.h"
#include "model/prompter.h"

namespace zq61 {

class Document;
class ProgramVersions;

// The channel a write must refuse ("A 12: 28.1x5", its group, number and
// frequency text), or "" when the document can be packed whole.
std::string unpackableChannelText(const Document& doc);

class TransferEngine {
  public:
    // `versions` decides whether the radio's firmware suits this program and
    // offers the program version that does.
    TransferEngine(Document& doc, SerialLink& port, ReplyTimer& timer, TransferHost& host,
                   const ProgramVersions& versions);
    TransferEngine(const TransferEngine&) = delete;
    TransferEngine& operator=(const TransferEngine&) = delete;

    // ---- commands ----
    void start(TransferOperation operation);
    void ReadFromRadio();
    void WriteToRadio();
    void ReadRMGDataFromRadio();
    // A read whose image stays in memoryImage(): no confirmation first, the
    // document and the child windows stay as they are, and a success shows
    // no message (the caller reports what it found). The progress window
    // shows it as a read, and the host hears transferEnded(Read, ...).
    // Reading a write back and comparing the document with the radio use it.
    void ReadImageFromRadio();
    // A write of `image`, packed beforehand from a document of this
    // engine's model and band mode (the identity check compares the radio
    // with them): no confirmation first, as the caller asked once for
    // several radios. Everything else is as in WriteToRadio.
    void WriteImageToRadio(const MemoryBytes& image);
    // Whether a successful write says so (9010). Off while the write is to
    // be read back: only the comparison may report success.
    void setAnnounceWriteDone(bool announce) { announceWriteDone_ = announce; }
    // Stops the running transfer: "END" goes to a radio that answered the
    // handshake and has not been sent it yet, the port closes, no prompt is
    // shown, the document stays as it is and the host hears Cancelled. Does
    // nothing when no transfer runs (a read that ended keeps its image for
    // FinishRead).
    void cancel();
    // Unpacks the image of the last successful read into the working copy;
    // does nothing when there is none.
    void FinishRead();

    // ---- events ----
    void OnBytesArrived(std::span<const uint8_t> bytes);
    void OnReplyTimeout();
    // Ends the running transfer at once with message kLinkLost and `reason`
    // (the port and the system's words), adding that the radio is partly
    // written when write frames had gone out. Once every frame is in (the
    // end request is out) the transfer still succeeds, as when the end's
    // answer is missing. While a question is up the transfer ends as soon as
    // it is answered.
    void OnPortLost(const std::string& reason);

    bool isBusy() const { return operation_ != TransferOperation::None; }
    TransferSnapshot snapshot() const;
    void setTrace(TransferTrace::Sink sink) { trace_.setSink(std::move(sink)); }

    // What outlives a transfer: the cable's echo belief, the password the
    // user entered, the images of the last transfer.
    bool echoAbsent() const { return EchoAbsent; }
    void setEchoAbsent(bool absent) { EchoAbsent = absent; }
    const std::string& enteredPassword() const { return EnteredPassword; }
    void setEnteredPassword(std::string password) { EnteredPassword = std::move(password); }
    const MemoryBytes& memoryImage() const { return MemoryImage; }
    const InfoBytes& infoImage() const { return InfoImage; }
    // What the radio reported of itself in the last identify.
    int radioBandMode() const { return RadioBandMode; }
    const std::string& radioModel() const { return RadioModel; }
    const std::string& radioVersion() const { return RadioVersion; }
    // The last transfer was refused after the radio answered: it is of
    // another model, band mode or firmware, or its password was not given.
    // Nothing was written or read then.
    bool radioRefused() const { return radioRefused_; }

  private:
    // Whether received bytes are taken, and as what.
    enum class Listening {
        Off,          // no transfer, or a prompt is up: bytes are dropped
        Reply,        // the answer to the request just sent
        LateAnswers,  // answers still owed to a block sent more than once
    };
    // What the identity check decided.
    enum class Identity { Accepted, Refused, OtherProgramStarted };

    // ---- starting and ending ----
    bool begin(TransferOperation operation);
    bool OpenRadioPort();
    void ClearMemoryImage();
    void beginTransfer();
    void finishPendingRead();
    void EndTransfer(TransferResult result);
    void AbortTransfer();

    // ---- requests ----
    const PhaseRow& row() const;
    void enterPhase(TransferPhase phase);
    void sendPhaseRequest();
    void send(const std::vector<uint8_t>& frame);
    void SendHandshake();
    void SendIdentify();
    void SendProtectionRequest();
    void SendBlockRequest();
    void SendNextBlockRequest();
    void SendWriteBlock();
    void SendNextWriteBlock();
    void SendEnd();
    int CurrentAddress() const;

    // ---- replies and time-outs ----
    void onReply(const Reply& reply);
    void replyTaken();
    void finishDraining();
    void AdvanceTransfer();
    Identity identityCheck();
    void checkPassword(std::span<const uint8_t> block);
    void storeBlock(std::span<const uint8_t> data);
    void onResendRequest();
    void blockTimeout();
    void failurePrompt();
    void linkFailurePrompt();
    void infoFailurePrompt();
    void UpdateProgress();
    void endWithPortLost();

    // ---- prompts: every message and question of a transfer goes here ----
    void tell(int textId, PromptIcon icon);
    void tell(FixedText kind, PromptIcon icon, const std::string& extra = {});
    void tell(const Prompt& prompt);
    bool askOkCancel(int textId);
    bool askRetryCancel(int textId);
    bool askYesNo(const Prompt& question);
    std::optional<std::string> askPassword();
    // Runs a modal question or message with replies shut out.
    template <typename F>
    auto withRepliesPaused(F&& ask);
    std::string text(int id) const;

    Document& doc_;
    SerialLink& port_;
    ReplyTimer& timer_;
    TransferHost& host_;
    const ProgramVersions& versions_;
    TransferTrace trace_;

    // ---- the state machine ----
    TransferOperation operation_ = TransferOperation::None;
    TransferPhase phase_ = TransferPhase::Idle;
    Listening listening_ = Listening::Off;
    // A read ended with success and its image waits for FinishRead.
    bool readAwaitingUnpack_ = false;
    // The running read only fills MemoryImage (ReadImageFromRadio).
    bool imageOnlyRead_ = false;
    bool announceWriteDone_ = true;
    // The radio answered a handshake and has not been sent "END" since: it
    // stays in programming mode until it is.
    bool radioProgramming_ = false;
    bool radioRefused_ = false;
    // A question or message of this transfer is up.
    bool prompting_ = false;
    // Why the port went away during this transfer; empty while it is there.
    std::string portLostReason_;

    // ---- counters of the running transfer ----
    int blockIndex_ = -1;
    int blocksTotal_ = 0;
    int HandshakeAttempts = 0;
    int ProtectionRetries = kProtectionTries;
    std::vector<int> BlockRetries;  // re-sends left per block
    int ResendRequests = 0;         // 0A answers in a row to the current write frame
    int LastPercent = 0;
    int retriesUsed_ = 0;
    int requestsSent_ = 0;

    // ---- the request out: how often it went out in a row, answers so far ----
    std::vector<uint8_t> lastRequest_;
    int EchoLength = 0;
    int RThreshold = 0;  // the receive threshold the port was given last
    int sends_ = 0;
    int answers_ = 0;
    int drainRounds_ = 0;
    bool sawEcho_ = false;  // the last request came back as an echo

    // ---- what the radio said and what outlives a transfer ----
    std::string RadioModel;
    uint8_t RadioBandMode = 0;
    std::string RadioVersion;
    bool CtcssDcsAvailable = false;
    bool EchoAbsent = false;
    std::string EnteredPassword;  // kept for the program's lifetime, never stored
    MemoryBytes MemoryImage{};
    InfoBytes InfoImage{};
};

}  // namespace zq61
