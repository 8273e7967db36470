// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Settings that cannot be saved (a read-only or full disk, a file where the
// settings folder should be) do not stop the program: the user hears once
// for each folder which file it was and why, and the choices of this run
// hold until the program ends.

namespace zq61::gui {

struct AppContext;

// Tells the problems the settings kept (Settings::WriteProblems) and clears
// them; a folder already told about is not told again.
void tellSettingsProblems(AppContext& ctx);

// At start-up: the language file that cannot be read, and why (in a fixed
// text, as no text can come from that file).
void tellLanguageFileProblem(AppContext& ctx);

}  // namespace zq61::gui
