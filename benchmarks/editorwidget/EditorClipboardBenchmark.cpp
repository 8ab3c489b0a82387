// Clipboard and undo work in the editor widget and in QPlainTextEdit on the
// 100,000-line scene, offscreen: select all and copy, a paste of 10,000
// lines and its Undo, Undo and Redo of a 1,000-character typing run.
// Compare each _Editor figure with its _Peer one.
#include <benchmark/benchmark.h>

#include <QClipboard>
#include <QTextBlock>

#include "benchmarks/editorwidget/WidgetBenchScene.h"

namespace {

constexpr int kPasteLines = 10000;
constexpr int kRun = 1000;

QString PasteText() {
    QString text;
    for (int i = 0; i < kPasteLines; ++i) {
        text += QStringLiteral("    pasted line %1 of the block;\n").arg(i);
    }
    return text;
}

void BM_SelectAllCopy_Editor(benchmark::State& state) {
    Editor editor(1920, 1080, true);
    for (auto _ : state) {
        editor.widget.CommandProcessor(ecSelectAll, '\0', nullptr);
        editor.widget.CommandProcessor(ecCopy, '\0', nullptr);
    }
}

void BM_SelectAllCopy_Peer(benchmark::State& state) {
    Peer peer(1920, 1080, true);
    for (auto _ : state) {
        peer.edit.selectAll();
        peer.edit.copy();
    }
}

// Times one step of a pair (First, then Second) with the other untimed.
template <typename TFirst, typename TSecond>
void TimeOneOfPair(benchmark::State& state, bool TimeSecond, TFirst First, TSecond Second) {
    for (auto _ : state) {
        if (TimeSecond) {
            state.PauseTiming();
        }
        First();
        if (TimeSecond) {
            state.ResumeTiming();
        } else {
            state.PauseTiming();
        }
        Second();
        if (!TimeSecond) {
            state.ResumeTiming();
        }
    }
}

// A paste of 10,000 lines in the middle and its Undo.
void PasteRun_Editor(benchmark::State& state, bool TimeUndo) {
    Editor editor(1920, 1080, true);
    QGuiApplication::clipboard()->setText(PasteText());
    TimeOneOfPair(
        state, TimeUndo,
        [&] {
            editor.widget.SetCaretXY(BufferCoord(1, kLines / 2));
            editor.widget.PasteFromClipboard();
            editor.Paint();
        },
        [&] {
            editor.widget.Undo();
            editor.Paint();
        });
}

void PasteRun_Peer(benchmark::State& state, bool TimeUndo) {
    Peer peer(1920, 1080, true);
    QGuiApplication::clipboard()->setText(PasteText());
    TimeOneOfPair(
        state, TimeUndo,
        [&] {
            PeerCursorTo(peer.edit, kLines / 2);
            peer.edit.paste();
            Flush();
        },
        [&] {
            peer.edit.undo();
            Flush();
        });
}

void BM_Paste10kLines_Editor(benchmark::State& state) { PasteRun_Editor(state, false); }
void BM_Paste10kLines_Peer(benchmark::State& state) { PasteRun_Peer(state, false); }
void BM_UndoPaste10kLines_Editor(benchmark::State& state) { PasteRun_Editor(state, true); }
void BM_UndoPaste10kLines_Peer(benchmark::State& state) { PasteRun_Peer(state, true); }

// Undo of a typed run and Redo of it, each timed with the other untimed.
void TypingRun_Editor(benchmark::State& state, bool TimeRedo) {
    Editor editor(1920, 1080, true);
    editor.widget.SetCaretXY(BufferCoord(1, kLines / 2));
    for (int i = 0; i < kRun; ++i) {
        editor.widget.CommandProcessor(ecChar, static_cast<char>('a' + i % 26), nullptr);
    }
    editor.Paint();
    TimeOneOfPair(
        state, TimeRedo,
        [&] {
            editor.widget.Undo();
            editor.Paint();
        },
        [&] {
            editor.widget.Redo();
            editor.Paint();
        });
}

void TypingRun_Peer(benchmark::State& state, bool TimeRedo) {
    Peer peer(1920, 1080, true);
    PeerCursorTo(peer.edit, kLines / 2);
    for (int i = 0; i < kRun; ++i) {
        peer.edit.insertPlainText(QString(QChar('a' + i % 26)));
    }
    Flush();
    TimeOneOfPair(
        state, TimeRedo,
        [&] {
            peer.edit.undo();
            Flush();
        },
        [&] {
            peer.edit.redo();
            Flush();
        });
}

void BM_UndoTypingRun_Editor(benchmark::State& state) { TypingRun_Editor(state, false); }
void BM_RedoTypingRun_Editor(benchmark::State& state) { TypingRun_Editor(state, true); }
void BM_UndoTypingRun_Peer(benchmark::State& state) { TypingRun_Peer(state, false); }
void BM_RedoTypingRun_Peer(benchmark::State& state) { TypingRun_Peer(state, true); }

}  // namespace

BENCHMARK(BM_SelectAllCopy_Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAllCopy_Peer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paste10kLines_Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paste10kLines_Peer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoPaste10kLines_Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoPaste10kLines_Peer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoTypingRun_Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoTypingRun_Peer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoTypingRun_Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoTypingRun_Peer)->Unit(benchmark::kMillisecond);
