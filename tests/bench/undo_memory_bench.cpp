// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history of a full document (409 channels): the memory 200 and
// 1000 steps hold for three kinds of step, and the time of recording a step
// and of undoing and redoing one.
//
// Kinds of step: 0 one channel field (a grid cell), 1 one setting (an
// option: the settings records are kept whole), 2 every channel and a
// setting at once (the largest step there is).

#include <benchmark/benchmark.h>

#include <memory>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "model/channel_list.h"
#include "model/document.h"
#include "model/document_history.h"
#include "silent_document_parts.h"

namespace zq61 {
namespace {

using bench::NoTexts;
using bench::SilentPrompter;

struct FullDocument {
    SilentPrompter prompter;
    NoTexts texts;
    Document doc{prompter, texts};
    FullDocument() {
        for (int ch = 1; ch <= kMaxChannels; ++ch)
            addChannel(doc, ch, "28.50000");
    }
};

// The heap in use, to check the history's own count against (glibc only).
std::size_t heapInUse() {
#if defined(__GLIBC__)
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}

// Step `n` of the given kind; every step changes the document (the values
// stay clear of what a new channel holds).
void edit(Document& doc, int kind, int n) {
    const auto value = static_cast<int16_t>(1000 + n);
    switch (kind) {
        case 0:
            doc.WorkChannels[static_cast<std::size_t>(n % kMaxChannels)].OffSetFre = value;
            break;
        case 1:
            doc.WorkData.Options.MaxLimit = value;
            break;
        default:
            for (ChannelRecord& ch : doc.WorkChannels)
                ch.OffSetFre = value;
            doc.WorkData.Options.MaxLimit = value;
            break;
    }
}

// Records `steps` steps; the counters are the memory the history holds then.
void BM_HistoryMemory(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const int steps = static_cast<int>(state.range(1));
    std::size_t bytes = 0, kept = 0, heap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FullDocument full;
        const std::size_t heapBefore = heapInUse();
        auto history = std::make_unique<DocumentHistory>();
        history->reset(full.doc);
        state.ResumeTiming();
        for (int n = 1; n <= steps; ++n) {
            edit(full.doc, kind, n);
            history->checkpoint(full.doc);
        }
        state.PauseTiming();
        bytes = history->memoryBytes();
        kept = history->undoSteps();
        heap = heapInUse() - heapBefore;
        history.reset();
        state.ResumeTiming();
    }
    state.counters["memory_bytes"] = static_cast<double>(bytes);
    state.counters["heap_bytes"] = static_cast<double>(heap);
    state.counters["steps_kept"] = static_cast<double>(kept);
    state.counters["bytes_per_step"] = static_cast<double>(bytes) / static_cast<double>(kept);
    state.counters["checkpoint_us"] = benchmark::Counter(
        static_cast<double>(steps),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_HistoryMemory)
    ->ArgNames({"kind", "steps"})
    ->ArgsProduct({{0, 1, 2}, {200, 1000}})
    ->Unit(benchmark::kMillisecond);

// A checkpoint when nothing changed: what every committed edit that changes
// nothing (moving through cells) costs.
void BM_CheckpointWithoutChange(benchmark::State& state) {
    FullDocument full;
    DocumentHistory history;
    history.reset(full.doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(history.checkpoint(full.doc));
}
BENCHMARK(BM_CheckpointWithoutChange)->Unit(benchmark::kMicrosecond);

// One undo and one redo with 200 steps of the given kind recorded.
void BM_UndoRedo(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    FullDocument full;
    DocumentHistory history;
    history.reset(full.doc);
    for (int n = 1; n <= 200; ++n) {
        edit(full.doc, kind, n);
        history.checkpoint(full.doc);
    }
    for (auto _ : state) {
        if (!history.undo(full.doc) || !history.redo(full.doc)) state.SkipWithError("no step");
    }
}
BENCHMARK(BM_UndoRedo)->ArgName("kind")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zq61
