#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "benchmarks/editorcontrol/HeapPeak.h"
#include "editor/search/SrcEditSearch.h"
#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

// One line of Units ten-byte units, split after each unit: by Enter with
// the caret moved along the line, or by a prompted Replace of ";" by
// ";\r\n" answered Replace at each hit. Reports the heap the editor keeps
// afterwards (lines and undo records) and its peak, both over the heap of
// the editor before the line came, beside the line's own size.
const std::string kUnit = "abc defgh;";

struct LongLine : SrcEditTestBase {
    explicit LongLine(int Units) {
        empty = HeapBytesNow();
        std::string line;
        line.reserve(kUnit.size() * static_cast<size_t>(Units));
        for (int i = 0; i < Units; ++i) {
            line += kUnit;
        }
        edit->Lines().Add(line);
        edit->SetSearchEngine(&engine);
        edit->OnReplaceText = TReplaceTextEvent::Of<&LongLine::AnswerReplace>(this);
    }
    ~LongLine() { edit->SetSearchEngine(nullptr); }
    void AnswerReplace(TObject*, const std::string&, const std::string&, int, int, TSrcReplaceAction& Action) {
        Action = raReplace;
    }
    // A line for each unit, then the empty line the last split left.
    bool AllSplit(int Units) const {
        const TSrcEditStringList& lines = edit->Lines();
        for (int i = 0; i < Units; ++i) {
            if (lines.Line(i) != kUnit) {
                return false;
            }
        }
        return lines.Count() == Units + 1 && lines.Line(Units).empty();
    }
    TSrcEditSearch engine;
    size_t empty = 0;
};

void PressEnterAlong(TCustomSrcEdit& Edit, int Units) {
    for (int line = 1; line <= Units; ++line) {
        Edit.SetCaretXY(BufferCoord(static_cast<int>(kUnit.size()) + 1, line));
        Edit.CommandProcessor(ecLineBreak, '\r', nullptr);
    }
}

void ReplacePrompted(TCustomSrcEdit& Edit, int) {
    Edit.SearchReplace(";", ";\r\n", {ssoReplaceAll, ssoPrompt, ssoEntireScope});
}

template <typename TSplit>
void MeasureSplits(benchmark::State& state, TSplit Split) {
    const int units = static_cast<int>(state.range(0));
    double kept = 0;
    double peak = 0;
    for (auto _ : state) {
        LongLine text(units);
        ResetHeapPeak();
        const auto start = std::chrono::steady_clock::now();
        Split(*text.edit, units);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        kept = static_cast<double>(HeapBytesNow() - text.empty);
        peak = static_cast<double>(HeapBytesPeak() - text.empty);
        if (!text.AllSplit(units)) {
            state.SkipWithError("the line was not split after each unit");
        }
    }
    state.counters["text MB"] = static_cast<double>(kUnit.size()) * units / (1 << 20);
    state.counters["kept MB"] = kept / (1 << 20);
    state.counters["peak MB"] = peak / (1 << 20);
}

void BM_EnterAlongLongLine(benchmark::State& state) { MeasureSplits(state, PressEnterAlong); }
void BM_PromptedBreaksAlongLongLine(benchmark::State& state) { MeasureSplits(state, ReplacePrompted); }

// 8,000 splits of an 80 KB line.
void Splits(benchmark::internal::Benchmark* b) {
    b->ArgNames({"units"})->Arg(8000)->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();
}
BENCHMARK(BM_EnterAlongLongLine)->Apply(Splits);
BENCHMARK(BM_PromptedBreaksAlongLongLine)->Apply(Splits);

}  // namespace
