// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Messages and questions on a terminal without a person to answer: every
// text goes to the error stream, each question with the answer it got.
// Questions are answered No (or Cancel) unless `assumeYes` is set.

#include <iosfwd>

#include "model/prompter.h"

namespace zq61::cli {

class CliPrompter : public Prompter {
  public:
    explicit CliPrompter(std::ostream& err) : err_(err) {}

    bool assumeYes = false;

    void message(const Prompt& prompt) override;
    PromptAnswer okCancel(const Prompt& prompt) override;
    PromptAnswer yesNo(const Prompt& prompt) override;
    PromptAnswer yesNoCancel(const Prompt& prompt) override;
    PromptAnswer retryCancel(const Prompt& prompt) override;
    // No password can be typed: the dialog counts as cancelled.
    std::optional<std::string> password(const std::string& current) override;

  private:
    PromptAnswer answer(const Prompt& prompt, PromptAnswer yes, PromptAnswer no,
                        const char* yesName, const char* noName);
    std::ostream& err_;
};

}  // namespace zq61::cli
