// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/cell_editors.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

#include "model/radio_data.h"

namespace zq61::gui {

namespace {

constexpr char16_t kCtrlC = 3;
constexpr char16_t kCtrlV = 22;
constexpr char16_t kCtrlX = 24;

bool isClipboardKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Copy) ||
        event.matches(QKeySequence::Paste))
        return true;
    // Ctrl with X, C or V, whatever character the platform attaches.
    if (event.modifiers() & Qt::ControlModifier) {
        const int key = event.key();
        if (key == Qt::Key_X || key == Qt::Key_C || key == Qt::Key_V) return true;
    }
    return false;
}

// Undo and redo of the box's own typing, whatever character the platform
// attaches (some send the plain letter with Ctrl held).
bool isUndoKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo)) return true;
    const int key = event.key();
    return (event.modifiers() & Qt::ControlModifier) && (key == Qt::Key_Z || key == Qt::Key_Y);
}

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

bool numericKeyPasses(const QKeyEvent& event, NumericKind kind) {
    if (isClipboardKey(event)) return false;
    if (isUndoKey(event)) return true;
    const QString text = event.text();
    if (text.isEmpty()) return true;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == kCtrlX || code == kCtrlV || code == kCtrlC) return false;
        if (code > 127) return false;
        if (code < 32 || code == 127) continue;  // Backspace and other control codes
        if (c.isDigit()) continue;
        if (c == '.' && kind == NumericKind::Frequency) continue;
        return false;
    }
    return true;
}

CellEditorKeys::CellEditorKeys(QWidget* editor, bool numeric, NumericKind kind)
    : QObject(editor), numeric_(numeric), kind_(kind) {
    editor->installEventFilter(this);
}

bool CellEditorKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (isEnter(*key)) {
                emit enterPressed();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                emit escapePressed();
                return true;
            }
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                emit tabPressed(key->key() == Qt::Key_Tab &&
                                !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
            if (numeric_ && !numericKeyPasses(*key, kind_)) return true;
            break;
        }
        case QEvent::ShortcutOverride:
            // Enter and Escape belong to the editor, not to a default button
            // or a shortcut of the main window.
            if (const auto* key = static_cast<QKeyEvent*>(event);
                isEnter(*key) || key->key() == Qt::Key_Escape) {
                event->accept();
                return true;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            // The middle button pastes the selection on X11.
            if (numeric_ && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
                return true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

const std::vector<std::string>& gridChoiceItems(int column) {
    static const std::vector<std::string> onOff{"Off", "On"};
    static const std::vector<std::string> shift{"Off", "+", "-"};
    static const std::vector<std::string> scan{"Del", "Add"};
    static const std::vector<std::string> none;
    switch (column) {
        case kColPublic:
        case kColTsq:
            return onOff;
        case kColDup:
            return shift;
        case kColScan:
            return scan;
        default:
            return none;
    }
}

QLineEdit* makeNumericEditor(QWidget* parent, const char* name, NumericKind kind) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setContextMenuPolicy(Qt::NoContextMenu);  // no Paste entry
    edit->setAcceptDrops(false);
    // A second guard behind the key filter: text from an input method never
    // holds anything but the allowed characters either.
    const QString pattern = kind == NumericKind::Frequency ? "[0-9.]*" : "-?[0-9]*";
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    edit->hide();
    return edit;
}

QComboBox* makeChoiceEditor(QWidget* parent, const char* name, int column) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (const std::string& item : gridChoiceItems(column))
        combo->addItem(QString::fromStdString(item));
    combo->hide();
    return combo;
}

}  // namespace zq61::gui
