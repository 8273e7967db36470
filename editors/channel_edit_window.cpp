// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/channel_edit_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <exception>

#include "app/common_captions.h"
#include "app/enter_moves_focus.h"
#include "app/field_names.h"
#include "app/main_window.h"
#include "app/twips.h"
#include "app/window_names.h"
#include "codec/band_mode.h"
#include "codec/text_helpers.h"
#include "codec/tones.h"
#include "editors/channel_window.h"
#include "editors/dtmf_number_list.h"
#include "editors/editor_controls.h"
#include "editors/memory_frequency_dialog.h"
#include "editors/tone_tip_list.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/frequency_entry.h"
#include "model/groups.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

// Field selector index: its channel field, its column code for set channel
// cell, and the caption its label carries before the texts come.
struct FieldInfo {
    int16_t ChannelRecord::*field;
    int column;
    const char* caption;
};
constexpr FieldInfo kFieldInfo[FrmCHInfoEdit::kFields] = {
    {&ChannelRecord::Public, kColPublic, "Public"},
    {&ChannelRecord::DUP, kColDup, "DUP"},
    {&ChannelRecord::TSQ, kColTsq, "TSQ"},
    {&ChannelRecord::Scan, kColScan, "Scan"},
    {&ChannelRecord::HI_CUT, kColHiCut, "HI_CUT"},
    {&ChannelRecord::BUSY, kColBusy, "BUSY"},
    {&ChannelRecord::NB, kColNb, "NB"},
    {&ChannelRecord::Add_Sub_5K, kColAddSub5K, "Add_Sub_5K"},
    {&ChannelRecord::AM_FM, kColAmFm, "AM_FM "},
    {&ChannelRecord::Tx_Power, kColTxPower, "Tx_Power"},
    {&ChannelRecord::RBTone, kColRbTone, "RBTone"},
    {&ChannelRecord::DTMF_BOT, kColDtmfBot, "DTMF_BOT"},
    {&ChannelRecord::DTMF_EOT, kColDtmfEot, "DTMF_EOT"},
    {&ChannelRecord::DTMF_Call, kColDtmfCall, "DTMF_Call"},
    {&ChannelRecord::RDCT, kColRdct, "RDCT"},
    {&ChannelRecord::TDCT, kColTdct, "TDCT"},
};
constexpr int kPublic = 0, kDup = 1, kScan = 3, kAddSub5K = 7, kAmFm = 8, kTxPower = 9,
              kRbTone = 10, kFirstDtmf = 11, kLastDtmf = 13;

// Tone tip and DTMF selectors are stored by the number they show.
bool storedByText(int i) {
    return i >= kRbTone && i <= kLastDtmf;
}
// Fields a channel with Public "On" may still change.
bool freeOnPublic(int i) {
    return i == 2 || i == kScan || i == 14 || i == 15;
}

// Sizes in twips by band mode (CB, then HF and HAM).
constexpr double kWindowWidth = 5400;
constexpr double kWindowHeightCb = 7645, kWindowHeight = 8725;
constexpr double kFrequencyWidthMem = 1560, kFrequencyWidth = 1815;

}  // namespace

FrmCHInfoEdit::FrmCHInfoEdit(Document& doc, MainWindow* main, QWidget* parent)
    : QWidget(parent), doc_(doc), main_(main) {
    buildControls();
    Refreshing = true;
    try {
        applyBandLayout();
        {
            const QSignalBlocker quiet(group_);
            for (int g = 0; g < 12; ++g)
                if (const std::string name = groupName(g, doc_.BandMode); !name.empty())
                    group_->addItem(qs(name));
            group_->setCurrentIndex(-1);
        }
        for (int i = kFirstDtmf; i <= kLastDtmf; ++i)
            fillDtmfNumberList(fields_[i], doc_);
        applyTexts();
        if (ChannelWindow* grid = channelWindow()) {
            EditGroup = grid->EditGroup;
            EditRow = grid->EditRow;
        } else {
            EditGroup = doc_.WorkData.Options.CurGroup;
        }
    } catch (const std::exception&) {
        doc_.tell(FixedText::WindowError, PromptIcon::None, "FrmCHInfoEdit_Form_Load");
    }
    Refreshing = false;
    doc_.ChannelEditOpen = true;
    SetGridEditData(true);
}

