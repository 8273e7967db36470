// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "codec/tones.h"
#include "document_test_support.h"
#include "model/channel_csv_rows.h"
#include "model/channel_list.h"
#include "model/dat_file.h"
#include "model/groups.h"
#include "support/recording_observer.h"

namespace zq61::test {
namespace {

const std::string kChirpHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

int ctcss(double hz) {
    return toneIndexOfCtcss(static_cast<int>(hz * 10 + 0.5));
}

class ChannelCsvTest : public DocumentTest {
  protected:
    void SetUp() override {
        DocumentTest::SetUp();
        makeDocument(kBandHAM);
    }
    void makeDocument(int band) {
        setBand(band);
        newDocument(doc, newOptions());
    }
    ChannelRecord& ch(int chNo) {
        const int i = findChannel(doc, chNo);
        EXPECT_GE(i, 0) << "channel " << chNo;
        return doc.WorkChannels[static_cast<std::size_t>(std::max(i, 0))];
    }
    ChannelRecord& add(int chNo, const char* mhz) {
        EXPECT_TRUE(addChannel(doc, chNo, mhz));
        return ch(chNo);
    }
    // The problems as "LINE: COLUMN" texts.
    static std::vector<std::string> where(const CsvImportResult& r) {
        std::vector<std::string> out;
        for (const CsvProblem& p : r.problems)
            out.push_back(std::to_string(p.line) + ": " + p.column);
        return out;
    }
    static std::string lineOf(const std::string& csv, int chNo) {
        std::istringstream in(csv);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with(std::to_string(chNo) + ",")) return line;
        return "";
    }
};

TEST_F(ChannelCsvTest, FullSetExportThenImportGivesTheSameBytes) {
    // Values no editor would make survive too: an empty VFO slot, stored
    // values outside the editing ranges, spare fields.
    ch(401).Frequency = "FFFFFFFF";
    ch(402).AM_FM = 1;
    ch(402).Tx_Power = 3;
    ch(1).ChSpare[6] = -5;
    ch(1).RBTone = 2;
    setChannelCell(doc, 1, 5, kColFrequency, "28.305");  // channel 45, bank B
    const std::vector<uint8_t> original = documentFileBytes(doc);
    const std::string csv = exportChannelsCsv(doc, CsvColumnSet::Full);

    // Into the same document: nothing to change.
    CsvImportResult same = importChannelsCsv(doc, csv);
    EXPECT_TRUE(same.ok());
    EXPECT_TRUE(same.changedChannels.empty());
    EXPECT_EQ(documentFileBytes(doc), original);

    // Every field of a channel changed, another channel's frequency changed,
    // the last channel removed: the import gives everything back.
    ChannelRecord& c = ch(1);
    c.Frequency = "02900000";
    c.Scan = 0, c.OffSetFre = 500, c.RDCT = 5, c.TDCT = 60, c.DUP = 2, c.HI_CUT = 1;
    c.BUSY = 1, c.NB = 0, c.Add_Sub_5K = 1, c.AM_FM = 1, c.Tx_Power = 1, c.Public = 0;
    c.RBTone = 1, c.DTMF_BOT = 3, c.DTMF_EOT = 4, c.DTMF_Call = 5, c.TSQ = 1;
    c.ChReserved = 1, c.ChSpare[6] = 0, c.ChSpare[0] = 9;
    ch(404).Frequency = "02811000";
    removeChannel(doc, findChannel(doc, 45));

    const CsvImportResult back = importChannelsCsv(doc, csv, CsvColumnSet::Full);
    ASSERT_TRUE(back.ok()) << problemText(back.problems.front());
    EXPECT_EQ(back.changedChannels, (std::vector<int>{1, 404, 45}));
    EXPECT_EQ(documentFileBytes(doc), original);
}

TEST_F(ChannelCsvTest, ChirpSetCarriesEveryToneModeBack) {
    struct Setup {
        int tx, rx, dup, offset, am, power, scan;
    };
    const Setup setups[] = {
        {0, 0, 0, 100, 0, 0, 1},
        {ctcss(88.5), 0, 1, 600, 0, 2, 1},
        {ctcss(100.0), ctcss(100.0), 2, 100, 1, 1, 0},
        {toneIndexOfDcs(23), toneIndexOfDcs(23), 0, 5, 0, 1, 1},
        {ctcss(88.5), ctcss(250.3), 0, 1000, 0, 0, 0},
        {toneIndexOfDcs(754), 0, 1, 100, 0, 2, 1},
        {0, toneIndexOfDcs(25), 0, 100, 1, 0, 1},
        {ctcss(67.0), toneIndexOfDcs(754), 0, 100, 0, 0, 1},
        {toneIndexOfDcs(23), ctcss(123.0), 0, 100, 0, 0, 1},
        {0, ctcss(123.0), 0, 100, 0, 0, 1},
        {toneIndexOfDcs(23), toneIndexOfDcs(25), 0, 100, 0, 0, 1},
    };
    int chNo = 10;
    for (const Setup& s : setups) {
        ChannelRecord& r = add(++chNo, "28.5");
        r.TDCT = static_cast<int16_t>(s.tx), r.RDCT = static_cast<int16_t>(s.rx);
        r.DUP = static_cast<int16_t>(s.dup), r.OffSetFre = static_cast<int16_t>(s.offset);
        r.AM_FM = static_cast<int16_t>(s.am), r.Tx_Power = static_cast<int16_t>(s.power);
        r.Scan = static_cast<int16_t>(s.scan);
    }
    const ChannelArray original = doc.WorkChannels;
    const std::string csv = exportChannelsCsv(doc, CsvColumnSet::Chirp);
    EXPECT_EQ(lineOf(csv, 13),
              "13,A-13,28.500000,-,0.100000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,AM,5.00,S,"
              "Medium,,,,,\r");
    EXPECT_EQ(lineOf(csv, 19),
              "19,A-19,28.500000,,0.100000,Cross,88.5,123.0,023,NN,023,"
              "DTCS->Tone,FM,5.00,,Low,,,,,\r");

    for (int n = 11; n <= chNo; ++n) {
        ChannelRecord& r = ch(n);
        r.TDCT = r.RDCT = r.DUP = r.AM_FM = r.Tx_Power = 0;
        r.OffSetFre = 100, r.Scan = 1, r.Frequency = "02900000";
    }
    const CsvImportResult back = importChannelsCsv(doc, csv);
    ASSERT_TRUE(back.ok()) << problemText(back.problems.front());
    EXPECT_EQ(doc.WorkChannels, original);
}

TEST_F(ChannelCsvTest, ChirpExportListsChannelsWithAFrequencyByNumber) {
    add(45, "28.3");
    ch(401).Frequency = "FFFFFFFF";
    const std::string csv = exportChannelsCsv(doc, CsvColumnSet::Chirp);
    EXPECT_TRUE(csv.starts_with("Location,Name,Frequency,Duplex,Offset,Tone,"));
    std::vector<int> numbers;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line))
        numbers.push_back(std::stoi(line));
    EXPECT_EQ(numbers, (std::vector<int>{1, 45, 402, 403, 404, 405, 406, 407, 408, 409}));
    EXPECT_TRUE(lineOf(csv, 45).starts_with("45,B-5,28.300000,"));
    EXPECT_TRUE(lineOf(csv, 402).starts_with("402,MEM-1,28.015000,"));
}

