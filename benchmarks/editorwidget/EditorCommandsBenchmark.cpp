// Commands from the key event to the end of the repaint, in the editor
// widget and in QPlainTextEdit (same text and highlighting, 1920 x 1080,
// offscreen): a keystroke in the middle of the file, Enter there, "/*"
// typed on line 1 (every later line's highlighting changes), and Page Down
// through the whole file. Compare each _Editor figure with its _Peer one.
// A keystroke on the longest line in the middle of files of 1,000 and
// 1,000,000 lines should cost the same in both.
#include <benchmark/benchmark.h>

#include <QKeyEvent>
#include <QTextBlock>

#include "benchmarks/editorwidget/WidgetBenchScene.h"

namespace {

constexpr int kMiddle = kLines / 2;

void Press(QWidget& Target, int Key, const QString& Text = QString(),
           Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, Key, Modifiers, Text);
    QApplication::sendEvent(&Target, &press);
    QKeyEvent release(QEvent::KeyRelease, Key, Modifiers, Text);
    QApplication::sendEvent(&Target, &release);
    Flush();
}

void PlaceCursor(PeerEditor& Edit, int Line, int Column) {
    PeerCursorTo(Edit, Line, Column);
    Flush();
}

// A typed character, then Backspace, so that the line stays as it was.
void BM_KeystrokeToPaint_Editor(benchmark::State& state) {
    Editor editor(1920, 1080, true);
    editor.widget.SetCaretXY(BufferCoord(10, kMiddle));
    Flush();
    bool type = true;
    for (auto _ : state) {
        type ? Press(editor.widget, Qt::Key_X, "x") : Press(editor.widget, Qt::Key_Backspace);
        type = !type;
    }
}

void BM_KeystrokeToPaint_Peer(benchmark::State& state) {
    Peer peer(1920, 1080, true);
    PlaceCursor(peer.edit, kMiddle, 10);
    bool type = true;
    for (auto _ : state) {
        type ? Press(peer.edit, Qt::Key_X, "x") : Press(peer.edit, Qt::Key_Backspace);
        type = !type;
    }
}

// Code-like lines, the middle one the longest of the file.
std::string TextWithLongestLineInMiddle(int Lines) {
    std::string text;
    for (int i = 1; i <= Lines; ++i) {
        text += "    if (value" + std::to_string(i) + " > limit) return total; int x = y;";
        if (i == Lines / 2) {
            text += std::string(120, ' ') + "// the longest line";
        }
        text += "\r\n";
    }
    return text;
}

// A typed character and a Backspace on the longest line, at its middle:
// the one lengthens the longest line, the other shortens it again.
void BM_KeystrokeOnLongestLine_Editor(benchmark::State& state) {
    int lines = static_cast<int>(state.range(0));
    Editor editor(1920, 1080, false);
    editor.widget.SetText(TextWithLongestLineInMiddle(lines));
    editor.widget.SetCaretXY(BufferCoord(100, lines / 2));
    Flush();
    int longest = editor.widget.Lines().GetLengthOfLongestLine();
    bool type = true;
    for (auto _ : state) {
        type ? Press(editor.widget, Qt::Key_X, "x") : Press(editor.widget, Qt::Key_Backspace);
        type = !type;
    }
    if (editor.widget.Lines().GetLengthOfLongestLine() != longest + (type ? 0 : 1)) {
        state.SkipWithError("the longest line's length is wrong");
    }
}

// Enter at a line's start; the line is joined back outside the timing.
void BM_EnterToPaint_Editor(benchmark::State& state) {
    Editor editor(1920, 1080, true);
    editor.widget.SetCaretXY(BufferCoord(1, kMiddle));
    Flush();
    for (auto _ : state) {
        Press(editor.widget, Qt::Key_Return, "\r");
        state.PauseTiming();
        Press(editor.widget, Qt::Key_Backspace);
        state.ResumeTiming();
    }
}

void BM_EnterToPaint_Peer(benchmark::State& state) {
    Peer peer(1920, 1080, true);
    PlaceCursor(peer.edit, kMiddle, 1);
    for (auto _ : state) {
        Press(peer.edit, Qt::Key_Return, "\r");
        state.PauseTiming();
        Press(peer.edit, Qt::Key_Backspace);
        state.ResumeTiming();
    }
}

// The lines of the scene without block comments, so that "/*" on line 1
// comments out all the rest.
const std::string& TextWithoutComments() {
    static const std::string text = [] {
        std::string result;
        for (int i = 1; i <= kLines; ++i) {
            result += "    if (value" + std::to_string(i) + " > limit) return total; int x = y;\r\n";
        }
        return result;
    }();
    return text;
}

// "/*" at the start of line 1; removed again outside the timing.
void BM_OpenCommentOnLine1_Editor(benchmark::State& state) {
    Editor editor(1920, 1080, false);
    editor.widget.SetText(TextWithoutComments());
    editor.widget.SetCaretXY(BufferCoord(1, 1));
    Flush();
    TSrcEditRange lastRange = editor.widget.Lines().Ranges(kLines - 1);
    for (auto _ : state) {
        Press(editor.widget, Qt::Key_Slash, "/");
        Press(editor.widget, Qt::Key_Asterisk, "*");
        state.PauseTiming();
        if (editor.widget.Lines().Ranges(kLines - 1) == lastRange) {
            state.SkipWithError("the last line's range did not change");
        }
        Press(editor.widget, Qt::Key_Backspace);
        Press(editor.widget, Qt::Key_Backspace);
        state.ResumeTiming();
    }
}

void BM_OpenCommentOnLine1_Peer(benchmark::State& state) {
    Peer peer(1920, 1080, false);
    peer.edit.setPlainText(QString::fromStdString(TextWithoutComments()));
    PlaceCursor(peer.edit, 1, 1);
    for (auto _ : state) {
        Press(peer.edit, Qt::Key_Slash, "/");
        Press(peer.edit, Qt::Key_Asterisk, "*");
        state.PauseTiming();
        Press(peer.edit, Qt::Key_Backspace);
        Press(peer.edit, Qt::Key_Backspace);
        state.ResumeTiming();
    }
}

// One Page Down per iteration; at the end the caret goes back to the top
// outside the timing.
void BM_PageDownToPaint_Editor(benchmark::State& state) {
    Editor editor(1920, 1080, true);
    for (auto _ : state) {
        if (editor.widget.CaretY() >= kLines) {
            state.PauseTiming();
            Press(editor.widget, Qt::Key_Home, QString(), Qt::ControlModifier);
            state.ResumeTiming();
        }
        Press(editor.widget, Qt::Key_PageDown);
    }
}

void BM_PageDownToPaint_Peer(benchmark::State& state) {
    Peer peer(1920, 1080, true);
    for (auto _ : state) {
        if (peer.edit.textCursor().blockNumber() + 1 >= kLines) {
            state.PauseTiming();
            Press(peer.edit, Qt::Key_Home, QString(), Qt::ControlModifier);
            state.ResumeTiming();
        }
        Press(peer.edit, Qt::Key_PageDown);
    }
}

}  // namespace

BENCHMARK(BM_KeystrokeToPaint_Editor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeToPaint_Peer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeOnLongestLine_Editor)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnterToPaint_Editor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnterToPaint_Peer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenCommentOnLine1_Editor)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_OpenCommentOnLine1_Peer)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_PageDownToPaint_Editor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PageDownToPaint_Peer)->Unit(benchmark::kMicrosecond);
