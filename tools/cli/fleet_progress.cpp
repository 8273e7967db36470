// SPDX-License-Identifier: GPL-3.0-or-later
#include "fleet_progress.h"

#include <algorithm>
#include <ostream>

namespace zq61::cli {

FleetProgress::FleetProgress(std::ostream& err, bool live, std::vector<std::string> ports)
    : err_(err), live_(live), ports_(std::move(ports)), states_(ports_.size()) {
    for (const std::string& port : ports_)
        portWidth_ = std::max(portWidth_, port.size());
}

void FleetProgress::update(std::size_t index, const std::string& state) {
    if (index >= states_.size() || states_[index] == state) return;
    states_[index] = state;
    if (!live_) return;
    erase();
    draw();
}

void FleetProgress::note(std::size_t index, const std::string& line) {
    if (index < ports_.size()) message(ports_[index] + ": " + line);
}

void FleetProgress::message(const std::string& line) {
    erase();
    err_ << line << '\n';
    draw();
}

void FleetProgress::finish() {
    drawn_ = false;
    err_.flush();
}

// Back to the first line of the block and away with it (cursor up, erase
// to the end of the screen).
void FleetProgress::erase() {
    if (!live_ || !drawn_) return;
    err_ << "\r\x1b[" << ports_.size() << "A\x1b[J";
    drawn_ = false;
}

void FleetProgress::draw() {
    if (!live_) {
        err_.flush();
        return;
    }
    for (std::size_t i = 0; i < ports_.size(); ++i)
        err_ << ports_[i] << std::string(portWidth_ - ports_[i].size() + 2, ' ') << states_[i]
             << '\n';
    err_.flush();
    drawn_ = true;
}

}  // namespace zq61::cli
