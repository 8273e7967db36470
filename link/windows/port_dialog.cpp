// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/windows/port_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QTimer>
#include <QVBoxLayout>

#include "app/common_captions.h"
#include "link/qt/port_names.h"
#include "model/text_ids.h"
#include "model/texts.h"
#include "settings/settings.h"

namespace zq61::gui {

namespace {

constexpr int kRefreshMs = 1000;

QString describe(const QSerialPortInfo& info) {
    QStringList parts;
    for (const QString& part : {info.description(), info.manufacturer()})
        if (!part.isEmpty() && !parts.contains(part)) parts << part;
    if (!info.serialNumber().isEmpty()) parts << "S/N " + info.serialNumber();
    return parts.join(", ");
}

}  // namespace

std::vector<PresentPort> presentPorts() {
    std::vector<PresentPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back({info.systemLocation(), describe(info)});
    return ports;
}

FrmSetComm::FrmSetComm(const Texts& texts, Settings& settings, PortLister lister, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      lister_(std::move(lister)),
      group_(new QButtonGroup(this)),
      others_(new QListWidget),
      path_(new QLineEdit),
      timer_(new QTimer(this)) {
    setObjectName("FrmSetComm");
    auto text = [&texts](int id) { return QString::fromStdString(texts.text(id)); };
    setWindowTitle(text(txt::kPortCaption));

    auto* frame = new QGroupBox(text(txt::kPortFrame));
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    for (int n = kFirstComPort; n <= kLastComPort; ++n) {
        auto* button = new QRadioButton(text(txt::kPortPrefix) + QString::number(n));
        button->setObjectName(QString("Option1_%1").arg(n - 1));
        group_->addButton(button, n);
        grid->addWidget(button, (n - 1) / 4, (n - 1) % 4);
    }

    auto* othersLabel = new QLabel(text(txt::kPortOthers));
    othersLabel->setBuddy(others_);
    others_->setObjectName("OtherPorts");
    others_->setAccessibleName(othersLabel->text());
    auto* pathLabel = new QLabel(text(txt::kPortPath));
    pathLabel->setBuddy(path_);
    path_->setObjectName("PortPath");
    path_->setAccessibleName(pathLabel->text().remove('&'));
    path_->setPlaceholderText("/dev/ttyUSB0");

    const OkCancelRow buttons = addOkCancelButtons(this);
    ApplyOkCancelTexts(this, texts);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(othersLabel);
    layout->addWidget(others_);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(path_);
    layout->addLayout(pathRow);
    layout->addLayout(buttons.row);

    // A numbered port and a path exclude each other.
    connect(group_, &QButtonGroup::idClicked, this, [this] { path_->clear(); });
    connect(others_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        path_->setText(item->data(Qt::UserRole).toString());
        selectNumber(0);
    });
    connect(others_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!item) return;
        path_->setText(item->data(Qt::UserRole).toString());
        selectNumber(0);
    });
    connect(path_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        if (!typed.trimmed().isEmpty()) selectNumber(0);
    });
    connect(buttons.ok, &QPushButton::clicked, this, &FrmSetComm::commandOk);

    refreshPorts();
    if (settings_.PortName.empty()) {
        selectNumber(settings_.ComPortNumber);
    } else {
        path_->setText(QString::fromStdString(settings_.PortName));
    }
    timer_->setObjectName("ReCommTimer");
    timer_->setInterval(kRefreshMs);
    connect(timer_, &QTimer::timeout, this, &FrmSetComm::refreshPorts);
    timer_->start();
}

QRadioButton* FrmSetComm::portButton(int number) const {
    return qobject_cast<QRadioButton*>(group_->button(number));
}

void FrmSetComm::selectNumber(int number) {
    if (number >= kFirstComPort && number <= kLastComPort) {
        portButton(number)->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button by itself.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons())
        b->setChecked(false);
    group_->setExclusive(true);
}

void FrmSetComm::refreshPorts() {
    const std::vector<PresentPort> present = lister_ ? lister_() : std::vector<PresentPort>{};
    std::vector<bool> exists(kLastComPort + 1, false);
    const QString current =
        others_->currentItem() ? others_->currentItem()->data(Qt::UserRole).toString() : QString();
    const QSignalBlocker quiet(others_);
    others_->clear();
    for (const PresentPort& port : present) {
        if (auto n = comPortNumberOf(port.device)) {
            exists[*n] = true;
            continue;
        }
        auto* item = new QListWidgetItem(
            port.description.isEmpty() ? port.device : port.device + "  (" + port.description + ")",
            others_);
        item->setData(Qt::UserRole, port.device);
        if (port.device == current) others_->setCurrentItem(item);
    }
    // The checked button stays checked even while disabled: the user's
    // choice survives a cable that is out for a moment.
    for (int n = kFirstComPort; n <= kLastComPort; ++n)
        portButton(n)->setEnabled(exists[n]);
}

void FrmSetComm::commandOk() {
    const QString typed = path_->text().trimmed();
    if (!typed.isEmpty()) {
        const QString device = resolvePortName(typed);
        if (auto n = comPortNumberOf(device))
            applyPortChoice(settings_, static_cast<int16_t>(*n), "");
        else
            applyPortChoice(settings_, settings_.ComPortNumber, device.toStdString());
    } else if (group_->checkedId() >= kFirstComPort) {
        applyPortChoice(settings_, static_cast<int16_t>(group_->checkedId()), "");
    }
    timer_->stop();
    accept();
}

}  // namespace zq61::gui
