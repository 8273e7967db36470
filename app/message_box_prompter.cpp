// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/message_box_prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace zq61::gui {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::Error:
            return QMessageBox::Critical;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Texts keep the "\r\n" line breaks of the language files; the box wants "\n".
QString boxText(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n");
}

}  // namespace

int MessageBoxPrompter::show(const Prompt& prompt, int buttons) {
    QWidget* parent = parent_ ? parent_.data() : QApplication::activeWindow();
    QMessageBox box(boxIcon(prompt.icon),
                    prompt.title.empty() && title_ ? *title_ : QString::fromStdString(prompt.title),
                    boxText(prompt.text), QMessageBox::StandardButtons(buttons), parent);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok); ok && !prompt.okText.empty())
        ok->setText(QString::fromStdString(prompt.okText));
    return box.exec();
}

void MessageBoxPrompter::message(const Prompt& prompt) {
    show(prompt, QMessageBox::Ok);
}

PromptAnswer MessageBoxPrompter::okCancel(const Prompt& prompt) {
    return show(prompt, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok
               ? PromptAnswer::Ok
               : PromptAnswer::Cancel;
}

PromptAnswer MessageBoxPrompter::yesNo(const Prompt& prompt) {
    return show(prompt, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes ? PromptAnswer::Yes
                                                                                : PromptAnswer::No;
}

PromptAnswer MessageBoxPrompter::yesNoCancel(const Prompt& prompt) {
    switch (show(prompt, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Cancel;  // also the close box and Escape
    }
}

PromptAnswer MessageBoxPrompter::retryCancel(const Prompt& prompt) {
    return show(prompt, QMessageBox::Retry | QMessageBox::Cancel) == QMessageBox::Retry
               ? PromptAnswer::Retry
               : PromptAnswer::Cancel;
}

std::optional<std::string> MessageBoxPrompter::password(const std::string& current) {
    if (passwordWindow_) return passwordWindow_(current);
    bool ok = false;
    const QString text = QInputDialog::getText(
        parent_ ? parent_.data() : QApplication::activeWindow(), title_ ? *title_ : QString(),
        QString(), QLineEdit::Password, QString::fromStdString(current), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

}  // namespace zq61::gui