FrmCHInfoEdit::~FrmCHInfoEdit() {
    if (!closed_) doc_.ChannelEditOpen = false;
}

void FrmCHInfoEdit::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    layout->addLayout(top);

    groupLabel_ = new QLabel(this);
    group_ = new QComboBox(this);
    group_->setObjectName("Combo4");
    makeChannelCountrySelectors(this, country_, subCountry_);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(group_);
    groupRow->addWidget(country_);
    groupRow->addWidget(subCountry_);
    groupRow->addStretch(1);

    channelLabel_ = new QLabel(this);
    channel_ = new QComboBox(this);
    channel_->setObjectName("Combo1");

    frequencyLabel_ = new QLabel(this);
    frequency_ = new QLineEdit(this);
    frequency_->setObjectName("Text1");
    memoryButton_ = new QPushButton(">", this);
    memoryButton_->setObjectName("Command1");
    memoryButton_->setAutoDefault(false);
    auto* frequencyRow = new QHBoxLayout;
    frequencyRow->addWidget(frequency_);
    frequencyRow->addWidget(memoryButton_);
    frequencyRow->addStretch(1);

    offsetLabel_ = new QLabel(this);
    offset_ = new QLineEdit(this);
    offset_->setObjectName("Text2");

    const std::pair<QLabel*, QWidget*> rows[] = {{groupLabel_, group_},
                                                 {channelLabel_, channel_},
                                                 {frequencyLabel_, frequency_},
                                                 {offsetLabel_, offset_}};
    for (int r = 0; r < 4; ++r) {
        auto [label, field] = rows[r];
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(field);
        top->addWidget(label, r, 0);
    }
    top->addLayout(groupRow, 0, 1);
    top->addWidget(channel_, 1, 1);
    top->addLayout(frequencyRow, 2, 1);
    top->addWidget(offset_, 3, 1);
    groupLabel_->setObjectName("LabelGroup");
    channelLabel_->setObjectName("LabelChannel");
    frequencyLabel_->setObjectName("LabelFrequency");
    offsetLabel_->setObjectName("LabelOffset");

    auto* frame = new QWidget(this);
    frame->setObjectName("FrameFields");
    auto* fieldGrid = new QGridLayout(frame);
    for (int i = 0; i < kFields; ++i) {
        auto* label = new QLabel(kFieldInfo[i].caption, frame);
        label->setObjectName(QString("Label3_%1").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* list = new QComboBox(frame);
        list->setObjectName(QString("Combo2_%1").arg(i));
        label->setBuddy(list);
        fieldGrid->addWidget(label, i % 8, (i / 8) * 2);
        fieldGrid->addWidget(list, i % 8, (i / 8) * 2 + 1);
        fields_[i] = list;
        labels_[i] = label;
        EnterMovesFocus::install(list);
        connect(list, &QComboBox::currentIndexChanged, this, [this, i] { fieldChosen(i); });
    }
    layout->addWidget(frame, 1);

    // The fixed lists.
    const QStringList offOn{"Off", "On"};
    QStringList tones;
    for (const std::string& tone : toneList())
        tones << qs(tone);
    const QStringList lists[kFields] = {offOn,        {"Off", "+", "-"},
                                        offOn,        {"Del", "Add"},
                                        offOn,        offOn,
                                        offOn,        offOn,
                                        {"FM", "AM"}, {},
                                        {},           {},
                                        {},           {},
                                        tones,        tones};
    for (int i = 0; i < kFields; ++i) {
        const QSignalBlocker quiet(fields_[i]);
        fields_[i]->addItems(lists[i]);
        fields_[i]->setCurrentIndex(-1);
    }

    addCloseRow(layout, this, *doc_.texts, HelpButton::Hidden);

    for (QComboBox* list : {group_, country_, subCountry_, channel_})
        EnterMovesFocus::install(list);
    NumericBoxKeys::install(frequency_, NumericKind::Frequency);
    NumericBoxKeys::install(offset_, NumericKind::Whole);
    // Leaving a box stores what was typed into it.
    frequency_->installEventFilter(this);
    offset_->installEventFilter(this);

    connect(group_, &QComboBox::currentIndexChanged, this, &FrmCHInfoEdit::groupChosen);
    connect(country_, &QComboBox::currentIndexChanged, this, &FrmCHInfoEdit::countryChanged);
    connect(subCountry_, &QComboBox::currentIndexChanged, this, &FrmCHInfoEdit::countryChanged);
    connect(channel_, &QComboBox::currentIndexChanged, this, [this] {
        if (!Refreshing) SetGridEditData(false);
    });
    connect(memoryButton_, &QPushButton::clicked, this, &FrmCHInfoEdit::pickMemoryFrequency);
}

