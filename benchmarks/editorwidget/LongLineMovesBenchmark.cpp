// Caret moves from the key event to the end of the repaint, with the Java
// highlighter, in a file of one code-like line of 200 characters and of
// 50 MB: Right and Left, Ctrl+Right and Ctrl+Left, End and Home. Each pair
// brings the caret back, so every press starts from the same place. The
// view is narrower than the short line, so that End and Home scroll it on
// both lines. A move on the long line should cost what it costs on the
// short one.
#include <benchmark/benchmark.h>

#include <QKeyEvent>

#include "benchmarks/editorwidget/WidgetBenchScene.h"
#include "editor/highlight/SrcHighlighterJava.h"

namespace {

enum TMovePair { kArrows, kWords, kEndHome };

struct TMoveKeys {
    const char* Name;
    int There;
    int Back;
    Qt::KeyboardModifiers Modifiers;
};

constexpr TMoveKeys kPairs[] = {
    {"Right, Left", Qt::Key_Right, Qt::Key_Left, Qt::NoModifier},
    {"Ctrl+Right, Ctrl+Left", Qt::Key_Right, Qt::Key_Left, Qt::ControlModifier},
    {"End, Home", Qt::Key_End, Qt::Key_Home, Qt::NoModifier},
};

std::string CodeLine(size_t Size) {
    static const std::string piece = "total = compute(value, limit); ";
    std::string line;
    line.reserve(Size + piece.size());
    while (line.size() < Size) {
        line += piece;
    }
    line.resize(Size);
    return line;
}

void Press(QWidget& Target, int Key, Qt::KeyboardModifiers Modifiers) {
    QKeyEvent press(QEvent::KeyPress, Key, Modifiers);
    QApplication::sendEvent(&Target, &press);
    QKeyEvent release(QEvent::KeyRelease, Key, Modifiers);
    QApplication::sendEvent(&Target, &release);
    Flush();
}

// state.range(0): the pair of moves; state.range(1): the line's length.
void BM_MoveToPaint_Editor(benchmark::State& state) {
    const TMoveKeys& keys = kPairs[state.range(0)];
    App();
    TSrcJavaSrc highlighter;
    TSrcEditWidget widget;
    widget.SetFont(EditorFont());
    widget.Gutter().SetShowLineNumbers(true);
    widget.SetHighlighter(&highlighter);
    widget.resize(1280, 800);
    widget.show();
    widget.SetText(CodeLine(static_cast<size_t>(state.range(1))));
    widget.SetCaretXY(BufferCoord(94, 1));  // a word's start
    // The first paint at the long line's end scans the line once; that
    // scan is not a move's cost.
    Press(widget, keys.There, keys.Modifiers);
    Press(widget, keys.Back, keys.Modifiers);
    TBufferCoord start = widget.CaretXY();
    bool there = true;
    for (auto _ : state) {
        Press(widget, there ? keys.There : keys.Back, keys.Modifiers);
        there = !there;
    }
    if (there && widget.CaretXY() != start) {
        state.SkipWithError("the caret did not come back");
    }
    state.SetLabel(keys.Name);
    widget.SetHighlighter(nullptr);
}

constexpr int64_t kShort = 200;
constexpr int64_t kLong = 50 << 20;

}  // namespace

BENCHMARK(BM_MoveToPaint_Editor)
    ->ArgsProduct({{kArrows, kWords, kEndHome}, {kShort, kLong}})
    ->Unit(benchmark::kMicrosecond);
