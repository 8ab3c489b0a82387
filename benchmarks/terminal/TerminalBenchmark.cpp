// Received text into the terminal window with its view, offscreen: 60-byte
// lines scrolling at row 300, painted after each chunk. The peer is a
// QPlainTextEdit kept to 300 lines, fed the same lines.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>

#include <string>

#include "benchmarks/common/OffscreenApplication.h"
#include "ide/terminal/MessageForm.h"

namespace {

constexpr int kLinesPerChunk = 100;

QApplication& App() { return OffscreenApplication("bench_terminal"); }

// Lines of 58 characters and CR LF.
std::string Chunk()
{
    std::string chunk;
    for (int i = 0; i < kLinesPerChunk; ++i) {
        std::string line = "value " + std::to_string(i) + " reads ";
        line.resize(58, '.');
        chunk += line + "\r\n";
    }
    return chunk;
}

void BM_AddText_Terminal(benchmark::State& state)
{
    App();
    TMessageForm form;
    form.show();
    const std::string chunk = Chunk();
    for (int i = 0; i < 4; ++i) form.AddText(chunk);  // scrolling from here on
    for (auto _ : state) {
        form.AddText(chunk);
        QApplication::processEvents();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(chunk.size()));
}
BENCHMARK(BM_AddText_Terminal)->Unit(benchmark::kMicrosecond);

void BM_AddText_Peer(benchmark::State& state)
{
    App();
    QPlainTextEdit view;
    view.setReadOnly(true);
    view.setMaximumBlockCount(300);
    view.resize(421, 200);
    view.show();
    std::string chunk = Chunk();
    const QString text = QString::fromLatin1(chunk.data(), qsizetype(chunk.size() - 2)).remove('\r');
    for (int i = 0; i < 4; ++i) view.appendPlainText(text);
    for (auto _ : state) {
        view.appendPlainText(text);
        QApplication::processEvents();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(chunk.size()));
}
BENCHMARK(BM_AddText_Peer)->Unit(benchmark::kMicrosecond);

}  // namespace
