// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a benchmark's document needs around it: a prompter that answers
// every question with its refusing button, and no language texts.

#include <optional>
#include <string>

#include "model/prompter.h"
#include "model/texts.h"

namespace zq61::bench {

class SilentPrompter : public Prompter {
  public:
    void message(const Prompt&) override {}
    PromptAnswer okCancel(const Prompt&) override { return PromptAnswer::Cancel; }
    PromptAnswer yesNo(const Prompt&) override { return PromptAnswer::No; }
    PromptAnswer yesNoCancel(const Prompt&) override { return PromptAnswer::Cancel; }
    PromptAnswer retryCancel(const Prompt&) override { return PromptAnswer::Cancel; }
    std::optional<std::string> password(const std::string&) override { return std::nullopt; }
};

class NoTexts : public Texts {
  public:
    std::string text(int) const override { return {}; }
};

}  // namespace zq61::bench
