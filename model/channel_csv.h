#pragma once

// The channel list as CSV text, in two column sets:
//   Chirp  the columns CHIRP users exchange (Location, Name, Frequency,
//          Duplex, Offset, Tone, ...), frequencies and offsets in MHz; the
//          fields CHIRP has no column for stay as they are on import;
//   Full   every field of every channel record, in list order, so that an
//          export imported again gives back the same document.
// An import checks every row first: a file with any problem changes
// nothing; a file without problems replaces the channels it names, each
// changed field handed to set channel cell as if typed, so the rules of
// editing (band, groups, remembered channels, redisplay) apply.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq61 {

class Document;

enum class CsvColumnSet { Chirp, Full };

// "chirp" or "full" (any case); nothing for another name.
std::optional<CsvColumnSet> csvColumnSetNamed(std::string_view name);

// The document's channels with a header row, lines ended by CR LF. The
// CHIRP set lists the channels by number and leaves out channels without a
// frequency; the full set lists every channel in list order.
std::string exportChannelsCsv(const Document& doc, CsvColumnSet set);

struct CsvProblem {
    int line = 0;        // line of the file, from 1
    std::string column;  // the column's name in the header; "" for the whole line
    std::string message;
};

// "LINE: COLUMN: message" (without the column part when there is none).
std::string problemText(const CsvProblem& problem);

struct CsvImportResult {
    std::vector<CsvProblem> problems;  // not empty: the document was not changed
    std::vector<int> changedChannels;  // channel numbers added or changed, in file order
    bool ok() const { return problems.empty(); }
};

// Checks `text` against the document and, when it has no problem, applies
// it. `set`: the column set, or nothing to take it from the header row.
CsvImportResult importChannelsCsv(Document& doc, std::string_view text,
                                  std::optional<CsvColumnSet> set = std::nullopt);

// The same check without applying anything (changedChannels lists what an
// import would change).
CsvImportResult checkChannelsCsv(const Document& doc, std::string_view text,
                                 std::optional<CsvColumnSet> set = std::nullopt);

}  // namespace zq61
