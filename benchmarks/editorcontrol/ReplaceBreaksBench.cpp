#include <benchmark/benchmark.h>

#include <chrono>

#include "benchmarks/editorcontrol/HeapPeak.h"
#include "editor/search/SrcEditSearch.h"
#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

// Replace All of ";" by a line break over Lines lines, with one hit in
// each (";"), or only in the first of lines "abc defgh" (the rest of the
// range holds none), under eoTrimTrailingSpaces or not.
struct BreakText : SrcEditTestBase {
    BreakText(int Lines, bool OnlyFirst, bool Trim) {
        WithOption(eoTrimTrailingSpaces, Trim);
        TSrcEditStringList& lines = edit->Lines();
        lines.BeginUpdate();
        for (int i = 0; i < Lines; ++i) {
            lines.Add(!OnlyFirst ? ";" : i == 0 ? "abc;defgh" : "abc defgh");
        }
        lines.EndUpdate();
        edit->SetSearchEngine(&engine);
    }
    ~BreakText() { edit->SetSearchEngine(nullptr); }
    TSrcEditSearch engine;
};

using Clock = std::chrono::steady_clock;

// Time and heap rise of the Replace All; the lines it leaves are checked.
void MeasureBreak(benchmark::State& state, bool OnlyFirst, bool Trim) {
    const int count = static_cast<int>(state.range(0));
    double rise = 0;
    for (auto _ : state) {
        BreakText text(count, OnlyFirst, Trim);
        const size_t before = HeapBytesNow();
        ResetHeapPeak();
        const Clock::time_point start = Clock::now();
        const int found = text.edit->SearchReplace(";", "\r", {ssoReplaceAll, ssoEntireScope});
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        rise = static_cast<double>(HeapBytesPeak() - before);
        const TSrcEditStringList& lines = text.edit->Lines();
        const int hits = OnlyFirst ? 1 : count;
        if (found != hits || lines.Count() != count + hits || lines.Line(0) != (OnlyFirst ? "abc" : "")) {
            state.SkipWithError("the replace did not do its work");
        }
    }
    state.counters["rise MB"] = rise / (1 << 20);
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(count) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_BreakEveryLineTrimmed(benchmark::State& state) { MeasureBreak(state, false, true); }
void BM_BreakEveryLine(benchmark::State& state) { MeasureBreak(state, false, false); }
void BM_BreakFirstOfManyLines(benchmark::State& state) { MeasureBreak(state, true, false); }

void Lines(benchmark::internal::Benchmark* b) {
    b->ArgName("lines")->Arg(10000)->Arg(40000)->Arg(160000);
    b->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();
}
BENCHMARK(BM_BreakEveryLineTrimmed)->Apply(Lines);
BENCHMARK(BM_BreakEveryLine)->Apply(Lines);
BENCHMARK(BM_BreakFirstOfManyLines)->ArgName("lines")->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();

}  // namespace