TEST_F(ChannelCsvTest, HandWrittenChirpFileWithErrorsChangesNothingAndListsEveryBadLine) {
    std::ifstream in(ZQ61_SOURCE_DIR "/tests/data/chirp_mixed.csv", std::ios::binary);
    const std::string csv{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(csv.empty());
    const RadioData data = doc.WorkData;
    const ChannelArray channels = doc.WorkChannels;

    const CsvImportResult r = importChannelsCsv(doc, csv);
    EXPECT_EQ(where(r), (std::vector<std::string>{"4: Frequency", "5: Frequency", "6: rToneFreq",
                                                  "7: DtcsPolarity", "8: Location", "9: Location",
                                                  "10: Duplex", "13: Mode"}));
    EXPECT_EQ(doc.WorkData, data);
    EXPECT_EQ(doc.WorkChannels, channels);
    EXPECT_TRUE(prompter.shown.empty());

    // Its good lines alone are taken.
    std::istringstream lines(csv);
    std::string good, line;
    for (int n = 1; std::getline(lines, line); ++n)
        if (n == 1 || n == 2 || n == 3 || n == 12) good += line + "\n";
    const CsvImportResult ok = importChannelsCsv(doc, good);
    ASSERT_TRUE(ok.ok()) << problemText(ok.problems.front());
    EXPECT_EQ(ok.changedChannels, (std::vector<int>{1, 2, 9}));
    EXPECT_EQ(ch(1).Frequency.str(), "02962000");
    EXPECT_EQ(ch(1).DUP, 2);
    EXPECT_EQ(ch(1).TDCT, ctcss(103.5));
    EXPECT_EQ(ch(1).RDCT, 0);
    EXPECT_EQ(ch(1).Tx_Power, 2);
    EXPECT_EQ(ch(2).Scan, 0);  // a new channel: "S" left it out of the scan
    EXPECT_EQ(ch(2).TDCT, ctcss(100.0));
    EXPECT_EQ(ch(2).NB, 1);  // no column: the new-channel default
    EXPECT_EQ(ch(9).TDCT, toneIndexOfDcs(754));
    EXPECT_EQ(ch(9).RDCT, ctcss(123.0));
}

TEST_F(ChannelCsvTest, EachProblemNamesItsColumn) {
    ch(1).AM_FM = 1;
    struct Case {
        int band;
        std::string csv;
        const char* column;
        const char* message;
    };
    const std::string full = exportChannelsCsv(doc, CsvColumnSet::Full);
    const std::string fullHeader = full.substr(0, full.find('\n') + 1);
    const std::string fullRow1 = lineOf(full, 1);  // "1,28.85000,1,100,..."
    auto fullWith = [&](int field, const std::string& value) {
        std::vector<std::string> f;
        std::stringstream s(fullRow1.substr(0, fullRow1.size() - 1));
        for (std::string x; std::getline(s, x, ',');)
            f.push_back(x);
        f[static_cast<std::size_t>(field)] = value;
        std::string row;
        for (const auto& x : f)
            row += x + ",";
        row.pop_back();
        return fullHeader + row + "\n";
    };
    const Case cases[] = {
        {kBandHAM, kChirpHeader + "1,,28.5,,0.1,,,,,,,,FM,,,Low,,,,,\n", "", ""},
        {kBandHAM, kChirpHeader + "1,,27.9,,,,,,,,,,,,,,,,,,\n", "Frequency", "outside the band"},
        {kBandHAM, kChirpHeader + "1,,28.5,,1.234,,,,,,,,,,,,,,,,\n", "Offset", "5 to 1000 kHz"},
        {kBandHAM, kChirpHeader + "1,,28.5,+,0.0015,,,,,,,,,,,,,,,,\n", "Offset", "whole kHz"},
        {kBandHAM, kChirpHeader + "1,,28.5,,,,,,,,,,,,P,,,,,,\n", "Skip", "priority"},
        {kBandHAM, kChirpHeader + "1,,28.5,,,,,,,,,,,,,5.0X,,,,,\n", "Power", "nor watts"},
        {kBandHAM, kChirpHeader + "1,,28.5,,,,,,,,,,,,,2,,,,,\n", "Power", "AM"},
        {kBandHAM, kChirpHeader + "1,,28.5,,,,,,,,,,FM,,,High,,,,,\n", "", ""},
        {kBandHAM, kChirpHeader + "401,,28.5,,,,,,,,,,,,S,,,,,,\n", "Skip", "VFO"},
        {kBandHAM, kChirpHeader + "1,,,,,,,,,,,,,,,,,,,,\n", "Frequency", "remove"},
        {kBandHAM, kChirpHeader + "77,,,,,,,,,,,,,,,,,,,,\n", "Frequency", "no frequency"},
        {kBandHAM, kChirpHeader + "x,,28.5,,,,,,,,,,,,,,,,,,\n", "Location", "channel number"},
        {kBandHAM, kChirpHeader + "1,,28.50001,,,,,,,,,,,,,,,,,,\n", "Frequency", "grid"},
        {kBandHAM, kChirpHeader + "1,,28.500001,,,,,,,,,,,,,,,,,,\n", "Frequency", "10 Hz"},
        {kBandCB, kChirpHeader + "380,,27.005,,,,,,,,,,,,,,,,,,\n", "Location",
         "no group of the CB"},
        {kBandHAM, fullWith(14, "3"), "", ""},  // new documents set up tone tips 1..5
        {kBandHAM, fullWith(14, "6"), "RBTone", "not set up"},
        {kBandHAM, fullWith(15, "17"), "DTMF_BOT", "DTMF code 1 to 16"},
        {kBandHAM, fullWith(19, "x"), "ChReserved", "whole number"},
        {kBandHAM, fullWith(1, "FFFFFFFF"), "Frequency", "remove"},
        {kBandHAM, fullWith(1, "abc"), "Frequency", "not a frequency"},
    };
    for (const Case& c : cases) {
        makeDocument(c.band);
        ch(1).AM_FM = 1;
        const ChannelArray before = doc.WorkChannels;
        const CsvImportResult r = checkChannelsCsv(doc, c.csv);
        if (!*c.column) {
            EXPECT_TRUE(r.ok()) << c.csv << problemText(r.problems.front());
            continue;
        }
        ASSERT_EQ(r.problems.size(), 1u) << c.csv;
        EXPECT_EQ(r.problems[0].line, 2);
        EXPECT_EQ(r.problems[0].column, c.column) << c.csv;
        EXPECT_NE(r.problems[0].message.find(c.message), std::string::npos)
            << r.problems[0].message;
        EXPECT_EQ(doc.WorkChannels, before);
    }
}

TEST_F(ChannelCsvTest, PowerAsChirpWritesItAndAmCapsAtMedium) {
    struct Case {
        const char* text;
        std::optional<int> level;
    };
    const Case cases[] = {
        {"High", 2},    {"h", 2},    {"MID", 1},   {"Medium", 1}, {"m", 1},
        {"low", 0},     {"L", 0},    {"50W", 2},   {"20.1W", 2},  {"20W", 1},
        {"5.001 w", 1}, {"5.0W", 0}, {"0.5 W", 0}, {"1", 1},      {"", {}},
        {"W", {}},      {"-5W", {}}, {"5 WW", {}}, {"fast", {}},  {"5,0W", {}},
    };
    for (const Case& c : cases) {
        const auto power = chirpPowerLevel(c.text);
        EXPECT_EQ(power ? std::optional<int>(power->level) : std::nullopt, c.level) << c.text;
    }
    // On AM a level name or watts become Medium; this radio's own number
    // stays what it says and is refused. A stored AM channel at level 2
    // exported as "High" imports back unchanged.
    ch(1).AM_FM = 1;
    ch(1).Tx_Power = 2;
    const CsvImportResult r = importChannelsCsv(doc,
                                                kChirpHeader +
                                                    "1,,28.850000,,,,,,,,,,AM,,,High,,,,,\n"
                                                    "2,,28.5,,,,,,,,,,AM,,,50W,,,,,\n"
                                                    "3,,28.5,,,,,,,,,,AM,,,H,,,,,\n"
                                                    "4,,28.5,,,,,,,,,,AM,,,2,,,,,\n",
                                                CsvImportOptions{{}, {}, true});
    EXPECT_EQ(where(r), (std::vector<std::string>{"5: Power"}));
    EXPECT_EQ(r.changedChannels, (std::vector<int>{2, 3}));
    EXPECT_EQ(ch(1).Tx_Power, 2);
    EXPECT_EQ(ch(2).Tx_Power, 1);
    EXPECT_EQ(ch(3).Tx_Power, 1);
}

// Lists as CHIRP writes them for other radios: a byte order mark, CR LF, an
// unknown extra column, a quoted name with commas and quotes, memories from
// 0, several bands, modes and duplex settings this radio lacks. The lines
// that fit can be taken alone, also placed from a chosen channel on.
TEST_F(ChannelCsvTest, ChirpFilesOfOtherRadios) {
    const std::string tail = ",88.5,88.5,023,NN,023,Tone->Tone,";
    const std::string rows[] = {
        "0,\"Call, \"\"10 m\"\"\",29.600000,,0.000000," + tail + "FM,5.00,,50W,,,,,,x",
        "1,Rptr,29.620000,-,0.100000,Tone,103.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,,x",
        "2,2 m,146.520000,,0.000000," + tail + "FM,5.00,,High,,,,,,x",
        "3,Rev,28.610000,,0.000000,DTCS" + tail + "FM,5.00,,Low,,,,,,x",
        "4,Narrow,28.620000,,0.000000," + tail + "NFM,5.00,,Low,,,,,,x",
        "5,SSB,28.630000,,0.000000," + tail + "USB,5.00,,Low,,,,,,x",
        "6,Split,28.640000,split,29.640000," + tail + "FM,5.00,,Low,,,,,,x",
        "7,Off,28.650000,off,0.000000," + tail + "FM,5.00,,Low,,,,,,x",
        "8,AM call,28.660000,,0.000000," + tail + "AM,5.00,S,Mid,,,,,,x",
    };
    std::string csv =
        "\xef\xbb\xbf" + kChirpHeader.substr(0, kChirpHeader.size() - 1) + ",Extra\r\n";
    for (std::string row : rows) {
        if (row.starts_with("3,")) row.replace(row.find(",NN,"), 4, ",NR,");  // reverse receive DCS
        csv += row + "\r\n";
    }
    const ChannelArray before = doc.WorkChannels;

    const CsvImportResult kept = importChannelsCsv(doc, csv);
    EXPECT_EQ(where(kept),
              (std::vector<std::string>{"2: Location", "4: Frequency", "5: DtcsPolarity", "6: Mode",
                                        "7: Mode", "8: Duplex", "9: Duplex"}));
    EXPECT_EQ(kept.rowsThatFit, 2);
    EXPECT_FALSE(kept.applied);
    EXPECT_EQ(doc.WorkChannels, before);

    // Placed from bank B: each line takes the next channel, skipped or not.
    const CsvImportResult placed = importChannelsCsv(doc, csv, CsvImportOptions{{}, 41, true});
    EXPECT_EQ(placed.rowsThatFit, 3);
    EXPECT_TRUE(placed.applied);
    EXPECT_EQ(placed.changedChannels, (std::vector<int>{41, 42, 49}));
    EXPECT_EQ(ch(41).Frequency.str(), "02960000");
    EXPECT_EQ(ch(41).Tx_Power, 2);
    EXPECT_EQ(ch(42).DUP, 2);
    EXPECT_EQ(ch(42).TDCT, ctcss(103.5));
    EXPECT_EQ(ch(42).Tx_Power, 0);
    EXPECT_EQ(ch(49).AM_FM, 1);
    EXPECT_EQ(ch(49).Scan, 0);
    EXPECT_EQ(findChannel(doc, 43), -1);

    // A file that cannot be read as a whole takes nothing, whatever fits.
    const CsvImportResult broken =
        importChannelsCsv(doc, kChirpHeader + "9,,28.7,,,,,,,,,,,,,,,,,,\n10,\"open,28.8\n",
                          CsvImportOptions{{}, {}, true});
    EXPECT_TRUE(broken.fileRefused);
    EXPECT_FALSE(broken.applied);
    EXPECT_EQ(findChannel(doc, 9), -1);
}

TEST_F(ChannelCsvTest, RowsArePlacedOnTheChannelsOfTheGroups) {
    auto range = [](int from, int to) {
        std::vector<int> v;
        for (int n = from; n <= to; ++n)
            v.push_back(n);
        return v;
    };
    std::vector<int> hamTail = {398, 399, 400};
    for (int n : range(402, 409))
        hamTail.push_back(n);
    std::vector<int> cbTail = {360};
    for (int n : range(402, 409))
        cbTail.push_back(n);
    EXPECT_EQ(placementChannels(kBandHAM, 398), hamTail);
    EXPECT_EQ(placementChannels(kBandCB, 360), cbTail);
    EXPECT_EQ(placementChannels(kBandHF, 1).size(), 408u);
    for (const auto& [band, first] :
         {std::pair{kBandHAM, 401}, {kBandCB, 361}, {kBandCB, 401}, {kBandHAM, 0}, {kBandHAM, 410}})
        EXPECT_TRUE(placementChannels(band, first).empty()) << band << " " << first;

    // Rows beyond the last channel are problems of their own lines; the
    // Location column is then neither needed nor read.
    const CsvImportResult r = checkChannelsCsv(doc, "Frequency\n28.1\n28.2\n28.3\n",
                                               CsvImportOptions{{CsvColumnSet::Chirp}, 408, false});
    EXPECT_EQ(where(r), (std::vector<std::string>{"4: "}));
    EXPECT_EQ(r.changedChannels, (std::vector<int>{408, 409}));
}

TEST_F(ChannelCsvTest, CbChannelsKeepTheirPlanAndMemoryTakesACbFrequency) {
    makeDocument(kBandCB);
    add(121, "27.601");  // UK 1, shown 27.60125
    add(5, "27.005");
    const std::string csv = exportChannelsCsv(doc, CsvColumnSet::Chirp);
    EXPECT_TRUE(lineOf(csv, 121).starts_with("121,UK-1,27.601250,"));
    const CsvImportResult same = importChannelsCsv(doc, csv);
    ASSERT_TRUE(same.ok()) << problemText(same.problems.front());
    EXPECT_TRUE(same.changedChannels.empty());

    const std::string rows = kChirpHeader +
                             "402,,27.601250,,,,,,,,,,,,,,,,,,\n"     // a UK channel's frequency
                             "403,,27.5,,,,,,,,,,,,,,,,,,\n"          // no CB channel there
                             "5,,27.015,,,,,,,,,,,,,,,,,,\n"          // the plan's frequency
                             "122,,27.611,,,,,,,,,,,,,,,,,,\n"        // not in the document
                             "121,,27.601250,,,,,,,,,,AM,,,,,,,,\n";  // UK is FM only
    const CsvImportResult r = importChannelsCsv(doc, rows);
    EXPECT_EQ(where(r), (std::vector<std::string>{"3: Frequency", "4: Frequency", "5: Frequency",
                                                  "6: Mode"}));
    EXPECT_EQ(ch(402).Frequency.str(), "02801500");  // nothing changed

    const CsvImportResult memory =
        importChannelsCsv(doc, kChirpHeader + "402,,27.601250,,,,,,,,,,,,,,,,,,\n");
    ASSERT_TRUE(memory.ok()) << problemText(memory.problems.front());
    EXPECT_EQ(ch(402).Frequency.str(), "02760100");
}

TEST_F(ChannelCsvTest, TheFileItselfMustBeReadable) {
    struct Case {
        std::string csv;
        std::optional<CsvColumnSet> set;
        std::vector<std::string> where;
    };
    const Case cases[] = {
        {"", {}, {"1: "}},
        {"\n\n", {}, {"1: "}},
        {"Channel,MHz\n1,28.5\n", {}, {"1: "}},
        {"Name,Frequency\n", CsvColumnSet::Chirp, {"1: Location"}},
        {kChirpHeader, CsvColumnSet::Full, {}},  // filled below: every full column missing
        {kChirpHeader + "1,\"open,28.5\n2,,28.6\n", {}, {"2: "}},
        {kChirpHeader + "\n,,,,,\n", {}, {}},  // empty lines are no rows
        {kChirpHeader, {}, {}},
    };
    for (const Case& c : cases) {
        const CsvImportResult r = checkChannelsCsv(doc, c.csv, c.set);
        if (c.set == CsvColumnSet::Full) {
            EXPECT_EQ(r.problems.size(), 26u);  // ChNo, Scan, ... ChSpare7
            continue;
        }
        EXPECT_EQ(where(r), c.where) << c.csv;
    }
}

TEST_F(ChannelCsvTest, AnImportEditsAsTheGridDoes) {
    RecordingObserver observer;
    doc.setObserver(&observer);
    doc.ChannelWindowOpen = true;
    doc.WorkData.Options.GroupOn[0] = 0;
    // Only the two columns CHIRP must have: the rest takes the defaults.
    const CsvImportResult r = importChannelsCsv(doc, "Location,Frequency\r\n45,28.3\r\n");
    ASSERT_TRUE(r.ok());
    const ChannelRecord& c = ch(45);
    EXPECT_EQ(c, newChannelRecord(45, "28.30000", doc.BandLowMHz));
    // Refresh group ran for the new channel and the grid was told.
    EXPECT_EQ(doc.WorkData.Options.GroupOn[0], 1);
    EXPECT_NE(std::find(observer.calls.begin(), observer.calls.end(), "reShowGrid 45"),
              observer.calls.end());
    doc.setObserver(nullptr);
}

TEST_F(ChannelCsvTest, DamagedFilesAreAppliedWholeOrNotAtAll) {
    add(45, "28.3").TDCT = 60;
    const std::string sources[] = {exportChannelsCsv(doc, CsvColumnSet::Chirp),
                                   exportChannelsCsv(doc, CsvColumnSet::Full)};
    const std::string alphabet = "0123456789.,-+\"\r\nSAMFTDCNR> \x00\xff";
    std::mt19937 random(61);
    for (int round = 0; round < 400; ++round) {
        std::string csv = sources[round % 2];
        const int damages = 1 + static_cast<int>(random() % 6);
        for (int d = 0; d < damages; ++d) {
            const std::size_t at = random() % csv.size();
            const char c = alphabet[random() % alphabet.size()];
            switch (random() % 3) {
                case 0:
                    csv[at] = c;
                    break;
                case 1:
                    csv.insert(at, 1, c);
                    break;
                default:
                    csv.erase(at, 1);
            }
        }
        const RadioData data = doc.WorkData;
        const ChannelArray channels = doc.WorkChannels;
        const CsvImportResult r = importChannelsCsv(doc, csv);
        if (!r.ok()) {
            ASSERT_EQ(doc.WorkData, data) << csv;
            ASSERT_EQ(doc.WorkChannels, channels) << csv;
        }
        // Whatever was taken passed the checks: the file imports again unchanged.
        if (r.ok()) {
            const CsvImportResult again = checkChannelsCsv(doc, csv);
            ASSERT_TRUE(again.ok()) << csv;
            ASSERT_TRUE(again.changedChannels.empty()) << csv;
        }
        makeDocument(kBandHAM);
        add(45, "28.3").TDCT = 60;
    }
}

}  // namespace
}  // namespace zq61::test
