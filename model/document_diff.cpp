// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_diff.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "codec/text_helpers.h"
#include "codec/tones.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/channel_text.h"
#include "model/document.h"
#include "model/terms.h"
#include "model/text_ids.h"

namespace zq61 {
namespace {

using Show = std::string (*)(int);

std::string number(int value) {
    return std::to_string(value);
}
std::string dup(int value) {
    return duplexText(value);
}
std::string modulation(int value) {
    return modulationText(value);
}
std::string scan(int value) {
    return scanText(value);
}
std::string onOff(int value) {
    return onOffText(value);
}
std::string tone(int value) {
    return toneText(value);
}

// The channel fields a user sets, in the order of the channel window's
// columns. ChReserved follows the frequency and is left out.
struct ChannelField {
    Term name;
    int16_t ChannelRecord::*member;
    Show show;
};
constexpr ChannelField kChannelFields[] = {
    {Term::Scan, &ChannelRecord::Scan, scan},
    {Term::Offset, &ChannelRecord::OffSetFre, number},
    {Term::ReceiveTone, &ChannelRecord::RDCT, tone},
    {Term::TransmitTone, &ChannelRecord::TDCT, tone},
    {Term::Duplex, &ChannelRecord::DUP, dup},
    {Term::ToneSquelch, &ChannelRecord::TSQ, onOff},
    {Term::HighCut, &ChannelRecord::HI_CUT, onOff},
    {Term::BusyLock, &ChannelRecord::BUSY, onOff},
    {Term::NoiseBlanker, &ChannelRecord::NB, onOff},
    {Term::PlusMinus5k, &ChannelRecord::Add_Sub_5K, number},
    {Term::Modulation, &ChannelRecord::AM_FM, modulation},
    {Term::Power, &ChannelRecord::Tx_Power, number},
    {Term::Public, &ChannelRecord::Public, onOff},
    {Term::ToneTip, &ChannelRecord::RBTone, number},
    {Term::DtmfBot, &ChannelRecord::DTMF_BOT, number},
    {Term::DtmfEot, &ChannelRecord::DTMF_EOT, number},
    {Term::DtmfCall, &ChannelRecord::DTMF_Call, number},
};

class Differ {
  public:
    Differ(const Document& a, const Document& b, const Terms& words)
        : a_(a), b_(b), words_(words) {}

    std::vector<Difference> run() {
        header();
        channels();
        groups();
        options();
        channelFields(words_(Term::FeatureChannel), 0, a_.WorkData.FeatChannel,
                      b_.WorkData.FeatChannel, a_, b_);
        keys();
        dtmf();
        toneTips();
        return std::move(out_);
    }

  private:
    const Document& a_;
    const Document& b_;
    const Terms& words_;
    std::vector<Difference> out_;

    void add(std::string subject, std::string field, std::string before, std::string after,
             int chNo = 0) {
        if (before == after) return;
        out_.push_back({Difference::Kind::Changed, std::move(subject), std::move(field),
                        std::move(before), std::move(after), chNo});
    }
    void value(const std::string& subject, const std::string& field, int before, int after,
               Show show = number) {
        if (before != after) add(subject, field, show(before), show(after));
    }
    template <std::size_t N, typename T>
    void values(const std::string& subject, const std::array<T, N>& before,
                const std::array<T, N>& after, int first = 0) {
        for (std::size_t i = 0; i < N; ++i)
            value(subject + " " + std::to_string(static_cast<int>(i) + first), "", before[i],
                  after[i]);
    }

    // "<word> <number>", as "channel 12" or "key 3".
    std::string numbered(Term word, int n) const { return words_(word) + " " + std::to_string(n); }

    void header() {
        const FileHeader& x = a_.WorkData.Header;
        const FileHeader& y = b_.WorkData.Header;
        const std::string header = words_(Term::Header);
        add(header, words_(Term::Model), cleanString(x.Model.view()), cleanString(y.Model.view()));
        if (x.HeaderBandMode != y.HeaderBandMode)
            add(header, words_(Term::BandMode), bandModeName(x.HeaderBandMode),
                bandModeName(y.HeaderBandMode));
        add(header, words_(Term::DataVersion), cleanString(x.Version.view()),
            cleanString(y.Version.view()));
    }

