// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_printer.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "codec/tones.h"
#include "json_writer.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/channel_text.h"
#include "model/document.h"

namespace zq61::cli {
namespace {

template <typename T, std::size_t N>
void array(JsonWriter& json, std::string_view name, const std::array<T, N>& values) {
    json.numbers(name, values);
}

void channelFields(JsonWriter& json, const ChannelRecord& c) {
    json.field("ChNo", c.ChNo);
    json.field("ChReserved", c.ChReserved);
    json.field("Scan", c.Scan);
    json.field("Frequency", c.Frequency.view());
    json.field("OffSetFre", c.OffSetFre);
    json.field("RDCT", c.RDCT);
    json.field("TDCT", c.TDCT);
    json.field("DUP", c.DUP);
    json.field("HI_CUT", c.HI_CUT);
    json.field("BUSY", c.BUSY);
    json.field("NB", c.NB);
    json.field("Add_Sub_5K", c.Add_Sub_5K);
    json.field("AM_FM", c.AM_FM);
    json.field("Tx_Power", c.Tx_Power);
    json.field("Public", c.Public);
    json.field("RBTone", c.RBTone);
    json.field("DTMF_BOT", c.DTMF_BOT);
    json.field("DTMF_EOT", c.DTMF_EOT);
    json.field("DTMF_Call", c.DTMF_Call);
    json.field("TSQ", c.TSQ);
    array(json, "ChSpare", c.ChSpare);
}

void options(JsonWriter& json, const OptionsRecord& o) {
    json.key("Options");
    json.beginObject();
    json.field("CurGroup", o.CurGroup);
    array(json, "OptItem", o.OptItem);
    json.field("CurMemCh", o.CurMemCh);
    array(json, "GroupOn", o.GroupOn);
    array(json, "GroupCh1", o.GroupCh1);
    array(json, "GroupCh2", o.GroupCh2);
    array(json, "GroupCh3", o.GroupCh3);
    json.field("MaxLimitOn", o.MaxLimitOn);
    json.field("MaxLimit", o.MaxLimit);
    array(json, "EmgModulation1", o.EmgModulation1);
    array(json, "EmgModulation2", o.EmgModulation2);
    array(json, "Trailing", o.Trailing);
    json.endObject();
}

void dtmf(JsonWriter& json, const DtmfSettings& d) {
    json.key("Dtmf");
    json.beginObject();
    json.field("DtmfRate", d.DtmfRate);
    json.field("FirstDigitTime", d.FirstDigitTime);
    json.field("FirstDigitDelay", d.FirstDigitDelay);
    json.field("StarHashTime", d.StarHashTime);
    json.field("DKeySetting", d.DKeySetting);
    json.field("DtmfDisplay", d.DtmfDisplay);
    json.key("Codes");
    json.beginArray();
    for (const DtmfCode& code : d.Codes) {
        json.beginObject();
        json.field("Length", code.Length);
        json.field("Code", code.Code.view());
        json.endObject();
    }
    json.endArray();
    array(json, "Trailing", d.Trailing);
    json.endObject();
}

void toneTips(JsonWriter& json, const ToneTipTable& table) {
    json.key("ToneTips");
    json.beginObject();
    json.key("Tips");
    json.beginArray();
    for (const ToneTip& tip : table.Tips) {
        json.beginObject();
        json.key("Steps");
        json.beginArray();
        for (const ToneStep& step : tip.Steps) {
            json.beginObject();
            json.field("Pitch", step.Pitch);
            json.field("Duration", step.Duration);
            json.endObject();
        }
        json.endArray();
        json.field("Count", tip.Count);
        json.field("Pause", tip.Pause);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

struct Column {
    const char* heading;
    bool right;  // numbers line up on their last digit
};

const std::vector<Column> kChannelColumns = {
    {"Ch", true},       {"Group", false},   {"Frequency", false}, {"Dup", false},  {"Offset", true},
    {"RX tone", false}, {"TX tone", false}, {"Mod", false},       {"Power", true}, {"Scan", false}};

// Each column as wide as its widest cell (the tones' names vary from "Off" to
// "C_023(146.2Hz)"), two spaces between columns, no spaces at the line end.
void printTable(std::ostream& out, const std::vector<Column>& columns,
                const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const Column& column : columns)
        widths.push_back(std::string_view(column.heading).size());
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    auto line = [&](auto cell) {
        std::string text = "  ";
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string value = cell(i);
            const std::string pad(widths[i] - value.size(), ' ');
            text += columns[i].right ? pad + value : value + pad;
            if (i + 1 < columns.size()) text += "  ";
        }
        out << text.erase(text.find_last_not_of(' ') + 1) << "\n";
    };
    line([&](std::size_t i) { return std::string(columns[i].heading); });
    for (const auto& row : rows)
        line([&](std::size_t i) { return row[i]; });
}

}  // namespace

void printDocumentJson(std::ostream& out, Document& doc) {
    const RadioData& w = doc.WorkData;
    JsonWriter json(out);
    json.beginObject();
    json.key("Header");
    json.beginObject();
    json.field("Model", w.Header.Model.view());
    json.field("HeaderBandMode", w.Header.HeaderBandMode);
    json.field("Version", w.Header.Version.view());
    json.endObject();
    json.field("ChannelCount", w.ChannelCount);
    json.key("Channels");
    json.beginArray();
    for (int i = 0; i < usedChannelCount(doc); ++i) {
        const ChannelRecord& c = doc.WorkChannels[static_cast<std::size_t>(i)];
        json.beginObject();
        channelFields(json, c);
        json.field("Display", shownFrequency(c, doc));
        json.endObject();
    }
    json.endArray();
    options(json, w.Options);
    json.key("FeatChannel");
    json.beginObject();
    channelFields(json, w.FeatChannel);
    json.endObject();
    json.key("Keys");
    json.beginObject();
    json.field("KeyModeSet", w.Keys.KeyModeSet);
    array(json, "KeyFunctions", w.Keys.KeyFunctions);
    json.endObject();
    dtmf(json, w.Dtmf);
    toneTips(json, w.ToneTips);
    json.endObject();
}

void printDocumentSummary(std::ostream& out, Document& doc) {
    const RadioData& w = doc.WorkData;
    out << "Model " << cleanString(w.Header.Model.view()) << ", band "
        << bandModeName(w.Header.HeaderBandMode) << " (" << doc.BandRangeText << "), data version "
        << cleanString(w.Header.Version.view()) << "\n"
        << w.ChannelCount << " channels\n";
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < usedChannelCount(doc); ++i) {
        const ChannelRecord& c = doc.WorkChannels[static_cast<std::size_t>(i)];
        rows.push_back({std::to_string(c.ChNo),
                        groupName(displayGroup(c.ChNo, doc.BandMode), doc.BandMode),
                        shownFrequency(c, doc), duplexText(c.DUP), std::to_string(c.OffSetFre),
                        toneText(c.RDCT), toneText(c.TDCT), modulationText(c.AM_FM),
                        std::to_string(c.Tx_Power), scanText(c.Scan)});
    }
    if (!rows.empty()) printTable(out, kChannelColumns, rows);
    int codes = 0;
    for (const DtmfCode& code : w.Dtmf.Codes)
        codes += code.Length > 0 ? 1 : 0;
    out << "Current group " << w.Options.CurGroup << ", key mode " << w.Keys.KeyModeSet << ", "
        << codes << " DTMF codes defined\n";
}

}  // namespace zq61::cli
