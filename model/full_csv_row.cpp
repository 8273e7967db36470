// SPDX-License-Identifier: GPL-3.0-or-later
// The full column set: every field of the channel record under its own
// name, numbers as stored, the frequency in MHz.

#include <string>

#include "codec/text_helpers.h"
#include "model/channel_csv_rows.h"

namespace zq61 {

namespace {

struct FieldColumn {
    const char* name;
    int column;
};

// The record's fields with a column code, in the order of the header.
constexpr FieldColumn kFieldColumns[] = {
    {"Scan", kColScan},
    {"OffSetFre", kColOffset},
    {"RDCT", kColRdct},
    {"TDCT", kColTdct},
    {"DUP", kColDup},
    {"HI_CUT", kColHiCut},
    {"BUSY", kColBusy},
    {"NB", kColNb},
    {"Add_Sub_5K", kColAddSub5K},
    {"AM_FM", kColAmFm},
    {"Tx_Power", kColTxPower},
    {"Public", kColPublic},
    {"RBTone", kColRbTone},
    {"DTMF_BOT", kColDtmfBot},
    {"DTMF_EOT", kColDtmfEot},
    {"DTMF_Call", kColDtmfCall},
    {"TSQ", kColTsq},
};

std::string spareName(std::size_t i) {
    return "ChSpare" + std::to_string(i + 1);
}

std::optional<int16_t> readNumber(const CsvHeader& header, const CsvRow& row,
                                  const std::string& name, std::vector<CsvProblem>& problems) {
    const std::string text = header.value(row, name).value_or("");
    const auto v = parseInt16(text);
    if (!v)
        problems.push_back(
            {row.line, name, "\"" + text + "\" is not a whole number from -32768 to 32767"});
    return v;
}

}  // namespace

std::vector<std::string> fullRow(const ChannelRecord& r) {
    std::vector<std::string> row{std::to_string(r.ChNo), fullFrequencyText(r.Frequency.view())};
    for (const FieldColumn& f : kFieldColumns)
        row.push_back(std::to_string(channelField(r, f.column)));
    row.push_back(std::to_string(r.ChReserved));
    for (int16_t spare : r.ChSpare)
        row.push_back(std::to_string(spare));
    return row;
}

std::optional<ChannelEdit> readFullRow(const CsvHeader& header, const CsvRow& row,
                                       std::vector<CsvProblem>& problems) {
    const std::size_t before = problems.size();
    ChannelEdit e;
    e.line = row.line;
    e.chNoColumn = "ChNo";
    const auto chNo = readNumber(header, row, "ChNo", problems);
    if (!chNo) return std::nullopt;
    e.chNo = *chNo;

    e.frequencyGiven = true;
    e.frequencyColumn = "Frequency";
    e.frequencyText = header.value(row, "Frequency").value_or("");
    e.frequencyUnits = parseScaledDecimal(e.frequencyText, 5);
    e.frequencyAsShown = false;

    for (const FieldColumn& f : kFieldColumns) {
        const auto v = readNumber(header, row, f.name, problems);
        e.fields[static_cast<std::size_t>(f.column)] = v;
        e.fieldColumns[static_cast<std::size_t>(f.column)] = f.name;
    }
    e.chReserved = readNumber(header, row, "ChReserved", problems);
    for (std::size_t i = 0; i < kSpareFields; ++i)
        e.spare[i] = readNumber(header, row, spareName(i), problems);
    if (problems.size() != before) return std::nullopt;
    return e;
}

}  // namespace zq61
