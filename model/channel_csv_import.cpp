// SPDX-License-Identifier: GPL-3.0-or-later
// Import: every row is read and checked against the document before
// anything changes; only a file without problems is applied, each changed
// field through set channel cell in the order a user would type them.

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "codec/frequency.h"
#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/channel_csv.h"
#include "model/channel_csv_rows.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/groups.h"
#include "model/tone_tips.h"

namespace zq61 {

namespace {

// The order in which changed fields are handed on: modulation before power,
// because choosing AM lowers the power.
constexpr int kApplyOrder[] = {kColPublic,  kColDup,    kColOffset,  kColTsq,      kColScan,
                               kColHiCut,   kColBusy,   kColNb,      kColAddSub5K, kColAmFm,
                               kColTxPower, kColRbTone, kColDtmfBot, kColDtmfEot,  kColDtmfCall,
                               kColRdct,    kColTdct};

struct Range {
    int min;
    int max;
    int step;
    const char* meaning;
};

Range rangeOf(int column) {
    switch (column) {
        case kColDup:
            return {0, 2, 1, "0 (off), 1 (+) or 2 (-)"};
        case kColOffset:
            return {5, 1000, 5, "an offset of 5 to 1000 kHz in steps of 5 kHz"};
        case kColAmFm:
            return {0, 1, 1, "0 (FM) or 1 (AM)"};
        case kColScan:
            return {0, 1, 1, "0 (left out of the scan) or 1 (scanned)"};
        case kColTxPower:
            return {0, 2, 1, "0 (Low), 1 (Medium) or 2 (High)"};
        case kColRbTone:
            return {0, kToneTips, 1, "0 (none) or a tone tip 1 to 8"};
        case kColDtmfBot:
        case kColDtmfEot:
        case kColDtmfCall:
            return {0, 16, 1, "0 (none) or a DTMF code 1 to 16"};
        case kColRdct:
        case kColTdct:
            return {0, 142, 1, "a tone of the list, 0 to 142"};
        default:
            return {0, 1, 1, "0 (off) or 1 (on)"};
    }
}

// The full set names ChNo, CHIRP's set Location; a file naming both is the full set.
std::optional<CsvColumnSet> columnSetOf(const CsvHeader& header) {
    if (header.has("ChNo")) return CsvColumnSet::Full;
    if (header.has("Location")) return CsvColumnSet::Chirp;
    return std::nullopt;
}

std::string mhzText(int64_t units) {
    return formatFiveDecimals(static_cast<double>(units) / 100000.0);
}

struct PlannedEdit {
    ChannelEdit edit;
    GroupSlot slot;
    std::optional<std::string> frequencyToType;  // handed to set channel cell as typed
};

class ImportCheck {
  public:
    explicit ImportCheck(const Document& doc) : doc_(doc) {}

    std::vector<CsvProblem> problems;
    std::vector<PlannedEdit> plan;
    int rowsThatFit = 0;
    bool fileRefused = false;

    void run(std::string_view text, const CsvImportOptions& options) {
        const CsvText csv = parseCsv(text);
        read(csv, options);
        if (csv.unclosedQuoteLine) {
            fileRefused = true;
            problem(*csv.unclosedQuoteLine, "",
                    "a quoted value is never closed; the file is not read from here on");
        }
    }

  private:
    void problem(int line, std::string column, std::string message) {
        problems.push_back({line, std::move(column), std::move(message)});
    }

    void read(const CsvText& csv, const CsvImportOptions& options) {
        if (csv.rows.empty()) {
            fileRefused = true;
            if (!csv.unclosedQuoteLine) problem(1, "", "the file has no header line");
            return;
        }
        const CsvRow& first = csv.rows.front();
        const CsvHeader header(first.fields);
        std::optional<CsvColumnSet> set = options.set;
        if (!set) set = columnSetOf(header);
        if (!set) {
            fileRefused = true;
            problem(first.line, "",
                    "the first line names neither CHIRP's columns (Location, Frequency, ...) "
                    "nor this program's full set (ChNo, Frequency, ...)");
            return;
        }
        const bool chirp = *set == CsvColumnSet::Chirp;
        // Rows placed from a chosen channel need no Location.
        const bool placed = chirp && options.firstChannel.has_value();
        for (const std::string& name : chirp ? chirpRequiredColumns() : fullColumnNames()) {
            if (header.has(name) || (placed && name == "Location")) continue;
            problem(first.line, name, "the header has no such column");
            fileRefused = true;
        }
        if (fileRefused) return;

        const std::vector<int> places =
            placed ? placementChannels(doc_.BandMode, *options.firstChannel) : std::vector<int>{};
        std::size_t placedRows = 0;
        for (std::size_t i = 1; i < csv.rows.size(); ++i) {
            const CsvRow& row = csv.rows[i];
            if (isEmptyRow(row)) continue;
            const std::size_t before = problems.size();
            if (placed && placedRows >= places.size()) {
                problem(row.line, "",
                        "no channel is left for this line: the rows placed from channel " +
                            std::to_string(*options.firstChannel) + " on end at channel " +
                            (places.empty() ? std::to_string(*options.firstChannel)
                                            : std::to_string(places.back())));
                continue;
            }
            const int placedAt = placed ? places[placedRows++] : 0;
            auto edit = chirp ? readChirpRow(header, row, problems, placedAt)
                              : readFullRow(header, row, problems);
            if (edit) check(std::move(*edit));
            if (problems.size() == before) ++rowsThatFit;
        }
    }

