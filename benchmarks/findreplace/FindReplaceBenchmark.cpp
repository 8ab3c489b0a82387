// Find and replace on a 100,000-line page through the main window: Replace
// All of 10,000 occurrences (goal: under 1 s), against QPlainTextEdit
// replacing the same occurrences in one edit block, and the ratio of the two
// (goal: at most 0.5); Find Again with no further match (goal: under 30 ms);
// and Replace pressed along the occurrences of a part of the page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <chrono>
#include <fstream>
#include <string>

#include "benchmarks/common/OffscreenApplication.h"
#include "ide/EditorForm.h"
#include "ide/SearchForm.h"
#include "ide/ZARNSource.h"

namespace {

constexpr int kLines = 100000;
constexpr int kEvery = 10;  // one occurrence on every tenth line

QApplication& App() { return OffscreenApplication("bench_findreplace"); }

std::string PageText()
{
    std::string text;
    for (int i = 1; i <= kLines; ++i) {
        text += "    total = total + value" + std::to_string(i);
        text += i % kEvery == 0 ? " + needle;\r\n" : ";\r\n";
    }
    return text;
}

std::string SourceFile()
{
    static QTemporaryDir folder;
    const std::string path = folder.filePath("Big.java").toStdString();
    std::ofstream(path, std::ios::binary) << PageText();
    return path;
}

void Run(TEditorForm& form, uint8_t mode, const char* search, const char* replacement)
{
    form.SearchForm->SearchText->setText(search);
    form.SearchForm->ReplacementText->setText(replacement);
    form.SearchMode = mode;
    form.SearchReplaceExecute();
}

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// One Replace All through the main window on a fresh page; -1 when nothing
// was replaced.
double TimeEditorReplaceAll(TEditorForm& form, const std::string& path)
{
    form.OpenSourceFile(path);
    form.CurrentEditor()->SetCaretXY(TBufferCoord{1, 1});
    QApplication::processEvents();
    const Clock::time_point start = Clock::now();
    Run(form, TSearchForm::ModeReplaceAll, "needle", "thread");
    QApplication::processEvents();
    const double seconds = SecondsSince(start);
    const bool replaced = form.CurrentEditor()->Lines().Get(kEvery - 1).find("thread") != std::string::npos;
    form.CurrentEditor()->SetModified(false);
    form.CloseSourcePage(form.PageCount() - 1);
    return replaced ? seconds : -1;
}

// The same occurrences replaced in QPlainTextEdit in one edit block.
double TimePeerReplaceAll(QPlainTextEdit& peer, const QString& text)
{
    peer.setPlainText(text);
    QApplication::processEvents();
    const Clock::time_point start = Clock::now();
    QTextDocument* document = peer.document();
    QTextCursor edit(document);
    edit.beginEditBlock();
    for (QTextCursor found = document->find("needle"); !found.isNull(); found = document->find("needle", found))
        found.insertText("thread");
    edit.endEditBlock();
    QApplication::processEvents();
    return SecondsSince(start);
}

void BM_ReplaceAll_Editor(benchmark::State& state)
{
    App();
    const std::string path = SourceFile();
    TEditorForm form;
    form.resize(800, 600);
    form.show();
    for (auto _ : state) {
        const double seconds = TimeEditorReplaceAll(form, path);
        if (seconds < 0) state.SkipWithError("nothing replaced");
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_ReplaceAll_Editor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

void BM_ReplaceAll_Peer(benchmark::State& state)
{
    App();
    const QString text = QString::fromStdString(PageText());
    QPlainTextEdit peer;
    peer.resize(800, 600);
    peer.show();
    for (auto _ : state)
        state.SetIterationTime(TimePeerReplaceAll(peer, text));
}
BENCHMARK(BM_ReplaceAll_Peer)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// Both in turn, the editor's time per the peer's as "ratio" (goal: at most 0.5).
void BM_ReplaceAll_RatioToPeer(benchmark::State& state)
{
    App();
    const std::string path = SourceFile();
    const QString text = QString::fromStdString(PageText());
    TEditorForm form;
    form.resize(800, 600);
    form.show();
    QPlainTextEdit peer;
    peer.resize(800, 600);
    peer.show();
    double editor = 0, other = 0;
    for (auto _ : state) {
        const double seconds = TimeEditorReplaceAll(form, path);
        if (seconds < 0) state.SkipWithError("nothing replaced");
        editor += seconds;
        other += TimePeerReplaceAll(peer, text);
        state.SetIterationTime(seconds);
    }
    state.counters["ratio"] = other > 0 ? editor / other : 0;
}
BENCHMARK(BM_ReplaceAll_RatioToPeer)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

void BM_FindAgain_NoFurtherMatch(benchmark::State& state)
{
    App();
    const std::string path = SourceFile();
    TEditorForm form;
    form.resize(800, 600);
    form.show();
    form.OpenSourceFile(path);
    form.SearchForm->SearchText->setText("absent");
    for (auto _ : state) {
        form.CurrentEditor()->SetCaretXY(TBufferCoord{1, 1});
        form.FindAgainExecute();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FindAgain_NoFurtherMatch)->Unit(benchmark::kMillisecond);

// Replace pressed once for each occurrence in the first 1,000 lines (100 of
// them) and once more: from the caret at the top, and with "Selection only"
// over those lines.
void BM_ReplacePresses(benchmark::State& state)
{
    App();
    const std::string path = SourceFile();
    const bool selectionOnly = state.range(0) != 0;
    constexpr int kScopeLines = 1000;
    TEditorForm form;
    form.resize(800, 600);
    form.show();
    for (auto _ : state) {
        form.OpenSourceFile(path);
        CZARNSource& page = *form.CurrentEditor();
        page.SetCaretXY(TBufferCoord{1, 1});
        if (selectionOnly) {
            page.SetBlockBegin(TBufferCoord{1, 1});
            page.SetBlockEnd(TBufferCoord{1, kScopeLines + 1});
        }
        (selectionOnly ? form.SearchForm->SelectionOnly : form.SearchForm->EntireFile)->setChecked(true);
        QApplication::processEvents();
        const Clock::time_point start = Clock::now();
        for (int press = 0; press <= kScopeLines / kEvery; ++press)
            Run(form, TSearchForm::ModeReplace, "needle", "thread");
        QApplication::processEvents();
        state.SetIterationTime(SecondsSince(start));
        if (page.Lines().Get(kScopeLines - 1).find("thread") == std::string::npos)
            state.SkipWithError("the last occurrence in the scope was not replaced");
        page.SetModified(false);
        form.CloseSourcePage(form.PageCount() - 1);
    }
}
BENCHMARK(BM_ReplacePresses)
    ->ArgName("selection_only")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();

}  // namespace
