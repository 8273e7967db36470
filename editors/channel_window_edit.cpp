// SPDX-License-Identifier: GPL-3.0-or-later
// Editing one grid cell in place: which cells may be edited, the editor
// placed over the cell, and handing the value to setChannelCell.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <exception>
#include <string>

#include "app/field_names.h"
#include "codec/text_helpers.h"
#include "editors/channel_grid.h"
#include "editors/channel_window.h"
#include "editors/editor_controls.h"
#include "model/bands.h"
#include "model/document.h"
#include "model/groups.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

// Narrowest editor, for the columns the grid keeps hidden.
constexpr int kMinimumEditorWidth = 60;

int comboSlot(int column) {
    switch (column) {
        case kGridColPublic:
            return 0;
        case kGridColDup:
            return 1;
        case kGridColTsq:
            return 2;
        case kGridColScan:
            return 3;
        default:
            return -1;
    }
}

}  // namespace

std::array<QWidget*, 6> ChannelWindow::cellEditors() const {
    return {text1_, text2_, combos_[0], combos_[1], combos_[2], combos_[3]};
}

QWidget* ChannelWindow::activeEditor() const {
    for (QWidget* editor : cellEditors())
        if (!editor->isHidden()) return editor;
    return nullptr;
}

void ChannelWindow::placeEditor(QWidget* editor, int row, int column) {
    // Screen readers announce the editor by its column and row, as
    // "Frequency (MHz), channel 4".
    const QTableWidgetItem* header = grid_->horizontalHeaderItem(column);
    const QString name = qs(doc_.text(txt::kCellEditorName))
                             .arg(header ? header->text() : QString(), QString::number(row));
    renameField(editor, name);
    QTableWidgetItem* cell = grid_->item(row - 1, column);
    grid_->scrollToItem(cell);
    QRect rect = grid_->visualItemRect(cell);
    if (rect.width() < kMinimumEditorWidth) rect.setWidth(kMinimumEditorWidth);
    if (qobject_cast<QComboBox*>(editor))
        rect.setHeight(qMax(rect.height(), editor->sizeHint().height()));
    editor->setGeometry(rect);
    editor->show();
    editor->raise();
}

void ChannelWindow::EnterGridEdit() {
    // A pending edit of another cell goes to the document first.
    EndGridEdit();
    try {
        const int c = grid_->currentColumn();
        const int r = grid_->currentRow() + 1;
        if (c < 1 || r < 1) return;
        if (doc_.BandMode == kBandCB) {
            // CB frequencies are fixed; memory frequencies are chosen in the
            // channel edit window. A slot without a channel has nothing to edit.
            if (c == kGridColFrequency) return;
            if (c <= kGridColScan && cellText(r, kGridColFrequency).isEmpty()) return;
        }
        // The shift and its offset do not apply to a public channel.
        if ((c == kGridColDup || c == kGridColOffset) && cellText(r, kGridColPublic) == "On")
            return;
        // The VFO slot is never scanned.
        if (c == kGridColScan && groupName(shownGroup(), doc_.BandMode) == "VFO") return;

        EditColumn = c;
        EditRow = r;
        // The row belongs to the shown group, whatever another window left here.
        EditGroup = shownGroup();
        editPending_ = false;
        if (c == kGridColFrequency || c == kGridColOffset) {
            QLineEdit* edit = c == kGridColFrequency ? text1_ : text2_;
            QString text = cellText(r, c);
            if (c == kGridColOffset) {
                while (text.endsWith(' '))
                    text.chop(1);
            }
            placeEditor(edit, r, c);
            edit->setText(text);
            edit->selectAll();
            edit->setFocus(Qt::OtherFocusReason);
        } else if (const int slot = comboSlot(c); slot >= 0) {
            QComboBox* combo = combos_[slot];
            ComboArmed = false;
            placeEditor(combo, r, c);
            {
                const QSignalBlocker quiet(combo);
                combo->setCurrentIndex(-1);
            }
            int item = combo->findText(cellText(r, c), Qt::MatchExactly);
            if (item < 0 && (c == kGridColPublic || c == kGridColDup)) item = 0;
            if (item >= 0)
                combo->setCurrentIndex(item);  // its change arms the editor
            else
                ComboArmed = true;  // no change of its own will come
            combo->setFocus(Qt::OtherFocusReason);
        } else if (c == kGridColEdit) {
            openChannelEdit();
        }
    } catch (const std::exception&) {
        doc_.tell(FixedText::WindowError, PromptIcon::None, "frmCommChInfo_EnterGridEdit");
    }
}

