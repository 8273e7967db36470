// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/transfer_log_dialog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_context.h"
#include "app/common_captions.h"
#include "app/screen_fit.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

enum RunColumn {
    kRunDateColumn,
    kRunTransfersColumn,
    kRunPortColumn,
    kRunResultColumn,
    kRunColumnCount
};

// "2026-12-08T09:18:00.123Z" as the local time, "2026-12-08 10:18:00".
QString localDate(const std::string& started) {
    QDateTime when = QDateTime::fromString(QString::fromStdString(started), Qt::ISODateWithMs);
    if (!when.isValid()) return QString::fromStdString(started);
    return when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// The texts of a run's transfers, joined; a result keeps only its first word
// ("failed: ..." is "failed"), repeated ports are named once.
QString joined(const std::vector<std::string>& values, bool firstWord = false, bool once = false) {
    QStringList out;
    for (const std::string& v : values) {
        QString text = QString::fromStdString(v);
        if (firstWord) text = text.section(':', 0, 0);
        if (!once || !out.contains(text)) out << text;
    }
    return out.join(QStringLiteral(", "));
}

}  // namespace

FrmTransferLog::FrmTransferLog(AppContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      list_(new QTreeWidget(this)),
      details_(new QPlainTextEdit(this)),
      save_(new QPushButton(this)) {
    setObjectName("FrmTransferLog");
    setWindowTitle(ctx.text(txt::kLogCaption));
    const TransferLog log(ctx.logFolderPath());
    std::string error;
    runs_ = log.runs(&error);
    std::reverse(runs_.begin(), runs_.end());

    auto* listLabel = new QLabel(ctx.text(txt::kLogListLabel), this);
    listLabel->setBuddy(list_);
    list_->setObjectName("ListTransfers");
    list_->setAccessibleName(QString(listLabel->text()).remove('&'));
    list_->setColumnCount(kRunColumnCount);
    list_->setHeaderLabels({ctx.text(txt::kLogDateColumn), ctx.text(txt::kLogTransfersColumn),
                            ctx.text(txt::kLogPortColumn), ctx.text(txt::kLogResultColumn)});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    for (const LoggedRun& run : runs_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kRunDateColumn, localDate(run.started));
        item->setText(kRunTransfersColumn, joined(run.purposes));
        item->setText(kRunPortColumn, joined(run.ports, false, true));
        item->setText(kRunResultColumn, joined(run.results, true));
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* detailsLabel = new QLabel(ctx.text(txt::kLogDetailsLabel), this);
    detailsLabel->setBuddy(details_);
    details_->setObjectName("TextDetails");
    details_->setAccessibleName(QString(detailsLabel->text()).remove('&'));
    details_->setReadOnly(true);
    details_->setLineWrapMode(QPlainTextEdit::NoWrap);
    details_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Tab leaves the text for the buttons instead of typing nothing.
    details_->setTabChangesFocus(true);

    auto* empty = new QLabel(
        error.empty() ? ctx.text(txt::kLogNone)
                      : ctx.text(txt::kLogCannotRead) + " " + QString::fromStdString(error),
        this);
    empty->setObjectName("LabelNone");
    empty->setWordWrap(true);
    empty->setVisible(runs_.empty());
    auto* where = new QLabel(ctx.text(txt::kLogFile) + " " +
                                 QDir::toNativeSeparators(QString::fromStdString(log.filePath())),
                             this);
    where->setObjectName("LabelFile");
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    save_->setObjectName("CommandSave");
    save_->setText(ctx.text(txt::kLogSave));
    connect(save_, &QPushButton::clicked, this, &FrmTransferLog::saveChosen);
    auto* close = new QPushButton(this);
    close->setObjectName("CommandClose");
    close->setDefault(true);
    ApplyCloseHelpTexts(this, ctx.texts);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { showChosen(); });
    if (!runs_.empty()) list_->setCurrentItem(list_->topLevelItem(0));
    showChosen();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);
    layout->addWidget(empty);
    layout->addWidget(detailsLabel);
    layout->addWidget(details_, 2);
    layout->addWidget(where);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resizeWithinScreen(this, {720, 520});
}

const LoggedRun* FrmTransferLog::chosen() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= static_cast<int>(runs_.size())) return nullptr;
    return &runs_[static_cast<std::size_t>(row)];
}

void FrmTransferLog::showChosen() {
    const LoggedRun* run = chosen();
    details_->setPlainText(run ? QString::fromStdString(run->text) : QString());
    save_->setEnabled(run != nullptr);
}

// The chosen run goes to a file of the user's choice, through a temporary
// file that replaces it only when complete.
void FrmTransferLog::saveChosen() {
    const LoggedRun* run = chosen();
    if (!run) return;
    const QString preset =
        "zq61-transfer-" +
        localDate(run->started).replace(' ', '_').remove(':').remove('-').left(15) + ".log";
    const QString filter = ctx_.text(txt::kLogFileType) + " (*.log *.txt)";
    const auto path = ctx_.fileDialogs.saveFileName(this, filter, preset);
    if (!path || path->isEmpty()) return;
    QSaveFile file(*path);
    const qint64 size = static_cast<qint64>(run->text.size());
    if (file.open(QIODevice::WriteOnly) && file.write(run->text.data(), size) == size &&
        file.commit())
        return;
    ctx_.prompter.message(Prompt::ofText(txt::kLogCannotSave,
                                         ctx_.texts.text(txt::kLogCannotSave) + "\n" +
                                             (*path + ": " + file.errorString()).toStdString(),
                                         PromptIcon::Error));
}

}  // namespace zq61::gui
