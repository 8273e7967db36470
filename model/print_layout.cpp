// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/print_layout.h"

#include <map>

#include "codec/text_helpers.h"
#include "codec/tones.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/channel_text.h"
#include "model/document.h"
#include "model/dtmf_codes.h"
#include "model/key_functions.h"
#include "model/text_ids.h"
#include "model/tone_tips.h"

namespace zq61 {
namespace {

std::string number(int value) {
    return std::to_string(value);
}

// Field labels of the channel edit window, text kFieldLabelBase + place.
enum FieldLabel : int {
    kLabelDup = 1,
    kLabelHiCut = 4,
    kLabelBusy = 5,
    kLabelNb = 6,
    kLabel5K = 7,
    kLabelModulation = 8,
    kLabelPower = 9,
    kLabelRogerBeep = 10,
    kLabelDtmfBot = 11,  // then EOT and call
    kLabelRxTone = 14,
    kLabelTxTone = 15,
};

// Builds the sections of one document in the program's language.
class LayoutBuilder {
  public:
    explicit LayoutBuilder(const Document& doc) : doc_(doc), data_(doc.WorkData) {}

    PrintLayout run() {
        PrintLayout layout;
        layout.title = text(txt::kAppTitle);
        sections_.push_back(titleBlock());
        channelGroups();
        groupSettings();
        options();
        commonChannel();
        dtmf();
        toneTips();
        keys();
        layout.sections = std::move(sections_);
        return layout;
    }

  private:
    const Document& doc_;
    const RadioData& data_;
    std::vector<PrintSection> sections_;

    std::string text(int id) const { return doc_.text(id); }
    std::string label(FieldLabel place) const { return text(txt::kFieldLabelBase + place); }
    std::string onOff(int value) const {
        return value == 0 ? text(txt::kPrintOff) : value == 1 ? text(txt::kPrintOn) : number(value);
    }
    std::string power(int value) const {
        const int ids[] = {txt::kPowerLow, txt::kPowerMedium, txt::kPowerHigh};
        return value >= 0 && value <= 2 ? text(ids[value]) : number(value);
    }
    // "Label: value"
    std::string fact(int labelId, const std::string& value) const {
        return text(labelId) + ": " + value;
    }
    PrintTable settingTable() const {
        return {{text(txt::kPrintSetting), text(txt::kPrintValue)}, {}};
    }

    PrintSection titleBlock() const {
        const int band = data_.Header.HeaderBandMode;
        PrintSection s;
        s.heading = cleanString(data_.Header.Model.view()) + " - " + doc_.DataFileName;
        s.lines = {fact(txt::kModelLabel, cleanString(data_.Header.Model.view())),
                   fact(txt::kBandModeLabel, bandModeName(band)),
                   fact(txt::kBandRangeLabel, doc_.BandRangeText),
                   fact(txt::kCaptionFileLabel, doc_.DataFileName)};
        return s;
    }

    // One section per group that holds channels, in group order; a channel
    // the band mode puts in no group (the VFO slot of a CB document) comes
    // last under its own name.
    void channelGroups() {
        std::map<int, std::map<int, const ChannelRecord*>> byGroup;
        for (int i = 0; i < usedChannelCount(doc_); ++i) {
            const ChannelRecord& c = doc_.WorkChannels[static_cast<std::size_t>(i)];
            int group = displayGroup(c.ChNo, doc_.BandMode);
            if (groupName(group, doc_.BandMode).empty()) group = kNoGroup;
            byGroup[group].emplace(c.ChNo, &c);  // the radio gets a number's first entry
        }
        for (const auto& [group, channels] : byGroup) {
            PrintSection s;
            const std::string name = group == kNoGroup
                                         ? (channels.begin()->first == kVfoChannel ? "VFO" : "-")
                                         : groupName(group, doc_.BandMode);
            s.heading = text(txt::kNodeChannels) + " - " + text(txt::kGroupLabel) + " " + name;
            s.newPage = true;
            PrintTable table{
                {text(txt::kGridNumber), text(txt::kGridFrequency), text(txt::kGridDup),
                 text(txt::kGridOffset), label(kLabelRxTone), label(kLabelTxTone),
                 label(kLabelModulation), label(kLabelPower), text(txt::kGridScan)},
                {}};
            for (const auto& [chNo, c] : channels) {
                const int shownNumber =
                    group == kNoGroup ? chNo : chNo - GroupStart(group, doc_.BandMode);
                table.rows.push_back({number(shownNumber), shownFrequency(*c, doc_),
                                      duplexText(c->DUP), number(c->OffSetFre), toneText(c->RDCT),
                                      toneText(c->TDCT), modulationText(c->AM_FM),
                                      power(c->Tx_Power), scanText(c->Scan)});
            }
            s.tables.push_back(std::move(table));
            sections_.push_back(std::move(s));
        }
    }

