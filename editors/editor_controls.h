// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small pieces the editor windows share: choosing a list item with the
// usual fallbacks (with its change signal, or quietly), labels that name
// their control, and the key rules of the numeric text boxes. The Close row
// is the main window's (app/common_captions.h), as every child window has it.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QSignalBlocker>
#include <string>

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

// The CB country selectors of the channel windows: the countries, with "U"
// for the U and UK plans, and the U/UK sub-selector ("ComboCountry",
// "ComboCountryUK"); both start with nothing chosen.
void makeChannelCountrySelectors(QWidget* parent, QComboBox*& country, QComboBox*& sub);
// Shows group `name` in those selectors: "U" and "UK" through the sub-selector.
void showGroupInCountrySelectors(QComboBox* country, QComboBox* sub, const QString& name);

// The CB country selectors: while the country selector's U/UK item is chosen
// (`ukChosen`), the sub-selector shows, with an item chosen; otherwise it is
// hidden. Returns the name the pair chooses: the sub-selector's text while it
// shows, else the country selector's.
QString followCountrySelector(QComboBox* country, QComboBox* sub, bool ukChosen,
                              const QWidget* window);

// Moves the focus from `from` to the next control that takes it, as Tab would.
void focusNextFrom(QWidget* from);

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Shows item `index` without a change signal (the stored value stays as it
// is until the user picks); an index outside the list shows the first item,
// an empty list shows nothing.
inline void showItemAt(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    if (list->count() == 0) return;
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : 0);
}

// Shows the first item whose text equals `text`, item 0 when none does,
// without a change signal.
inline void showItemNamed(QComboBox* list, const QString& text) {
    showItemAt(list, list->findText(text, Qt::MatchExactly));
}

// A label placed beside `buddy` that names it for the keyboard and for
// screen readers.
inline QLabel* labelFor(QWidget* buddy, const QString& text, const char* name = nullptr) {
    auto* label = new QLabel(text);
    if (name) label->setObjectName(name);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

}  // namespace zq61::gui
