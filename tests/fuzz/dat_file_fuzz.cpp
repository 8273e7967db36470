// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a .dat file: opened with every check of the Open
// command, and read as a default file (complete and settings only). Nothing
// may crash; a file that opens must save and open again to the same bytes.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "model/dat_file.h"
#include "model/document.h"
#include "model/program_versions.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace {

using namespace zq61;

struct NoStarter : ProgramStarter {
    bool start(const std::string&) override { return false; }
};

// Files of this process alone: several fuzzing processes may run at once.
std::string tempPath(const char* name) {
    static const unsigned id = std::random_device{}();
    return "/tmp/zq61-fuzz-" + std::to_string(id) + "-" + name + ".dat";
}

std::vector<char> bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct TempFiles {
    const std::string input = tempPath("input");
    const std::string saved = tempPath("saved");
    const std::string again = tempPath("again");
    ~TempFiles() {
        for (const std::string* p : {&input, &saved, &again})
            std::remove(p->c_str());
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TempFiles files;
    static NoStarter starter;
    static const ProgramVersions versions(
        [] {
            VersionTable t;
            t.Pairs = {{"V100", "V100"}, {"V100", "V101"}};
            return t;
        }(),
        "/nonexistent", "zq61", starter);
    {
        std::ofstream out(files.input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    test::ScriptedPrompter prompter;
    test::TableTexts texts;

    Document opened(prompter, texts);
    if (openDocument(opened, files.input, versions) == OpenResult::Opened) {
        if (opened.WorkData.ChannelCount < 0 || opened.WorkData.ChannelCount > kMaxChannels)
            __builtin_trap();
        if (!saveDocumentAs(opened, files.saved)) __builtin_trap();
        Document reopened(prompter, texts);
        if (openDocument(reopened, files.saved, versions) != OpenResult::Opened) __builtin_trap();
        if (!saveDocumentAs(reopened, files.again)) __builtin_trap();
        if (bytesOf(files.saved) != bytesOf(files.again)) __builtin_trap();
    }

    Document full(prompter, texts);
    fullRead(full, files.input);
    Document settingsOnly(prompter, texts);
    settingsOnlyRead(settingsOnly, files.input);
    return 0;
}
