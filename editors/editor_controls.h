#pragma once

// Small pieces the editor windows share: choosing a list item with the
// usual fallbacks, and the key rules of their numeric text boxes.

#include <QComboBox>
#include <QLineEdit>
#include <QObject>

#include "editors/cell_editors.h"

namespace zq61::gui {

// The list item equal to `text`, else the first one (none in an empty list).
void selectByText(QComboBox* list, const QString& text);
// The item at `index`, else the first one (none in an empty list).
void selectByIndex(QComboBox* list, int index);
// True when `index` names no item of the list (negative or past its end).
bool NotInComboList(const QComboBox* list, int index);

// Installed on a numeric text box of an editor window: only the keys that
// numericKeyPasses lets through reach it, pasting with the middle mouse
// button is blocked, Enter moves the focus on as Tab does (the box's
// focus-loss store runs then), and the box selects its whole text when it
// receives the focus.
class NumericBoxKeys : public QObject {
  public:
    static void install(QLineEdit* box, NumericKind kind);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    NumericBoxKeys(QLineEdit* box, NumericKind kind) : QObject(box), kind_(kind) {}
    NumericKind kind_;
};

// Moves the focus from `from` to the next control that takes it, as Tab would.
void focusNextFrom(QWidget* from);

}  // namespace zq61::gui
