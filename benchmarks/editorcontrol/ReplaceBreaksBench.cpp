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

// Lines "abc defgh ;" under eoTrimTrailingSpaces, ";" replaced by a line
// break: each broken line loses its blank. Time of Step after Prepare.
template <typename TPrepare, typename TStep>
void MeasureTrimmedBreak(benchmark::State& state, TPrepare Prepare, TStep Step, bool Broken) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        BreakText text(count, false, true);
        TSrcEditStringList& lines = text.edit->Lines();
        lines.BeginUpdate();
        for (int i = 0; i < count; ++i) {
            lines.Put(i, "abc defgh ;");
        }
        lines.EndUpdate();
        Prepare(*text.edit);
        const Clock::time_point start = Clock::now();
        const int found = Step(*text.edit);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        const bool done = Broken ? lines.Count() == 2 * count && lines.Line(0) == "abc defgh" && found != 0
                                 : lines.Count() == count && lines.Line(0) == "abc defgh ;";
        if (!done) {
            state.SkipWithError("the step did not do its work");
        }
    }
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(count) * state.iterations(), benchmark::Counter::kIsRate);
}

int BreakTrimmed(TCustomSrcEdit& Edit, bool Backwards) {
    TSrcSearchOptions options{ssoReplaceAll, ssoEntireScope};
    if (Backwards) {
        options.Include(ssoBackwards);
    }
    return Edit.SearchReplace(";", "\r\n", options);
}

void BM_BreakTrimmedBackwards(benchmark::State& state) {
    MeasureTrimmedBreak(
        state, [](TCustomSrcEdit&) {}, [](TCustomSrcEdit& edit) { return BreakTrimmed(edit, true); }, true);
}

void BM_UndoBreakTrimmed(benchmark::State& state) {
    MeasureTrimmedBreak(
        state, [](TCustomSrcEdit& edit) { BreakTrimmed(edit, false); },
        [](TCustomSrcEdit& edit) {
            edit.Undo();
            return 0;
        },
        false);
}

void BM_RedoBreakTrimmed(benchmark::State& state) {
    MeasureTrimmedBreak(
        state,
        [](TCustomSrcEdit& edit) {
            BreakTrimmed(edit, false);
            edit.Undo();
        },
        [](TCustomSrcEdit& edit) {
            edit.Redo();
            return 1;
        },
        true);
}

void Lines(benchmark::internal::Benchmark* b) {
    b->ArgName("lines")->Arg(10000)->Arg(40000)->Arg(160000);
    b->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();
}
void TrimmedLines(benchmark::internal::Benchmark* b) {
    b->ArgName("lines")->Arg(10000)->Arg(40000);
    b->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();
}
BENCHMARK(BM_BreakEveryLineTrimmed)->Apply(Lines);
BENCHMARK(BM_BreakEveryLine)->Apply(Lines);
BENCHMARK(BM_BreakTrimmedBackwards)->Apply(TrimmedLines);
BENCHMARK(BM_UndoBreakTrimmed)->Apply(TrimmedLines);
BENCHMARK(BM_RedoBreakTrimmed)->Apply(TrimmedLines);
BENCHMARK(BM_BreakFirstOfManyLines)->ArgName("lines")->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();

}  // namespace
