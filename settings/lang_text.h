// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of the language file chosen in the settings.
//
// Usage:
//     LangText texts(settings);        // keeps a reference to settings
//     texts.text(txt::kMenuFile);      // "&File" or its translation
// A change of settings.LanguageFileName shows in the next lookup.

#include <optional>
#include <string>

#include "model/texts.h"
#include "settings/settings.h"

namespace zq61 {

// The section of the language file that holds text `id` ("Msg" for
// 9000..9999, "Menu" for 10000..10999, ...; "OTHER" below 9000 and
// "Others" from 32000 on).
std::string languageSection(int id);

class LangText : public Texts {
  public:
    explicit LangText(const Settings& settings) : settings_(settings) {}

    // The text, trimmed and at most 254 characters long; empty when the
    // file, its section or the key is missing.
    std::string text(int id) const override;

    // Why the language file cannot be read (every text is then empty);
    // nothing when it can.
    std::optional<FileProblem> fileProblem() const;

  private:
    const Settings& settings_;
};

}  // namespace zq61
