// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/options_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>
#include <exception>

#include "app/common_captions.h"
#include "app/enter_moves_focus.h"
#include "app/field_names.h"
#include "codec/band_mode.h"
#include "codec/text_helpers.h"
#include "codec/tones.h"
#include "editors/dtmf_number_list.h"
#include "editors/editor_controls.h"
#include "editors/tone_tip_list.h"
#include "model/document.h"
#include "model/groups.h"
#include "model/text_ids.h"

namespace zq61::gui {

namespace {

// Option item 1 in CB mode: a country, and for "UK" whether it is Ireland.
const QStringList kCountries{"EU", "CE", "UK", "PL", "I2", "DE", "IN"};
constexpr int kUkCountry = 2;
const QStringList kUkSelector{"EI", "UK"};

// The captions the option labels carry before the language's texts come.
const char* const kItemCaptions[FrmOptFeatures::kOptionItems] = {"use MEM channel",
                                                                 "use VFO",
                                                                 "Beep",
                                                                 "time-out timer",
                                                                 "backlight brightness",
                                                                 "speaker volume",
                                                                 "squelch level",
                                                                 "AsqFun",
                                                                 "AsqValue",
                                                                 "gain control",
                                                                 "channel display mode",
                                                                 "ScanType",
                                                                 "ScanTime",
                                                                 "SQL step-back",
                                                                 "ASQ step-back",
                                                                 "automatic power-on",
                                                                 "allow MEM changes"};

// Option items stored as the selected item's number rather than its place.
bool storedAsNumber(int item) {
    return item == 4 || item == 5 || item == 8 || item == 13 || item == 14;
}

// The common channel fields by selector index; nullptr where none is.
int16_t* commonField(ChannelRecord& ch, int i) {
    switch (i) {
        case 1:
            return &ch.DUP;
        case 2:
            return &ch.RDCT;
        case 4:
            return &ch.HI_CUT;
        case 5:
            return &ch.BUSY;
        case 6:
            return &ch.NB;
        case 7:
            return &ch.Add_Sub_5K;
        case 8:
            return &ch.AM_FM;
        case 9:
            return &ch.Tx_Power;
        case 10:
            return &ch.RBTone;
        case 11:
            return &ch.DTMF_BOT;
        case 12:
            return &ch.DTMF_EOT;
        case 13:
            return &ch.DTMF_Call;
        default:
            return nullptr;
    }
}

// The common channel selectors stored by their text (a number) rather than place.
bool commonByText(int i) {
    return i >= 10 && i <= 13;
}

QStringList numbers(int from, int to, int step = 1, const QString& suffix = {}) {
    QStringList out;
    for (int n = from; n <= to; n += step)
        out << QString::number(n) + suffix;
    return out;
}

// "#0.0"
QString oneDecimal(double value) {
    return QString::number(value, 'f', 1);
}

}  // namespace

FrmOptFeatures::FrmOptFeatures(Document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    buildControls();
    Refreshing = true;
    try {
        // Band-mode layout: +/-5 kHz is never offered; CB channels have no
        // shift, no power choice and no offset.
        const bool cb = doc_.BandMode == kBandCB;
        QList<int> hidden{7};
        if (cb) hidden << 1 << 9;
        for (int i : hidden) {
            fields_[i]->hide();
            fieldLabels_[i]->hide();
        }
        offset_->setVisible(!cb);
        offsetLabel_->setVisible(!cb);
        items_[1]->setVisible(!cb);
        country_->setVisible(cb);
        subCountry_->hide();
        itemLabels_[1]->setBuddy(cb ? country_ : items_[1]);
        fillLists();
        applyTexts();
        showValues();
    } catch (const std::exception&) {
        doc_.tell(FixedText::WindowError, PromptIcon::None, "FrmOptFeatures_Form_Load");
    }
    Refreshing = false;
}

void FrmOptFeatures::buildControls() {
    // Compact, to fit the main window's area: the option items on the left;
    // on the right the common channel settings, the limit and the buttons.
    auto* frames = new QHBoxLayout(this);
    frames->setContentsMargins(4, 4, 4, 4);
    auto* right = new QVBoxLayout;

    optionFrame_ = new QGroupBox(this);
    optionFrame_->setObjectName("Frame1");
    auto* options = new QGridLayout(optionFrame_);
    options->setContentsMargins(6, 4, 6, 4);
    options->setVerticalSpacing(0);
    for (int i = 0; i < kOptionItems; ++i) {
        auto* label = new QLabel(kItemCaptions[i], optionFrame_);
        label->setObjectName(QString("Label1_%1").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* list = new QComboBox(optionFrame_);
        list->setObjectName(QString("Combo1_%1").arg(i));
        label->setBuddy(list);
        options->addWidget(label, i, 0);
        if (i == 1) {
            auto* row = new QHBoxLayout;
            country_ = new QComboBox(optionFrame_);
            country_->setObjectName("ComboCountry");
            subCountry_ = new QComboBox(optionFrame_);
            subCountry_->setObjectName("ComboCountryUK");
            nameField(subCountry_, "EI/UK");
            row->addWidget(list);
            row->addWidget(country_);
            row->addWidget(subCountry_);
            options->addLayout(row, i, 1);
        } else {
            options->addWidget(list, i, 1);
        }
        items_[i] = list;
        itemLabels_[i] = label;
        EnterMovesFocus::install(list);
        connect(list, &QComboBox::currentIndexChanged, this, [this, i] {
            if (!Refreshing) SaveOptFeat(i);
        });
    }
    for (QComboBox* list : {country_, subCountry_}) {
        EnterMovesFocus::install(list);
        connect(list, &QComboBox::currentIndexChanged, this, &FrmOptFeatures::countryChanged);
    }
    frames->addWidget(optionFrame_);
    frames->addLayout(right);

    commonFrame_ = new QGroupBox(this);
    commonFrame_->setObjectName("Frame2");
    auto* common = new QGridLayout(commonFrame_);
    common->setContentsMargins(6, 4, 6, 4);
    common->setVerticalSpacing(0);
    int row = 0;
    for (int i = 0; i < kCommonFields; ++i) {
        if (i == 0 || i == 3) continue;
        auto* label = new QLabel(commonFrame_);
        label->setObjectName(QString("Label3_%1").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* list = new QComboBox(commonFrame_);
        list->setObjectName(QString("Combo2_%1").arg(i));
        label->setBuddy(list);
        common->addWidget(label, row, 0);
        common->addWidget(list, row, 1);
        ++row;
        fields_[i] = list;
        fieldLabels_[i] = label;
        EnterMovesFocus::install(list);
        connect(list, &QComboBox::currentIndexChanged, this, [this, i] {
            if (!Refreshing) SaveOptFeat(kCommonBase + i);
        });
    }
    offsetLabel_ = new QLabel(commonFrame_);
    offsetLabel_->setObjectName("Label4");
    offsetLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    offset_ = new QLineEdit(commonFrame_);
    offset_->setObjectName("Text2");
    offsetLabel_->setBuddy(offset_);
    common->addWidget(offsetLabel_, row, 0);
    common->addWidget(offset_, row, 1);
    NumericBoxKeys::install(offset_, NumericKind::Whole);
    connect(offset_, &QLineEdit::textChanged, this, [this] {
        if (!Refreshing) SaveOptFeat(kOffsetId);
    });
    connect(offset_, &QLineEdit::editingFinished, this, &FrmOptFeatures::offsetLeft);
    right->addWidget(commonFrame_);

    auto* bottom = new QHBoxLayout;
    limitOn_ = new QCheckBox(this);
    limitOn_->setObjectName("Check1");
    auto* maxLabel = new QLabel("Max", this);
    maxLabel->setObjectName("Label2");
    maxLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    limit_ = new QLineEdit(this);
    limit_->setObjectName("Text1");
    maxLabel->setBuddy(limit_);
    NumericBoxKeys::install(limit_, NumericKind::Frequency);
    connect(limit_, &QLineEdit::editingFinished, this, &FrmOptFeatures::limitLeft);
    connect(limitOn_, &QCheckBox::clicked, this, [this] { SaveOptFeat(kLimitOnId); });
    bottom->addWidget(limitOn_);
    bottom->addWidget(maxLabel);
    bottom->addWidget(limit_);
    right->addLayout(bottom);
    right->addStretch(1);
    addCloseRow(right, this, *doc_.texts, HelpButton::Hidden);
}

void FrmOptFeatures::fillLists() {
    const auto t = [this](int id) { return qs(doc_.text(id)); };
    const QStringList offOn{"Off", "On"};
    QStringList groups;
    for (const std::string& name : groupSelectorItems(doc_.BandMode, "MEM"))
        groups << qs(name);
    QStringList squelch{t(txt::kOptOff)};
    squelch << numbers(1, 28);
    QStringList gain{t(txt::kOptOff)};
    gain << numbers(3, 30, 3) << t(txt::kOptMax);
    QStringList timeout{t(txt::kTimeoutOff)};
    timeout << numbers(1, 30, 1, t(txt::kMinutesSuffix));
    const QStringList lists[kOptionItems] = {offOn,
                                             groups,
                                             offOn,
                                             timeout,
                                             numbers(1, 3),
                                             numbers(1, 56),
                                             squelch,
                                             offOn,
                                             numbers(1, 9),
                                             gain,
                                             {t(txt::kDisplayChannel), t(txt::kDisplayFrequency)},
                                             {t(txt::kScanTimed), t(txt::kScanCarrier)},
                                             numbers(5, 30, 5, t(txt::kSecondsSuffix)),
                                             numbers(1, 7),
                                             numbers(1, 7),
                                             offOn,
                                             offOn};
    for (int i = 0; i < kOptionItems; ++i) {
        items_[i]->clear();
        items_[i]->addItems(lists[i]);
    }
    country_->clear();
    country_->addItems(kCountries);
    country_->setCurrentIndex(-1);
    subCountry_->clear();
    subCountry_->addItems(kUkSelector);
    subCountry_->setCurrentIndex(-1);

    QStringList tones;
    for (const std::string& tone : toneList())
        tones << qs(tone);
    const QStringList common[kCommonFields] = {
        {}, {"Off", "+", "-"}, tones, {}, offOn, offOn, offOn, offOn, {"FM", "AM"}, {}, {}};
    for (int i = 0; i < kCommonFields; ++i) {
        if (!fields_[i] || common[i].isEmpty()) continue;
        fields_[i]->clear();
        fields_[i]->addItems(common[i]);
    }
    for (int i = 11; i <= 13; ++i)
        fillDtmfNumberList(fields_[i], doc_);
}

void FrmOptFeatures::applyTexts() {
    setWindowTitle(qs(doc_.text(txt::kOptCaption)));
    optionFrame_->setTitle(qs(doc_.text(txt::kOptFrame)));
    commonFrame_->setTitle(qs(doc_.text(txt::kCommonChannelFrame)));
    for (int i = 0; i < kOptionItems; ++i)
        itemLabels_[i]->setText(qs(doc_.text(txt::kOptItemBase + i)));
    country_->setAccessibleName(itemLabels_[1]->text());
    renameField(subCountry_, itemLabels_[1]->text() + " EI/UK");
    for (int i = 0; i < kCommonFields; ++i)
        if (fieldLabels_[i]) fieldLabels_[i]->setText(qs(doc_.text(txt::kFieldLabelBase + i)));
    offsetLabel_->setText(qs(doc_.text(txt::kOffsetLabel)));
    limitOn_->setText(qs(doc_.text(txt::kMaxLimitCheck)));
    ApplyCloseHelpTexts(this, *doc_.texts);
}

void FrmOptFeatures::showValues() {
    const OptionsRecord& o = doc_.WorkData.Options;
    for (int i = 0; i < kOptionItems; ++i) {
        const int value = o.OptItem[static_cast<std::size_t>(i)];
        if (storedAsNumber(i))
            selectByText(items_[i], QString::number(value));
        else
            selectByIndex(items_[i], value);
    }
    if (doc_.BandMode == kBandCB) {
        const QString name = items_[1]->currentText();
        if (name == "U" || name == "UK") {
            selectByText(subCountry_, name);
            country_->setCurrentIndex(kUkCountry);
        } else {
            country_->setCurrentIndex(kCountries.indexOf(name));
        }
    }

    ChannelRecord& feat = doc_.WorkData.FeatChannel;
    for (int i : {1, 2, 4, 5, 6, 7, 8})
        selectByIndex(fields_[i], *commonField(feat, i));
    rebuildPowerList();
    for (int i = 11; i <= 13; ++i)
        selectByText(fields_[i], QString::number(*commonField(feat, i)));
    offset_->setText(QString::number(feat.OffSetFre));
    ShowRBOpt();
    limitOn_->setChecked(o.MaxLimitOn != 0);
    limit_->setText(oneDecimal(o.MaxLimit / 10.0));
}

// The power list follows the modulation: AM has no high power, and a high
// stored power becomes the highest AM one.
void FrmOptFeatures::rebuildPowerList() {
    ChannelRecord& feat = doc_.WorkData.FeatChannel;
    QComboBox* power = fields_[9];
    const QSignalBlocker quiet(power);
    power->clear();
    power->addItem(qs(doc_.text(txt::kPowerLow)));
    power->addItem(qs(doc_.text(txt::kPowerMedium)));
    if (feat.AM_FM == 0) power->addItem(qs(doc_.text(txt::kPowerHigh)));
    if (feat.AM_FM != 0 && feat.Tx_Power > 1) feat.Tx_Power = 1;
    selectByIndex(power, feat.Tx_Power);
}

void FrmOptFeatures::ShowRBOpt() {
    const bool was = Refreshing;
    Refreshing = true;
    fillToneTipList(fields_[10], doc_.WorkData.FeatChannel.RBTone, doc_);
    Refreshing = was;
}

void FrmOptFeatures::RefreshDtmfLists() {
    const bool was = Refreshing;
    Refreshing = true;
    for (int i = 11; i <= 13; ++i)
        refreshDtmfNumberList(fields_[i], doc_);
    Refreshing = was;
}

void FrmOptFeatures::countryChanged() {
    const QString name =
        followCountrySelector(country_, subCountry_, country_->currentIndex() == kUkCountry, this);
    if (Refreshing) return;
    // "EI" names no group: the first group of the list.
    selectByText(items_[1], name);
}

void FrmOptFeatures::SaveOptFeat(int id) {
    OptionsRecord options = doc_.WorkData.Options;
    ChannelRecord feat = doc_.WorkData.FeatChannel;
    if (id >= 0 && id < kOptionItems) {
        QComboBox* list = items_[id];
        int16_t& item = options.OptItem[static_cast<std::size_t>(id)];
        if (storedAsNumber(id)) {
            const auto n = parseNumber(list->currentText().toStdString());
            item = static_cast<int16_t>(list->currentIndex() >= 0 && n ? *n : 1);
        } else if (list->currentIndex() >= 0) {
            item = static_cast<int16_t>(list->currentIndex());
        }
    } else if (id > kCommonBase && id < kCommonBase + kCommonFields && fields_[id - kCommonBase]) {
        const int i = id - kCommonBase;
        QComboBox* list = fields_[i];
        int16_t* field = commonField(feat, i);
        if (commonByText(i)) {
            const auto n = parseNumber(list->currentText().toStdString());
            *field = static_cast<int16_t>(n ? *n : 0);
        } else if (list->currentIndex() >= 0) {
            *field = static_cast<int16_t>(list->currentIndex());
        }
    } else if (id == kOffsetId) {
        feat.OffSetFre =
            static_cast<int16_t>(clampValue(offset_->text().toStdString(), 5, 1000, 5, 5));
    } else if (id == kLimitOnId) {
        options.MaxLimitOn = limitOn_->isChecked() ? 1 : 0;
    }
    doc_.WorkData.Options = options;
    doc_.WorkData.FeatChannel = feat;
    if (id == kCommonBase + 8) rebuildPowerList();
    // The offset is stored as it is typed; it counts as one edit when its
    // box is left.
    if (id != kOffsetId) doc_.noteEdit();
}

void FrmOptFeatures::offsetLeft() {
    const QSignalBlocker quiet(offset_);
    offset_->setText(QString::number(doc_.WorkData.FeatChannel.OffSetFre));
    offset_->setModified(false);
    doc_.noteEdit();
}

void FrmOptFeatures::limitLeft() {
    const auto n = parseNumber(limit_->text().toStdString());
    const QString shown = n ? oneDecimal(std::clamp(*n, 7.0, 20.0)) : QString("20.0");
    limit_->setText(shown);
    limit_->setModified(false);
    doc_.WorkData.Options.MaxLimit = static_cast<int16_t>(std::lround(shown.toDouble() * 10));
    doc_.noteEdit();
}

void FrmOptFeatures::reShowAll() {
    const bool was = Refreshing;
    Refreshing = true;
    RefreshDtmfLists();
    showValues();
    offset_->setModified(false);
    limit_->setModified(false);
    Refreshing = was;
}

// Only typed text is committed: a value the user never touched stays as it
// was loaded, even when it lies outside the box's range.
void FrmOptFeatures::commitPendingEdit() {
    if (offset_->isModified()) offsetLeft();
    if (limit_->isModified()) limitLeft();
}

}  // namespace zq61::gui
