// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the version table Version.ini. The table must stay
// within its limits, answer for every pair it lists, build its messages, and
// never start a program outside the installation's version folders.

#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "model/program_versions.h"
#include "model/radio_data.h"
#include "model/version_table.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace {

using namespace zq61;

struct RecordingStarter : ProgramStarter {
    std::vector<std::string> started;
    bool start(const std::string& path) override {
        started.push_back(path);
        return true;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::writeScratchFile("Version.ini",
                           std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string root = fuzz::scratchFolder();
    const VersionTable table = VersionTable::load(root);
    fuzz::check(table.SoftVersions.size() <= 1000 && table.Pairs.size() <= 1000);

    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    RecordingStarter starter;
    const ProgramVersions versions(table, root, "zq61", starter);
    isValidVersion(table.CurrentVersion);
    for (const std::string& soft : table.SoftVersions)
        versionDisplayForm(soft);
    for (const VersionPair& pair : table.Pairs) {
        fuzz::check(pair.program.size() <= 4 && pair.foreign.size() <= 4);
        fuzz::check(table.isCompatible(pair.program, pair.foreign));
        fuzz::check(table.isCompatible(table.programVersionFor(pair.foreign), pair.foreign));
        mismatchMessage(texts, kDataVersion, pair.foreign, ForeignKind::File);
        const std::size_t before = starter.started.size();
        const bool started = versions.startProgramVersionFor(pair.foreign, prompter, texts);
        fuzz::check(started == (starter.started.size() == before + 1));
        // Only a version folder of the installation: "V" and three digits.
        if (started)
            fuzz::check(isValidVersion(table.programVersionFor(pair.foreign)) &&
                        starter.started.back() ==
                            versions.programPath(table.programVersionFor(pair.foreign)));
    }
    return 0;
}