    std::string channelName(int chNo, const Document& doc) const {
        std::string name = numbered(Term::Channel, chNo);
        if (chNo == kVfoChannel) return name + " (VFO)";
        const int group = displayGroup(chNo, doc.BandMode);
        const std::string groupText = groupName(group, doc.BandMode);
        if (groupText.empty()) return name;
        return name + " (" + groupText + " " +
               std::to_string(chNo - GroupStart(group, doc.BandMode)) + ")";
    }
    std::string frequency(const ChannelRecord& c, const Document& doc) const {
        const std::string shown = shownFrequency(c, doc);
        return shown.empty() ? words_(Term::Empty) : shown;
    }

    static std::map<int, const ChannelRecord*> byNumber(const Document& doc) {
        std::map<int, const ChannelRecord*> list;
        for (int i = 0; i < usedChannelCount(doc); ++i) {
            const ChannelRecord& c = doc.WorkChannels[static_cast<std::size_t>(i)];
            list.emplace(c.ChNo, &c);  // the first entry of a number is the one the radio gets
        }
        return list;
    }

    void channels() {
        const auto x = byNumber(a_);
        const auto y = byNumber(b_);
        auto i = x.begin();
        auto j = y.begin();
        while (i != x.end() || j != y.end()) {
            if (j == y.end() || (i != x.end() && i->first < j->first)) {
                out_.push_back({Difference::Kind::Removed, channelName(i->first, a_), "",
                                frequency(*i->second, a_), "", i->first});
                ++i;
            } else if (i == x.end() || j->first < i->first) {
                out_.push_back({Difference::Kind::Added, channelName(j->first, b_), "", "",
                                frequency(*j->second, b_), j->first});
                ++j;
            } else {
                channelFields(channelName(j->first, b_), j->first, *i->second, *j->second, a_, b_);
                ++i;
                ++j;
            }
        }
    }

    void channelFields(const std::string& subject, int chNo, const ChannelRecord& x,
                       const ChannelRecord& y, const Document& xDoc, const Document& yDoc) {
        add(subject, words_(Term::Frequency), frequency(x, xDoc), frequency(y, yDoc), chNo);
        for (const ChannelField& f : kChannelFields)
            if (x.*f.member != y.*f.member)
                add(subject, words_(f.name), f.show(x.*f.member), f.show(y.*f.member), chNo);
        for (std::size_t k = 0; k < x.ChSpare.size(); ++k)
            if (x.ChSpare[k] != y.ChSpare[k])
                add(subject, numbered(Term::Spare, static_cast<int>(k)), number(x.ChSpare[k]),
                    number(y.ChSpare[k]), chNo);
    }

    void groups() {
        const OptionsRecord& x = a_.WorkData.Options;
        const OptionsRecord& y = b_.WorkData.Options;
        const int bandMode = b_.BandMode;
        for (std::size_t g = 0; g < x.GroupOn.size(); ++g) {
            const std::string name = groupName(static_cast<int>(g), bandMode);
            const std::string subject =
                words_(Term::Group) + " " + (name.empty() ? std::to_string(g) : name);
            value(subject, words_(Term::SwitchedOn), x.GroupOn[g], y.GroupOn[g], onOff);
            value(subject, numbered(Term::RememberedChannel, 1), x.GroupCh1[g], y.GroupCh1[g]);
            value(subject, numbered(Term::RememberedChannel, 2), x.GroupCh2[g], y.GroupCh2[g]);
            value(subject, numbered(Term::RememberedChannel, 3), x.GroupCh3[g], y.GroupCh3[g]);
            value(subject, numbered(Term::EmergencyModulation, 1), x.EmgModulation1[g],
                  y.EmgModulation1[g]);
            value(subject, numbered(Term::EmergencyModulation, 2), x.EmgModulation2[g],
                  y.EmgModulation2[g]);
        }
        value(words_(Term::CurrentGroup), "", x.CurGroup, y.CurGroup);
        value(words_(Term::MemoryChannel), "", x.CurMemCh, y.CurMemCh);
    }

