// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Prints a document: as JSON (every record field under its own name) or as
// a summary for people. Used by the commands that show documents.

#include <iosfwd>

namespace zq61 {
class Document;
}

namespace zq61::cli {

// {"Header", "ChannelCount", "Channels" (the valid channels in list order,
// each with "Display", its frequency as the channel grid shows it),
// "Options", "FeatChannel", "Keys", "Dtmf", "ToneTips"}.
void printDocumentJson(std::ostream& out, Document& doc);

void printDocumentSummary(std::ostream& out, Document& doc);

}  // namespace zq61::cli
