// The three transfer commands and the end of a read: the parts that the
// window program and the command line share.

#include <string>

#include "codec/text_helpers.h"
#include "link/engine/transfer_engine.h"
#include "model/bands.h"
#include "model/document.h"
#include "model/text_ids.h"

namespace zq61 {

namespace {

// The channel as the user knows it: group and channel within the group
// ("A 12", "MEM 3"), or its number when no group of the band holds it.
std::string channelLabel(int chNo, int bandMode) {
    int group =
        chNo >= kFirstMemoryChannel ? memoryGroup(bandMode) : GroupOfChannel(chNo, bandMode);
    if (chNo == kVfoChannel && bandMode != kBandCB) group = 10;
    const int within = chNo - GroupStart(group, bandMode);
    const std::string name = groupName(group, bandMode);
    if (name.empty() || within < 1 || within > GroupSize(group, bandMode))
        return "CH " + std::to_string(chNo);
    return name + " " + std::to_string(within);
}

}  // namespace

void TransferEngine::ReadFromRadio() {
    if (isBusy()) return;
    finishPendingRead();
    LinkOperation = kLinkRead;
    ReadStep = kStepNone;
    if (!OpenRadioPort()) {
        LinkOperation = kLinkNone;
        return;
    }
    port_.close();  // the first opening only proves that the port is usable
    if (doc_.prompter->okCancel(doc_.prompt(txt::kConfirmRead, PromptIcon::Question)) !=
        PromptAnswer::Ok) {
        if (port_.isOpen()) port_.close();
        LinkOperation = kLinkNone;
        return;
    }
    ClearMemoryImage();
    host_.openProgressWindow(kLinkRead);
    beginTransfer();
}

void TransferEngine::WriteToRadio() {
    if (isBusy()) return;
    finishPendingRead();
    // A frequency the radio cannot hold stops the write before anything is sent.
    if (const int chNo = firstUnpackableChannel(doc_)) {
        std::string frequency;
        for (int i = 0; i < doc_.WorkData.ChannelCount; ++i)
            if (doc_.WorkChannels[i].ChNo == chNo)
                frequency = cleanString(doc_.WorkChannels[i].Frequency.view());
        doc_.prompter->message(
            Prompt::ofFixed(FixedText::NotNumeric, PromptIcon::Error,
                            channelLabel(chNo, doc_.BandMode) + ": " + frequency));
        return;
    }
    LinkOperation = kLinkWrite;
    WriteStep = kStepNone;
    if (!OpenRadioPort()) {
        LinkOperation = kLinkNone;
        return;
    }
    port_.close();
    if (doc_.prompter->okCancel(doc_.prompt(txt::kConfirmWrite, PromptIcon::Question)) !=
        PromptAnswer::Ok) {
        if (port_.isOpen()) port_.close();
        LinkOperation = kLinkNone;
        return;
    }
    ClearMemoryImage();
    PackDocument(doc_, MemoryImage);
    host_.openProgressWindow(kLinkWrite);
    beginTransfer();
}

void TransferEngine::ReadRMGDataFromRadio() {
    if (isBusy()) return;
    finishPendingRead();
    LinkOperation = kLinkRadioInfo;
    if (!OpenRadioPort()) {
        LinkOperation = kLinkNone;
        return;
    }
    ClearMemoryImage();
    HandshakeAttempts = 0;
    SendHandshake();
}

// A read whose image is not in the document yet goes there before another
// transfer may use the image.
void TransferEngine::finishPendingRead() {
    if (readPending_) FinishRead();
}

void TransferEngine::FinishRead() {
    if (!readPending_) return;
    readPending_ = false;
    if (!isKnownBandMode(RadioBandMode)) {
        message(FixedText::CountryModeError, PromptIcon::Error);
        return;
    }
    UnpackDocument(doc_, MemoryImage, RadioBandMode);
    doc_.DataFileName = "new.dat";
    doc_.IsUntitled = true;
    host_.showReadDocument();
}

}  // namespace zq61
