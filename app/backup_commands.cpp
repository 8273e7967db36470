// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands around the safety of the radio's data: opening
// a backup of a radio read, comparing the document with the radio, and the
// log of the transfers with it.

#include "app/app_context.h"
#include "app/main_window.h"
#include "app/open_backup_dialog.h"
#include "app/radio_commands.h"
#include "app/transfer_log_dialog.h"
#include "model/document_copies.h"
#include "model/text_ids.h"

namespace zq61::gui {

void MainWindow::openBackup() {
    commitPendingEdits();
    if (isChanged(ctx_.document)) {
        const PromptAnswer answer =
            ctx_.prompter.yesNoCancel(ctx_.document.prompt(txt::kSaveChanges, PromptIcon::Warning));
        if (answer == PromptAnswer::Cancel) return;
        if (answer == PromptAnswer::Yes && !saveBeforeDiscarding()) return;
    }
    FrmOpenBackup dialog(ctx_, this);
    if (runModal(dialog) != QDialog::Accepted || dialog.chosenPath().isEmpty()) return;
    openFileAsUntitled(dialog.chosenPath());
}

// A backup is opened as a new document: saving it never overwrites the
// backup, and Save asks where the document goes.
void MainWindow::openFileAsUntitled(const QString& path) {
    openDocumentFile(path, true);
}

void MainWindow::compareWithRadio() {
    commitPendingEdits();
    radio().compareWithRadio();
}

void MainWindow::showTransferLog() {
    FrmTransferLog dialog(ctx_, this);
    runModal(dialog);
}

}  // namespace zq61::gui