    // The switch, working and emergency channels of each group that keeps
    // settings (remembered channels are stored as channel-in-group - 1).
    void groupSettings() {
        const OptionsRecord& o = data_.Options;
        const int band = doc_.BandMode;
        PrintSection s;
        s.heading = text(txt::kPrintGroupSettings);
        s.newPage = true;
        s.lines = {fact(txt::kGroupLabel, groupName(o.CurGroup, band).empty()
                                              ? number(o.CurGroup)
                                              : groupName(o.CurGroup, band)),
                   text(txt::kWorkingChannel) + " (" + groupName(memoryGroup(band), band) +
                       "): " + number(o.CurMemCh + 1)};
        // An emergency channel carries its modulation: "3 (AM)".
        PrintTable table{
            {text(txt::kGroupLabel), text(txt::kGroupEnable), text(txt::kWorkingChannel),
             text(txt::kEmergencyChannel1), text(txt::kEmergencyChannel2)},
            {}};
        const int groups = band == kBandCB ? memoryGroup(band) : static_cast<int>(o.GroupOn.size());
        for (int g = 0; g < groups && g < static_cast<int>(o.GroupOn.size()); ++g) {
            const auto i = static_cast<std::size_t>(g);
            const std::string name = groupName(g, band);
            table.rows.push_back(
                {name.empty() ? number(g) : name, onOff(o.GroupOn[i]), number(o.GroupCh1[i] + 1),
                 number(o.GroupCh2[i] + 1) + " (" + modulationText(o.EmgModulation1[i]) + ")",
                 number(o.GroupCh3[i] + 1) + " (" + modulationText(o.EmgModulation2[i]) + ")"});
        }
        s.tables.push_back(std::move(table));
        sections_.push_back(std::move(s));
    }

    void options() {
        const OptionsRecord& o = data_.Options;
        PrintSection s;
        s.heading = text(txt::kOptCaption);
        PrintTable table = settingTable();
        for (int i = 0; i < static_cast<int>(o.OptItem.size()); ++i) {
            const std::string label = text(txt::kOptItemBase + i);
            table.rows.push_back({label.empty() ? "option " + number(i) : label,
                                  number(o.OptItem[static_cast<std::size_t>(i)])});
        }
        table.rows.push_back(
            {text(txt::kMaxLimitCheck), o.MaxLimitOn == 0 ? onOff(0) : number(o.MaxLimit)});
        s.tables.push_back(std::move(table));
        sections_.push_back(std::move(s));
    }

    // The settings every channel starts from (the feature channel).
    void commonChannel() {
        const ChannelRecord& c = data_.FeatChannel;
        PrintSection s;
        s.heading = text(txt::kCommonChannelFrame);
        PrintTable table = settingTable();
        auto row = [&](FieldLabel place, const std::string& value) {
            table.rows.push_back({label(place), value});
        };
        row(kLabelDup, duplexText(c.DUP));
        table.rows.push_back({text(txt::kGridOffset), number(c.OffSetFre)});
        row(kLabelRxTone, toneText(c.RDCT));
        row(kLabelTxTone, toneText(c.TDCT));
        row(kLabelHiCut, onOff(c.HI_CUT));
        row(kLabelBusy, onOff(c.BUSY));
        row(kLabelNb, onOff(c.NB));
        row(kLabel5K, number(c.Add_Sub_5K));
        row(kLabelModulation, modulationText(c.AM_FM));
        row(kLabelPower, power(c.Tx_Power));
        row(kLabelRogerBeep, c.RBTone == 0 ? text(txt::kToneTipNone) : number(c.RBTone));
        for (int k = 0; k < 3; ++k) {
            const int16_t code = k == 0 ? c.DTMF_BOT : k == 1 ? c.DTMF_EOT : c.DTMF_Call;
            row(static_cast<FieldLabel>(kLabelDtmfBot + k),
                code == 0 ? text(txt::kDtmfNone) : number(code));
        }
        s.tables.push_back(std::move(table));
        sections_.push_back(std::move(s));
    }

