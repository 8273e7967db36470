// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/editor_controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "app/field_names.h"

namespace zq61::gui {

void selectByText(QComboBox* list, const QString& text) {
    const int i = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    list->setCurrentIndex(list->count() == 0 ? -1 : std::max(i, 0));
}

void selectByIndex(QComboBox* list, int index) {
    list->setCurrentIndex(list->count() == 0 ? -1 : NotInComboList(list, index) ? 0 : index);
}

bool NotInComboList(const QComboBox* list, int index) {
    return index < 0 || index >= list->count();
}

namespace {
// "U" stands for the groups "U" and "UK", which the second selector tells apart.
const QStringList kChannelCountries{"EU", "CE", "U", "PL", "I2", "DE", "IN", "MEM"};
const QStringList kUkChoices{"U", "UK"};
}  // namespace

void makeChannelCountrySelectors(QWidget* parent, QComboBox*& country, QComboBox*& sub) {
    country = new QComboBox(parent);
    country->setObjectName("ComboCountry");
    country->addItems(kChannelCountries);
    country->setCurrentIndex(-1);
    sub = new QComboBox(parent);
    sub->setObjectName("ComboCountryUK");
    sub->addItems(kUkChoices);
    sub->setCurrentIndex(-1);
    nameField(sub, "U/UK");
}

void showGroupInCountrySelectors(QComboBox* country, QComboBox* sub, const QString& name) {
    if (kUkChoices.contains(name)) {
        sub->setCurrentIndex(kUkChoices.indexOf(name));
        country->setCurrentIndex(kChannelCountries.indexOf("U"));
    } else {
        country->setCurrentIndex(kChannelCountries.indexOf(name));
    }
}

QString followCountrySelector(QComboBox* country, QComboBox* sub, bool ukChosen,
                              const QWidget* window) {
    sub->setVisible(ukChosen && country->isVisibleTo(window));
    if (ukChosen && sub->currentIndex() < 0) {
        const QSignalBlocker quiet(sub);
        sub->setCurrentIndex(0);
    }
    return ukChosen ? sub->currentText() : country->currentText();
}

void focusNextFrom(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next && next != from &&
           (!(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled() ||
            !next->isVisibleTo(from->window()) || from->isAncestorOf(next)))
        next = next->nextInFocusChain();
    if (next && next != from) next->setFocus(Qt::TabFocusReason);
}

void NumericBoxKeys::install(QLineEdit* box, NumericKind kind) {
    box->installEventFilter(new NumericBoxKeys(box, kind));
}

bool NumericBoxKeys::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                focusNextFrom(box);
                return true;
            }
            return !numericKeyPasses(*key, kind_);
        }
        case QEvent::ShortcutOverride: {
            // Enter belongs to the box, not to a default button.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) event->accept();
            break;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) return true;
            break;
        case QEvent::FocusIn:
            // After the click that brought the focus has placed the cursor.
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus()) box->selectAll();
            });
            break;
        default:
            break;
    }
    return false;
}

}  // namespace zq61::gui
