// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel list as CSV text, in two column sets:
//   Chirp  the columns CHIRP users exchange (Location, Name, Frequency,
//          Duplex, Offset, Tone, ...), frequencies and offsets in MHz; the
//          fields CHIRP has no column for stay as they are on import;
//   Full   every field of every channel record, in list order, so that an
//          export imported again gives back the same document.
// An import checks every row first: a file with any problem changes
// nothing (unless the caller chose to take the rows that fit); a file
// without problems replaces the channels it names, each changed field
// handed to set channel cell as if typed, so the rules of editing (band,
// groups, remembered channels, redisplay) apply.

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

struct CsvImportOptions {
    // The column set; nothing: taken from the header row.
    std::optional<CsvColumnSet> set;
    // CHIRP set only: the rows go, in file order, to this channel and the
    // ones after it (see placementChannels); Location is not read. Every
    // row takes the next channel, also a row with a problem.
    std::optional<int> firstChannel;
    // The rows without problems are applied although other rows have some
    // (never when the file itself is unreadable, see fileRefused).
    bool takeRowsThatFit = false;
};

struct CsvImportResult {
    std::vector<CsvProblem> problems;
    std::vector<int>
        changedChannels;  // channel numbers the rows that fit add or change, in file order
    int rowsThatFit = 0;  // data rows without a problem, changing anything or not
    // A problem of the file as a whole (no usable header line, a quoted
    // value never closed): no row is taken, whatever the options.
    bool fileRefused = false;
    bool applied = false;  // the document was changed (or would have been, had anything differed)
    bool ok() const { return problems.empty(); }
};

// Checks `text` against the document and, when it has no problem (or the
// options take the rows that fit and some do), applies it.
CsvImportResult importChannelsCsv(Document& doc, std::string_view text,
                                  const CsvImportOptions& options);
inline CsvImportResult importChannelsCsv(Document& doc, std::string_view text,
                                         std::optional<CsvColumnSet> set = std::nullopt) {
    return importChannelsCsv(doc, text, CsvImportOptions{set, std::nullopt, false});
}

// The same check without applying anything (changedChannels lists what an
// import would change).
CsvImportResult checkChannelsCsv(const Document& doc, std::string_view text,
                                 const CsvImportOptions& options);
inline CsvImportResult checkChannelsCsv(const Document& doc, std::string_view text,
                                        std::optional<CsvColumnSet> set = std::nullopt) {
    return checkChannelsCsv(doc, text, CsvImportOptions{set, std::nullopt, false});
}

// The column set a file's header row names (CHIRP's by "Location", the full
// set by "ChNo"); nothing when it names neither.
std::optional<CsvColumnSet> csvColumnSetOfHeader(std::string_view text);

// The channels rows placed from channel `first` on go to, in order: the
// channel numbers from `first` up that an ordinary or the memory group of
// the band mode holds (the VFO slot is no place for a listed channel).
// Empty when `first` itself is none of them.
std::vector<int> placementChannels(int bandMode, int first);

}  // namespace zq61
