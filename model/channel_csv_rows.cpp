// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_csv_rows.h"

#include <algorithm>
#include <cctype>

#include "codec/frequency.h"
#include "codec/text_helpers.h"

namespace zq61 {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

int CsvHeader::index(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (sameName(cleanString(names_[i]), name)) return static_cast<int>(i);
    return -1;
}

std::optional<std::string> CsvHeader::value(const CsvRow& row, std::string_view name) const {
    const int i = index(name);
    if (i < 0) return std::nullopt;
    if (static_cast<std::size_t>(i) >= row.fields.size()) return std::string();
    return row.fields[static_cast<std::size_t>(i)];
}

const std::vector<std::string>& chirpColumnNames() {
    static const std::vector<std::string> names{
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return names;
}

const std::vector<std::string>& chirpRequiredColumns() {
    static const std::vector<std::string> names{"Location", "Frequency"};
    return names;
}

const std::vector<std::string>& fullColumnNames() {
    static const std::vector<std::string> names{
        "ChNo",     "Frequency", "Scan",     "OffSetFre",  "RDCT",     "TDCT",       "DUP",
        "HI_CUT",   "BUSY",      "NB",       "Add_Sub_5K", "AM_FM",    "Tx_Power",   "Public",
        "RBTone",   "DTMF_BOT",  "DTMF_EOT", "DTMF_Call",  "TSQ",      "ChReserved", "ChSpare1",
        "ChSpare2", "ChSpare3",  "ChSpare4", "ChSpare5",   "ChSpare6", "ChSpare7"};
    return names;
}

std::string fullFrequencyText(std::string_view stored) {
    const bool digits = stored.size() == 8 && std::all_of(stored.begin(), stored.end(), [](char c) {
                            return c >= '0' && c <= '9';
                        });
    if (!digits) return std::string(stored);
    return storedToDisplay(stored, 0).text;
}

int channelField(const ChannelRecord& r, int column) {
    switch (column) {
        case kColPublic:
            return r.Public;
        case kColDup:
            return r.DUP;
        case kColOffset:
            return r.OffSetFre;
        case kColTsq:
            return r.TSQ;
        case kColScan:
            return r.Scan;
        case kColHiCut:
            return r.HI_CUT;
        case kColBusy:
            return r.BUSY;
        case kColNb:
            return r.NB;
        case kColAddSub5K:
            return r.Add_Sub_5K;
        case kColAmFm:
            return r.AM_FM;
        case kColTxPower:
            return r.Tx_Power;
        case kColRbTone:
            return r.RBTone;
        case kColDtmfBot:
            return r.DTMF_BOT;
        case kColDtmfEot:
            return r.DTMF_EOT;
        case kColDtmfCall:
            return r.DTMF_Call;
        case kColRdct:
            return r.RDCT;
        case kColTdct:
            return r.TDCT;
        default:
            return 0;
    }
}

std::optional<int16_t> parseInt16(std::string_view text) {
    const auto v = parseScaledDecimal(text, 0);
    if (!v || *v < INT16_MIN || *v > INT16_MAX) return std::nullopt;
    return static_cast<int16_t>(*v);
}

}  // namespace zq61
