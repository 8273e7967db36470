// SPDX-License-Identifier: GPL-3.0-or-later
// Every message and question of a transfer, and the identity check that
// decides which one to show. Replies that arrive while a prompt is up are
// dropped; a transfer cancelled while a prompt was up does not go on.

#include <string>

#include "codec/text_helpers.h"
#include "link/engine/transfer_engine.h"
#include "model/bands.h"
#include "model/document.h"
#include "model/program_versions.h"
#include "model/text_ids.h"

namespace zq61 {

std::string TransferEngine::text(int id) const {
    return doc_.text(id);
}

template <typename F>
auto TransferEngine::withRepliesPaused(F&& ask) {
    const Listening before = listening_;
    listening_ = Listening::Off;
    struct Restore {
        TransferEngine& engine;
        Listening value;
        bool prompting;
        ~Restore() {
            engine.prompting_ = prompting;
            if (engine.isBusy()) engine.listening_ = value;
        }
    } restore{*this, before, prompting_};
    prompting_ = true;
    return ask();
}

void TransferEngine::tell(int textId, PromptIcon icon) {
    tell(doc_.prompt(textId, icon));
}

void TransferEngine::tell(FixedText kind, PromptIcon icon, const std::string& extra) {
    tell(Prompt::ofFixed(kind, icon, extra));
}

void TransferEngine::tell(const Prompt& prompt) {
    withRepliesPaused([&] { doc_.prompter->message(prompt); });
}

bool TransferEngine::askOkCancel(int textId) {
    return withRepliesPaused([&] {
               return doc_.prompter->okCancel(doc_.prompt(textId, PromptIcon::Question));
           }) == PromptAnswer::Ok;
}

bool TransferEngine::askRetryCancel(int textId) {
    return withRepliesPaused([&] {
               return doc_.prompter->retryCancel(doc_.prompt(textId, PromptIcon::Question));
           }) == PromptAnswer::Retry;
}

bool TransferEngine::askYesNo(const Prompt& question) {
    return withRepliesPaused([&] { return doc_.prompter->yesNo(question); }) == PromptAnswer::Yes;
}

std::optional<std::string> TransferEngine::askPassword() {
    return withRepliesPaused([&] { return doc_.prompter->password(EnteredPassword); });
}

// After the protection block: the radio must be of the document's model, in
// its band mode (for a write) and with firmware this program suits.
TransferEngine::Identity TransferEngine::identityCheck() {
    timer_.stop();
    const std::string model = cleanString(doc_.ModelName);
    const bool bandOk = operation_ != TransferOperation::Write || doc_.BandMode == RadioBandMode;
    const bool modelOk = model == RadioModel;
    const bool versionOk = versions_.table().isCompatible(kDataVersion, RadioVersion);
    if (bandOk && modelOk && versionOk) {
        // A read must give the document a band mode it can work in.
        if (operation_ == TransferOperation::Read && !isKnownBandMode(RadioBandMode)) {
            tell(FixedText::CountryModeError, PromptIcon::Error);
            return Identity::Refused;
        }
        return Identity::Accepted;
    }
    if (!modelOk) {
        tell(Prompt::ofText(
            txt::kWrongModel,
            text(txt::kWrongModel) + "\r\nPC is " + model + "\r\nRadio is " + RadioModel,
            PromptIcon::Warning));
    } else if (!versionOk) {
        const auto question =
            mismatchMessage(*doc_.texts, kDataVersion, RadioVersion, ForeignKind::Radio);
        // Starting the other program version may ask and tell on its own.
        if (askYesNo(Prompt::ofText(txt::kVersionMismatch, question, PromptIcon::Question)) &&
            isBusy() && withRepliesPaused([&] {
                return versions_.startProgramVersionFor(RadioVersion, *doc_.prompter, *doc_.texts);
            }))
            return Identity::OtherProgramStarted;
    } else {
        tell(txt::kOtherBandOrVersion, PromptIcon::Warning);
    }
    return Identity::Refused;
}

}  // namespace zq61
