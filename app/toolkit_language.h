#pragma once

// The toolkit in the program's languages: its own texts (the file, print
// and message dialogs, their buttons and labels) from the toolkit's
// translation files (Debian package qt6-translations-l10n), and a font
// that draws Han characters in their Simplified Chinese shapes.

namespace zq61 {
struct Settings;
}

namespace zq61::gui {

// Chinese toolkit texts while the Chinese language file is in use, English
// otherwise; called at start-up and after every change of language. A
// missing translation file leaves the toolkit's texts English.
void useToolkitTexts(const Settings& settings);

// The application font, with "Noto Sans CJK SC" for the characters the
// default font lacks (Debian package fonts-noto-cjk).
void preferSimplifiedChineseFont();

}  // namespace zq61::gui
