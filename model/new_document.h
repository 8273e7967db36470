// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A new document: what New and Initialize put into both copies and into the
// radio information records, followed by the default file of the program
// folder, if there is one:
//
//   New:        <programDir>/Init/<ModelName>_<band mode>_NEW.dat   (complete)
//   Initialize: <programDir>/Init/<ModelName>_<band mode>.dat       (complete)
//   otherwise, for the model "ZQ-61": <programDir>/Init/ZQ-61_0.dat (settings only)
//
// The model and band mode of the document stay as they are. The caller then
// shows the new document (captions, channel grid, cascade) and, after
// Initialize, clears its Initialize request.

#include <functional>
#include <string>

namespace zq61 {

class Document;

struct CalendarDate {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

// Today's date from the system clock (local time).
CalendarDate systemDate();

struct NewDocumentOptions {
    bool initialize = false;  // the Initialize command rather than New
    std::string programDir;   // folder of the program: its Init folder holds the default files
    std::function<CalendarDate()> today = systemDate;  // dates of the radio information records
    // Called first: the owner of the radio link resets its operation and
    // step values to 0. May be empty when there is no link.
    std::function<void()> resetLink;
};

// Which default file replaced the built-in values.
enum class DefaultFile { None, Complete, SettingsOnly };

DefaultFile newDocument(Document& doc, const NewDocumentOptions& options);

// The date as the radio information records show it: "YYYY-MM-DD".
std::string dateText(const CalendarDate& date);

}  // namespace zq61