void FrmCHInfoEdit::applyBandLayout() {
    const bool cb = doc_.BandMode == kBandCB;
    // +/-5 kHz is never offered; CB channels have no shift, power choice or offset.
    QList<int> hidden{kAddSub5K};
    if (cb) hidden << kDup << kTxPower;
    for (int i : hidden) {
        fields_[i]->hide();
        labels_[i]->hide();
    }
    offset_->setVisible(!cb);
    offsetLabel_->setVisible(!cb);
    group_->setVisible(!cb);
    country_->setVisible(cb);
    subCountry_->hide();
    groupLabel_->setBuddy(cb ? country_ : group_);
    resize(sizeHint());
}

QSize FrmCHInfoEdit::sizeHint() const {
    const double height = doc_.BandMode == kBandCB ? kWindowHeightCb : kWindowHeight;
    return {twipsToPixels(kWindowWidth, this), twipsToPixels(height, this)};
}

void FrmCHInfoEdit::applyTexts() {
    const auto t = [this](int id) { return qs(doc_.text(id)); };
    setWindowTitle(t(txt::kChEditCaption));
    groupLabel_->setText(t(txt::kChEditGroup));
    country_->setAccessibleName(groupLabel_->text());
    renameField(subCountry_, groupLabel_->text() + " U/UK");
    channelLabel_->setText(t(txt::kChEditChannel));
    frequencyLabel_->setText(t(txt::kChEditFrequency));
    memoryButton_->setAccessibleName("MEM Frequency");
    offsetLabel_->setText(t(txt::kOffsetLabel));
    for (int i = 0; i < kFields; ++i)
        labels_[i]->setText(t(txt::kFieldLabelBase + i));
    ApplyCloseHelpTexts(this, *doc_.texts);
}

ChannelWindow* FrmCHInfoEdit::channelWindow() const {
    return main_ ? qobject_cast<ChannelWindow*>(main_->findWindow(win::kChannels)) : nullptr;
}

int FrmCHInfoEdit::chosenGroup() const {
    return group_->currentIndex();
}

int FrmCHInfoEdit::chosenRow() const {
    return channel_->currentIndex() + 1;
}

void FrmCHInfoEdit::ChangShowCHs(int group) {
    const QSignalBlocker quiet(channel_);
    channel_->clear();
    const int size = GroupSize(group, doc_.BandMode);
    for (int n = 1; n <= size; ++n)
        channel_->addItem(QString::number(n));
    channel_->setCurrentIndex(-1);
}

void FrmCHInfoEdit::syncCountrySelectors() {
    if (doc_.BandMode != kBandCB) return;
    showGroupInCountrySelectors(country_, subCountry_, group_->currentText());
}

