// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_prompter.h"

#include <ostream>
#include <string>

namespace zq61::cli {
namespace {

// Message texts separate their lines with "\r\n"; a terminal wants "\n".
std::string terminalLines(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

void print(std::ostream& err, const std::string& text, const std::string& title) {
    if (!title.empty()) err << terminalLines(title) << ": ";
    err << terminalLines(text) << '\n';
}

}  // namespace

void CliPrompter::message(const Prompt& prompt) {
    print(err_, prompt.text, prompt.title);
}

PromptAnswer CliPrompter::answer(const Prompt& prompt, PromptAnswer yes, PromptAnswer no,
                                 const char* yesName, const char* noName) {
    print(err_, prompt.text, prompt.title);
    err_ << "-> " << (assumeYes ? yesName : noName) << '\n';
    return assumeYes ? yes : no;
}

PromptAnswer CliPrompter::okCancel(const Prompt& prompt) {
    return answer(prompt, PromptAnswer::Ok, PromptAnswer::Cancel, "OK", "Cancel");
}

PromptAnswer CliPrompter::yesNo(const Prompt& prompt) {
    return answer(prompt, PromptAnswer::Yes, PromptAnswer::No, "Yes", "No");
}

PromptAnswer CliPrompter::yesNoCancel(const Prompt& prompt) {
    return answer(prompt, PromptAnswer::Yes, PromptAnswer::Cancel, "Yes", "Cancel");
}

PromptAnswer CliPrompter::retryCancel(const Prompt& prompt) {
    return answer(prompt, PromptAnswer::Retry, PromptAnswer::Cancel, "Retry", "Cancel");
}

std::optional<std::string> CliPrompter::password(const std::string&) {
    err_ << "A password is needed; it cannot be typed here.\n";
    return std::nullopt;
}

}  // namespace zq61::cli
