// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/key_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/common_captions.h"
#include "app/enter_moves_focus.h"
#include "app/twips.h"
#include "editors/editor_controls.h"
#include "model/document.h"
#include "model/key_functions.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

QStringList listOf(const std::vector<std::string>& names) {
    QStringList out;
    for (const std::string& name : names)
        out << QString::fromStdString(name);
    return out;
}

}  // namespace

KeyWindow::KeyWindow(Document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setWindowTitle(qs(doc_.text(txt::kKeyCaption)));
    auto* layout = new QVBoxLayout(this);

    modeSet_ = new QComboBox;
    modeSet_->setObjectName("Combo2");
    modeSet_->addItems(listOf(keyModeSetNames()));
    EnterMovesFocus::install(modeSet_);
    auto* modeRow = new QHBoxLayout;
    modeRow->setSpacing(twipsToPixels(100, this));  // the caption stands 100 twips left of the list
    modeRow->addWidget(labelFor(modeSet_, qs(doc_.text(txt::kKeyModesLabel)), "Label1"));
    modeRow->addWidget(modeSet_);
    modeRow->addStretch();
    layout->addLayout(modeRow);

    auto* frames = new QHBoxLayout;
    for (int m = 0; m < kModes; ++m) {
        auto* frame =
            new QGroupBox(qs(doc_.text(txt::kKeyModeFrame)) + " " + QString::number(m + 1));
        frame->setObjectName(QString("Frame1_%1").arg(m));
        auto* grid = new QGridLayout(frame);
        for (int k = 0; k < kKeysPerMode; ++k) {
            const int i = kKeysPerMode * m + k;
            auto* list = new QComboBox;
            list->setObjectName(QString("Combo1_%1").arg(i));
            list->addItems(listOf(keyFunctionNames()));
            EnterMovesFocus::install(list);
            functions_[static_cast<std::size_t>(i)] = list;
            auto* label = labelFor(list, QString("P%1").arg(k + 1));
            label->setObjectName(QString("Label2_%1").arg(i));
            list->setAccessibleName(frame->title() + " P" + QString::number(k + 1));
            grid->addWidget(label, k, 0);
            grid->addWidget(list, k, 1);
        }
        frames->addWidget(frame);
    }
    layout->addLayout(frames);

    addCloseRow(layout, this, *doc_.texts);

    showData();

    // Only the user's picks reach the data; showData sends no signals.
    connect(modeSet_, &QComboBox::currentIndexChanged, this, [this](int index) {
        doc_.WorkData.Keys.KeyModeSet = static_cast<int16_t>(index);
        doc_.noteEdit();
    });
    for (int i = 0; i < kKeyLists; ++i)
        connect(functions_[static_cast<std::size_t>(i)], &QComboBox::currentIndexChanged, this,
                [this, i](int index) {
                    doc_.WorkData.Keys.KeyFunctions[static_cast<std::size_t>(i)] =
                        static_cast<int16_t>(index + 1);
                    doc_.noteEdit();
                });
}

void KeyWindow::showData() {
    const KeySettings& keys = doc_.WorkData.Keys;
    showItemAt(modeSet_, keys.KeyModeSet);
    for (int i = 0; i < kKeyLists; ++i)
        showItemAt(functions_[static_cast<std::size_t>(i)],
                   keys.KeyFunctions[static_cast<std::size_t>(i)] - 1);
}

}  // namespace zq61::gui