    static bool isEmptyRow(const CsvRow& row) {
        for (const std::string& f : row.fields)
            if (!isBlankText(f)) return false;
        return true;
    }

    void check(ChannelEdit e) {
        const auto [seen, fresh] = lines_.emplace(e.chNo, e.line);
        if (!fresh) {
            problem(e.line, e.chNoColumn,
                    "channel " + std::to_string(e.chNo) + " is already named on line " +
                        std::to_string(seen->second));
            return;
        }
        const int index = findChannel(doc_, e.chNo);
        const ChannelRecord* existing =
            index >= 0 ? &doc_.WorkChannels[static_cast<std::size_t>(index)] : nullptr;
        const auto slot = groupSlotOfChannel(e.chNo, doc_.BandMode);
        if (!slot) {
            // A channel the document already holds outside the groups (the
            // VFO slot of a CB document) may be named as it is.
            if (existing && isUnchanged(e, *existing)) return;
            problem(e.line, e.chNoColumn,
                    "channel " + std::to_string(e.chNo) + " is in no group of the " +
                        bandModeName(doc_.BandMode) + " band mode");
            return;
        }
        const ChannelRecord base =
            existing ? *existing : newChannelRecord(e.chNo, "", doc_.BandLowMHz);

        PlannedEdit p{std::move(e), *slot, std::nullopt};
        const std::size_t before = problems.size();
        checkFrequency(p, existing);
        checkFields(p, base);
        checkSpareFields(p.edit, base);
        if (problems.size() != before) return;

        bool changed = p.frequencyToType.has_value() || p.edit.chReserved.has_value();
        for (const auto& f : p.edit.fields)
            changed = changed || f.has_value();
        for (const auto& s : p.edit.spare)
            changed = changed || s.has_value();
        if (changed) plan.push_back(std::move(p));
    }

    bool isUnchanged(const ChannelEdit& e, const ChannelRecord& r) const {
        if (e.frequencyGiven && !sameFrequency(e, r, -1)) return false;
        for (int column = kColPublic; column <= kColTdct; ++column) {
            const auto& v = e.fields[static_cast<std::size_t>(column)];
            if (v && *v != channelField(r, column)) return false;
        }
        if (e.chReserved && *e.chReserved != r.ChReserved) return false;
        for (std::size_t i = 0; i < kSpareFields; ++i)
            if (e.spare[i] && *e.spare[i] != r.ChSpare[i]) return false;
        return true;
    }

    // The channel's frequency as the row's column set writes it.
    std::string currentFrequencyText(const ChannelEdit& e, const ChannelRecord& r,
                                     int group) const {
        if (!e.frequencyAsShown) return fullFrequencyText(r.Frequency.view());
        const DisplayText shown =
            displayForGroup(r.Frequency.view(), group, doc_.BandMode, doc_.BandLowMHz);
        // A stored form that is no number equals no typed frequency.
        return shown.notNumeric ? r.Frequency.str() : shown.text;
    }

    bool sameFrequency(const ChannelEdit& e, const ChannelRecord& r, int group) const {
        const std::string current = currentFrequencyText(e, r, group);
        if (e.frequencyText == current) return true;
        const auto units = parseScaledDecimal(current, 5);
        return units && e.frequencyUnits && *units == *e.frequencyUnits;
    }

