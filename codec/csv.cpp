// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/csv.h"

namespace zq61 {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBlankRow(const std::vector<std::string>& fields) {
    return fields.size() == 1 && fields.front().find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

CsvText parseCsv(std::string_view text) {
    if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    CsvText out;
    CsvRow row;
    std::string field;
    int line = 1;
    row.line = 1;
    bool quoted = false;  // inside a quoted field
    int quoteLine = 0;    // where that field opened
    bool rowHasContent = false;

    auto endField = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
    };
    auto endRow = [&] {
        endField();
        if (!isBlankRow(row.fields)) out.rows.push_back(std::move(row));
        row = CsvRow{};
        rowHasContent = false;
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                // A line break inside quotes belongs to the field; CR LF counts as one line.
                if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == '"' && field.find_first_not_of(" \t") == std::string::npos) {
            // Blanks before an opening quote are not part of the value.
            field.clear();
            quoted = true;
            quoteLine = line;
            rowHasContent = true;
        } else if (c == ',') {
            endField();
            rowHasContent = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRow();
            ++line;
            row.line = line;
        } else {
            field += c;
            rowHasContent = true;
        }
    }
    if (quoted) {
        out.unclosedQuoteLine = quoteLine;
        return out;
    }
    if (rowHasContent || !field.empty()) endRow();
    return out;
}

std::string csvField(std::string_view value) {
    const bool needsQuotes = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                             (!value.empty() && (value.front() == ' ' || value.back() == ' ' ||
                                                 value.front() == '\t' || value.back() == '\t'));
    if (!needsQuotes) return std::string(value);
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += csvField(fields[i]);
    }
    out += "\r\n";
    return out;
}

}  // namespace zq61
