// SPDX-License-Identifier: GPL-3.0-or-later
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

void TransferEngine::start(TransferOperation operation) {
    switch (operation) {
        case TransferOperation::Read:
            return ReadFromRadio();
        case TransferOperation::Write:
            return WriteToRadio();
        case TransferOperation::RadioInfo:
            return ReadRMGDataFromRadio();
        case TransferOperation::None:
            return;
    }
}

void TransferEngine::ReadFromRadio() {
    if (isBusy()) return;
    finishPendingRead();
    if (!begin(TransferOperation::Read)) return;
    imageOnlyRead_ = false;
    port_.close();  // the first opening only proves that the port is usable
    const bool confirmed = askOkCancel(txt::kConfirmRead);
    if (!isBusy()) return;
    if (!confirmed) {
        operation_ = TransferOperation::None;
        return;
    }
    ClearMemoryImage();
    host_.openProgressWindow(TransferOperation::Read);
    if (isBusy()) beginTransfer();  // unless cancelled as the window opened
}

std::string unpackableChannelText(const Document& doc) {
    const int chNo = firstUnpackableChannel(doc);
    if (!chNo) return {};
    std::string frequency;
    for (int i = 0; i < doc.WorkData.ChannelCount; ++i)
        if (doc.WorkChannels[i].ChNo == chNo)
            frequency = cleanString(doc.WorkChannels[i].Frequency.view());
    return channelLabel(chNo, doc.BandMode) + ": " + frequency;
}

void TransferEngine::WriteToRadio() {
    if (isBusy()) return;
    finishPendingRead();
    // A frequency the radio cannot hold stops the write before anything is sent.
    if (const std::string channel = unpackableChannelText(doc_); !channel.empty()) {
        tell(FixedText::NotNumeric, PromptIcon::Error, channel);
        return;
    }
    if (!begin(TransferOperation::Write)) return;
    port_.close();
    const bool confirmed = askOkCancel(txt::kConfirmWrite);
    if (!isBusy()) return;
    if (!confirmed) {
        operation_ = TransferOperation::None;
        return;
    }
    ClearMemoryImage();
    PackDocument(doc_, MemoryImage);
    host_.openProgressWindow(TransferOperation::Write);
    if (isBusy()) beginTransfer();  // unless cancelled as the window opened
}

void TransferEngine::WriteImageToRadio(const MemoryBytes& image) {
    if (isBusy()) return;
    finishPendingRead();
    if (!begin(TransferOperation::Write)) return;
    MemoryImage = image;
    host_.openProgressWindow(TransferOperation::Write);
    if (isBusy()) beginTransfer();  // unless cancelled as the window opened
}

void TransferEngine::ReadImageFromRadio() {
    if (isBusy()) return;
    finishPendingRead();
    if (!begin(TransferOperation::Read)) return;
    imageOnlyRead_ = true;
    ClearMemoryImage();
    host_.openProgressWindow(TransferOperation::Read);
    if (isBusy()) beginTransfer();  // unless cancelled as the window opened
}

// The information window asks nothing first and shows no progress.
void TransferEngine::ReadRMGDataFromRadio() {
    if (isBusy()) return;
    finishPendingRead();
    if (!begin(TransferOperation::RadioInfo)) return;
    ClearMemoryImage();
    HandshakeAttempts = 0;
    SendHandshake();
}

// A read whose image is not in the document yet goes there before another
// transfer may use the image.
void TransferEngine::finishPendingRead() {
    if (readAwaitingUnpack_) FinishRead();
}

void TransferEngine::FinishRead() {
    if (!readAwaitingUnpack_) return;
    readAwaitingUnpack_ = false;
    if (!isKnownBandMode(RadioBandMode)) {
        tell(FixedText::CountryModeError, PromptIcon::Error);
        return;
    }
    UnpackDocument(doc_, MemoryImage, RadioBandMode);
    doc_.DataFileName = "new.dat";
    doc_.IsUntitled = true;
    host_.showReadDocument();
}

}  // namespace zq61
