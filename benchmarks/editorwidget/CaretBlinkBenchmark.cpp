// One caret blink (the repaint of the caret's cell) with the Java
// highlighter: in an ordinary file, and in a file of one 10 MB line that is
// an unclosed comment or string, the caret at its start, at column 995 and
// at its very end (the scroll width widened to reach it). A blink should
// cost the same wherever the caret is.
#include <benchmark/benchmark.h>

#include "benchmarks/editorwidget/WidgetBenchScene.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/qt/SrcEditWindow.h"

namespace {

constexpr int kAtEnd = 0;

struct BlinkScene {
    BlinkScene(const std::string& Text, TBufferCoord Caret, bool ToLineEnd) {
        widget.SetFont(EditorFont());
        widget.Gutter().SetShowLineNumbers(true);
        widget.SetHighlighter(&highlighter);
        widget.SetAlwaysShowCaret(true);
        widget.resize(1280, 800);
        widget.show();
        widget.SetText(Text);
        widget.SetCaretXY(Caret);
        if (ToLineEnd) {
            widget.SetMaxScrollWidth(SRCEDIT_MAX_INT);
            widget.CommandProcessor(ecLineEnd, '\0', nullptr);
        }
        widget.EnsureCursorPosVisible();
        Flush();
    }
    ~BlinkScene() { widget.SetHighlighter(nullptr); }

    void Run(benchmark::State& state) {
        QRect cell = widget.Window().Caret().CellRect();
        if (cell.isEmpty()) {
            state.SkipWithError("no caret");
            return;
        }
        for (auto _ : state) {
            widget.viewport()->repaint(cell);
        }
        state.counters["column"] = widget.CaretX();
    }

    QApplication& app = App();
    TSrcJavaSrc highlighter;
    TSrcEditWidget widget;
};

void BM_CaretBlink_OrdinaryFile(benchmark::State& state) {
    BlinkScene scene(SourceText(), BufferCoord(10, 20), false);
    scene.Run(state);
}

// Column state.range(0) of the long line, or its end for kAtEnd.
void BlinkInLongLine(benchmark::State& state, const std::string& Opening) {
    static const size_t kSize = 10u << 20;
    std::string line = Opening + std::string(kSize - Opening.size(), 'c');
    int column = static_cast<int>(state.range(0));
    BlinkScene scene(line, BufferCoord(column == kAtEnd ? 1 : column, 1), column == kAtEnd);
    scene.Run(state);
}

void BM_CaretBlink_TenMegabyteComment(benchmark::State& state) { BlinkInLongLine(state, "/*"); }
void BM_CaretBlink_TenMegabyteString(benchmark::State& state) { BlinkInLongLine(state, "\""); }

}  // namespace

BENCHMARK(BM_CaretBlink_OrdinaryFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaretBlink_TenMegabyteComment)->Arg(1)->Arg(995)->Arg(kAtEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaretBlink_TenMegabyteString)->Arg(1)->Arg(995)->Arg(kAtEnd)->Unit(benchmark::kMicrosecond);
