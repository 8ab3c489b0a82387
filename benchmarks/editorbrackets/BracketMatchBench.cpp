#include <benchmark/benchmark.h>

#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/TokenHighlighter.h"

namespace {

constexpr int kLines = 100000;
constexpr size_t kLongLine = 1 << 20;

// An editor with the test highlighter; the first character opens the
// bracket that the last character of the text closes.
struct BracketBuffer : SrcEditTestBase {
    TokenHighlighter highlighter;

    explicit BracketBuffer(bool OneLongLine) {
        edit->SetHighlighter(&highlighter);
        TSrcEditStringList& lines = edit->Lines();
        lines.BeginUpdate();
        if (OneLongLine) {
            std::string line = "(";
            while (line.size() < kLongLine) {
                line += "f(a[i]) + \"(\" /* ) */ ";
            }
            lines.Add(line + ")");
        } else {
            lines.Add("(");
            for (int i = 0; i < kLines; ++i) {
                lines.Add("    call(value[" + std::to_string(i) + "], \")\");  // (note");
            }
            lines.Add(")");
        }
        lines.EndUpdate();
    }
    ~BracketBuffer() { edit->SetHighlighter(nullptr); }
};

void RunMatch(benchmark::State& state, bool OneLongLine) {
    BracketBuffer buffer(OneLongLine);
    TBufferCoord expected = OneLongLine ? BufferCoord(static_cast<int>(buffer.edit->Lines()[0].size()), 1)
                                        : BufferCoord(1, kLines + 2);
    for (auto _ : state) {
        TBufferCoord match = buffer.edit->GetMatchingBracketEx(BufferCoord(1, 1));
        if (!(match == expected)) {
            state.SkipWithError("wrong match");
            break;
        }
        benchmark::DoNotOptimize(match);
    }
}

void BM_BracketMatchAcrossLines(benchmark::State& state) { RunMatch(state, false); }
void BM_BracketMatchAcrossOneMegabyteLine(benchmark::State& state) { RunMatch(state, true); }

BENCHMARK(BM_BracketMatchAcrossLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BracketMatchAcrossOneMegabyteLine)->Unit(benchmark::kMillisecond);

}  // namespace
