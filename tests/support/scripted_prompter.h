#pragma once

// A prompter for tests: records every message and question, and answers
// questions from a script (or with a default answer when the script is empty).

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/prompter.h"

namespace zq61::test {

struct PromptRecord {
    std::string kind;  // "message", "okCancel", "yesNo", "yesNoCancel", "retryCancel", "password"
    std::string text;
    PromptIcon icon = PromptIcon::None;
    std::string title;
};

class ScriptedPrompter : public Prompter {
public:
    using Prompter::message;

    std::vector<PromptRecord> shown;
    std::deque<PromptAnswer> answers;  // consumed in order by the questions
    PromptAnswer defaultAnswer = PromptAnswer::Ok;
    std::deque<std::optional<std::string>> passwords;  // answers of the password dialog

    void message(const std::string& text, PromptIcon icon, const std::string& title) override {
        shown.push_back({"message", text, icon, title});
    }
    PromptAnswer okCancel(const std::string& text, PromptIcon icon,
                          const std::string& title) override {
        return ask("okCancel", text, icon, title, PromptAnswer::Ok, PromptAnswer::Cancel);
    }
    PromptAnswer yesNo(const std::string& text, PromptIcon icon,
                       const std::string& title) override {
        return ask("yesNo", text, icon, title, PromptAnswer::Yes, PromptAnswer::No);
    }
    PromptAnswer yesNoCancel(const std::string& text, PromptIcon icon,
                             const std::string& title) override {
        return ask("yesNoCancel", text, icon, title, PromptAnswer::Yes, PromptAnswer::Cancel);
    }
    PromptAnswer retryCancel(const std::string& text, PromptIcon icon,
                             const std::string& title) override {
        return ask("retryCancel", text, icon, title, PromptAnswer::Retry, PromptAnswer::Cancel);
    }
    std::optional<std::string> password(const std::string& current) override {
        shown.push_back({"password", current, PromptIcon::None, {}});
        if (passwords.empty()) return std::nullopt;
        auto answer = passwords.front();
        passwords.pop_front();
        return answer;
    }

    // Texts of everything shown, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& r : shown) out.push_back(r.text);
        return out;
    }
    bool showedText(const std::string& text) const {
        for (const auto& r : shown)
            if (r.text == text) return true;
        return false;
    }

private:
    // The default answer is mapped onto the buttons this question has.
    PromptAnswer ask(const char* kind, const std::string& text, PromptIcon icon,
                     const std::string& title, PromptAnswer positive, PromptAnswer negative) {
        shown.push_back({kind, text, icon, title});
        if (!answers.empty()) {
            auto a = answers.front();
            answers.pop_front();
            return a;
        }
        const bool yes = defaultAnswer == PromptAnswer::Ok || defaultAnswer == PromptAnswer::Yes ||
                         defaultAnswer == PromptAnswer::Retry;
        return yes ? positive : negative;
    }
};

}  // namespace zq61::test
