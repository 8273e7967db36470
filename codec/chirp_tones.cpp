// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/chirp_tones.h"

#include <cstdio>

#include "codec/text_helpers.h"
#include "codec/tones.h"

namespace zq61 {

namespace {

std::string hertzText(int toneIndex) {
    const int tenths = ctcssTenthsOfHz(toneIndex);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d.%d", tenths / 10, tenths % 10);
    return buf;
}

// The side of a cross mode: "" no tone, "Tone" CTCSS, "DTCS" DCS.
std::string crossSide(int toneIndex) {
    if (isCtcssTone(toneIndex)) return "Tone";
    if (isDcsTone(toneIndex)) return "DTCS";
    return "";
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Reads one tone column; sets the problem when its value is not in the list.
struct Reader {
    const ChirpTones& columns;
    std::optional<ChirpToneProblem> problem;

    int ctcss(const std::string& text, const char* column) {
        if (problem) return 0;
        const auto tenths = parseScaledDecimal(text, 1);
        const int index = tenths && *tenths > 0 && *tenths < 100000
                              ? toneIndexOfCtcss(static_cast<int>(*tenths))
                              : 0;
        if (index == 0)
            problem = ChirpToneProblem{
                column, "tone \"" + text + "\" Hz is not in this radio's CTCSS list"};
        return index;
    }

    // `side` 0 the transmit polarity (first letter), 1 the receive one.
    int dcs(const std::string& text, const char* column, int side) {
        if (problem) return 0;
        int index = 0;
        const bool octal = !text.empty() && text.size() <= 3 &&
                           text.find_first_not_of("01234567") == std::string::npos;
        if (octal) index = toneIndexOfDcs(std::stoi(text));
        if (index == 0) {
            problem = ChirpToneProblem{column,
                                       "DCS code \"" + text + "\" is not in this radio's DCS list"};
            return 0;
        }
        const std::string& polarity = columns.dtcsPolarity;
        const char p = polarity.size() == 2 ? polarity[static_cast<std::size_t>(side)] : '?';
        if (p == 'R') {
            problem = ChirpToneProblem{"DtcsPolarity",
                                       "reverse DCS polarity is not supported by this radio"};
        } else if (p != 'N') {
            problem = ChirpToneProblem{"DtcsPolarity",
                                       "polarity \"" + polarity + "\" is not two letters N or R"};
        }
        return index;
    }
};

}  // namespace

ChirpTones chirpTonesOf(int txTone, int rxTone) {
    ChirpTones c;
    const bool txCtcss = isCtcssTone(txTone);
    const bool txDcs = isDcsTone(txTone);
    const bool rxCtcss = isCtcssTone(rxTone);
    const bool rxDcs = isDcsTone(rxTone);
    if (!txCtcss && !txDcs && !rxCtcss && !rxDcs) return c;
    if (txCtcss && !rxCtcss && !rxDcs) {
        c.tone = "Tone";
        c.rToneFreq = hertzText(txTone);
    } else if (txCtcss && txTone == rxTone) {
        c.tone = "TSQL";
        c.rToneFreq = c.cToneFreq = hertzText(txTone);
    } else if (txDcs && txTone == rxTone) {
        c.tone = "DTCS";
        c.dtcsCode = c.rxDtcsCode = dcsCodeText(txTone);
    } else {
        c.tone = "Cross";
        c.crossMode = crossSide(txTone) + "->" + crossSide(rxTone);
        if (txCtcss) c.rToneFreq = hertzText(txTone);
        if (rxCtcss) c.cToneFreq = hertzText(rxTone);
        if (txDcs) c.dtcsCode = dcsCodeText(txTone);
        if (rxDcs) c.rxDtcsCode = dcsCodeText(rxTone);
    }
    return c;
}

DecodedTones decodeChirpTones(const ChirpTones& columns) {
    DecodedTones out;
    Reader read{columns, std::nullopt};
    const std::string mode = lower(columns.tone);
    if (mode.empty()) {
        // no tone either way
    } else if (mode == "tone") {
        out.txTone = read.ctcss(columns.rToneFreq, "rToneFreq");
    } else if (mode == "tsql") {
        out.txTone = out.rxTone = read.ctcss(columns.cToneFreq, "cToneFreq");
    } else if (mode == "dtcs") {
        out.txTone = read.dcs(columns.dtcsCode, "DtcsCode", 0);
        // One code both ways: the receive polarity must be normal too.
        if (!read.problem) read.dcs(columns.dtcsCode, "DtcsCode", 1);
        out.rxTone = out.txTone;
    } else if (mode == "cross") {
        const std::string& cross = columns.crossMode;
        const std::size_t arrow = cross.find("->");
        const std::string tx = arrow == std::string::npos ? "?" : lower(cross.substr(0, arrow));
        const std::string rx = arrow == std::string::npos ? "?" : lower(cross.substr(arrow + 2));
        const auto known = [](const std::string& side) {
            return side.empty() || side == "tone" || side == "dtcs";
        };
        if (!known(tx) || !known(rx) || (tx.empty() && rx.empty())) {
            read.problem =
                ChirpToneProblem{"CrossMode", "cross mode \"" + cross + "\" is not known"};
        } else {
            if (tx == "tone") out.txTone = read.ctcss(columns.rToneFreq, "rToneFreq");
            if (tx == "dtcs") out.txTone = read.dcs(columns.dtcsCode, "DtcsCode", 0);
            if (rx == "tone") out.rxTone = read.ctcss(columns.cToneFreq, "cToneFreq");
            if (rx == "dtcs") out.rxTone = read.dcs(columns.rxDtcsCode, "RxDtcsCode", 1);
        }
    } else {
        read.problem = ChirpToneProblem{
            "Tone", "tone mode \"" + columns.tone + "\" is not \"\", Tone, TSQL, DTCS or Cross"};
    }
    out.problem = read.problem;
    if (out.problem) out.txTone = out.rxTone = 0;
    return out;
}

}  // namespace zq61