    void options() {
        const OptionsRecord& x = a_.WorkData.Options;
        const OptionsRecord& y = b_.WorkData.Options;
        for (std::size_t i = 0; i < x.OptItem.size(); ++i) {
            // The item's label in the language of the program, as the
            // optional features window shows it.
            const std::string label = b_.text(txt::kOptItemBase + static_cast<int>(i));
            value(numbered(Term::Option, static_cast<int>(i)) +
                      (label.empty() ? "" : " (" + label + ")"),
                  "", x.OptItem[i], y.OptItem[i]);
        }
        const std::string limit = words_(Term::FrequencyLimit);
        value(limit, words_(Term::SwitchedOn), x.MaxLimitOn, y.MaxLimitOn, onOff);
        value(limit, "", x.MaxLimit, y.MaxLimit);
        values(words_(Term::OptionsTrailingByte), x.Trailing, y.Trailing);
    }

    void keys() {
        const KeySettings& x = a_.WorkData.Keys;
        const KeySettings& y = b_.WorkData.Keys;
        value(words_(Term::KeyMode), "", x.KeyModeSet, y.KeyModeSet);
        values(words_(Term::Key), x.KeyFunctions, y.KeyFunctions, 1);
    }

    std::string code(const DtmfCode& c) const {
        if (c.Length <= 0) return words_(Term::Empty);
        const std::string_view chars = c.Code.view();
        return std::string(chars.substr(0, std::min<std::size_t>(c.Length, chars.size())));
    }

    void dtmf() {
        const DtmfSettings& x = a_.WorkData.Dtmf;
        const DtmfSettings& y = b_.WorkData.Dtmf;
        value(words_(Term::DtmfRate), "", x.DtmfRate, y.DtmfRate);
        value(words_(Term::DtmfFirstDigitTime), "", x.FirstDigitTime, y.FirstDigitTime);
        value(words_(Term::DtmfFirstDigitDelay), "", x.FirstDigitDelay, y.FirstDigitDelay);
        value(words_(Term::DtmfStarHashTime), "", x.StarHashTime, y.StarHashTime);
        value(words_(Term::DtmfDKey), "", x.DKeySetting, y.DKeySetting);
        value(words_(Term::DtmfDisplay), "", x.DtmfDisplay, y.DtmfDisplay);
        for (std::size_t k = 0; k < x.Codes.size(); ++k)
            add(numbered(Term::DtmfCode, static_cast<int>(k) + 1), "", code(x.Codes[k]),
                code(y.Codes[k]));
        values(words_(Term::DtmfTrailingWord), x.Trailing, y.Trailing);
    }

    void toneTips() {
        for (std::size_t t = 0; t < a_.WorkData.ToneTips.Tips.size(); ++t) {
            const ToneTip& x = a_.WorkData.ToneTips.Tips[t];
            const ToneTip& y = b_.WorkData.ToneTips.Tips[t];
            const std::string subject = numbered(Term::ToneTip, static_cast<int>(t) + 1);
            for (std::size_t s = 0; s < x.Steps.size(); ++s) {
                const std::string step = numbered(Term::Step, static_cast<int>(s) + 1);
                value(subject, step + " " + words_(Term::Pitch), x.Steps[s].Pitch,
                      y.Steps[s].Pitch);
                value(subject, step + " " + words_(Term::Duration), x.Steps[s].Duration,
                      y.Steps[s].Duration);
            }
            value(subject, words_(Term::Count), x.Count, y.Count);
            value(subject, words_(Term::Pause), x.Pause, y.Pause);
        }
    }
};

}  // namespace

std::string Difference::text(const Terms& words) const {
    switch (kind) {
        case Kind::Added:
            return subject + ": " + words(Term::Added) + " (" + after + ")";
        case Kind::Removed:
            return subject + ": " + words(Term::Removed) + " (" + before + ")";
        case Kind::Changed:
            break;
    }
    return subject + ": " + (field.empty() ? "" : field + " ") + before + " -> " + after;
}

std::vector<Difference> diffDocuments(const Document& before, const Document& after,
                                      const Terms& words) {
    return Differ(before, after, words).run();
}

}  // namespace zq61
