#pragma once

// Captions of the buttons that many windows share, set by control name:
// CommandOK, CommandCancel on dialogs; CommandClose, CommandHelp on editors.

class QWidget;

namespace zq61 {
class Texts;
}

namespace zq61::gui {

void ApplyOkCancelTexts(QWidget* window, const Texts& texts);
void ApplyCloseHelpTexts(QWidget* window, const Texts& texts);

}  // namespace zq61::gui
