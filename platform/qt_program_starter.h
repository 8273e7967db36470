// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starts another program version as a process of its own, with its own
// folder as working folder.

#include "model/program_versions.h"

namespace zq61 {

class QtProgramStarter : public ProgramStarter {
  public:
    bool start(const std::string& programPath) override;
};

}  // namespace zq61
