// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Comma-separated text as spreadsheets and other radio programs write it:
// fields separated by ",", a field in double quotes may hold commas, quotes
// (doubled) and line breaks; lines end in CR LF, LF or CR; a UTF-8 byte
// order mark at the start is ignored.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq61 {

struct CsvRow {
    int line = 0;  // the line of the file the row starts on, counted from 1
    std::vector<std::string> fields;
};

struct CsvText {
    std::vector<CsvRow> rows;  // blank lines are left out
    // The line of a quoted field that is never closed; the rows before it
    // are read, the rest of the file is not.
    std::optional<int> unclosedQuoteLine;
};

CsvText parseCsv(std::string_view text);

// One field as written: quoted when it holds a comma, a quote, a line break
// or leading or trailing blanks.
std::string csvField(std::string_view value);

// The fields of one row joined by commas and ended with CR LF.
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace zq61
