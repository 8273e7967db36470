// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Captions of the buttons that many windows share, set by control name:
// CommandOK, CommandCancel on dialogs; CommandClose, CommandHelp on child
// windows; and the rows that hold them.

class QBoxLayout;
class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace zq61 {
class Texts;
}

namespace zq61::gui {

void ApplyOkCancelTexts(QWidget* window, const Texts& texts);
void ApplyCloseHelpTexts(QWidget* window, const Texts& texts);

// A dialog's OK (the default button) and Cancel at the right of a row of
// their own, made as the dialog's children so that their captions are found
// by name. Cancel rejects the dialog; what OK does is the caller's.
struct OkCancelRow {
    QPushButton* ok;
    QHBoxLayout* row;
};
OkCancelRow addOkCancelButtons(QDialog* dialog);

// A child window's Close button ("CommandClose") at the right end of a row
// added to `layout`, made as the window's child and captioned from the texts;
// the windows laid out with a Help button have it beside Close
// ("CommandHelp"), kept hidden: the program has no help pages. Close takes
// what is still being typed into the document (a PendingEditCommitter) and
// closes the window with its child window frame. Returns the row, so that a
// window may put buttons of its own into it.
enum class HelpButton { None, Hidden };
QHBoxLayout* addCloseRow(QBoxLayout* layout, QWidget* window, const Texts& texts,
                         HelpButton help = HelpButton::None);

// Closes a child window with its frame (the window alone when it has none).
void closeChildWindow(QWidget* window);

}  // namespace zq61::gui
