// The editor widget against QPlainTextEdit doing the same work (same
// highlighting, line numbers on), offscreen: load and first paint, full
// repaint, edit-to-paint and scrolling. Compare each _Editor figure with
// its _Peer figure.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>

#include <cstdlib>
#include <memory>
#include <string>

#include "benchmarks/editorwidget/PeerEditor.h"
#include "editor/qt/SrcEditWidget.h"
#include "tests/editor/common/ThreeStyleHighlighter.h"

namespace {

constexpr int kLines = 100000;

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_editorwidget";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Code-like lines with a three-line block comment every 50 lines.
const std::string& SourceText() {
    static const std::string text = [] {
        std::string result;
        for (int i = 1; i <= kLines; ++i) {
            switch (i % 50) {
            case 10: result += "    /* a block comment that opens here"; break;
            case 11: result += "       and runs on over this line"; break;
            case 12: result += "       to close here */ int after = 0;"; break;
            default:
                result += "    if (value" + std::to_string(i) + " > limit) return total + " + std::to_string(i * 7) +
                          "; int x = y;";
            }
            result += "\r\n";
        }
        return result;
    }();
    return text;
}

TFont EditorFont() {
    TFont font;
    font.SetName("DejaVu Sans Mono");
    font.SetSize(10);
    return font;
}

void Flush() { QCoreApplication::processEvents(); }

// The editor widget with the test highlighter and line numbers, shown.
struct Editor {
    Editor(int Width, int Height, bool Load) {
        widget.SetFont(EditorFont());
        widget.Gutter().SetShowLineNumbers(true);
        widget.SetHighlighter(&highlighter);
        widget.resize(Width, Height);
        widget.show();
        if (Load) {
            widget.SetText(SourceText());
        }
        Flush();
    }
    ~Editor() { widget.SetHighlighter(nullptr); }
    // Paints what is pending the way the peer does: through the event loop.
    void Paint() { Flush(); }

    QApplication& app = App();
    ThreeStyleHighlighter highlighter;
    TSrcEditWidget widget;
};

struct Peer {
    Peer(int Width, int Height, bool Load) {
        edit.setFont(QFont("DejaVu Sans Mono", 10));
        edit.resize(Width, Height);
        edit.show();
        if (Load) {
            edit.setPlainText(QString::fromStdString(SourceText()));
        }
        Flush();
    }
    QApplication& app = App();
    PeerEditor edit;
};

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
    QTextCursor cursor(peer.edit.document()->findBlockByNumber(19));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 9);
    peer.edit.setTextCursor(cursor);
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
