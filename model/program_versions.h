// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Offering the program version that fits a foreign file or radio version:
// the version table, where the versions are installed, and how a program is
// started. The window program and the command line make one at start:
//
//   QtProgramStarter starter;                      // or any ProgramStarter
//   ProgramVersions versions(VersionTable::load(root), root, exeFileName, starter);
//
// and pass it to openDocument (dat_file.h) and to the radio link.

#include <string>
#include <string_view>
#include <utility>

#include "model/prompter.h"
#include "model/texts.h"
#include "model/version_table.h"

namespace zq61 {

// Starts another program as a separate process. The core never starts
// processes itself; the platform side implements this.
class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // Returns false when the program could not be started.
    virtual bool start(const std::string& programPath) = 0;
};

class ProgramVersions {
  public:
    // `executableName` is this program's file name as the platform names it
    // ("zq61", "zq61.exe"); every version folder holds one of that name.
    ProgramVersions(VersionTable table, std::string installRoot, std::string executableName,
                    ProgramStarter& starter)
        : table_(std::move(table)),
          installRoot_(std::move(installRoot)),
          executableName_(std::move(executableName)),
          starter_(&starter) {}

    const VersionTable& table() const { return table_; }

    // Where the program version `version` is installed: R/<version>/<executable>.
    std::string programPath(std::string_view version) const;

    // Starts the program version listed for `foreign`. Returns true when it
    // was started: the caller must then end this program. Otherwise message
    // 9063 was shown (no version listed, a listed version that is not "V" +
    // three digits, or a start that failed) and this program goes on.
    bool startProgramVersionFor(std::string_view foreign, Prompter& prompter,
                                const Texts& texts) const;

  private:
    VersionTable table_;
    std::string installRoot_;
    std::string executableName_;
    ProgramStarter* starter_;
};

}  // namespace zq61
