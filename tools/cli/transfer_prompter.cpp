// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_prompter.h"

#include <ostream>

#include "model/text_ids.h"

namespace zq61::cli {

namespace {

// Message texts separate their lines with "\r\n"; a terminal wants "\n".
void print(std::ostream& stream, const std::string& text, const std::string& title) {
    if (!title.empty()) stream << title << ": ";
    for (char c : text)
        if (c != '\r') stream << c;
    stream << '\n';
}

}  // namespace

TransferPrompter::TransferPrompter(std::ostream& out, std::ostream& err, int retries,
                                   std::optional<std::string> password)
    : out_(out), err_(err), retriesLeft_(retries), password_(std::move(password)) {}

void TransferPrompter::message(const Prompt& prompt) {
    std::ostream& stream = prompt.icon == PromptIcon::Information ? out_ : err_;
    print(stream, prompt.text, prompt.title);
    stream.flush();
}

PromptAnswer TransferPrompter::ask(const Prompt& prompt, PromptAnswer answer,
                                   const char* answerName) {
    print(err_, prompt.text, prompt.title);
    err_ << "-> " << answerName << std::endl;
    return answer;
}

bool TransferPrompter::retryLeft() {
    if (retriesLeft_ <= 0) return false;
    --retriesLeft_;
    return true;
}

// The link failure prompt is the only OK/Cancel question that is not a
// confirmation.
PromptAnswer TransferPrompter::okCancel(const Prompt& prompt) {
    if (prompt.is(txt::kLinkFailed) && !retryLeft())
        return ask(prompt, PromptAnswer::Cancel, "Cancel");
    return ask(prompt, PromptAnswer::Ok, "OK");
}

PromptAnswer TransferPrompter::yesNo(const Prompt& prompt) {
    return ask(prompt, PromptAnswer::No, "No");
}

PromptAnswer TransferPrompter::yesNoCancel(const Prompt& prompt) {
    return ask(prompt, PromptAnswer::Cancel, "Cancel");
}

PromptAnswer TransferPrompter::retryCancel(const Prompt& prompt) {
    if (retryLeft()) return ask(prompt, PromptAnswer::Retry, "Retry");
    return ask(prompt, PromptAnswer::Cancel, "Cancel");
}

std::optional<std::string> TransferPrompter::password(const std::string&) {
    if (!password_) {
        err_ << "The radio asks for its password; give it with --password.\n-> Cancel" << std::endl;
        return std::nullopt;
    }
    err_ << "The radio asks for its password: the one given with --password is entered."
         << std::endl;
    return password_;
}

}  // namespace zq61::cli
