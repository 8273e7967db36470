// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace zq61 {

enum class PromptIcon { None, Information, Warning, Question, Error };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

// The few texts the program holds itself instead of the language files.
enum class FixedText {
    None,
    PasswordFailure,         // "PassWord Failure!"
    NoToneFeature,           // the radio lacks CTCSS/DCS
    NotNumeric,              // "Not IsNumeric" (may be followed by what was not numeric)
    CountryModeError,        // "Country Mode Error!"
    WindowError,             // a window's own error text (the name of what failed)
    SystemReason,            // the operating system's own words (why a port failed)
    LanguageFileUnreadable,  // no text can come from the language file itself
};

// The text of a fixed kind; "" for None, WindowError and SystemReason.
const char* fixedText(FixedText kind);

// One message or question: what it is (the identifier of its text in the
// language files, or the kind of fixed text), and what is shown. The text may
// add lines to the looked-up one ("PC is ..."), so whoever answers without a
// person goes by the identifier, never by the text.
struct Prompt {
    int textId = 0;
    FixedText fixed = FixedText::None;
    std::string text;
    PromptIcon icon = PromptIcon::None;
    std::string title;
    // The caption of the OK button of an OK/Cancel question when it names
    // what OK does ("Import the 12 channels that fit"); "" for the usual.
    std::string okText;

    // A text of the language files, as looked up (and perhaps extended).
    static Prompt ofText(int id, std::string text, PromptIcon icon = PromptIcon::None,
                         std::string title = {}) {
        return Prompt{id, FixedText::None, std::move(text), icon, std::move(title), {}};
    }
    // A fixed text; `extra` follows it on a line of its own when not empty.
    static Prompt ofFixed(FixedText kind, PromptIcon icon = PromptIcon::None,
                          const std::string& extra = {}) {
        std::string shown = fixedText(kind);
        if (!extra.empty()) shown += shown.empty() ? extra : "\r\n" + extra;
        return Prompt{0, kind, std::move(shown), icon, {}, {}};
    }
    bool is(int id) const { return textId != 0 && textId == id; }
    bool is(FixedText kind) const { return fixed == kind; }
};

// Everything the core needs to tell or ask the user goes through this
// interface: the program shows message boxes, the command line and the tests
// answer from a script. Lines are separated by "\r\n" as the radio software
// always wrote them.
class Prompter {
  public:
    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void message(const Prompt& prompt) = 0;
    // Returns Ok or Cancel.
    virtual PromptAnswer okCancel(const Prompt& prompt) = 0;
    // Returns Yes or No.
    virtual PromptAnswer yesNo(const Prompt& prompt) = 0;
    // Returns Yes, No or Cancel.
    virtual PromptAnswer yesNoCancel(const Prompt& prompt) = 0;
    // Returns Retry or Cancel.
    virtual PromptAnswer retryCancel(const Prompt& prompt) = 0;
    // The radio password dialog: shows `current`, returns the confirmed text
    // or nothing when the user cancelled.
    virtual std::optional<std::string> password(const std::string& current) = 0;
};

}  // namespace zq61
