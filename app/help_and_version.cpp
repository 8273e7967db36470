// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_and_version.h"

#include <cstdio>
#include <cstring>

#include "program_version.h"  // made by the build

namespace zq61::gui {
namespace {

constexpr const char* kHelpText =
    "Usage: zq61 [OPTION]... [FILE]\n"
    "The ZQ-61 programming software in windows.\n"
    "\n"
    "  FILE           a document (.dat) to open once the main window is there\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and end\n"
    "      --version  print the version and end\n";

}  // namespace

std::optional<int> answerHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelpText, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts(zq61::versionText("zq61").c_str());
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace zq61::gui
