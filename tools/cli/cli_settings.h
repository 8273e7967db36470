// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's settings and language texts as its start-up finds them
// (mysetup.ini of the installation, else the locale), read without writing
// anything: the command line leaves the user's settings files alone.

#include <string>

#include "settings/lang_text.h"
#include "settings/settings.h"

namespace zq61::cli {

// `userFolder`: where this user's settings are kept when the installation
// is shared and cannot be written.
Settings readSettingsReadOnly(const std::string& programDir, const std::string& userFolder);

// The texts of the settings' language file. A text the file lacks is named
// by its number: on a terminal an empty message would leave the user guessing.
class CliTexts : public Texts {
  public:
    explicit CliTexts(const Settings& settings) : texts_(settings) {}
    std::string text(int id) const override;

  private:
    LangText texts_;
};

}  // namespace zq61::cli
