// Search and replace-all in an editor widget of 100,000 lines, offscreen,
// against QTextDocument's find and a cursor replace loop in a
// QPlainTextEdit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>
#include <string>

#include "benchmarks/editorwidget/WidgetBenchScene.h"
#include "editor/qt/SrcEditWidget.h"
#include "editor/search/SrcEditSearch.h"

namespace {

// Code-like lines; every line holds "value" once.
std::string LineText(int I) { return "    int value = compute(" + std::to_string(I) + ");  // a note"; }

QString PeerText() {
    QString text;
    for (int i = 1; i <= kLines; ++i) {
        text += QString::fromStdString(LineText(i)) + '\n';
    }
    return text;
}

struct Editor {
    Editor() {
        widget.resize(800, 600);
        widget.show();
        widget.SetSearchEngine(&engine);
        widget.Lines().BeginUpdate();
        for (int i = 1; i <= kLines; ++i) {
            widget.Lines().Add(LineText(i));
        }
        widget.Lines().EndUpdate();
        QApplication::processEvents();
    }
    QApplication& app = App();
    TSrcEditSearch engine;
    TSrcEditWidget widget;
};

void BM_SearchFindsNothing(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) {
        editor.widget.SetCaretXY(BufferCoord(1, 1));
        benchmark::DoNotOptimize(editor.widget.SearchReplace("nowhere", "", {ssoEntireScope}));
    }
}
BENCHMARK(BM_SearchFindsNothing)->Unit(benchmark::kMillisecond);

void BM_PeerFindsNothing(benchmark::State& state) {
    App();
    QPlainTextEdit peer;
    peer.setPlainText(PeerText());
    for (auto _ : state) {
        benchmark::DoNotOptimize(peer.document()->find(QStringLiteral("nowhere")));
    }
}
BENCHMARK(BM_PeerFindsNothing)->Unit(benchmark::kMillisecond);

void BM_ReplaceAllOfAWord(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<Editor>();
        state.ResumeTiming();
        int count = editor->widget.SearchReplace("value", "amount", {ssoEntireScope, ssoReplaceAll});
        QApplication::processEvents();
        if (count != kLines) {
            state.SkipWithError("not every occurrence replaced");
        }
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReplaceAllOfAWord)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PeerReplaceAllOfAWord(benchmark::State& state) {
    App();
    for (auto _ : state) {
        state.PauseTiming();
        auto peer = std::make_unique<QPlainTextEdit>();
        peer->setPlainText(PeerText());
        state.ResumeTiming();
        QTextCursor edit(peer->document());
        edit.beginEditBlock();
        for (QTextCursor found = peer->document()->find(QStringLiteral("value")); !found.isNull();
             found = peer->document()->find(QStringLiteral("value"), found)) {
            found.insertText(QStringLiteral("amount"));
        }
        edit.endEditBlock();
        state.PauseTiming();
        peer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PeerReplaceAllOfAWord)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
