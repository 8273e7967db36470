// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File > Import CSV... and File > Export CSV: the channel list to and from
// CSV files (model/channel_csv.h does the work; this asks for the file and
// shows the outcome).

#include <optional>

namespace zq61 {
enum class CsvColumnSet;
}

namespace zq61::gui {

class MainWindow;

// Asks for a CSV file and imports it. A file in CHIRP's columns first asks
// where its rows go (FrmImportChoice). A file with problems changes nothing
// and its problems are shown in one message, which offers to import the
// lines that fit when some do; otherwise the named channels are replaced
// and every open window shows them. An import is one step of the undo
// history.
void importChannelsFromCsv(MainWindow& window);

// The import choice dialog: nothing when cancelled, 0 to keep the file's
// locations, or the channel number the rows start at.
std::optional<int> chooseImportPlacement(MainWindow& window);

// Asks for a file name and writes the channels in the column set.
void exportChannelsToCsv(MainWindow& window, CsvColumnSet set);

}  // namespace zq61::gui
