#pragma once

// Small helpers the settings editors (keys, DTMF, tone tips) share: the list
// selection rules with their fallbacks, the Close button, closing the child
// window frame and labels that name their control.

#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <string>

namespace zq61::gui {

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Selects item `index`; an index outside the list selects the first item,
// an empty list selects nothing. Sends no change signal: the stored value
// stays as it is until the user picks.
inline void selectByIndex(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    if (list->count() == 0) return;
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : 0);
}

// Selects the first item whose text equals `text`, item 0 when none does.
inline void selectByText(QComboBox* list, const QString& text) {
    const int found = list->findText(text, Qt::MatchExactly);
    selectByIndex(list, found);
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

// Closes the window with its child window frame.
inline void closeEditorWindow(QWidget* window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        sub->close();
    else
        window->close();
}

}  // namespace zq61::gui
