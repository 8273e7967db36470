// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/fleet/fleet_prompter.h"

#include "model/text_ids.h"

namespace zq61 {

std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
            continue;
        }
        line += c;
    }
    return line;
}

FleetPrompter::FleetPrompter(int retries, std::optional<std::string> password)
    : retriesLeft_(retries), password_(std::move(password)) {}

void FleetPrompter::note(const std::string& line) {
    if (noteSink_) noteSink_(line);
}

// Information is only noted, and so is the warning about a radio without
// CTCSS/DCS: the write goes on after it. Anything else ends the transfer.
void FleetPrompter::message(const Prompt& prompt) {
    note(oneLine(prompt.text));
    if (prompt.icon != PromptIcon::Information && !prompt.is(FixedText::NoToneFeature))
        problem_ = prompt;
}

PromptAnswer FleetPrompter::answer(const Prompt& prompt, PromptAnswer given, const char* name) {
    note(oneLine(prompt.text) + " -> " + name);
    return given;
}

PromptAnswer FleetPrompter::retryOrGiveUp(const Prompt& prompt, PromptAnswer again,
                                          const char* againName) {
    if (retriesLeft_ > 0) {
        --retriesLeft_;
        return answer(prompt, again, againName);
    }
    problem_ = prompt;
    return answer(prompt, PromptAnswer::Cancel, "Cancel");
}

// The confirmations were answered for every radio before the start.
PromptAnswer FleetPrompter::okCancel(const Prompt& prompt) {
    if (prompt.is(txt::kLinkFailed)) return retryOrGiveUp(prompt, PromptAnswer::Ok, "OK");
    return PromptAnswer::Ok;
}

// The version question: another program version would suit the radio.
PromptAnswer FleetPrompter::yesNo(const Prompt& prompt) {
    problem_ = prompt;
    return answer(prompt, PromptAnswer::No, "No");
}

PromptAnswer FleetPrompter::yesNoCancel(const Prompt& prompt) {
    problem_ = prompt;
    return answer(prompt, PromptAnswer::Cancel, "Cancel");
}

PromptAnswer FleetPrompter::retryCancel(const Prompt& prompt) {
    return retryOrGiveUp(prompt, PromptAnswer::Retry, "Retry");
}

std::optional<std::string> FleetPrompter::password(const std::string&) {
    if (!password_) {
        note("The radio asks for its password; none was given. -> Cancel");
        return std::nullopt;
    }
    note("The radio asks for its password: the one given is entered.");
    return password_;
}

}  // namespace zq61
