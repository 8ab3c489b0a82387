#include <benchmark/benchmark.h>

#include <chrono>

#include "benchmarks/editorcontrol/HeapPeak.h"
#include "editor/search/SrcEditSearch.h"
#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

// Replace All of "ijk" by "IJK", its Undo and its Redo, over the same hits
// in two shapes: one line of HitsArg * 10 bytes, or LinesArg lines holding
// the same bytes, with the control's default options. The same for ";" by
// ";\r\n", which breaks every line at each hit, also under eoNoSelection in
// a wrapping view, and backwards.
const std::string kUnit = "ijk abcde ";
const std::string kBreakUnit = "abc defgh;";

struct HitText : SrcEditTestBase {
    HitText(int Hits, int LineCount, const std::string& Unit = kUnit, bool NoSelectionWrapped = false) {
        if (NoSelectionWrapped) {
            TSrcEditorOptions options = edit->Options();
            options.Include(eoNoSelection);
            edit->SetOptions(options);
            edit->SetWordWrap(true);
        }
        std::string line;
        line.reserve(Unit.size() * static_cast<size_t>(Hits / LineCount));
        for (int i = 0; i < Hits / LineCount; ++i) {
            line += Unit;
        }
        TSrcEditStringList& lines = edit->Lines();
        lines.BeginUpdate();
        for (int i = 0; i < LineCount; ++i) {
            lines.Add(line);
        }
        lines.EndUpdate();
        edit->SetSearchEngine(&engine);
    }
    ~HitText() { edit->SetSearchEngine(nullptr); }
    // Every line begins with Found and holds no trace of Gone.
    bool AllLinesShow(const std::string& Found, const std::string& Gone) const {
        for (int i = 0; i < edit->Lines().Count(); ++i) {
            const std::string& line = edit->Lines().Line(i);
            if (line.compare(0, Found.size(), Found) != 0 || line.find(Gone) != std::string::npos) {
                return false;
            }
        }
        return true;
    }
    TSrcEditSearch engine;
};

using Clock = std::chrono::steady_clock;

int ReplaceAll(TCustomSrcEdit& Edit) { return Edit.SearchReplace("ijk", "IJK", {ssoReplaceAll, ssoEntireScope}); }

