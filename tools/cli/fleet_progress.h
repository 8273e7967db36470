// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What several radios are doing, on the error stream while they run. On a
// terminal one line per radio ("/dev/ttyUSB0  writing 42%") that is drawn
// again in place as the radios go on, with each radio's messages printed
// above it; elsewhere (a file, another program) only the messages, each as
// "PORT: message".

#include <iosfwd>
#include <string>
#include <vector>

namespace zq61::cli {

class FleetProgress {
  public:
    // `live`: draw the lines in place (the stream is a terminal).
    FleetProgress(std::ostream& err, bool live, std::vector<std::string> ports);

    void update(std::size_t index, const std::string& state);
    void note(std::size_t index, const std::string& line);
    // A line of no one radio.
    void message(const std::string& line);
    // The lines stay as they were last drawn.
    void finish();

  private:
    void erase();
    void draw();

    std::ostream& err_;
    bool live_;
    std::vector<std::string> ports_;
    std::vector<std::string> states_;
    std::size_t portWidth_ = 0;
    bool drawn_ = false;
};

}  // namespace zq61::cli
