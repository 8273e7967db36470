// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything the program holds for one run: the settings, the texts of the
// chosen language, the document, and the ways of asking the user. The
// program makes one; tests make their own over a temporary installation.

#include <QString>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "app/child_windows.h"
#include "app/file_dialogs.h"
#include "model/document.h"
#include "model/program_versions.h"
#include "model/prompter.h"
#include "platform/backup_store.h"
#include "platform/transfer_log.h"
#include "settings/lang_text.h"
#include "settings/settings.h"

namespace zq61::gui {

class RadioCommands;

struct AppContext {
    AppContext(Prompter& prompter, FileDialogs& fileDialogs)
        : prompter(prompter), fileDialogs(fileDialogs), document(prompter, texts) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Settings settings;
    LangText texts{settings};
    Prompter& prompter;
    FileDialogs& fileDialogs;
    Document document;
    // The child windows the main window can open, by name: the editor and
    // radio link windows, put in where the program is assembled.
    ChildWindowRegistry windows;
    // Set by the radio link; until then the radio commands only tell the
    // user that they are not available.
    RadioCommands* radio = nullptr;
    // The version table and how to start another program version (made at
    // start-up).
    std::unique_ptr<ProgramVersions> versions;
    // Set by the radio link: resets its operation and step values when a
    // new document starts.
    std::function<void()> resetLink;
    // Text 12000 as it was at start-up: the title of message boxes and the
    // name under which the main window placement is kept.
    QString applicationTitle;
    // Folders whose settings could not be saved and that the user was told
    // about (see settings_problems.h).
    std::set<std::string> settingsFoldersTold;

    // Where the backups of radio reads are kept; empty: the user's data
    // folder (BackupStore::defaultFolder). Tests point it elsewhere.
    QString backupFolder;
    std::string backupFolderPath() const {
        return backupFolder.isEmpty() ? BackupStore::defaultFolder() : backupFolder.toStdString();
    }

    // Where the transfer log is kept; empty: the user's data folder
    // (TransferLog::defaultFolder). Tests point it elsewhere.
    QString logFolder;
    std::string logFolderPath() const {
        return logFolder.isEmpty() ? TransferLog::defaultFolder() : logFolder.toStdString();
    }

    QString text(int id) const { return QString::fromStdString(texts.text(id)); }
    QString programFolder() const { return QString::fromStdString(settings.ProgramFolder); }
};

}  // namespace zq61::gui