    void checkFrequency(PlannedEdit& p, const ChannelRecord* existing) {
        const ChannelEdit& e = p.edit;
        const std::string channel = "channel " + std::to_string(e.chNo);
        if (!e.frequencyGiven) {
            if (!existing)
                problem(e.line, e.chNoColumn,
                        channel + " is not in the document and the line gives no frequency");
            return;
        }
        if (existing && sameFrequency(e, *existing, p.slot.group)) return;
        if (!e.frequencyUnits) {
            if (isBlankText(e.frequencyText) || e.frequencyText == "FFFFFFFF")
                problem(e.line, e.frequencyColumn,
                        existing ? "an empty frequency would remove " + channel +
                                       "; channels are removed in the channel window"
                                 : channel + " is not in the document and has no frequency");
            else
                problem(e.line, e.frequencyColumn,
                        "\"" + e.frequencyText + "\" is not a frequency in MHz");
            return;
        }
        const int64_t units = *e.frequencyUnits;
        if (doc_.BandMode == kBandCB) {
            checkCbFrequency(p, existing != nullptr, units);
            return;
        }
        const auto low = static_cast<int64_t>(std::llround(doc_.BandLowMHz * 100000));
        const auto high = static_cast<int64_t>(std::llround(doc_.BandHighMHz * 100000));
        if (units < low || units > high) {
            problem(e.line, e.frequencyColumn,
                    mhzText(units) + " MHz is outside the band " + doc_.BandRangeText);
        } else if ((units - low) % 500 != 0) {
            problem(e.line, e.frequencyColumn,
                    mhzText(units) + " MHz is not on the band's 5 kHz channel grid");
        } else {
            p.frequencyToType = mhzText(units);
        }
    }

    // CB channel frequencies come from the country plans; a memory channel
    // takes the frequency of one of the document's CB channels.
    void checkCbFrequency(PlannedEdit& p, bool existing, int64_t units) {
        const ChannelEdit& e = p.edit;
        if (!isMemoryGroup(p.slot.group, doc_.BandMode)) {
            problem(e.line, e.frequencyColumn,
                    existing ? "the frequencies of CB channels come from the country plan and "
                               "are not changed by an import"
                             : "channel " + std::to_string(e.chNo) +
                                   " is not in the document; CB channels come from the country "
                                   "plan");
            return;
        }
        const int count = usedChannelCount(doc_);
        for (int i = 0; i < count; ++i) {
            const ChannelRecord& r = doc_.WorkChannels[static_cast<std::size_t>(i)];
            if (r.ChNo < 1 || r.ChNo > kHighestOrdinaryCbChannel) continue;
            const int group = GroupOfChannel(r.ChNo, doc_.BandMode);
            const auto value = parseScaledDecimal(currentFrequencyText(e, r, group), 5);
            if (value && *value == units) {
                // Typed as the grid shows it, set channel cell picks this channel.
                p.frequencyToType =
                    displayForGroup(r.Frequency.view(), group, doc_.BandMode, doc_.BandLowMHz).text;
                return;
            }
        }
        problem(e.line, e.frequencyColumn,
                "a CB memory channel takes the frequency of one of the document's CB "
                "channels; none is at " +
                    mhzText(units) + " MHz");
    }

    void checkFields(PlannedEdit& p, const ChannelRecord& base) {
        ChannelEdit& e = p.edit;
        for (int column = kColPublic; column <= kColTdct; ++column) {
            auto& value = e.fields[static_cast<std::size_t>(column)];
            if (!value) continue;
            if (*value == channelField(base, column)) {
                value.reset();  // unchanged: kept as the channel has it
                continue;
            }
            checkField(p, column, *value);
        }
        // AM allows at most the second power level. Another radio's level
        // name or watts are lowered to it; this radio's numbers are not.
        const auto& am = e.fields[kColAmFm];
        auto& power = e.fields[kColTxPower];
        const int resultAm = am.value_or(base.AM_FM);
        if (power && e.powerCappedByAm && resultAm == 1 && *power > 1) {
            power = 1;
            if (base.Tx_Power == 1) power.reset();
        }
        const int resultPower = power.value_or(base.Tx_Power);
        if ((am || power) && resultAm == 1 && resultPower > 1)
            problem(e.line, e.fieldColumns[power ? kColTxPower : kColAmFm],
                    "power level " + std::to_string(resultPower) +
                        " is not available with AM, which allows 0 (Low) or 1 (Medium)");
    }

