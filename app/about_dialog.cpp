// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "model/text_ids.h"

namespace zq61::gui {

FrmAbout::FrmAbout(AppContext& context, QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    auto* layout = new QVBoxLayout(this);
    auto label = [&](const char* name, int id, bool wrap) {
        auto* l = new QLabel(context.text(id));
        l->setObjectName(name);
        l->setWordWrap(wrap);
        layout->addWidget(l);
        return l;
    };
    setWindowTitle(context.text(txt::kAboutCaption));
    QLabel* title = label("lblTitle", txt::kAboutTitle, false);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    label("lblVersion", txt::kAboutVersion, false);
    label("lblDescription", txt::kAboutDescription, true);
    layout->addSpacing(12);
    label("lblDisclaimer", txt::kAboutDisclaimer, true);
    auto* ok = new QPushButton(context.text(txt::kAboutOk));
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(420);
}

}  // namespace zq61::gui
