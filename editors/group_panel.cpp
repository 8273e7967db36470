// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/group_panel.h"
#include "editors/editor_controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "app/enter_moves_focus.h"
#include "app/field_names.h"
#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/document.h"
#include "model/groups.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

// Groups with their own settings: the banks and country plans (0..9).
constexpr int kGroupsWithSettings = 10;

void select(QComboBox* box, int index) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : (box->count() ? 0 : -1));
}

}  // namespace

GroupPanel::GroupPanel(Document& doc, bool& groupSyncing, QWidget* parent)
    : QWidget(parent), doc_(doc), groupSyncing_(groupSyncing) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto makeLabel = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    auto makeSelector = [this](const char* name, QLabel* label) {
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->setMinimumContentsLength(4);
        if (label) label->setBuddy(box);
        EnterMovesFocus::install(box);
        return box;
    };

    // Two lines under the grid: the working channel and the group switch,
    // then both emergency channels with their modulation.
    workChLabel_ = makeLabel("LabelWorkCh");
    workCh_ = makeSelector("ComboWorkCh", workChLabel_);
    grid->addWidget(workChLabel_, 0, 0);
    grid->addWidget(workCh_, 0, 1);
    groupOnLabel_ = makeLabel("LabelGroupOn");
    groupOn_ = makeSelector("ComboGroupOn", groupOnLabel_);
    groupOn_->addItems({"Disable", "Enable"});
    grid->addWidget(groupOnLabel_, 0, 3);
    grid->addWidget(groupOn_, 0, 4);
    for (int k = 0; k < 2; ++k) {
        const QByteArray n = QByteArray::number(k + 1);
        emergencyLabel_[k] = makeLabel("LabelEmgCh" + n);
        emergency_[k] = makeSelector("ComboEmgCh" + n, emergencyLabel_[k]);
        modulation_[k] = makeSelector("ComboEmgModulation" + n, nullptr);
        modulation_[k]->addItems({"FM", "AM"});
        // Beside its channel list, under no caption of its own.
        nameField(modulation_[k], QString());
        grid->addWidget(emergencyLabel_[k], 1, 3 * k);
        grid->addWidget(emergency_[k], 1, 3 * k + 1);
        grid->addWidget(modulation_[k], 1, 3 * k + 2);
    }
    grid->setColumnStretch(6, 1);

    // Each choice, with the values it stores along, is one edit.
    connect(workCh_, &QComboBox::currentIndexChanged, this, [this] {
        workingChannelChosen();
        doc_.noteEdit();
    });
    for (int k = 0; k < 2; ++k) {
        connect(emergency_[k], &QComboBox::currentIndexChanged, this, [this, k] {
            emergencyChannelChosen(k);
            doc_.noteEdit();
        });
        connect(modulation_[k], &QComboBox::currentIndexChanged, this, [this, k] {
            modulationChosen(k);
            doc_.noteEdit();
        });
    }
    connect(groupOn_, &QComboBox::currentIndexChanged, this, [this] {
        groupSwitchChosen();
        doc_.noteEdit();
    });
    applyTexts();
}

void GroupPanel::applyTexts() {
    const QString work = qs(doc_.text(txt::kWorkingChannel));
    workChLabel_->setText(work);
    workCh_->setAccessibleName(work);
    const int ids[2] = {txt::kEmergencyChannel1, txt::kEmergencyChannel2};
    for (int k = 0; k < 2; ++k) {
        const QString emergency = qs(doc_.text(ids[k]));
        emergencyLabel_[k]->setText(emergency);
        emergency_[k]->setAccessibleName(emergency);
        renameField(modulation_[k], emergency + " " + qs(doc_.text(txt::kModulationName)));
    }
    const QString on = qs(doc_.text(txt::kGroupEnable));
    groupOnLabel_->setText(on);
    groupOn_->setAccessibleName(on);
}

bool GroupPanel::isVfo() const {
    return groupName(group_, doc_.BandMode) == "VFO";
}

bool GroupPanel::isMemory() const {
    return isMemoryGroup(group_, doc_.BandMode);
}

void GroupPanel::setupForGroup(int group) {
    group_ = group;
    const bool vfo = isVfo();
    const bool memory = isMemory();
    const bool emergency = !vfo && !memory;
    workChLabel_->setVisible(!vfo);
    workCh_->setVisible(!vfo);
    for (int k = 0; k < 2; ++k) {
        emergencyLabel_[k]->setVisible(emergency);
        emergency_[k]->setVisible(emergency);
        modulation_[k]->setVisible(emergency);
    }
    const bool banked = doc_.BandMode == kBandHF || doc_.BandMode == kBandHAM;
    groupOnLabel_->setVisible(emergency && banked);
    groupOn_->setVisible(emergency && banked);

    ReshowByCh();
    if (emergency && group_ >= 0 && group_ < kGroupsWithSettings) {
        const std::string name = groupName(group_, doc_.BandMode);
        const auto g = static_cast<std::size_t>(group_);
        SetModulationEnable(name, doc_.WorkData.Options.GroupCh2[g], 0);
        SetModulationEnable(name, doc_.WorkData.Options.GroupCh3[g], 1);
    }
}

