// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/windows/compare_window.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/child_windows.h"
#include "app/common_captions.h"
#include "app/main_window.h"
#include "app/window_names.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

constexpr int kChannelRole = Qt::UserRole;

}  // namespace

FrmCompare::FrmCompare(MainWindow& main, const std::vector<Difference>& differences,
                       QWidget* parent)
    : QWidget(parent), main_(main), list_(new QListWidget(this)) {
    setObjectName("FrmCompare");
    const AppContext& ctx = main.context();
    setWindowTitle(ctx.text(txt::kCompareCaption));

    auto* label = new QLabel(ctx.text(txt::kCompareListLabel), this);
    label->setBuddy(list_);
    list_->setObjectName("ListDifferences");
    list_->setAccessibleName(QString(label->text()).remove('&'));
    for (const Difference& d : differences) {
        auto* item = new QListWidgetItem(QString::fromStdString(d.text(Terms(&ctx.texts))), list_);
        item->setData(kChannelRole, d.chNo);
    }
    if (differences.empty()) {
        auto* same = new QListWidgetItem(ctx.text(txt::kCompareSame), list_);
        same->setData(kChannelRole, 0);
    }
    list_->setCurrentRow(0);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openLine(list_->row(item)); });

    auto* hint = new QLabel(ctx.text(txt::kCompareHint), this);
    hint->setObjectName("LabelHint");
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addWidget(hint);
    addCloseRow(layout, this, ctx.texts);
}

void FrmCompare::openLine(int row) {
    const QListWidgetItem* item = list_->item(row);
    const int chNo = item ? item->data(kChannelRole).toInt() : 0;
    if (chNo <= 0) return;
    // The channel window chooses the channel; the edit window follows it.
    auto* shower = dynamic_cast<ChannelShower*>(main_.showWindowOnce(win::kChannels));
    if (!shower) return;
    shower->showChannel(chNo);
    main_.showWindowOnce(win::kChannelEdit);
}

}  // namespace zq61::gui