void FrmCHInfoEdit::SetGridEditData(bool fromGrid) {
    // The grid's echo of a group switched from here changes nothing.
    if (syncing_ || closed_) return;
    const bool was = Refreshing;
    Refreshing = true;
    try {
        ChannelWindow* grid = channelWindow();
        if (fromGrid) {
            if (grid) {
                EditGroup = grid->EditGroup;
                EditRow = grid->EditRow;
            }
            if (chosenGroup() != EditGroup && EditGroup >= 0 && EditGroup < group_->count()) {
                group_->setCurrentIndex(EditGroup);
                syncCountrySelectors();
                ChangShowCHs(EditGroup);
                selectByText(channel_, QString::number(EditRow));
            }
        } else if (chosenGroup() != EditGroup && chosenGroup() >= 0) {
            EditGroup = chosenGroup();
            ChangShowCHs(EditGroup);
            if (grid) {
                syncing_ = true;
                // A pending grid edit belongs to the group it was typed in.
                grid->EndGridEdit();
                grid->EditGroup = EditGroup;
                grid->ChangeGroup();
                syncing_ = false;
            }
        }
        if (channel_->currentIndex() < 0 && channel_->count() > 0) channel_->setCurrentIndex(0);
        // The grid keeps its own row: its open editor stores into that row
        // after every choice, whatever channel this window shows.
        EditRow = chosenRow();

        const int group = chosenGroup();
        const bool vfo = groupName(group, doc_.BandMode) == "VFO";
        fields_[kScan]->setVisible(!vfo);
        labels_[kScan]->setVisible(!vfo);
        frequency_->setFixedWidth(twipsToPixels(
            isMemoryGroup(group, doc_.BandMode) ? kFrequencyWidthMem : kFrequencyWidth, this));

        const int chNo = GroupStart(group, doc_.BandMode) + EditRow;
        const int index = group >= 0 && EditRow >= 1 ? findChannel(doc_, chNo) : -1;
        if (index >= 0)
            showRecord(doc_.WorkChannels[static_cast<std::size_t>(index)], group, EditRow);
        else
            showNoRecord(group);
    } catch (const std::exception&) {
        syncing_ = false;
        doc_.tell(FixedText::WindowError, PromptIcon::None, "FrmCHInfoEdit_SetGridEditData");
    }
    Refreshing = was;
}

void FrmCHInfoEdit::showRecord(ChannelRecord& ch, int group, int row) {
    const bool cb = doc_.BandMode == kBandCB;
    frequency_->setText(qs(displayFrequency(cleanString(ch.Frequency.view()), group, doc_)));
    frequency_->setEnabled(!cb);
    memoryButton_->setVisible(cb && isMemoryGroup(group, doc_.BandMode));
    offset_->setText(QString::number(ch.OffSetFre));
    offset_->setEnabled(true);

    for (QComboBox* list : fields_)
        list->setEnabled(true);
    selectByIndex(fields_[kPublic], ch.Public);
    EnablePub(ch.Public == 0);
    for (int i : {1, 2, 3, 4, 5, 6, 7})
        selectByIndex(fields_[i], ch.*kFieldInfo[i].field);
    if (IsFixFM(row, group, doc_.BandMode)) {
        // The forced FM is the one change stored without set channel cell.
        ch.AM_FM = 0;
        fields_[kAmFm]->setEnabled(false);
    }
    selectByIndex(fields_[kAmFm], ch.AM_FM);
    fillPowerList(ch.AM_FM);
    selectByIndex(fields_[kTxPower], ch.AM_FM != 0 && ch.Tx_Power > 1 ? 1 : ch.Tx_Power);
    ShowRB();
    for (int i = kFirstDtmf; i <= kLastDtmf; ++i)
        selectByText(fields_[i], QString::number(ch.*kFieldInfo[i].field));
    for (int i : {14, 15})
        selectByIndex(fields_[i], ch.*kFieldInfo[i].field);
}

void FrmCHInfoEdit::showNoRecord(int group) {
    const bool cb = doc_.BandMode == kBandCB;
    frequency_->clear();
    // Typing a frequency into an empty HF or HAM slot creates the channel.
    frequency_->setEnabled(!cb);
    memoryButton_->setVisible(cb && isMemoryGroup(group, doc_.BandMode));
    offset_->clear();
    offset_->setEnabled(false);
    for (QComboBox* list : fields_) {
        list->setCurrentIndex(-1);
        list->setEnabled(false);
    }
}

void FrmCHInfoEdit::EnablePub(bool enable) {
    for (int i = 1; i < kFields; ++i)
        fields_[i]->setEnabled(freeOnPublic(i) || enable);
    offset_->setEnabled(enable);
}

bool FrmCHInfoEdit::IsFixFM(int row, int group, int bandMode) {
    return isFixedFm(row, group, bandMode);
}

void FrmCHInfoEdit::fillPowerList(int amFm) {
    QComboBox* power = fields_[kTxPower];
    const QSignalBlocker quiet(power);
    power->clear();
    power->addItem(qs(doc_.text(txt::kPowerLow)));
    power->addItem(qs(doc_.text(txt::kPowerMedium)));
    if (amFm == 0) power->addItem(qs(doc_.text(txt::kPowerHigh)));
}

