// Page counting and printing to PDF with the print engine; the peer is a
// QTextDocument holding the same text in the same font.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QTextDocument>

#include <string>
#include <vector>

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/print/SrcEditPrint.h"
#include "editor/qt/QtPrinter.h"
#include "editor/support/StringList.h"
#include "tests/editor/common/PrintSettings.h"

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_print";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

// Java text of Count lines: a class of commented methods, some with tabs
// and long lines that wrap.
TStringList JavaLines(int Count) {
    static const char* const kBlock[] = {
        "    /**",
        "     * Adds the weight of one item to the running total, unless the item is marked as",
        "     * already counted; long comment lines like this one wrap at the right margin of the page.",
        "     */",
        "\tpublic int add(Item item, int total) {",
        "\t\tif (item.counted()) return total; // nothing to add",
        "\t\tString label = \"item \" + item.name() + \": \" + item.weight();",
        "\t\treturn total + item.weight() * 0x10 + label.length();",
        "\t}",
        "",
    };
    TStringList lines;
    lines.Add("public class Generated {");
    for (int i = 1; i < Count - 1; ++i) lines.Add(kBlock[i % 10]);
    lines.Add("}");
    return lines;
}

QString PlainText(const TStringList& Lines) {
    QString text;
    for (int i = 0; i < Lines.Count(); ++i) text += QString::fromLatin1(Lines[i]) + '\n';
    return text;
}

struct Setup {
    Setup() : path(QDir::tempPath() + "/corvane-bench-print.pdf") {
        printer.setPageSize(QPageSize(QPageSize::A4));
        TQtPrinter::UsePdf(printer, path);
        printer.setPageMargins(QMarginsF(18, 12, 12, 12), QPageLayout::Point);
        print.SetPrinter(&qt);
        UseCourierAndJava(print, java);
        print.Colors = true;
    }
    ~Setup() { QFile::remove(path); }

    struct Application {
        Application() { EnsureApplication(); }
    } application;
    QString path;
    QPrinter printer{QPrinter::HighResolution};
    TQtPrinter qt{printer};
    TSrcJavaSrc java;
    TSrcEditPrint print;
};

void BM_GetPageCount100k(benchmark::State& state) {
    Setup s;
    TStringList lines = JavaLines(100000);
    if (!state.range(0)) s.print.SetHighlighter(nullptr);
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.print.SetLines(lines);
        state.ResumeTiming();
        pages = s.print.GetPageCount();
    }
    state.counters["pages"] = pages;
    state.SetLabel(state.range(0) ? "highlighted (goal <= 100 ms)" : "plain (goal <= 100 ms)");
}
BENCHMARK(BM_GetPageCount100k)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_PeerPageCount100k(benchmark::State& state) {
    Setup s;
    QTextDocument document;
    document.setDefaultFont(QFont("Courier New", 10));
    QString text = PlainText(JavaLines(100000));
    int pages = 0;
    for (auto _ : state) {
        document.setPlainText(text);
        document.setPageSize(s.printer.pageRect(QPrinter::Point).size());
        pages = document.pageCount();
    }
    state.counters["pages"] = pages;
    state.SetLabel("QTextDocument");
}
BENCHMARK(BM_PeerPageCount100k)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PrintJava6400ToPdf(benchmark::State& state) {
    Setup s;
    s.print.SetLines(JavaLines(6400));
    s.print.SetLineNumbers(true);
    int pages = s.print.GetPageCount();
    for (auto _ : state) {
        s.print.Print();
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
    state.counters["KB"] = QFileInfo(s.path).size() / 1024.0;
    state.SetLabel("highlighting, colours, line numbers (goal >= 100 pages/s)");
}
BENCHMARK(BM_PrintJava6400ToPdf)->Unit(benchmark::kMillisecond);

void BM_PeerPrint6400ToPdf(benchmark::State& state) {
    Setup s;
    QTextDocument document;
    document.setDefaultFont(QFont("Courier New", 10));
    document.setPlainText(PlainText(JavaLines(6400)));
    document.setPageSize(s.printer.pageRect(QPrinter::Point).size());
    const int pages = document.pageCount();
    for (auto _ : state) {
        document.print(&s.printer);
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
    state.counters["KB"] = QFileInfo(s.path).size() / 1024.0;
    state.SetLabel("QTextDocument::print, plain text");
}
BENCHMARK(BM_PeerPrint6400ToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
