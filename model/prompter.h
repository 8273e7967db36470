#pragma once

#include <optional>
#include <string>

namespace zq61 {

enum class PromptIcon { None, Information, Warning, Question, Error };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

// Everything the core needs to tell or ask the user goes through this
// interface: the program shows message boxes, the command line and the tests
// answer from a script. Texts arrive already looked up; lines are separated
// by "\r\n" as the radio software always wrote them.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void message(const std::string& text, PromptIcon icon, const std::string& title) = 0;
    // Returns Ok or Cancel.
    virtual PromptAnswer okCancel(const std::string& text, PromptIcon icon,
                                  const std::string& title) = 0;
    // Returns Yes or No.
    virtual PromptAnswer yesNo(const std::string& text, PromptIcon icon,
                               const std::string& title) = 0;
    // Returns Yes, No or Cancel.
    virtual PromptAnswer yesNoCancel(const std::string& text, PromptIcon icon,
                                     const std::string& title) = 0;
    // Returns Retry or Cancel.
    virtual PromptAnswer retryCancel(const std::string& text, PromptIcon icon,
                                     const std::string& title) = 0;
    // The radio password dialog: shows `current`, returns the confirmed text
    // or nothing when the user cancelled.
    virtual std::optional<std::string> password(const std::string& current) = 0;

    // Shorthands for the common case without a title.
    void message(const std::string& text, PromptIcon icon = PromptIcon::None) {
        message(text, icon, std::string());
    }
};

}  // namespace zq61
