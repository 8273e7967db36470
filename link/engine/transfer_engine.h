#pragma once

// The radio transfer engine: reads the radio's memory into the document,
// writes the document into the radio, and reads the radio's information area.
//
// Commands (called by the window program and the command line):
//   ReadFromRadio()         after the channel grid committed its pending edit
//   WriteToRadio()          100 ms after the editors committed their edits
//   ReadRMGDataFromRadio()  radio information
//   FinishRead()            500 ms after a successful read (see TransferHost)
// Events (called by the serial and timer adapters):
//   OnBytesArrived(bytes)   the receive threshold was reached
//   OnReplyTimeout()        the reply timer fired
//
// A read or write opens the progress window through the host and then sends
// the handshake itself; the window must not block that call. Every prompt
// goes through the document's Prompter (texts from its Texts) and may block.
//
// One transfer at a time: a command while another runs is ignored. A read
// changes the document only in FinishRead; a failed, cancelled or refused
// read leaves it as it was. Guards beyond the bare protocol: an echo is
// checked against the request (and an echo seen puts a wrong "no echo"
// belief right), a write waits for the answers still owed to a request it
// sent more than once, and a frame asked for again more than 50 times in a
// row ends in the link failure prompt.
//
// EnteredPassword lives only here: it is never written to a file, and the
// trace masks the password bytes of the radio's protection block.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "link/engine/link_interfaces.h"
#include "link/engine/memory_map.h"
#include "link/engine/password.h"
#include "link/engine/radio_info.h"
#include "model/prompter.h"

namespace zq61 {

class Document;
class ProgramVersions;

enum LinkOperationKind : int16_t {
    kLinkNone = 0,
    kLinkRead = 1,
    kLinkWrite = 2,
    kLinkRadioInfo = 3
};

// Steps of ReadStep and WriteStep.
enum TransferStep : int16_t {
    kStepNone = 0,
    kStepHandshake = 1,
    kStepIdentify = 2,    // Read, Write
    kStepProtection = 3,  // Read, Write; identify sent in RadioInfo
    kStepWriting = 4,
    kStepReading = 5,
    kStepEnd = 69,
};

inline constexpr int kReplyTimeoutMs = 150;
inline constexpr int kReadOkDelayMs = 500;
// A frame the radio asks for again more often than this in a row ends in the
// link failure prompt instead of being sent forever.
inline constexpr int kMaxResendRequests = 50;
// How many reply times a write waits for the answers still owed to a request
// that went out more than once.
inline constexpr int kDrainRounds = 3;

class TransferEngine {
  public:
    // `versions` decides whether the radio's firmware suits this program and
    // offers the program version that does.
    TransferEngine(Document& doc, SerialLink& port, ReplyTimer& timer, TransferHost& host,
                   const ProgramVersions& versions);
    TransferEngine(const TransferEngine&) = delete;
    TransferEngine& operator=(const TransferEngine&) = delete;

    // ---- commands ----
    void ReadFromRadio();
    void WriteToRadio();
    void ReadRMGDataFromRadio();
    // Unpacks the image of the last successful read into the working copy;
    // does nothing when there is none.
    void FinishRead();

    // ---- events ----
    void OnBytesArrived(std::span<const uint8_t> bytes);
    void OnReplyTimeout();

    bool isBusy() const { return LinkOperation != kLinkNone; }
    // Frames in hexadecimal, one line per frame ("TX ..." / "RX ..."), with
    // the password bytes of the protection block masked.
    void setTrace(std::function<void(const std::string&)> trace) { trace_ = std::move(trace); }

    // ---- transfer state ----
    int16_t LinkOperation = kLinkNone;
    int16_t ReadStep = kStepNone;
    int16_t WriteStep = kStepNone;
    bool TransferActive = false;
    bool EchoAbsent = false;  // kept across transfers
    int16_t EchoLength = 0;
    int16_t HandshakeAttempts = 0;
    int16_t ProtectionRetries = 3;
    std::vector<int16_t> BlockRetries;
    int32_t CurrentAddress = 0;
    int32_t BlockSize = 16;
    int32_t EndAddress = 0;
    int16_t LastPercent = 0;
    int RThreshold = 0;  // the receive threshold the port was given last
    MemoryBytes MemoryImage{};
    InfoBytes InfoImage{};
    std::string RadioModel;
    uint8_t RadioBandMode = 0;
    std::string RadioVersion;
    int CtcssDcsAvailable = 0;
    std::string EnteredPassword;  // kept for the program's lifetime, never stored
    // 0A answers in a row to the current write frame.
    int ResendRequests = 0;

    bool OpenRadioPort();
    void ClearMemoryImage();

  private:
    void beginTransfer();
    void finishPendingRead();
    void send(const std::vector<uint8_t>& frame, int replyLength);
    void SendHandshake();
    void SendIdentify();
    void SendProtectionRequest();
    void SendBlockRequest();
    void SendNextBlockRequest();
    void SendWriteBlock();
    void SendNextWriteBlock();
    void SendEnd();
    void goToEndStep();
    void AdvanceTransfer();
    void EndTransfer(bool success);
    void AbortTransfer();
    void UpdateProgress();
    int16_t& step();

    bool classify(std::span<const uint8_t> reply);
    bool isEchoOfRequest(std::span<const uint8_t> bytes) const;
    void checkPassword(const std::array<uint8_t, 16>& block);
    void storeBlock(std::span<const uint8_t> data);
    void accept(std::function<void()> next);
    void finishDraining();
    void stopDraining();
    bool identityCheck();
    void linkFailurePrompt();
    void infoFailurePrompt();
    void blockTimeout(bool writing);

    // Runs a modal question or message with replies shut out.
    template <typename F>
    auto withRepliesPaused(F&& ask);

    // `hidden` marks the bytes shown as "**" (the radio's password).
    void traceFrame(const char* direction, std::span<const uint8_t> bytes,
                    const std::vector<bool>& hidden) const;
    void message(int textId, PromptIcon icon) const;
    void message(FixedText kind, PromptIcon icon) const;
    std::string text(int id) const;

    Document& doc_;
    SerialLink& port_;
    ReplyTimer& timer_;
    TransferHost& host_;
    const ProgramVersions& versions_;
    std::function<void(const std::string&)> trace_;

    // The current request, how often it went out in a row and how many
    // answers came; see accept().
    std::vector<uint8_t> lastRequest_;
    int replyLength_ = 0;
    int sends_ = 0;
    int answers_ = 0;
    bool draining_ = false;
    int drainRounds_ = 0;
    std::function<void()> afterDraining_;
    bool sawEcho_ = false;  // the last request came back as an echo
    bool quitAfterAbort_ = false;
    bool readPending_ = false;
    PasswordMask receivedMask_;  // over every byte received, for the trace
};

}  // namespace zq61
