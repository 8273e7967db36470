// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The open and save-as dialogs of the data files, behind a small interface
// so the commands that use them can be driven without a real dialog.

#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace zq61::gui {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& filter) = 0;
    // `preset` is the file name shown when the dialog opens.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& filter,
                                                const QString& preset) = 0;
};

// The platform's file dialogs; the save dialog adds the extension of the
// filter (".dat" for data files, ".csv" for CSV files) when the user typed a
// name without one.
class QtFileDialogs : public FileDialogs {
  public:
    std::optional<QString> openFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter,
                                        const QString& preset) override;

    // The open dialog as openFileName shows it, not yet shown.
    static std::unique_ptr<QFileDialog> openDialog(QWidget* parent, const QString& filter);
};

}  // namespace zq61::gui