void GroupPanel::fillChannelSelectors() {
    QStringList rows;
    for (const std::string& item : channelSelectorItems(doc_, group_, doc_.BandMode))
        rows << qs(item);
    for (QComboBox* box : {workCh_, emergency_[0], emergency_[1]}) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(rows);
        box->setCurrentIndex(-1);
    }
}

bool GroupPanel::showChannel(QComboBox* selector, int stored) {
    const QSignalBlocker quiet(selector);
    const int i = selector->findText(QString::number(stored + 1), Qt::MatchExactly);
    if (i >= 0 || selector->count() == 0) {
        selector->setCurrentIndex(i);
        return true;
    }
    selector->setCurrentIndex(0);
    return false;
}

void GroupPanel::ReshowByCh() {
    if (isVfo()) return;
    fillChannelSelectors();
    OptionsRecord& options = doc_.WorkData.Options;
    // A remembered channel that no longer exists shows the first row, which
    // is stored back as if the user had chosen it.
    if (isMemory()) {
        if (!showChannel(workCh_, options.CurMemCh)) workingChannelChosen();
        return;
    }
    if (group_ < 0 || group_ >= kGroupsWithSettings) return;
    const auto g = static_cast<std::size_t>(group_);
    groupSyncing_ = true;
    select(groupOn_, options.GroupOn[g]);
    groupSyncing_ = false;
    if (!showChannel(workCh_, options.GroupCh1[g])) workingChannelChosen();
    if (!showChannel(emergency_[0], options.GroupCh2[g])) emergencyChannelChosen(0);
    if (!showChannel(emergency_[1], options.GroupCh3[g])) emergencyChannelChosen(1);
    select(modulation_[0], options.EmgModulation1[g]);
    select(modulation_[1], options.EmgModulation2[g]);
}

void GroupPanel::SetModulationEnable(const std::string& groupName, int emergencyValue, int k) {
    if (k < 0 || k > 1) return;
    const bool fmOnly =
        groupName == "UK" || groupName == "CE" || (groupName == "DE" && emergencyValue >= 40);
    if (fmOnly) {
        select(modulation_[k], 0);
        modulationChosen(k);
    }
    modulation_[k]->setEnabled(!fmOnly);
}

namespace {

// The selected channel row minus 1; a text that is not a number counts as 1.
int16_t chosenChannel(const QComboBox* box) {
    bool ok = false;
    const int row = box->currentText().toInt(&ok);
    return static_cast<int16_t>((ok ? row : 1) - 1);
}

}  // namespace

void GroupPanel::workingChannelChosen() {
    if (workCh_->currentIndex() < 0) return;
    OptionsRecord& options = doc_.WorkData.Options;
    if (isMemory())
        options.CurMemCh = chosenChannel(workCh_);
    else if (group_ >= 0 && group_ < kGroupsWithSettings)
        options.GroupCh1[static_cast<std::size_t>(group_)] = chosenChannel(workCh_);
}

void GroupPanel::emergencyChannelChosen(int k) {
    if (isVfo() || isMemory() || group_ < 0 || group_ >= kGroupsWithSettings) return;
    if (emergency_[k]->currentIndex() < 0) return;
    const auto g = static_cast<std::size_t>(group_);
    OptionsRecord& options = doc_.WorkData.Options;
    int16_t& stored = k == 0 ? options.GroupCh2[g] : options.GroupCh3[g];
    stored = chosenChannel(emergency_[k]);
    SetModulationEnable(groupName(group_, doc_.BandMode), stored, k);
}

void GroupPanel::modulationChosen(int k) {
    if (group_ < 0 || group_ >= kGroupsWithSettings || modulation_[k]->currentIndex() < 0) return;
    const auto g = static_cast<std::size_t>(group_);
    OptionsRecord& options = doc_.WorkData.Options;
    (k == 0 ? options.EmgModulation1 : options.EmgModulation2)[g] =
        static_cast<uint8_t>(modulation_[k]->currentIndex());
}

void GroupPanel::groupSwitchChosen() {
    if (groupSyncing_ || group_ < 0 || group_ >= kGroupsWithSettings) return;
    const int bandMode = doc_.BandMode;
    const auto g = static_cast<std::size_t>(group_);
    int16_t& on = doc_.WorkData.Options.GroupOn[g];
    groupSyncing_ = true;
    if (countInGroup(doc_, group_, bandMode) == 0) {
        // A group without channels cannot be switched on.
        on = 0;
        select(groupOn_, 0);
        ensureGroupOn(doc_, bandMode);
    } else if (groupsOnExcept(doc_, group_, bandMode) > 0) {
        on = static_cast<int16_t>(groupOn_->currentIndex());
    } else {
        // The last group that is on stays on.
        on = 1;
        select(groupOn_, 1);
    }
    groupSyncing_ = false;
}

}  // namespace zq61::gui
