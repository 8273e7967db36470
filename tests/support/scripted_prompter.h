// SPDX-License-Identifier: GPL-3.0-or-later
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
    int textId = 0;
    FixedText fixed = FixedText::None;
    std::string okText;  // the OK button's own caption, if any
};

class ScriptedPrompter : public Prompter {
  public:
    std::vector<PromptRecord> shown;
    std::deque<PromptAnswer> answers;  // consumed in order by the questions
    PromptAnswer defaultAnswer = PromptAnswer::Ok;
    std::deque<std::optional<std::string>> passwords;  // answers of the password dialog

    void message(const Prompt& p) override { record("message", p); }
    PromptAnswer okCancel(const Prompt& p) override {
        return ask("okCancel", p, PromptAnswer::Ok, PromptAnswer::Cancel);
    }
    PromptAnswer yesNo(const Prompt& p) override {
        return ask("yesNo", p, PromptAnswer::Yes, PromptAnswer::No);
    }
    PromptAnswer yesNoCancel(const Prompt& p) override {
        return ask("yesNoCancel", p, PromptAnswer::Yes, PromptAnswer::Cancel);
    }
    PromptAnswer retryCancel(const Prompt& p) override {
        return ask("retryCancel", p, PromptAnswer::Retry, PromptAnswer::Cancel);
    }
    std::optional<std::string> password(const std::string& current) override {
        shown.push_back({"password", current, PromptIcon::None, {}, 0, FixedText::None, {}});
        if (passwords.empty()) return std::nullopt;
        auto answer = passwords.front();
        passwords.pop_front();
        return answer;
    }

    // Texts of everything shown, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& r : shown)
            out.push_back(r.text);
        return out;
    }
    bool showedText(const std::string& text) const {
        for (const auto& r : shown)
            if (r.text == text) return true;
        return false;
    }
    // Whether language text `id`, or a fixed text, was shown or asked.
    bool showed(int id) const {
        for (const auto& r : shown)
            if (r.textId == id) return true;
        return false;
    }
    // The last time language text `id` was shown or asked; nullptr when never.
    const PromptRecord* lastShown(int id) const {
        for (auto it = shown.rbegin(); it != shown.rend(); ++it)
            if (it->textId == id) return &*it;
        return nullptr;
    }
    int count(int id) const {
        int n = 0;
        for (const auto& r : shown)
            n += r.textId == id;
        return n;
    }
    bool showed(FixedText kind) const {
        for (const auto& r : shown)
            if (r.fixed == kind) return true;
        return false;
    }

  private:
    // The default answer is mapped onto the buttons this question has.
    void record(const char* kind, const Prompt& p) {
        shown.push_back({kind, p.text, p.icon, p.title, p.textId, p.fixed, p.okText});
    }
    PromptAnswer ask(const char* kind, const Prompt& p, PromptAnswer positive,
                     PromptAnswer negative) {
        record(kind, p);
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
