// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window that is open while a read or write runs: a bar and its "N%"
// label, and a Cancel button that stops the transfer. It is modal to the
// user but shown without an event loop of its own, so the transfer engine's
// call that opens it returns at once and the transfer goes on.

#include <QDialog>
#include <functional>

#include "link/engine/transfer_state.h"

class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;

namespace zq61 {
class Prompter;
class Texts;
}  // namespace zq61

namespace zq61::gui {

class FrmProgress : public QDialog {
    Q_OBJECT
  public:
    // Errors of the window's own routines are told through `prompter` with
    // the routine's name; the window stays open.
    FrmProgress(const Texts& texts, Prompter& prompter, TransferOperation operation,
                QWidget* parent);

    // The bar to `percent` (0..100) and the label to "percent%". The engine
    // calls it only when the percentage grew, and with 0 when a transfer
    // starts again after the failure prompt.
    void SetProgressValue(int percent);
    int progressValue() const;
    QString percentText() const;

    // Cancel, Esc and the close button call this (the engine's cancel()).
    std::function<void()> onCancel;

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ChangShowByLanguage(const Texts& texts, TransferOperation operation);
    void justSize();
    void requestCancel();
    // Runs one routine of the window; an error in it is reported as `name`.
    template <typename F>
    void guarded(const char* name, F&& routine);

    Prompter& prompter_;

    QProgressBar* bar_;
    QLabel* label1_;
    QLabel* label2_;
    QHBoxLayout* labelRow_ = nullptr;
    QPushButton* cancel_;
};

}  // namespace zq61::gui
