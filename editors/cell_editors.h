// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The in-place editors of the channel grid: two numeric text boxes (the
// frequency and the offset) and four choice lists, and the key filter that
// keeps everything but digits (and the decimal point where it belongs) out
// of the text boxes.

#include <QObject>
#include <string>
#include <vector>

class QComboBox;
class QEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace zq61::gui {

// Frequency: digits and "."; Whole: digits only.
enum class NumericKind { Frequency, Whole };

// Whether a typed key may reach a numeric text box. Cut, copy and paste
// (also by their other shortcuts) and every character above code 127 are
// swallowed; of the printable characters only the digits pass, plus "." for
// a frequency. Control characters such as Backspace, and keys without a
// character (arrows, Home, Delete), pass.
bool numericKeyPasses(const QKeyEvent& event, NumericKind kind);

// Installed on a cell editor: filters the keys of a numeric text box (see
// numericKeyPasses), blocks pasting with the middle mouse button, and turns
// Enter, Escape and Tab into signals for the grid window, which commits or
// drops the edit.
class CellEditorKeys : public QObject {
    Q_OBJECT
  public:
    // `numeric` false: a choice list, whose keys all pass.
    CellEditorKeys(QWidget* editor, bool numeric, NumericKind kind);

  signals:
    void enterPressed();
    void escapePressed();
    // Tab (forward) or Shift+Tab (back): the edit ends and the cursor moves on.
    void tabPressed(bool forward);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool numeric_;
    NumericKind kind_;
};

// The items of the choice list of grid column 2 (Public), 3 (shift), 5
// (tone squelch) or 6 (scan); an empty list for the other columns. The
// lists are fixed and not translated.
const std::vector<std::string>& gridChoiceItems(int column);

// A hidden numeric text box over the grid, named `name` ("Text1", "Text2").
QLineEdit* makeNumericEditor(QWidget* parent, const char* name, NumericKind kind);
// A hidden choice list over the grid with the items of `column`.
QComboBox* makeChoiceEditor(QWidget* parent, const char* name, int column);

}  // namespace zq61::gui
