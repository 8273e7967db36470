// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/program_versions.h"

#include "model/file_paths.h"
#include "model/text_ids.h"

namespace zq61 {

std::string ProgramVersions::programPath(std::string_view version) const {
    return joinPath(joinPath(installRoot_, version), executableName_);
}

bool ProgramVersions::startProgramVersionFor(std::string_view foreign, Prompter& prompter,
                                             const Texts& texts) const {
    const std::string version = table_.programVersionFor(foreign);
    // The version text becomes a folder name: anything but "V" + three digits
    // could lead out of the installation.
    if (isValidVersion(version) && version.size() == 4 && starter_->start(programPath(version)))
        return true;
    prompter.message(Prompt::ofText(txt::kNoProgramVersion, texts.text(txt::kNoProgramVersion)));
    return false;
}

}  // namespace zq61
