// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/dtmf_code_box.h"

#include <QKeyEvent>
#include <QValidator>

#include "model/dtmf_codes.h"

namespace zq61::gui {

namespace {

bool isDtmfDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'D') || u == '*' || u == '#';
}

// Cleans every way text gets in (typing, middle-click paste of the selection,
// input methods), not only the keys.
class DtmfValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const QString clean = DtmfCodeBox::dtmfDigitsOf(input);
        if (clean != input) {
            // Keep the cursor behind the characters that stayed before it.
            pos = static_cast<int>(DtmfCodeBox::dtmfDigitsOf(input.left(pos)).size());
            input = clean;
        }
        return Acceptable;
    }
};

}  // namespace

QString DtmfCodeBox::dtmfDigitsOf(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c.unicode() >= 'a' && c.unicode() <= 'd') c = c.toUpper();
        if (isDtmfDigit(c)) out += c;
    }
    return out;
}

DtmfCodeBox::DtmfCodeBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kDtmfCodeLength);
    setValidator(new DtmfValidator(this));
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
}

void DtmfCodeBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
        event->matches(QKeySequence::Cut)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint()) {
        const QString digit = dtmfDigitsOf(typed);
        if (digit.isEmpty()) {
            event->accept();  // not a DTMF digit: dropped
            return;
        }
        if (digit != typed) {  // "a".."d"
            QKeyEvent upper(event->type(), event->key(), event->modifiers(), digit);
            QLineEdit::keyPressEvent(&upper);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace zq61::gui
