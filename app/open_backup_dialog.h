// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File > Open Backup...: the backups of radio reads, newest first, with the
// date of the read, the radio's band mode and how many channels it held.
// Open (or a double click, or Enter) chooses one; the main window opens it
// as an untitled document. Backups that kept only the radio's image (a band
// mode the program does not know) have no document to open and are not
// listed.

#include <QDialog>
#include <QString>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace zq61::gui {

struct AppContext;

// One backup as the list shows it.
struct BackupEntry {
    QString documentPath;  // the .dat file
    QString date;          // local time of the read, "2026-12-08 10:18:00"
    QString bandMode;      // "HAM", "HF", "CB"
    int channels = 0;      // channels of the read, the VFO slot not counted
};

// The openable backups of `folder`, newest first.
std::vector<BackupEntry> listBackups(AppContext& ctx, const QString& folder);

class FrmOpenBackup : public QDialog {
    Q_OBJECT
  public:
    FrmOpenBackup(AppContext& ctx, QWidget* parent = nullptr);

    // The .dat file chosen with Open; empty before.
    QString chosenPath() const { return chosen_; }
    QTreeWidget* list() const { return list_; }

  private:
    void openChosen();

    std::vector<BackupEntry> entries_;
    QTreeWidget* list_;
    QPushButton* open_;
    QString chosen_;
};

}  // namespace zq61::gui
