// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts of the CSV import and export that know the two column sets: the
// header of each set, one channel as a row, and one row read back as the
// fields it gives (checked against the document later, in
// channel_csv_import.cpp).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/csv.h"
#include "model/channel_csv.h"
#include "model/radio_data.h"

namespace zq61 {

class Document;

// Field values by column code (kColFrequency .. kColTdct); index 0 unused.
inline constexpr std::size_t kColumnSlots = kColTdct + 1;
inline constexpr std::size_t kSpareFields = 7;

// What one row of a file asks for. A field without a value keeps the value
// the channel has (or the new-channel default).
struct ChannelEdit {
    int line = 0;
    int chNo = 0;
    std::string chNoColumn;

    bool frequencyGiven = false;
    std::string frequencyText;              // as written
    std::optional<int64_t> frequencyUnits;  // its value in units of 10 Hz, when a number
    std::string frequencyColumn;
    // The CHIRP set writes what the radio shows (the UK rule applied); the
    // full set writes the stored value.
    bool frequencyAsShown = false;

    std::array<std::optional<int>, kColumnSlots> fields{};
    std::array<std::string, kColumnSlots> fieldColumns{};  // where each value came from
    // The power came as another radio's level name or in watts: on an AM
    // channel it is lowered to the highest level AM allows.
    bool powerCappedByAm = false;

    std::optional<int16_t> chReserved;
    std::array<std::optional<int16_t>, kSpareFields> spare{};
};

// The header row of a file: finds columns by name, in any letter case.
class CsvHeader {
  public:
    explicit CsvHeader(std::vector<std::string> names) : names_(std::move(names)) {}
    bool has(std::string_view name) const { return index(name) >= 0; }
    // The row's value of the column: "" when the row is shorter than the
    // header, nothing when the header has no such column.
    std::optional<std::string> value(const CsvRow& row, std::string_view name) const;

  private:
    int index(std::string_view name) const;
    std::vector<std::string> names_;
};

const std::vector<std::string>& chirpColumnNames();
const std::vector<std::string>& fullColumnNames();
// The columns a file of the set must have.
const std::vector<std::string>& chirpRequiredColumns();

// One channel in each set (the document gives the band and groups).
std::vector<std::string> chirpRow(const ChannelRecord& record, const Document& doc);
std::vector<std::string> fullRow(const ChannelRecord& record);

// The full set's text of a stored frequency: MHz with five decimals when the
// stored form is eight digits, otherwise the stored characters themselves.
std::string fullFrequencyText(std::string_view stored);

// A row read as an edit; problems of single values are appended. Nothing
// when the row does not name a channel. `placedAt`: the channel the row
// goes to, or 0 to take it from the Location column.
std::optional<ChannelEdit> readChirpRow(const CsvHeader& header, const CsvRow& row,
                                        std::vector<CsvProblem>& problems, int placedAt = 0);

// CHIRP's Power column as this radio's level 0 (Low), 1 (Medium) or 2
// (High): a level name of any radio (High, H, Mid, Medium, M, Low, L, any
// case), watts ("50W", "5.0W", "0.5 W": up to 5 W Low, up to 20 W Medium,
// above High) or the level's number. Nothing for another text.
struct ChirpPower {
    int level = 0;
    bool cappedByAm = false;  // a name or watts (not a number): AM lowers High to Medium
};
std::optional<ChirpPower> chirpPowerLevel(std::string_view text);
std::optional<ChannelEdit> readFullRow(const CsvHeader& header, const CsvRow& row,
                                       std::vector<CsvProblem>& problems);

}  // namespace zq61

namespace zq61 {

// The value of the field behind a column code (kColPublic .. kColTdct).
int channelField(const ChannelRecord& record, int column);

// A whole number of the 16-bit range, or nothing.
std::optional<int16_t> parseInt16(std::string_view text);

}  // namespace zq61
