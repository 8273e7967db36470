#pragma once

// Captions of the buttons that many windows share, set by control name:
// CommandOK, CommandCancel on dialogs; CommandClose, CommandHelp on editors.

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

}  // namespace zq61::gui
