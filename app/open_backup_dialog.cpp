// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/open_backup_dialog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/common_captions.h"
#include "app/screen_fit.h"
#include "model/backup_names.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/text_ids.h"
#include "platform/backup_store.h"

namespace zq61::gui {

namespace {

enum Column { kDateColumn, kBandColumn, kChannelsColumn, kColumnCount };

// The read's time (UTC in the name) in local time; the name itself when it
// is no valid time.
QString localDate(const BackupName& name, const QString& stem) {
    QDateTime when(QDate(name.year, name.month, name.day),
                   QTime(name.hour, name.minute, name.second, name.millisecond), Qt::UTC);
    if (!when.isValid()) return stem;
    return when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

int channelsOf(AppContext& ctx, const QString& path) {
    Document doc(ctx.prompter, ctx.texts);
    if (!fullRead(doc, path.toStdString())) return -1;
    int count = 0;
    for (int i = 0; i < doc.WorkData.ChannelCount && i < kMaxChannels; ++i)
        count += doc.WorkChannels[static_cast<std::size_t>(i)].ChNo != kVfoChannel;
    return count;
}

}  // namespace

std::vector<BackupEntry> listBackups(AppContext& ctx, const QString& folder) {
    std::vector<BackupEntry> entries;
    const QDir dir(folder);
    for (const std::string& name : BackupStore(folder.toStdString()).list()) {
        const QString stem = QString::fromStdString(name);
        const QString path = dir.filePath(stem + ".dat");
        if (!QFileInfo::exists(path)) continue;  // only the image was kept
        const BackupName parsed = parseBackupStem(name).value_or(BackupName{});
        BackupEntry e;
        e.documentPath = path;
        e.date = localDate(parsed, stem);
        e.bandMode = QString::fromStdString(parsed.band);
        e.channels = channelsOf(ctx, path);
        entries.push_back(e);
    }
    return entries;
}

FrmOpenBackup::FrmOpenBackup(AppContext& ctx, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)), open_(new QPushButton(this)) {
    setObjectName("FrmOpenBackup");
    setWindowTitle(ctx.text(txt::kBackupCaption));
    const QString folder = QString::fromStdString(ctx.backupFolderPath());
    entries_ = listBackups(ctx, folder);

    auto* label = new QLabel(ctx.text(txt::kBackupListLabel), this);
    label->setBuddy(list_);
    list_->setObjectName("ListBackups");
    list_->setAccessibleName(QString(label->text()).remove('&'));
    list_->setColumnCount(kColumnCount);
    list_->setHeaderLabels({ctx.text(txt::kBackupDateColumn), ctx.text(txt::kBackupBandColumn),
                            ctx.text(txt::kBackupChannelsColumn)});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    for (const BackupEntry& e : entries_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kDateColumn, e.date);
        item->setText(kBandColumn, e.bandMode);
        item->setText(kChannelsColumn,
                      e.channels < 0 ? QStringLiteral("?") : QString::number(e.channels));
        item->setTextAlignment(kChannelsColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(kDateColumn, e.documentPath);
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!entries_.empty()) list_->setCurrentItem(list_->topLevelItem(0));
    connect(list_, &QTreeWidget::itemActivated, this, [this] { openChosen(); });

    auto* empty = new QLabel(ctx.text(txt::kBackupNone), this);
    empty->setObjectName("LabelNone");
    empty->setVisible(entries_.empty());
    auto* where =
        new QLabel(ctx.text(txt::kBackupFolder) + " " + QDir::toNativeSeparators(folder), this);
    where->setObjectName("LabelFolder");
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    open_->setObjectName("CommandOpen");
    open_->setText(ctx.text(txt::kBackupOpen));
    open_->setDefault(true);
    open_->setEnabled(!entries_.empty());
    connect(open_, &QPushButton::clicked, this, &FrmOpenBackup::openChosen);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName("CommandCancel");
    ApplyOkCancelTexts(this, ctx.texts);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addWidget(empty);
    layout->addWidget(where);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(open_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resizeWithinScreen(this, {520, 360});
}

void FrmOpenBackup::openChosen() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= static_cast<int>(entries_.size())) return;
    chosen_ = entries_[static_cast<std::size_t>(row)].documentPath;
    accept();
}

}  // namespace zq61::gui