    void checkField(const PlannedEdit& p, int column, int value) {
        const ChannelEdit& e = p.edit;
        const std::string& name = e.fieldColumns[static_cast<std::size_t>(column)];
        const Range range = rangeOf(column);
        if (value < range.min || value > range.max || (value - range.min) % range.step != 0) {
            problem(e.line, name,
                    "the value " + std::to_string(value) + " is not " + range.meaning);
            return;
        }
        if (column == kColScan && e.chNo == kVfoChannel) {
            problem(e.line, name, "the VFO slot has no scan setting");
        } else if (column == kColAmFm && value == 1 &&
                   isFixedFm(p.slot.channelInGroup, p.slot.group, doc_.BandMode)) {
            problem(e.line, name,
                    "channel " + std::to_string(e.chNo) + " (" +
                        groupName(p.slot.group, doc_.BandMode) + " " +
                        std::to_string(p.slot.channelInGroup) +
                        ") is fixed to FM by its country plan");
        } else if (column == kColRbTone && value > 0 &&
                   !isToneTipUsable(
                       doc_.WorkData.ToneTips.Tips[static_cast<std::size_t>(value - 1)])) {
            problem(e.line, name,
                    "tone tip " + std::to_string(value) +
                        " is not set up in this document (it needs a repeat count and a step "
                        "with a length)");
        }
    }

    static void checkSpareFields(ChannelEdit& e, const ChannelRecord& base) {
        // Any 16-bit value is kept; only what differs is written.
        if (e.chReserved == base.ChReserved) e.chReserved.reset();
        for (std::size_t i = 0; i < kSpareFields; ++i)
            if (e.spare[i] == base.ChSpare[i]) e.spare[i].reset();
    }

    const Document& doc_;
    std::map<int, int> lines_;  // channel number -> line that named it
};

void applyPlan(Document& doc, const std::vector<PlannedEdit>& plan) {
    for (const PlannedEdit& p : plan) {
        const int group = p.slot.group;
        const int q = p.slot.channelInGroup;
        if (p.frequencyToType) setChannelCell(doc, group, q, kColFrequency, *p.frequencyToType);
        for (int column : kApplyOrder)
            if (const auto& v = p.edit.fields[static_cast<std::size_t>(column)])
                setChannelCell(doc, group, q, column, std::to_string(*v));
        const int index = findChannel(doc, p.edit.chNo);
        if (index < 0) continue;
        ChannelRecord& r = doc.WorkChannels[static_cast<std::size_t>(index)];
        if (p.edit.chReserved) r.ChReserved = *p.edit.chReserved;
        for (std::size_t i = 0; i < kSpareFields; ++i)
            if (p.edit.spare[i]) r.ChSpare[i] = *p.edit.spare[i];
    }
}

CsvImportResult resultOf(const ImportCheck& check) {
    CsvImportResult result;
    result.problems = check.problems;
    for (const PlannedEdit& p : check.plan)
        result.changedChannels.push_back(p.edit.chNo);
    result.rowsThatFit = check.rowsThatFit;
    result.fileRefused = check.fileRefused;
    return result;
}

}  // namespace

std::optional<CsvColumnSet> csvColumnSetOfHeader(std::string_view text) {
    const CsvText csv = parseCsv(text);
    if (csv.rows.empty()) return std::nullopt;
    return columnSetOf(CsvHeader(csv.rows.front().fields));
}

std::vector<int> placementChannels(int bandMode, int first) {
    std::vector<int> channels;
    for (int chNo = std::max(first, 1); chNo <= kMaxChannels; ++chNo) {
        const auto slot = groupSlotOfChannel(chNo, bandMode);
        if (!slot || chNo == kVfoChannel) continue;
        if (channels.empty() && chNo != first) break;  // `first` is no such channel
        channels.push_back(chNo);
    }
    return channels;
}

std::string problemText(const CsvProblem& problem) {
    std::string text = std::to_string(problem.line) + ": ";
    if (!problem.column.empty()) text += problem.column + ": ";
    return text + problem.message;
}

CsvImportResult checkChannelsCsv(const Document& doc, std::string_view text,
                                 const CsvImportOptions& options) {
    ImportCheck check(doc);
    check.run(text, options);
    return resultOf(check);
}

CsvImportResult importChannelsCsv(Document& doc, std::string_view text,
                                  const CsvImportOptions& options) {
    ImportCheck check(doc);
    check.run(text, options);
    CsvImportResult result = resultOf(check);
    result.applied = check.problems.empty() ||
                     (options.takeRowsThatFit && !check.fileRefused && check.rowsThatFit > 0);
    if (result.applied) applyPlan(doc, check.plan);
    return result;
}

}  // namespace zq61
