// The editor widget against QPlainTextEdit doing the same work (same
// highlighting, line numbers on), offscreen: load and first paint, full
// repaint, edit-to-paint and scrolling. Compare each _Editor figure with
// its _Peer figure.
#include <benchmark/benchmark.h>

#include <QScrollBar>
#include <QTextBlock>

#include <memory>

#include "benchmarks/editorwidget/WidgetBenchScene.h"

namespace {

void BM_LoadAndFirstPaint_Editor(benchmark::State& state) {
    Editor editor(1920, 1080, false);
    for (auto _ : state) {
        editor.widget.SetText(SourceText());
        editor.widget.viewport()->repaint();
        Flush();
    }
}

void BM_LoadAndFirstPaint_Peer(benchmark::State& state) {
    Peer peer(1920, 1080, false);
    QString text = QString::fromStdString(SourceText());
    for (auto _ : state) {
        peer.edit.setPlainText(text);
        peer.edit.viewport()->repaint();
        Flush();
    }
}

void BM_FullRepaint1080pSelection_Editor(benchmark::State& state) {
    Editor editor(1920, 1080, true);
    editor.widget.SetBlockBegin(BufferCoord(8, 10));
    editor.widget.SetBlockEnd(BufferCoord(20, 40));
    Flush();
    for (auto _ : state) {
        editor.widget.viewport()->repaint();
    }
}

void BM_FullRepaint1080pSelection_Peer(benchmark::State& state) {
    Peer peer(1920, 1080, true);
    QTextCursor cursor(peer.edit.document()->findBlockByNumber(9));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 7);
    QTextCursor end(peer.edit.document()->findBlockByNumber(39));
    cursor.setPosition(end.position() + 19, QTextCursor::KeepAnchor);
    peer.edit.setTextCursor(cursor);
    Flush();
    for (auto _ : state) {
        peer.edit.viewport()->repaint();
    }
}

void BM_EditToPaint_Editor(benchmark::State& state) {
    Editor editor(1920, 1080, true);
    editor.widget.SetCaretXY(BufferCoord(10, 20));
    bool insert = true;
    for (auto _ : state) {
        if (insert) {
            editor.widget.SetSelTextPrimitive("x");
        } else {
            TBufferCoord caret = editor.widget.CaretXY();
            editor.widget.SetBlockBegin(BufferCoord(caret.Char - 1, caret.Line));
            editor.widget.SetBlockEnd(caret);
            editor.widget.SetSelTextPrimitive("");
        }
        insert = !insert;
        editor.Paint();
    }
}

void BM_EditToPaint_Peer(benchmark::State& state) {
    Peer peer(1920, 1080, true);
    PeerCursorTo(peer.edit, 20, 10);
    bool insert = true;
    for (auto _ : state) {
        QTextCursor at = peer.edit.textCursor();
        if (insert) {
            at.insertText("x");
        } else {
            at.deletePreviousChar();
        }
        insert = !insert;
        Flush();
    }
}

void ScrollEditor(benchmark::State& state, bool Page) {
    Editor editor(1920, 1080, true);
    int step = Page ? editor.widget.LinesInWindow() : 1;
    for (auto _ : state) {
        int next = editor.widget.TopLine() + step;
        if (next > kLines - 2 * editor.widget.LinesInWindow()) {
            state.PauseTiming();
            editor.widget.SetTopLine(1);
            editor.Paint();
            state.ResumeTiming();
            continue;
        }
        editor.widget.SetTopLine(next);
        editor.Paint();
    }
}

void ScrollPeer(benchmark::State& state, bool Page) {
    Peer peer(1920, 1080, true);
    QScrollBar& bar = *peer.edit.verticalScrollBar();
    int step = Page ? bar.pageStep() : 1;
    for (auto _ : state) {
        if (bar.value() + step > bar.maximum() - bar.pageStep()) {
            state.PauseTiming();
            bar.setValue(0);
            Flush();
            state.ResumeTiming();
            continue;
        }
        bar.setValue(bar.value() + step);
        Flush();
    }
}

void BM_ScrollLine_Editor(benchmark::State& state) { ScrollEditor(state, false); }
void BM_ScrollLine_Peer(benchmark::State& state) { ScrollPeer(state, false); }
void BM_ScrollPage_Editor(benchmark::State& state) { ScrollEditor(state, true); }
void BM_ScrollPage_Peer(benchmark::State& state) { ScrollPeer(state, true); }

}  // namespace

BENCHMARK(BM_LoadAndFirstPaint_Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndFirstPaint_Peer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaint1080pSelection_Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaint1080pSelection_Peer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditToPaint_Editor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditToPaint_Peer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollLine_Editor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollLine_Peer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollPage_Editor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollPage_Peer)->Unit(benchmark::kMicrosecond);
