// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening a full document: 409 channels, every field set.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "model/channel_list.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/program_versions.h"
#include "silent_document_parts.h"

namespace zq61 {
namespace {

using bench::NoTexts;
using bench::SilentPrompter;

class NoStarter : public ProgramStarter {
  public:
    bool start(const std::string&) override { return false; }
};

struct FullDocument {
    SilentPrompter prompter;
    NoTexts texts;
    Document doc{prompter, texts};
    std::string file = (std::filesystem::temp_directory_path() / "zq61-bench-full.dat").string();

    FullDocument() {
        for (int ch = 1; ch <= kMaxChannels; ++ch)
            addChannel(doc, ch, "28.50000");
    }
    ~FullDocument() { std::filesystem::remove(file); }
};

void BM_SaveFullDocument(benchmark::State& state) {
    FullDocument full;
    for (auto _ : state)
        benchmark::DoNotOptimize(saveDocumentAs(full.doc, full.file));
    state.SetBytesProcessed(state.iterations() * 25611);
}
BENCHMARK(BM_SaveFullDocument)->Unit(benchmark::kMicrosecond);

void BM_OpenFullDocument(benchmark::State& state) {
    FullDocument full;
    saveDocumentAs(full.doc, full.file);
    NoStarter starter;
    VersionTable table;
    table.Pairs = {{"V100", "V100"}};
    const ProgramVersions versions(table, "/nonexistent", "zq61", starter);
    for (auto _ : state) {
        const OpenResult result = openDocument(full.doc, full.file, versions);
        if (result != OpenResult::Opened) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * 25611);
}
BENCHMARK(BM_OpenFullDocument)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zq61