// Time of Step after Prepare, on fresh text, and the heap it takes: its
// peak (text, records and all) and the rise of that peak over the heap
// before it. Check says whether the step did its work.
template <typename TPrepare, typename TStep, typename TCheck>
void MeasureShape(benchmark::State& state, TPrepare Prepare, TStep Step, TCheck Check,
                  const std::string& Unit = kUnit) {
    const int hits = static_cast<int>(state.range(0));
    double peak = 0;
    double rise = 0;
    for (auto _ : state) {
        HitText text(hits, static_cast<int>(state.range(1)), Unit, state.range(2) != 0);
        Prepare(*text.edit);
        size_t before = HeapBytesNow();
        ResetHeapPeak();
        const Clock::time_point start = Clock::now();
        Step(*text.edit);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        peak = static_cast<double>(HeapBytesPeak());
        rise = static_cast<double>(HeapBytesPeak() - before);
        if (!Check(text)) {
            state.SkipWithError("the step did not do its work");
        }
    }
    if (state.range(2) != 0) {
        HitText probe(1, 1, Unit, true);
        state.counters["wrap cols"] = probe.edit->WordWrap() ? probe.edit->CharsInWindow() : 0;
    }
    state.counters["peak MB"] = peak / (1 << 20);
    state.counters["rise MB"] = rise / (1 << 20);
    state.counters["hits/s"] = benchmark::Counter(static_cast<double>(hits) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
}

void BM_ReplaceAllShape(benchmark::State& state) {
    int found = 0;
    MeasureShape(
        state, [](TCustomSrcEdit&) {}, [&](TCustomSrcEdit& edit) { found = ReplaceAll(edit); },
        [&](const HitText& text) { return found == state.range(0) && text.AllLinesShow("IJK", "ijk"); });
}

void BM_UndoReplaceAllShape(benchmark::State& state) {
    MeasureShape(
        state, [](TCustomSrcEdit& edit) { ReplaceAll(edit); }, [](TCustomSrcEdit& edit) { edit.Undo(); },
        [](const HitText& text) { return text.AllLinesShow("ijk", "IJK") && !text.edit->Modified(); });
}

void BM_RedoReplaceAllShape(benchmark::State& state) {
    MeasureShape(
        state,
        [](TCustomSrcEdit& edit) {
            ReplaceAll(edit);
            edit.Undo();
        },
        [](TCustomSrcEdit& edit) { edit.Redo(); },
        [](const HitText& text) { return text.AllLinesShow("IJK", "ijk") && text.edit->Modified(); });
}

// Undo and Redo of a Replace All with one hit on each line, by "IJK" or,
// with by 0, by nothing.
std::string OnePerLineBy(const benchmark::State& state) { return state.range(3) != 0 ? "IJK" : ""; }

void BM_UndoReplaceAllOnePerLine(benchmark::State& state) {
    const std::string by = OnePerLineBy(state);
    MeasureShape(
        state, [&](TCustomSrcEdit& edit) { edit.SearchReplace("ijk", by, {ssoReplaceAll, ssoEntireScope}); },
        [](TCustomSrcEdit& edit) { edit.Undo(); },
        [](const HitText& text) { return text.AllLinesShow("ijk", "IJK") && !text.edit->Modified(); });
}

void BM_RedoReplaceAllOnePerLine(benchmark::State& state) {
    const std::string by = OnePerLineBy(state);
    MeasureShape(
        state,
        [&](TCustomSrcEdit& edit) {
            edit.SearchReplace("ijk", by, {ssoReplaceAll, ssoEntireScope});
            edit.Undo();
        },
        [](TCustomSrcEdit& edit) { edit.Redo(); },
        [&](const HitText& text) { return text.AllLinesShow(by + " abcde", "ijk") && text.edit->Modified(); });
}

int BreakAll(TCustomSrcEdit& Edit) { return Edit.SearchReplace(";", ";\r\n", {ssoReplaceAll, ssoEntireScope}); }
int BreakAllBack(TCustomSrcEdit& Edit) {
    return Edit.SearchReplace(";", ";\r\n", {ssoReplaceAll, ssoEntireScope, ssoBackwards});
}

// A line for each hit, each a unit, and an empty one after each line broken.
bool AllBroken(const HitText& Text, const benchmark::State& state) {
    const TSrcEditStringList& lines = Text.edit->Lines();
    int empty = 0;
    for (int i = 0; i < lines.Count(); ++i) {
        if (lines.Line(i).empty()) {
            ++empty;
        } else if (lines.Line(i) != kBreakUnit) {
            return false;
        }
    }
    return empty == state.range(1) && lines.Count() == state.range(0) + state.range(1);
}

void BM_BreakAllShape(benchmark::State& state) {
    int found = 0;
    MeasureShape(
        state, [](TCustomSrcEdit&) {}, [&](TCustomSrcEdit& edit) { found = BreakAll(edit); },
        [&](const HitText& text) {
            return found == state.range(0) && AllBroken(text, state);
        },
        kBreakUnit);
}

void BM_UndoBreakAllShape(benchmark::State& state) {
    MeasureShape(
        state, [](TCustomSrcEdit& edit) { BreakAll(edit); }, [](TCustomSrcEdit& edit) { edit.Undo(); },
        [&](const HitText& text) {
            return text.edit->Lines().Count() == state.range(1) && !text.edit->Modified();
        },
        kBreakUnit);
}

void BM_RedoBreakAllShape(benchmark::State& state) {
    MeasureShape(
        state,
        [](TCustomSrcEdit& edit) {
            BreakAll(edit);
            edit.Undo();
        },
        [](TCustomSrcEdit& edit) { edit.Redo(); },
        [&](const HitText& text) { return AllBroken(text, state) && text.edit->Modified(); }, kBreakUnit);
}

// The same run backwards.
void BM_BreakAllBackShape(benchmark::State& state) {
    int found = 0;
    MeasureShape(
        state, [](TCustomSrcEdit&) {}, [&](TCustomSrcEdit& edit) { found = BreakAllBack(edit); },
        [&](const HitText& text) { return found == state.range(0) && AllBroken(text, state); }, kBreakUnit);
}

void BM_UndoBreakAllBackShape(benchmark::State& state) {
    MeasureShape(
        state, [](TCustomSrcEdit& edit) { BreakAllBack(edit); }, [](TCustomSrcEdit& edit) { edit.Undo(); },
        [&](const HitText& text) {
            return text.edit->Lines().Count() == state.range(1) && !text.edit->Modified();
        },
        kBreakUnit);
}

void BM_RedoBreakAllBackShape(benchmark::State& state) {
    MeasureShape(
        state,
        [](TCustomSrcEdit& edit) {
            BreakAllBack(edit);
            edit.Undo();
        },
        [](TCustomSrcEdit& edit) { edit.Redo(); },
        [&](const HitText& text) { return AllBroken(text, state) && text.edit->Modified(); }, kBreakUnit);
}

// Hits, lines: 1 M hits on one 10 MB line, and over 100,000 lines.
void Shapes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"hits", "lines", "nosel_wrap"})->Args({1000000, 1, 0})->Args({1000000, 100000, 0});
    b->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();
}
// The same, and under eoNoSelection in a wrapping view.
void BreakShapes(benchmark::internal::Benchmark* b) {
    Shapes(b);
    b->Args({1000000, 1, 1})->Args({1000000, 100000, 1});
}
// As many hits as lines: 10,000 and 100,000, by nothing and by "IJK".
void OnePerLine(benchmark::internal::Benchmark* b) {
    b->ArgNames({"hits", "lines", "nosel_wrap", "by"});
    for (int lines : {10000, 100000}) {
        b->Args({lines, lines, 0, 0})->Args({lines, lines, 0, 1});
    }
    b->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();
}
// A small page: 100 hits on one line, and one on each of 100 lines.
void SmallShapes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"hits", "lines", "nosel_wrap"})->Args({100, 1, 0})->Args({100, 100, 0});
    b->Unit(benchmark::kMicrosecond)->Iterations(500)->UseManualTime();
}
BENCHMARK(BM_ReplaceAllShape)->Apply(Shapes);
BENCHMARK(BM_UndoReplaceAllShape)->Apply(Shapes);
BENCHMARK(BM_RedoReplaceAllShape)->Apply(Shapes);
BENCHMARK(BM_UndoReplaceAllOnePerLine)->Apply(OnePerLine);
BENCHMARK(BM_RedoReplaceAllOnePerLine)->Apply(OnePerLine);
BENCHMARK(BM_BreakAllShape)->Apply(BreakShapes);
BENCHMARK(BM_UndoBreakAllShape)->Apply(BreakShapes);
BENCHMARK(BM_RedoBreakAllShape)->Apply(BreakShapes);
BENCHMARK(BM_BreakAllBackShape)->Apply(Shapes);
BENCHMARK(BM_UndoBreakAllBackShape)->Apply(Shapes);
BENCHMARK(BM_RedoBreakAllBackShape)->Apply(Shapes);
BENCHMARK(BM_ReplaceAllShape)->Apply(SmallShapes);
BENCHMARK(BM_UndoReplaceAllShape)->Apply(SmallShapes);
BENCHMARK(BM_RedoReplaceAllShape)->Apply(SmallShapes);
BENCHMARK(BM_BreakAllShape)->Apply(SmallShapes);
BENCHMARK(BM_UndoBreakAllShape)->Apply(SmallShapes);
BENCHMARK(BM_RedoBreakAllShape)->Apply(SmallShapes);
BENCHMARK(BM_BreakAllBackShape)->Apply(SmallShapes);
BENCHMARK(BM_UndoBreakAllBackShape)->Apply(SmallShapes);
BENCHMARK(BM_RedoBreakAllBackShape)->Apply(SmallShapes);

}  // namespace