ChannelRecord* FrmCHInfoEdit::shownRecord() {
    const int group = chosenGroup();
    if (group < 0 || chosenRow() < 1) return nullptr;
    const int index = findChannel(doc_, GroupStart(group, doc_.BandMode) + chosenRow());
    return index < 0 ? nullptr : &doc_.WorkChannels[static_cast<std::size_t>(index)];
}

// A public channel's tone tip cannot be changed here, but its list is still
// filled so that the window shows the stored tone tip rather than nothing.
void FrmCHInfoEdit::ShowRB() {
    const ChannelRecord* ch = shownRecord();
    if (!ch) return;
    const bool was = Refreshing;
    Refreshing = true;
    fillToneTipList(fields_[kRbTone], ch->RBTone, doc_);
    Refreshing = was;
}

void FrmCHInfoEdit::RefreshDtmfLists() {
    const bool was = Refreshing;
    Refreshing = true;
    for (int i = kFirstDtmf; i <= kLastDtmf; ++i)
        refreshDtmfNumberList(fields_[i], doc_);
    Refreshing = was;
}

void FrmCHInfoEdit::reShowAll() {
    RefreshDtmfLists();
    // Follows the grid's group when the grid is open, keeps its own otherwise.
    SetGridEditData(true);
}

void FrmCHInfoEdit::fieldChosen(int i) {
    QComboBox* list = fields_[i];
    if (Refreshing || list->currentIndex() < 0) return;
    std::string value;
    if (storedByText(i)) {
        // The first item (no tone tip, no DTMF code) stores 0.
        const std::string text = list->currentText().toStdString();
        value = isNumeric(text) ? text : "0";
    } else {
        value = std::to_string(list->currentIndex());
    }
    setChannelCell(doc_, chosenGroup(), chosenRow(), kFieldInfo[i].column, value);
}

void FrmCHInfoEdit::groupChosen(int group) {
    if (Refreshing || group < 0) return;
    if (group != EditGroup) SetGridEditData(false);
}

void FrmCHInfoEdit::countryChanged() {
    const QString name =
        followCountrySelector(country_, subCountry_, country_->currentText() == "U", this);
    if (Refreshing) return;
    const int group = group_->findText(name, Qt::MatchExactly);
    if (group >= 0) group_->setCurrentIndex(group);
}

void FrmCHInfoEdit::storeFrequency() {
    frequency_->setModified(false);
    const std::string typed = frequency_->text().toStdString();
    const auto mhz = parseNumber(typed);
    const std::string value = mhz ? formatFiveDecimals(*mhz) : typed;
    // Set channel cell shows the stored result here again.
    setChannelCell(doc_, chosenGroup(), chosenRow(), kColFrequency, value);
}

void FrmCHInfoEdit::storeOffset() {
    offset_->setModified(false);
    const std::string typed = offset_->text().toStdString();
    if (isNumeric(typed))
        setChannelCell(doc_, chosenGroup(), chosenRow(), kColOffset, typed);
    else
        SetGridEditData(false);  // shows the stored offset again
}

void FrmCHInfoEdit::pickMemoryFrequency() {
    Frm_Mem_Freq dialog(doc_, frequency_->text(), this);
    const int result = main_ && main_->runModal ? main_->runModal(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return;
    frequency_->setText(dialog.frequencyText());
    storeFrequency();
}

void FrmCHInfoEdit::commitPendingEdit() {
    if (frequency_->isModified()) storeFrequency();
    if (offset_->isModified()) storeOffset();
}

bool FrmCHInfoEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !Refreshing) {
        if (watched == frequency_ && frequency_->isModified()) storeFrequency();
        if (watched == offset_ && offset_->isModified()) storeOffset();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmCHInfoEdit::mousePressEvent(QMouseEvent* event) {
    // A click on the background ends a frequency entry as Enter does.
    if (frequency_->hasFocus()) focusNextFrom(frequency_);
    QWidget::mousePressEvent(event);
}

void FrmCHInfoEdit::closeEvent(QCloseEvent* event) {
    commitPendingEdit();
    doc_.ChannelEditOpen = false;
    closed_ = true;
    event->accept();
}

}  // namespace zq61::gui
