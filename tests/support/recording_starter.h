// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program starter that only records what it was asked to start (the
// radio's upgrade programs of the version table), and succeeds unless told.

#include <string>
#include <vector>

#include "model/program_versions.h"

namespace zq61::test {

struct RecordingStarter : ProgramStarter {
    std::vector<std::string> started;
    bool succeed = true;
    bool start(const std::string& path) override {
        started.push_back(path);
        return succeed;
    }
};

}  // namespace zq61::test
