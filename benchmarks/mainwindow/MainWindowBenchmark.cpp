// The main window: opening a 100,000-line source as a page (goal: under
// 300 ms), against QPlainTextEdit loading the same file with a highlighter
// and line numbers; and the action-list update that runs after every batch
// of events, with 20 pages open (goal: under 50 us).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <memory>
#include <string>

#include "benchmarks/common/OffscreenApplication.h"
#include "benchmarks/editorwidget/PeerEditor.h"
#include "ide/EditorForm.h"
#include "ide/ZARNSource.h"

namespace {

constexpr int kLines = 100000;

QApplication& App() { return OffscreenApplication("bench_mainwindow"); }

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

std::string SourceFile(const std::string& name, int lines)
{
    const std::string path = Folder().filePath(QString::fromStdString(name)).toStdString();
    std::ofstream out(path, std::ios::binary);
    for (int i = 1; i <= lines; ++i)
        out << "    if (value" << i << " > limit) return total + " << i * 7 << "; // line " << i << "\r\n";
    return path;
}

void BM_OpenPage_Editor(benchmark::State& state)
{
    App();
    const std::string path = SourceFile("Big.java", kLines);
    TEditorForm form;
    form.resize(800, 600);
    form.show();
    for (auto _ : state) {
        form.OpenSourceFile(path);
        QApplication::processEvents();  // the first paint
        state.PauseTiming();
        form.CloseSourcePage(form.PageCount() - 1);
        form.NewFileExecute();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPage_Editor)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenPage_Peer(benchmark::State& state)
{
    App();
    const std::string path = SourceFile("Big.java", kLines);
    for (auto _ : state) {
        state.PauseTiming();
        auto peer = std::make_unique<PeerEditor>();
        peer->resize(800, 600);
        peer->show();
        QApplication::processEvents();
        state.ResumeTiming();
        QFile file(QString::fromStdString(path));
        file.open(QIODevice::ReadOnly);
        peer->setPlainText(QString::fromLatin1(file.readAll()));
        QApplication::processEvents();
        state.PauseTiming();
        peer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPage_Peer)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ActionList1Update_20Pages(benchmark::State& state)
{
    App();
    TEditorForm form;
    for (int i = 0; i < 20; ++i) form.OpenSourceFile(SourceFile("P" + std::to_string(i) + ".java", 200));
    form.CurrentEditor()->SetSelTextPrimitive("x");
    for (auto _ : state) form.ActionList1Update();
}
BENCHMARK(BM_ActionList1Update_20Pages)->Unit(benchmark::kMicrosecond);

}  // namespace
