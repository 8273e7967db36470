// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a printed document shows, in the document's own terms and the
// program's language: a title block (model, band mode, file name), then one
// section per channel group with channels, the group settings, the options,
// the DTMF settings and codes, the tone tips and the key assignments. Each
// section is headed and holds lines and tables of texts; how they are laid
// on paper is the printer's business.
//
//   const PrintLayout layout = makePrintLayout(doc);
//   for (const PrintSection& s : layout.sections) ... s.heading, s.tables ...

#include <string>
#include <vector>

namespace zq61 {

class Document;

struct PrintTable {
    std::vector<std::string> columns;            // column headings
    std::vector<std::vector<std::string>> rows;  // each as wide as `columns`

    bool operator==(const PrintTable&) const = default;
};

struct PrintSection {
    std::string heading;
    std::vector<std::string> lines;  // short facts above the tables
    std::vector<PrintTable> tables;
    bool newPage = false;  // starts on a page of its own

    bool operator==(const PrintSection&) const = default;
};

struct PrintLayout {
    std::string title;
    std::vector<PrintSection> sections;
};

// The printout of the document's working copy. Groups without channels are
// left out; every other part is always there, so a printout can be checked
// against the radio item by item.
PrintLayout makePrintLayout(const Document& doc);

}  // namespace zq61
