// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_dialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace zq61::gui {

namespace {

// The extension of the filter's first pattern ("CSV files (*.csv)" gives
// "csv"); "dat" when the filter names none.
QString defaultSuffix(const QString& filter) {
    const QRegularExpressionMatch m = QRegularExpression(R"(\*\.(\w+))").match(filter);
    return m.hasMatch() ? m.captured(1) : QStringLiteral("dat");
}

}  // namespace

std::unique_ptr<QFileDialog> QtFileDialogs::openDialog(QWidget* parent, const QString& filter) {
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return dialog;
}

std::optional<QString> QtFileDialogs::openFileName(QWidget* parent, const QString& filter) {
    const std::unique_ptr<QFileDialog> dialog = openDialog(parent, filter);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().first();
}

std::optional<QString> QtFileDialogs::saveFileName(QWidget* parent, const QString& filter,
                                                   const QString& preset) {
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    dialog.selectFile(preset);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace zq61::gui
