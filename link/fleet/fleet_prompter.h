// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers of one radio among several written or read at once. Nobody is
// asked while the radios run (the questions were asked once before the
// start): the confirmations are OK, the link failure prompt is OK as often
// as retries were allowed and Cancel then, the version question No (this
// program version does not suit the radio), and the password dialog gets
// the password given before the start, or is cancelled.
//
// Every message and question, with the answer it got, is handed to the
// note sink as one line. The last one that tells why the radio was refused
// or failed is kept as its problem.

#include <functional>
#include <optional>
#include <string>

#include "model/prompter.h"

namespace zq61 {

class FleetPrompter : public Prompter {
  public:
    using NoteSink = std::function<void(const std::string& line)>;

    FleetPrompter(int retries, std::optional<std::string> password);

    void setNoteSink(NoteSink sink) { noteSink_ = std::move(sink); }
    // The message or question that ended the radio's transfer, if any.
    const std::optional<Prompt>& problem() const { return problem_; }
    void clearProblem() { problem_.reset(); }

    void message(const Prompt& prompt) override;
    PromptAnswer okCancel(const Prompt& prompt) override;
    PromptAnswer yesNo(const Prompt& prompt) override;
    PromptAnswer yesNoCancel(const Prompt& prompt) override;
    PromptAnswer retryCancel(const Prompt& prompt) override;
    std::optional<std::string> password(const std::string& current) override;

  private:
    PromptAnswer answer(const Prompt& prompt, PromptAnswer given, const char* name);
    // Another try after a link failure, while retries are left; the prompt
    // becomes the problem when none is.
    PromptAnswer retryOrGiveUp(const Prompt& prompt, PromptAnswer again, const char* againName);
    void note(const std::string& line);

    int retriesLeft_;
    std::optional<std::string> password_;
    std::optional<Prompt> problem_;
    NoteSink noteSink_;
};

// A prompt's text on one line: its lines joined by a blank.
std::string oneLine(const std::string& text);

}  // namespace zq61
