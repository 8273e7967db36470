// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names for fields that have no caption of their own beside them: a list
// under a column heading, the second list of a row, a cell editor. Screen
// readers on Linux name a list only by a label whose buddy it is (the
// accessible name is ignored there), so such a field gets a label that is
// never shown; the accessible name serves the other platforms.
//
//   nameField(lengthList, "Step 3, Length (ms)");
//   renameField(lengthList, ...);        // after a change of language

#include <QLabel>
#include <QString>
#include <QWidget>

namespace zq61::gui {

// A hidden label beside `field` (a sibling: `field` must have its parent
// already) that names it.
inline void nameField(QWidget* field, const QString& name) {
    auto* label = new QLabel(name, field->parentWidget());
    label->setObjectName(field->objectName() + "_name");
    label->setBuddy(field);
    label->hide();
    field->setAccessibleName(name);
}

// The name nameField gave `field`, changed.
inline void renameField(QWidget* field, const QString& name) {
    const QString labelName = field->objectName() + "_name";
    if (auto* label =
            field->parentWidget()->findChild<QLabel*>(labelName, Qt::FindDirectChildrenOnly))
        label->setText(name);
    field->setAccessibleName(name);
}

}  // namespace zq61::gui