    void dtmf() {
        const DtmfSettings& d = data_.Dtmf;
        PrintSection s;
        s.heading = text(txt::kDtmfCaption);
        PrintTable timing = settingTable();
        // The digit duration counts in 10 ms, the other times in 100 ms.
        const int16_t times[] = {d.DtmfRate, d.FirstDigitTime, d.FirstDigitDelay, d.StarHashTime};
        for (int i = 0; i < 4; ++i)
            timing.rows.push_back(
                {text(txt::kDtmfTimingBase + i), number(times[i] * (i == 0 ? 10 : 100))});
        timing.rows.push_back({text(txt::kDtmfTimingBase + 4), d.DKeySetting == 0
                                                                   ? text(txt::kDKeyOff)
                                                                   : number(d.DKeySetting) + "s"});
        timing.rows.push_back({text(txt::kDtmfDisplay), onOff(d.DtmfDisplay)});
        s.tables.push_back(std::move(timing));
        sections_.push_back(std::move(s));

        PrintSection codes;
        codes.heading = text(txt::kPrintDtmfCodes);
        PrintTable table{{text(txt::kGridNumber), text(txt::kPrintCode)}, {}};
        for (int k = 0; k < kDtmfCodeCount; ++k)
            table.rows.push_back(
                {number(k + 1), shownDtmfCode(d.Codes[static_cast<std::size_t>(k)])});
        codes.tables.push_back(std::move(table));
        sections_.push_back(std::move(codes));
    }

    // Each tip: repetitions, pause and its used steps as pitch/length.
    void toneTips() {
        PrintSection s;
        s.heading = text(txt::kTipCaption);
        PrintTable table{{text(txt::kTipTab), text(txt::kTipRepeatLabel), text(txt::kTipPauseLabel),
                          text(txt::kPrintSteps)},
                         {}};
        for (int t = 0; t < kToneTips; ++t) {
            const ToneTip& tip = data_.ToneTips.Tips[static_cast<std::size_t>(t)];
            std::string steps;
            for (const ToneStep& step : tip.Steps) {
                if (step.Duration <= 0) continue;
                if (!steps.empty()) steps += ", ";
                steps += (step.Pitch == 0 ? text(txt::kTipSilence) : number(step.Pitch * 10)) +
                         "/" + number(step.Duration * 10);
            }
            table.rows.push_back({number(t + 1),
                                  tip.Count == 0 ? text(txt::kTipRepeatOff) : number(tip.Count),
                                  number(tip.Pause * 10), steps});
        }
        s.tables.push_back(std::move(table));
        sections_.push_back(std::move(s));
    }

    void keys() {
        const KeySettings& k = data_.Keys;
        PrintSection s;
        s.heading = text(txt::kKeyCaption);
        s.lines = {fact(txt::kKeyModesLabel, keyModeSetText(k.KeyModeSet))};
        PrintTable table{{""}, {}};
        for (int m = 0; m < kKeyModes; ++m)
            table.columns.push_back(text(txt::kKeyModeFrame) + " " + number(m + 1));
        for (int key = 0; key < kKeysPerMode; ++key) {
            std::vector<std::string> row{text(txt::kKeyNameBase + key)};
            for (int m = 0; m < kKeyModes; ++m)
                row.push_back(keyFunctionText(
                    k.KeyFunctions[static_cast<std::size_t>(kKeysPerMode * m + key)]));
            table.rows.push_back(std::move(row));
        }
        s.tables.push_back(std::move(table));
        sections_.push_back(std::move(s));
    }

    static constexpr int kNoGroup = 1000;  // sorts after every real group
};

}  // namespace

PrintLayout makePrintLayout(const Document& doc) {
    return LayoutBuilder(doc).run();
}

}  // namespace zq61
