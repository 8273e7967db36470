// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/windows/fleet_write_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "codec/csv.h"
#include "link/engine/password.h"
#include "link/qt/port_names.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

enum Column { kPortColumn, kDescriptionColumn, kProgressColumn, kResultColumn, kColumnCount };

int resultTextId(FleetResult result) {
    switch (result) {
        case FleetResult::Written:
            return txt::kFleetWritten;
        case FleetResult::Verified:
            return txt::kFleetVerified;
        case FleetResult::Read:
            return txt::kFleetRead;
        case FleetResult::Refused:
            return txt::kFleetRefused;
        case FleetResult::Failed:
            return txt::kFleetFailed;
        case FleetResult::Cancelled:
            return txt::kFleetCancelled;
        case FleetResult::None:
            break;
    }
    return txt::kFleetWaiting;
}

}  // namespace

FrmFleetWrite::FrmFleetWrite(AppContext& ctx, FleetJob job, const std::vector<PresentPort>& ports,
                             const std::vector<QString>& checkedPorts, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      job_(std::move(job)),
      table_(new QTableWidget(0, kColumnCount, this)),
      otherPort_(new QLineEdit(this)),
      add_(new QPushButton(this)),
      password_(new QLineEdit(this)),
      verify_(new QCheckBox(this)),
      summary_(new QLabel(this)),
      start_(new QPushButton(this)),
      saveReport_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setObjectName("FrmFleetWrite");
    setWindowTitle(text(txt::kFleetCaption));

    const QString documentName = QString::fromStdString(ctx.document.DataFileName);
    auto* document =
        new QLabel(text(txt::kFleetDocument) + " " + QFileInfo(documentName).fileName(), this);
    document->setObjectName("LabelDocument");
    document->setToolTip(QString::fromStdString("SHA-256 " + imageDigest(job_.image)));

    auto* listLabel = new QLabel(text(txt::kFleetListLabel), this);
    listLabel->setBuddy(table_);
    table_->setObjectName("RadioList");
    table_->setAccessibleName(listLabel->text().remove('&'));
    table_->setHorizontalHeaderLabels(
        {text(txt::kFleetPortColumn), text(txt::kFleetDescriptionColumn),
         text(txt::kFleetProgressColumn), text(txt::kFleetResultColumn)});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);  // Tab leaves the list; Space checks a radio
    table_->verticalHeader()->hide();
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(kPortColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kDescriptionColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(kProgressColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(kResultColumn, QHeaderView::Stretch);
    table_->setColumnWidth(kDescriptionColumn, 150);
    table_->setColumnWidth(kProgressColumn, 110);
    for (const PresentPort& port : ports)
        addRow(port.device, port.description, false);
    for (const QString& port : checkedPorts)
        addPort(port);

    auto* otherLabel = new QLabel(text(txt::kFleetOtherPort), this);
    otherLabel->setBuddy(otherPort_);
    otherPort_->setObjectName("OtherPort");
    otherPort_->setAccessibleName(otherLabel->text().remove('&'));
    otherPort_->setPlaceholderText("/dev/ttyUSB0");
    add_->setObjectName("CommandAdd");
    add_->setText(text(txt::kFleetAddPort));
    add_->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, [this] {
        const QString typed = otherPort_->text().trimmed();
        if (!typed.isEmpty() && addPort(resolvePortName(typed))) otherPort_->clear();
    });
    connect(otherPort_, &QLineEdit::returnPressed, add_, &QPushButton::click);

    auto* passwordLabel = new QLabel(text(txt::kFleetPassword), this);
    passwordLabel->setBuddy(password_);
    password_->setObjectName("Password");
    password_->setAccessibleName(passwordLabel->text().remove('&'));
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(kPasswordLength);
    password_->setText(QString::fromStdString(job_.password.value_or("")));

    verify_->setObjectName("CheckVerify");
    verify_->setText(text(txt::kFleetVerify));
    verify_->setChecked(job_.verify);

    summary_->setObjectName("LabelSummary");

    start_->setObjectName("CommandStart");
    start_->setText(text(txt::kFleetStart));
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &FrmFleetWrite::start);
    saveReport_->setObjectName("CommandSaveReport");
    saveReport_->setText(text(txt::kFleetSaveReport));
    saveReport_->setAutoDefault(false);
    saveReport_->setEnabled(false);
    connect(saveReport_, &QPushButton::clicked, this, &FrmFleetWrite::saveReport);
    cancel_->setObjectName("CommandCancel");
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &FrmFleetWrite::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(otherLabel, 0, 0);
    auto* otherRow = new QHBoxLayout;
    otherRow->addWidget(otherPort_, 1);
    otherRow->addWidget(add_);
    fields->addLayout(otherRow, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(password_);
    passwordRow->addStretch(1);
    fields->addLayout(passwordRow, 1, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(start_);
    buttons->addWidget(saveReport_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(document);
    layout->addWidget(listLabel);
    layout->addWidget(table_, 1);
    layout->addLayout(fields);
    layout->addWidget(verify_);
    layout->addLayout(buttons);
    setRunning(false);
    table_->setFocus();
    if (table_->rowCount() > 0) table_->setCurrentCell(0, kPortColumn);
    resize(720, 420);
}

FrmFleetWrite::~FrmFleetWrite() {
    if (run_) run_->cancel();
}

QString FrmFleetWrite::text(int id) const {
    return ctx_.text(id);
}

void FrmFleetWrite::addRow(const QString& device, const QString& description, bool checked) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    auto* port = new QTableWidgetItem(device);
    port->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    port->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    table_->setItem(row, kPortColumn, port);
    auto* about = new QTableWidgetItem(description);
    about->setToolTip(description);
    table_->setItem(row, kDescriptionColumn, about);
    table_->setItem(row, kResultColumn, new QTableWidgetItem);
}

bool FrmFleetWrite::addPort(const QString& device, const QString& description) {
    for (int row = 0; row < table_->rowCount(); ++row) {
        QTableWidgetItem* port = table_->item(row, kPortColumn);
        if (port->text() != device) continue;
        if (running()) return false;
        port->setCheckState(Qt::Checked);
        table_->setCurrentCell(row, kPortColumn);
        ctx_.prompter.message(
            Prompt::ofText(txt::kFleetPortTwice,
                           ctx_.texts.text(txt::kFleetPortTwice) + "\r\n" + device.toStdString(),
                           PromptIcon::Information));
        return false;
    }
    addRow(device, description, true);
    table_->setCurrentCell(table_->rowCount() - 1, kPortColumn);
    return true;
}

void FrmFleetWrite::setRunning(bool running) {
    for (int row = 0; row < table_->rowCount(); ++row) {
        QTableWidgetItem* port = table_->item(row, kPortColumn);
        port->setFlags(running ? (port->flags() & ~Qt::ItemIsUserCheckable)
                               : (port->flags() | Qt::ItemIsUserCheckable));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{otherPort_, add_, password_, verify_, start_})
        w->setEnabled(!running);
    saveReport_->setEnabled(!running && run_ != nullptr);
    cancel_->setText(text(running ? txt::kCancel : txt::kClose));
}

// Everything is asked here, once: nothing asks while the radios run.
void FrmFleetWrite::start() {
    if (running()) return;
    std::vector<int> rows;
    std::vector<std::string> ports;
    for (int row = 0; row < table_->rowCount(); ++row) {
        QTableWidgetItem* port = table_->item(row, kPortColumn);
        if (port->checkState() != Qt::Checked) continue;
        rows.push_back(row);
        ports.push_back(port->text().toStdString());
    }
    if (ports.empty()) {
        ctx_.prompter.message(Prompt::ofText(
            txt::kFleetNoneChosen, ctx_.texts.text(txt::kFleetNoneChosen), PromptIcon::Warning));
        return;
    }
    const Prompt confirm = Prompt::ofText(txt::kConfirmWrite,
                                          ctx_.texts.text(txt::kConfirmWrite) + "\r\n" +
                                              ctx_.texts.text(txt::kFleetConfirmCount) + " " +
                                              std::to_string(ports.size()),
                                          PromptIcon::Question);
    if (ctx_.prompter.okCancel(confirm) != PromptAnswer::Ok) return;

    job_.verify = verify_->isChecked();
    const std::string password = password_->text().toStdString();
    job_.password = password.empty() ? std::nullopt : std::optional<std::string>(password);
    run_.reset();  // the rows of an earlier run show this one now
    // Only the radios of this run have a bar.
    for (int row = 0; row < table_->rowCount(); ++row) {
        table_->item(row, kResultColumn)->setText({});
        table_->item(row, kResultColumn)->setToolTip({});
        table_->removeCellWidget(row, kProgressColumn);
    }
    for (const int row : rows) {
        auto* bar = new QProgressBar;
        bar->setRange(0, 100);
        bar->setValue(0);
        table_->setCellWidget(row, kProgressColumn, bar);
    }
    summary_->clear();
    runRows_ = rows;
    run_ = std::make_unique<FleetRun>(job_, ports, ctx_.texts, *ctx_.versions,
                                      TransferLog(ctx_.logFolderPath()));
    run_->setDocumentName(ctx_.document.DataFileName);
    run_->onChanged = [this](std::size_t i) { showRadio(i); };
    run_->onLogProblem = [this](const std::string& problem) {
        ctx_.prompter.message(Prompt::ofText(
            txt::kLogNotWritten, ctx_.texts.text(txt::kLogNotWritten) + "\r\n" + problem,
            PromptIcon::Warning));
    };
    run_->onFinished = [this] { runEnded(); };
    setRunning(true);
    for (std::size_t i = 0; i < runRows_.size(); ++i)
        showRadio(i);
    run_->start();
}

QString FrmFleetWrite::stepWord(const FleetRadio& radio) const {
    switch (radio.step()) {
        case FleetStep::Writing:
            return text(txt::kFleetWriting);
        case FleetStep::Verifying:
            return text(txt::kFleetVerifying);
        case FleetStep::Reading:
            return text(txt::kFleetReading);
        case FleetStep::Waiting:
        case FleetStep::Done:
            break;
    }
    return text(txt::kFleetWaiting);
}

// "verified (ZQ-61, HAM, V100) 24.1 s", "refused: <why> (ZQ-61, CB, V100) 2.0 s".
QString FrmFleetWrite::resultLine(const RadioOutcome& o) const {
    QString line = text(resultTextId(o.result));
    if (o.partlyWritten) line += ", " + text(txt::kFleetPartlyWritten);
    if (!o.reason.empty()) line += ": " + QString::fromStdString(o.reason);
    if (!o.model.empty())
        line += QString(" (%1, %2, %3)")
                    .arg(QString::fromStdString(o.model), QString::fromStdString(bandText(o)),
                         QString::fromStdString(o.firmware));
    return line + " " + QString::fromStdString(secondsText(o.seconds)) + " s";
}

void FrmFleetWrite::showRadio(std::size_t index) {
    if (!run_ || index >= runRows_.size()) return;
    const FleetRadio& radio = run_->radio(index);
    const int row = runRows_[index];
    auto* bar = static_cast<QProgressBar*>(table_->cellWidget(row, kProgressColumn));
    QTableWidgetItem* result = table_->item(row, kResultColumn);
    if (!radio.finished()) {
        bar->setValue(radio.percent());
        result->setText(stepWord(radio));
        return;
    }
    if (radio.outcome().succeeded()) bar->setValue(100);
    const QString line = resultLine(radio.outcome());
    result->setText(line);
    result->setToolTip(line);
}

void FrmFleetWrite::runEnded() {
    std::size_t succeeded = 0;
    for (const RadioOutcome& o : run_->outcomes())
        succeeded += o.succeeded();
    summary_->setText(text(txt::kFleetSummary) +
                      QString(" %1 / %2").arg(succeeded).arg(run_->size()));
    setRunning(false);
}

void FrmFleetWrite::reject() {
    if (running()) return run_->cancel();  // every radio ends; the results stay shown
    QDialog::reject();
}

void FrmFleetWrite::closeEvent(QCloseEvent* event) {
    if (running()) run_->cancel();
    QDialog::closeEvent(event);
}

std::string FrmFleetWrite::reportCsv() const {
    if (!run_) return {};
    auto t = [this](int id) { return ctx_.texts.text(id); };
    std::string csv = csvLine({t(txt::kFleetPortColumn), t(txt::kFleetDescriptionColumn),
                               t(txt::kFleetModelColumn), t(txt::kFleetBandColumn),
                               t(txt::kFleetFirmwareColumn), t(txt::kFleetResultColumn),
                               t(txt::kFleetReasonColumn), t(txt::kFleetSecondsColumn),
                               t(txt::kFleetDocumentColumn), t(txt::kFleetDigestColumn)});
    const std::string digest = imageDigest(job_.image);
    const std::vector<RadioOutcome> outcomes = run_->outcomes();
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const RadioOutcome& o = outcomes[i];
        std::string result = t(resultTextId(o.result));
        if (o.partlyWritten) result += ", " + t(txt::kFleetPartlyWritten);
        csv += csvLine({o.port, table_->item(runRows_[i], kDescriptionColumn)->text().toStdString(),
                        o.model, bandText(o), o.firmware, result, o.reason, secondsText(o.seconds),
                        ctx_.document.DataFileName, digest});
    }
    return csv;
}

// Through a temporary file that replaces the chosen one only when complete.
void FrmFleetWrite::saveReport() {
    if (!run_ || running()) return;
    const QString preset =
        QFileInfo(QString::fromStdString(ctx_.document.DataFileName)).completeBaseName() +
        "-radios.csv";
    const auto path =
        ctx_.fileDialogs.saveFileName(this, text(txt::kCsvFileType) + " (*.csv)", preset);
    if (!path || path->isEmpty()) return;
    const std::string csv = reportCsv();
    QSaveFile file(*path);
    const auto size = static_cast<qint64>(csv.size());
    if (file.open(QIODevice::WriteOnly) && file.write(csv.data(), size) == size && file.commit())
        return;
    ctx_.prompter.message(Prompt::ofText(txt::kCsvCannotWrite,
                                         ctx_.texts.text(txt::kCsvCannotWrite) + "\r\n" +
                                             (*path + ": " + file.errorString()).toStdString(),
                                         PromptIcon::Error));
}

}  // namespace zq61::gui
