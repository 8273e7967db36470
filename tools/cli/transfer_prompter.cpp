#include "transfer_prompter.h"

#include <ostream>

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

TransferPrompter::TransferPrompter(std::ostream& out, std::ostream& err, std::string linkFailedText,
                                   int retries, std::optional<std::string> password)
    : out_(out),
      err_(err),
      linkFailedText_(std::move(linkFailedText)),
      retriesLeft_(retries),
      password_(std::move(password)) {}

void TransferPrompter::message(const std::string& text, PromptIcon icon, const std::string& title) {
    print(icon == PromptIcon::Information ? out_ : err_, text, title);
    (icon == PromptIcon::Information ? out_ : err_).flush();
}

PromptAnswer TransferPrompter::ask(const std::string& text, const std::string& title,
                                   PromptAnswer answer, const char* answerName) {
    print(err_, text, title);
    err_ << "-> " << answerName << std::endl;
    return answer;
}

bool TransferPrompter::retryLeft() {
    if (retriesLeft_ <= 0) return false;
    --retriesLeft_;
    return true;
}

PromptAnswer TransferPrompter::okCancel(const std::string& text, PromptIcon,
                                        const std::string& title) {
    if (text == linkFailedText_ && !retryLeft())
        return ask(text, title, PromptAnswer::Cancel, "Cancel");
    return ask(text, title, PromptAnswer::Ok, "OK");
}

PromptAnswer TransferPrompter::yesNo(const std::string& text, PromptIcon,
                                     const std::string& title) {
    return ask(text, title, PromptAnswer::No, "No");
}

PromptAnswer TransferPrompter::yesNoCancel(const std::string& text, PromptIcon,
                                           const std::string& title) {
    return ask(text, title, PromptAnswer::Cancel, "Cancel");
}

PromptAnswer TransferPrompter::retryCancel(const std::string& text, PromptIcon,
                                           const std::string& title) {
    if (retryLeft()) return ask(text, title, PromptAnswer::Retry, "Retry");
    return ask(text, title, PromptAnswer::Cancel, "Cancel");
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
