// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/csv.h"

#include <gtest/gtest.h>

#include "codec/chirp_tones.h"
#include "codec/text_helpers.h"
#include "codec/tones.h"

namespace zq61 {
namespace {

using Fields = std::vector<std::string>;

TEST(Csv, ReadsQuotingLineEndingsAndByteOrderMark) {
    const CsvText csv = parseCsv(
        "\xEF\xBB\xBF"
        "a,b,c\r\n"
        "\"x, y\",\"say \"\"hi\"\"\",\r\n"
        "\n"
        "  \n"
        "\"two\r\nlines\",z\n"
        "last,,row");
    ASSERT_FALSE(csv.unclosedQuoteLine);
    ASSERT_EQ(csv.rows.size(), 4u);
    EXPECT_EQ(csv.rows[0].fields, (Fields{"a", "b", "c"}));
    EXPECT_EQ(csv.rows[1].fields, (Fields{"x, y", "say \"hi\"", ""}));
    EXPECT_EQ(csv.rows[2].fields, (Fields{"two\r\nlines", "z"}));
    EXPECT_EQ(csv.rows[3].fields, (Fields{"last", "", "row"}));
    // The line a row starts on, blank lines and the quoted line break counted.
    EXPECT_EQ(csv.rows[2].line, 5);
    EXPECT_EQ(csv.rows[3].line, 7);

    const CsvText oldMac = parseCsv("a\rb\r");
    ASSERT_EQ(oldMac.rows.size(), 2u);
    EXPECT_EQ(oldMac.rows[1].line, 2);
}

TEST(Csv, AnUnclosedQuoteIsReportedWithItsLine) {
    const CsvText csv = parseCsv("a,b\n1,\"open\n2,3\n");
    EXPECT_EQ(csv.unclosedQuoteLine, 2);
    ASSERT_EQ(csv.rows.size(), 1u);  // the rows before it are read
}

TEST(Csv, WrittenFieldsReadBackUnchanged) {
    const Fields fields{"plain",      "",         "a,b", "q\"q",
                        "two\nlines", " padded ", "   ", std::string("nul\0in", 6)};
    const std::string line = csvLine(fields);
    EXPECT_TRUE(line.ends_with("\r\n"));
    EXPECT_TRUE(line.starts_with("plain,,\"a,b\",\"q\"\"q\""));
    const CsvText csv = parseCsv(line);
    ASSERT_EQ(csv.rows.size(), 1u);
    EXPECT_EQ(csv.rows[0].fields, fields);
}

TEST(ScaledDecimal, IsExactOrRefused) {
    struct Case {
        const char* text;
        int decimals;
        std::optional<int64_t> value;
    };
    const Case cases[] = {
        {"146.52", 5, 14652000},
        {"28.015000", 5, 2801500},
        {"-0.6", 5, -60000},
        {" 23 ", 0, 23},
        {".5", 1, 5},
        {"28.0123", 5, 2801230},
        {"28.000001", 5, {}},
        {"1e3", 0, {}},
        {"1.2.3", 1, {}},
        {"", 0, {}},
        {".", 0, {}},
        {"2 8", 0, {}},
        {"99999999999999999", 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseScaledDecimal(c.text, c.decimals), c.value) << c.text;
}

int ctcss(double hz) {
    return toneIndexOfCtcss(static_cast<int>(hz * 10 + 0.5));
}
int dcs(int octal) {
    return toneIndexOfDcs(octal);
}

TEST(ChirpTones, EveryToneCombinationHasItsModeAndReadsBack) {
    struct Case {
        int tx, rx;
        const char* tone;
        const char* cross;  // only for "Cross"
    };
    const Case cases[] = {
        {0, 0, "", ""},
        {ctcss(88.5), 0, "Tone", ""},
        {ctcss(100.0), ctcss(100.0), "TSQL", ""},
        {dcs(23), dcs(23), "DTCS", ""},
        {ctcss(88.5), ctcss(100.0), "Cross", "Tone->Tone"},
        {dcs(754), 0, "Cross", "DTCS->"},
        {0, dcs(25), "Cross", "->DTCS"},
        {ctcss(67.0), dcs(754), "Cross", "Tone->DTCS"},
        {dcs(23), ctcss(250.3), "Cross", "DTCS->Tone"},
        {0, ctcss(123.0), "Cross", "->Tone"},
        {dcs(23), dcs(25), "Cross", "DTCS->DTCS"},
    };
    for (const Case& c : cases) {
        const ChirpTones columns = chirpTonesOf(c.tx, c.rx);
        EXPECT_EQ(columns.tone, c.tone);
        if (columns.tone == "Cross") EXPECT_EQ(columns.crossMode, c.cross);
        const DecodedTones back = decodeChirpTones(columns);
        EXPECT_FALSE(back.problem) << c.tone << " " << c.cross;
        EXPECT_EQ(back.txTone, c.tx) << c.tone << " " << c.cross;
        EXPECT_EQ(back.rxTone, c.rx) << c.tone << " " << c.cross;
    }
    const ChirpTones tsql = chirpTonesOf(ctcss(100.0), ctcss(100.0));
    EXPECT_EQ(tsql.cToneFreq, "100.0");
    EXPECT_EQ(chirpTonesOf(dcs(23), dcs(23)).dtcsCode, "023");
}

TEST(ChirpTones, WhatThisRadioCannotHoldIsAProblemOfItsColumn) {
    struct Case {
        ChirpTones columns;
        const char* column;
    };
    auto with = [](const char* tone, auto change) {
        ChirpTones t;
        t.tone = tone;
        change(t);
        return t;
    };
    const Case cases[] = {
        {with("Tone", [](ChirpTones& t) { t.rToneFreq = "69.3"; }), "rToneFreq"},
        {with("TSQL", [](ChirpTones& t) { t.cToneFreq = "abc"; }), "cToneFreq"},
        {with("DTCS", [](ChirpTones& t) { t.dtcsCode = "024"; }), "DtcsCode"},
        {with("DTCS", [](ChirpTones& t) { t.dtcsCode = "089"; }), "DtcsCode"},
        {with("DTCS", [](ChirpTones& t) { t.dtcsPolarity = "NR"; }), "DtcsPolarity"},
        {with("Cross", [](ChirpTones& t) { t.crossMode = "Tone->Split"; }), "CrossMode"},
        {with("Cross",
              [](ChirpTones& t) {
                  t.crossMode = "->DTCS";
                  t.rxDtcsCode = "999";
              }),
         "RxDtcsCode"},
        {with("DTCS-R", [](ChirpTones&) {}), "Tone"},
    };
    for (const Case& c : cases) {
        const DecodedTones d = decodeChirpTones(c.columns);
        ASSERT_TRUE(d.problem) << c.column;
        EXPECT_EQ(d.problem->column, c.column);
    }
    // Columns the mode does not use are not read.
    EXPECT_FALSE(decodeChirpTones(with("Tone", [](ChirpTones& t) { t.dtcsCode = "999"; })).problem);
    // "23" and "023" name the same code; a mode in another case is the same mode.
    EXPECT_EQ(decodeChirpTones(with("dtcs", [](ChirpTones& t) { t.dtcsCode = "23"; })).txTone,
              dcs(23));
}

}  // namespace
}  // namespace zq61