void ChannelWindow::typeIntoFrequency(const QString& digit) {
    if (grid_->currentColumn() != kGridColFrequency) return;
    EnterGridEdit();
    if (activeEditor() != text1_) return;
    text1_->setText(digit);
    editPending_ = true;
}

void ChannelWindow::SaveGridEdit() {
    if (!editPending_) return;
    editPending_ = false;
    std::string value;
    switch (EditColumn) {
        case kGridColFrequency: {
            if (text1_->isHidden()) return;
            value = text1_->text().toStdString();
            if (const auto mhz = parseNumber(value)) value = formatFiveDecimals(*mhz);
            break;
        }
        case kGridColOffset:
            if (text2_->isHidden()) return;
            value = text2_->text().toStdString();
            break;
        case kGridColPublic:
        case kGridColDup:
        case kGridColTsq:
        case kGridColScan: {
            const QComboBox* combo = combos_[comboSlot(EditColumn)];
            if (combo->isHidden() || combo->currentIndex() < 0) return;
            value = std::to_string(combo->currentIndex());
            break;
        }
        default:
            return;
    }
    // A message box of the document (a frequency outside the band) takes the
    // focus; that must not end the edit a second time.
    const QScopedValueRollback<bool> saving(ending_, true);
    setChannelCell(doc_, EditGroup, EditRow, EditColumn, value);
}

void ChannelWindow::EndGridEdit() {
    endEdit("frmCommChInfo_EndGridEdit");
}

void ChannelWindow::endEdit(const char* failure) {
    if (ending_) return;
    bool failed = false;
    {
        const QScopedValueRollback<bool> ending(ending_, true);
        try {
            SaveGridEdit();
        } catch (const std::exception&) {
            failed = true;
        }
    }
    SetEditDisable();
    if (failed) doc_.tell(FixedText::WindowError, PromptIcon::None, failure);
}

void ChannelWindow::SetEditDisable() {
    QWidget* active = activeEditor();
    editPending_ = false;
    if (!active) return;
    const QScopedValueRollback<bool> hiding(ending_, true);
    // The focus goes back to the grid rather than to whatever comes next.
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == active || active->isAncestorOf(focus))) grid_->setFocus();
    text1_->hide();
    text2_->hide();
    for (QComboBox* combo : combos_)
        combo->hide();
}

void ChannelWindow::editorEnter() {
    const QWidget* editor = activeEditor();
    if (editor == text1_) {
        endEdit("rmCommChInfo_Text1_KeyPress");
    } else if (editor == text2_) {
        endEdit("frmCommChInfo_Text2_KeyPress");
    } else {
        const QByteArray failure =
            "frmCommChInfo_" + (editor ? editor->objectName().toLatin1() : QByteArray("Combo")) +
            "_KeyPress";
        endEdit(failure.constData());
    }
    grid_->setFocus();
}

void ChannelWindow::editorEscape() {
    // Escape drops what was typed, as in any spreadsheet.
    editPending_ = false;
    SetEditDisable();
    grid_->setFocus();
}

void ChannelWindow::editorTab(bool forward) {
    // As in a spreadsheet: the value goes in and the cursor moves on.
    editorEnter();
    grid_->stepCursor(forward);
}

void ChannelWindow::choiceChanged(int column) {
    const int slot = comboSlot(column);
    if (slot < 0 || combos_[slot]->isHidden() || column != EditColumn) return;
    // The first change is the editor's own selection as it opens.
    if (!ComboArmed) {
        ComboArmed = true;
        return;
    }
    editPending_ = true;
    try {
        SaveGridEdit();
    } catch (const std::exception&) {
        doc_.tell(FixedText::WindowError, PromptIcon::None,
                  "frmCommChInfo_Combo" + std::to_string(slot + 1) + "_Click");
    }
}

void ChannelWindow::focusMoved(QWidget* now) {
    QWidget* editor = activeEditor();
    if (!editor || ending_) return;
    if (now && (now == editor || editor->isAncestorOf(now))) return;
    // The open list of a choice editor.
    if (now && now->window()->windowType() == Qt::Popup) return;
    EndGridEdit();
}

}  // namespace zq61::gui
