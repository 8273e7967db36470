// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The toolkit's own texts (the file, print and message dialogs, their
// buttons and labels) in the program's language, from the toolkit's
// translation files (Debian package qt6-translations-l10n).

namespace zq61 {
struct Settings;
}

namespace zq61::gui {

// Chinese toolkit texts while the Chinese language file is in use, English
// otherwise; called at start-up and after every change of language. A
// missing translation file leaves the toolkit's texts English.
void useToolkitTexts(const Settings& settings);

}  // namespace zq61::gui
