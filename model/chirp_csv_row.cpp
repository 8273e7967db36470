// SPDX-License-Identifier: GPL-3.0-or-later
// The column set CHIRP users exchange. This radio's fields map as follows
// (the README has the table): channel number -> Location; shown frequency
// (MHz) -> Frequency; DUP -> Duplex ""/"+"/"-"; OffSetFre (kHz) -> Offset
// (MHz); TDCT and RDCT -> the tone columns; AM_FM -> Mode; Scan -> Skip ("S"
// = left out of the scan); Tx_Power -> Power (Low, Medium, High; read also
// as other radios' level names and as watts). Name is
// the group and channel ("A-5"), written for the reader and not read back;
// TStep is the radio's 5 kHz grid. The other fields have no column.

#include <cstdio>
#include <string>

#include "codec/chirp_tones.h"
#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/channel_csv_rows.h"
#include "model/document.h"

namespace zq61 {

namespace {

constexpr const char* kDuplex[] = {"", "+", "-"};
constexpr const char* kModes[] = {"FM", "AM"};
constexpr const char* kPowers[] = {"Low", "Medium", "High"};

// The level names other radios give CHIRP, and the watts that end each
// level: up to 5 W is Low, up to 20 W Medium, anything above High.
struct PowerName {
    const char* name;
    int level;
};
constexpr PowerName kPowerNames[] = {{"Low", 0}, {"L", 0},    {"Mid", 1}, {"Medium", 1},
                                     {"M", 1},   {"High", 2}, {"H", 2}};
constexpr int64_t kLowMaxMilliwatts = 5000;
constexpr int64_t kMediumMaxMilliwatts = 20000;

// The item of a value; a value outside the list is written as its number,
// so that what the radio holds is never shown as something else.
template <std::size_t N>
std::string itemOf(const char* const (&items)[N], int value) {
    if (value >= 0 && static_cast<std::size_t>(value) < N) return items[value];
    return std::to_string(value);
}

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The position of a text in the list (any case), or its number; nothing
// for another text.
template <std::size_t N>
std::optional<int> itemValue(const char* const (&items)[N], std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (sameText(items[i], text)) return static_cast<int>(i);
    if (!text.empty()) return parseInt16(text);
    return std::nullopt;
}

// Six decimals, as CHIRP writes frequencies.
std::string sixDecimals(const std::string& fiveDecimals) {
    return fiveDecimals.empty() ? fiveDecimals : fiveDecimals + "0";
}

std::string offsetMHz(int kHz) {
    char buf[32];
    const int a = kHz < 0 ? -kHz : kHz;
    std::snprintf(buf, sizeof buf, "%s%d.%03d000", kHz < 0 ? "-" : "", a / 1000, a % 1000);
    return buf;
}

std::string channelName(int chNo, int bandMode) {
    const auto slot = groupSlotOfChannel(chNo, bandMode);
    if (!slot) return "";
    const std::string group = groupName(slot->group, bandMode);
    if (GroupSize(slot->group, bandMode) == 1) return group;
    return group + "-" + std::to_string(slot->channelInGroup);
}

// "50W", "5.0W", "0.5 W": the value in milliwatts.
std::optional<int64_t> milliwatts(std::string_view text) {
    if (text.empty() || (text.back() != 'W' && text.back() != 'w')) return std::nullopt;
    text.remove_suffix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    return parseScaledDecimal(text, 3);
}

std::string trimmed(const std::optional<std::string>& value) {
    if (!value) return {};
    const std::size_t first = value->find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : cleanString(value->substr(first));
}

}  // namespace

std::optional<ChirpPower> chirpPowerLevel(std::string_view text) {
    for (const PowerName& p : kPowerNames)
        if (sameText(p.name, text)) return ChirpPower{p.level, true};
    if (const auto mw = milliwatts(text))
        return ChirpPower{*mw <= kLowMaxMilliwatts ? 0 : *mw <= kMediumMaxMilliwatts ? 1 : 2, true};
    if (const auto number = parseInt16(text)) return ChirpPower{*number, false};
    return std::nullopt;
}

std::vector<std::string> chirpRow(const ChannelRecord& r, const Document& doc) {
    const auto slot = groupSlotOfChannel(r.ChNo, doc.BandMode);
    const int group = slot ? slot->group : -1;
    const std::string shown =
        displayForGroup(r.Frequency.view(), group, doc.BandMode, doc.BandLowMHz).text;
    const ChirpTones tones = chirpTonesOf(r.TDCT, r.RDCT);
    return {std::to_string(r.ChNo),
            channelName(r.ChNo, doc.BandMode),
            sixDecimals(shown),
            itemOf(kDuplex, r.DUP),
            offsetMHz(r.OffSetFre),
            tones.tone,
            tones.rToneFreq,
            tones.cToneFreq,
            tones.dtcsCode,
            tones.dtcsPolarity,
            tones.rxDtcsCode,
            tones.crossMode,
            itemOf(kModes, r.AM_FM),
            "5.00",
            r.Scan == 0 ? "S" : "",
            itemOf(kPowers, r.Tx_Power),
            "",
            "",
            "",
            "",
            ""};
}

std::optional<ChannelEdit> readChirpRow(const CsvHeader& header, const CsvRow& row,
                                        std::vector<CsvProblem>& problems, int placedAt) {
    const std::size_t before = problems.size();
    const auto problem = [&](const char* column, std::string message) {
        problems.push_back({row.line, column, std::move(message)});
    };
    const auto cell = [&](const char* column) { return trimmed(header.value(row, column)); };
    const auto set = [](ChannelEdit& e, int column, int value, const char* name) {
        e.fields[static_cast<std::size_t>(column)] = value;
        e.fieldColumns[static_cast<std::size_t>(column)] = name;
    };

    ChannelEdit e;
    e.line = row.line;
    if (placedAt > 0) {
        e.chNo = placedAt;  // problems of the channel concern the whole line
    } else {
        e.chNoColumn = "Location";
        const std::string location = cell("Location");
        const auto chNo = parseInt16(location);
        if (!chNo) {
            problem("Location", "\"" + location + "\" is not a channel number");
            return std::nullopt;
        }
        e.chNo = *chNo;
    }

    e.frequencyGiven = true;
    e.frequencyColumn = "Frequency";
    e.frequencyAsShown = true;
    e.frequencyText = cell("Frequency");
    e.frequencyUnits = parseScaledDecimal(e.frequencyText, 5);
    if (!e.frequencyText.empty() && !e.frequencyUnits)
        problem("Frequency", "\"" + e.frequencyText +
                                 "\" is not a frequency in MHz in steps of 10 Hz (at most five "
                                 "decimals other than 0)");

    std::optional<int> duplex;
    if (header.has("Duplex")) {
        const std::string text = cell("Duplex");
        duplex = itemValue(kDuplex, text);
        if (duplex)
            set(e, kColDup, *duplex, "Duplex");
        else
            problem("Duplex", "\"" + text + "\" is not \"\", \"+\" or \"-\" (this radio has no " +
                                  "split or off duplex)");
    }
    if (header.has("Offset") && !cell("Offset").empty()) {
        const std::string text = cell("Offset");
        const auto units = parseScaledDecimal(text, 5);  // 10 Hz
        if (!units || *units % 100 != 0) {
            problem("Offset", "\"" + text + "\" is not an offset in MHz in whole kHz");
        } else if (!(*units == 0 && duplex.value_or(0) == 0)) {
            // An offset of 0 without a duplex is what CHIRP writes for "no
            // offset": the channel keeps its own.
            set(e, kColOffset, static_cast<int>(*units / 100), "Offset");
        }
    }
    if (header.has("Tone")) {
        ChirpTones t;
        t.tone = cell("Tone");
        if (header.has("rToneFreq")) t.rToneFreq = cell("rToneFreq");
        if (header.has("cToneFreq")) t.cToneFreq = cell("cToneFreq");
        if (header.has("DtcsCode")) t.dtcsCode = cell("DtcsCode");
        if (header.has("DtcsPolarity")) t.dtcsPolarity = cell("DtcsPolarity");
        if (header.has("RxDtcsCode")) t.rxDtcsCode = cell("RxDtcsCode");
        if (header.has("CrossMode")) t.crossMode = cell("CrossMode");
        const DecodedTones tones = decodeChirpTones(t);
        if (tones.problem) {
            problem(tones.problem->column.c_str(), tones.problem->message);
        } else {
            set(e, kColTdct, tones.txTone, "Tone");
            set(e, kColRdct, tones.rxTone, "Tone");
        }
    }
    if (header.has("Mode") && !cell("Mode").empty()) {
        const std::string text = cell("Mode");
        if (const auto mode = itemValue(kModes, text))
            set(e, kColAmFm, *mode, "Mode");
        else
            problem("Mode", "\"" + text + "\" is not FM or AM");
    }
    if (header.has("Skip")) {
        const std::string text = cell("Skip");
        if (text.empty())
            set(e, kColScan, 1, "Skip");
        else if (sameText(text, "S"))
            set(e, kColScan, 0, "Skip");
        else
            problem("Skip",
                    "\"" + text + "\" is not \"\" or \"S\" (this radio has no priority " + "scan)");
    }
    if (header.has("Power")) {
        const std::string text = cell("Power");
        if (const auto power = chirpPowerLevel(text)) {
            set(e, kColTxPower, power->level, "Power");
            e.powerCappedByAm = power->cappedByAm;
        } else if (!text.empty()) {
            problem("Power", "\"" + text +
                                 "\" is neither a power level (Low, Medium, High, L, M, H, Mid) "
                                 "nor watts (such as 5.0W)");
        }
    }
    if (problems.size() != before) return std::nullopt;
    return e;
}

}  // namespace zq61
