// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers of a radio transfer on the command line, without a person:
// the confirmations (read? write?) OK; the link failure prompt OK as often as
// the user allowed retries, then Cancel; the version question No; the
// password dialog the password given on the command line, or Cancel. Each
// message is printed: information on `out`, warnings, failures and questions
// with their answers on `err`. The password itself is never printed.

#include <iosfwd>
#include <optional>
#include <string>

#include "model/prompter.h"

namespace zq61::cli {

class TransferPrompter : public Prompter {
  public:
    TransferPrompter(std::ostream& out, std::ostream& err, int retries,
                     std::optional<std::string> password);

    void message(const Prompt& prompt) override;
    PromptAnswer okCancel(const Prompt& prompt) override;
    PromptAnswer yesNo(const Prompt& prompt) override;
    PromptAnswer yesNoCancel(const Prompt& prompt) override;
    PromptAnswer retryCancel(const Prompt& prompt) override;
    std::optional<std::string> password(const std::string& current) override;

  private:
    PromptAnswer ask(const Prompt& prompt, PromptAnswer answer, const char* answerName);
    // OK for a link failure while retries are left.
    bool retryLeft();

    std::ostream& out_;
    std::ostream& err_;
    int retriesLeft_;
    std::optional<std::string> password_;
};

}  // namespace zq61::cli
