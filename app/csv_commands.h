#pragma once

// File > Import CSV... and File > Export CSV: the channel list to and from
// CSV files (model/channel_csv.h does the work; this asks for the file and
// shows the outcome).

namespace zq61 {
enum class CsvColumnSet;
}

namespace zq61::gui {

class MainWindow;

// Asks for a CSV file and imports it: a file with problems changes nothing
// and its problems are shown in one message; otherwise the named channels
// are replaced and every open window shows them.
void importChannelsFromCsv(MainWindow& window);

// Asks for a file name and writes the channels in the column set.
void exportChannelsToCsv(MainWindow& window, CsvColumnSet set);

}  // namespace zq61::gui
