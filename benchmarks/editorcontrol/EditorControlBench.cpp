#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

#include "benchmarks/editorcontrol/HeapPeak.h"
#include "editor/search/SrcEditSearch.h"
#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

constexpr int kLines = 100000;

// An editor over a fake window holding kLines lines of source-like text.
struct LargeBuffer : SrcEditTestBase {
    LargeBuffer() {
        TSrcEditStringList& lines = edit->Lines();
        lines.BeginUpdate();
        for (int i = 0; i < kLines; ++i) {
            lines.Add("    int value" + std::to_string(i) + " = compute(" + std::to_string(i) + ");\t// note");
        }
        lines.EndUpdate();
    }
    TBufferCoord RandomPos(std::mt19937& rng) {
        int line = std::uniform_int_distribution<int>(1, edit->Lines().Count())(rng);
        int length = static_cast<int>(edit->Lines()[line - 1].size());
        return BufferCoord(std::uniform_int_distribution<int>(1, length + 1)(rng), line);
    }
};

// One insertion and one deletion at random places, alternating single-line
// and multi-line text, in normal mode.
void BM_InsertDeleteRandomPositions(benchmark::State& state) {
    LargeBuffer buffer;
    std::mt19937 rng(42);
    TCustomSrcEdit& edit = *buffer.edit;
    for (auto _ : state) {
        edit.SetCaretXY(buffer.RandomPos(rng));
        edit.SetSelTextPrimitive((rng() & 1) ? "x = y;" : "a\r\nb\r\n");
        TBufferCoord from = buffer.RandomPos(rng);
        TBufferCoord to = BufferCoord(from.Char, std::min(from.Line + 1, edit.Lines().Count()));
        edit.SetCaretAndSelection(to, from, to);
        edit.SetSelTextPrimitive("");
    }
    state.counters["ops/s"] = benchmark::Counter(2.0 * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["lines"] = edit.Lines().Count();
}
BENCHMARK(BM_InsertDeleteRandomPositions)->Unit(benchmark::kMicrosecond);

// The same in column mode: three-line rectangles in, three-line rectangles out.
void BM_ColumnInsertDeleteRandomPositions(benchmark::State& state) {
    LargeBuffer buffer;
    std::mt19937 rng(7);
    TCustomSrcEdit& edit = *buffer.edit;
    edit.SetSelectionMode(smColumn);
    for (auto _ : state) {
        TBufferCoord at = buffer.RandomPos(rng);
        at.Line = std::min(at.Line, edit.Lines().Count() - 3);
        edit.SetCaretXY(at);
        edit.SetSelTextPrimitiveEx(smColumn, "ab\r\ncd\r\nef", false);
        edit.SetCaretAndSelection(BufferCoord(at.Char + 2, at.Line + 2), at, BufferCoord(at.Char + 2, at.Line + 2));
        edit.SetSelTextPrimitive("");
    }
    state.counters["ops/s"] = benchmark::Counter(2.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ColumnInsertDeleteRandomPositions)->Unit(benchmark::kMicrosecond);

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Time and heap peak of one step on a fresh buffer, after Prepare; Step
// answers whether it did its work.
template <typename TPrepare, typename TStep>
void MeasureStep(benchmark::State& state, TPrepare Prepare, TStep Step) {
    double peak = 0;
    for (auto _ : state) {
        LargeBuffer buffer;
        TSrcEditSearch engine;
        buffer.edit->SetSearchEngine(&engine);
        Prepare(*buffer.edit);
        size_t before = HeapBytesNow();
        ResetHeapPeak();
        const Clock::time_point start = Clock::now();
        bool done = Step(*buffer.edit);
        state.SetIterationTime(SecondsSince(start));
        peak = static_cast<double>(HeapBytesPeak() - before);
        if (!done) {
            state.SkipWithError("the step did not do its work");
        }
        buffer.edit->SetSearchEngine(nullptr);
    }
    state.counters["peak MB"] = peak / (1 << 20);
}

bool ReplaceAll(TCustomSrcEdit& edit) {
    return edit.SearchReplace("value", "amount", {ssoReplaceAll, ssoEntireScope}) == kLines;
}

// Replace All of kLines hits (one per line), then one Undo of it.
void BM_ReplaceAll100kHits(benchmark::State& state) {
    MeasureStep(state, [](TCustomSrcEdit&) {}, ReplaceAll);
}
BENCHMARK(BM_ReplaceAll100kHits)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

void BM_UndoReplaceAll100kHits(benchmark::State& state) {
    MeasureStep(state, [](TCustomSrcEdit& edit) { ReplaceAll(edit); },
                [](TCustomSrcEdit& edit) {
                    edit.Undo();
                    return !edit.CanUndo() && edit.Lines()[kLines - 1].find("value") != std::string::npos;
                });
}
BENCHMARK(BM_UndoReplaceAll100kHits)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

}  // namespace
