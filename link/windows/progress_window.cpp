// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/windows/progress_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "app/twips.h"
#include "model/prompter.h"
#include "model/text_ids.h"
#include "model/texts.h"

namespace zq61::gui {

namespace {

// The gap between the "Progress" label and the percentage, in twips.
constexpr int kProgressLabelGapTwips = 10;

QString text(const Texts& texts, int id) {
    return QString::fromStdString(texts.text(id));
}

}  // namespace

template <typename F>
void FrmProgress::guarded(const char* name, F&& routine) {
    try {
        routine();
    } catch (const std::exception&) {
        prompter_.message(Prompt::ofFixed(FixedText::WindowError, PromptIcon::Error, name));
    }
}

FrmProgress::FrmProgress(const Texts& texts, Prompter& prompter, TransferOperation operation,
                         QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      bar_(new QProgressBar),
      label1_(new QLabel),
      label2_(new QLabel),
      cancel_(new QPushButton) {
    setObjectName("FrmProgress");
    guarded("ProgressForm_LoadError", [&] {
        bar_->setObjectName("ProgressBar1");
        bar_->setRange(0, 100);
        bar_->setTextVisible(false);
        label1_->setObjectName("Label1");
        label2_->setObjectName("Label2");
        label2_->setMinimumWidth(label2_->fontMetrics().horizontalAdvance("100%"));
        label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cancel_->setObjectName("CommandCancel");
        cancel_->setText(text(texts, txt::kCancel));
        cancel_->setAccessibleName(cancel_->text());

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(bar_);
        labelRow_ = new QHBoxLayout;
        labelRow_->addStretch();
        labelRow_->addWidget(label1_);
        labelRow_->addWidget(label2_);
        layout->addLayout(labelRow_);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(cancel_);
        layout->addLayout(buttons);
        setMinimumWidth(360);
        connect(cancel_, &QPushButton::clicked, this, &FrmProgress::requestCancel);

        guarded("ProgressChangShowByLanguageError", [&] { ChangShowByLanguage(texts, operation); });
        guarded("ProgressjustSizeError", [&] { justSize(); });
        bar_->setValue(0);
        label2_->setText("0%");
    });
    setWindowModality(Qt::WindowModal);
}

void FrmProgress::ChangShowByLanguage(const Texts& texts, TransferOperation operation) {
    const int kind = operation == TransferOperation::Write ? txt::kWriteCaption : txt::kReadCaption;
    setWindowTitle(text(texts, kind));
    label1_->setText(text(texts, txt::kProgressLabel));
    label1_->setAccessibleName(label1_->text());
    label2_->setAccessibleName(label1_->text());
    bar_->setAccessibleName(label1_->text());
}

// "Progress" ends 10 twips left of the percentage.
void FrmProgress::justSize() {
    labelRow_->setSpacing(twipsToPixels(kProgressLabelGapTwips, this));
}

void FrmProgress::SetProgressValue(int percent) {
    guarded("SetProgressValueError", [&] {
        const int value = std::clamp(percent, 0, 100);
        bar_->setValue(value);
        label2_->setText(QString::number(value) + "%");
    });
}

int FrmProgress::progressValue() const {
    return bar_->value();
}

QString FrmProgress::percentText() const {
    return label2_->text();
}

void FrmProgress::requestCancel() {
    if (onCancel) onCancel();
}

// Esc.
void FrmProgress::reject() {
    requestCancel();
}

// The window's close button: the transfer is cancelled; the engine closes
// the window when it has ended.
void FrmProgress::closeEvent(QCloseEvent* event) {
    if (onCancel && isVisible()) {
        event->ignore();
        requestCancel();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace zq61::gui
