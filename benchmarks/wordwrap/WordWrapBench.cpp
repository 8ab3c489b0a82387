#include <benchmark/benchmark.h>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextLayout>
#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "editor/control/SrcWordWrapPlugin.h"
#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

constexpr int kLines = 100000;

// Line I of a generated Java source: members, statements, comments and
// the odd long literal, indented with tabs.
std::string JavaLine(int I) {
    std::string n = std::to_string(I);
    std::string indent(static_cast<size_t>(1 + I % 3), '\t');
    switch (I % 12) {
        case 0: return "\t/** Returns the value of field" + n + " after checking its bounds. */";
        case 1: return "\tpublic int getField" + n + "(int index, boolean strict) throws IllegalStateException {";
        case 2: return indent + "if (index < 0 || index >= values.length) return -1;";
        case 3: return indent + "int result = values[index] * factor" + n + " + offset;";
        case 4: return indent + "String message = \"value \" + result + \" of field " + n + " is out of range\";";
        case 5: return indent + "log.debug(message);";
        case 6: return "";
        case 7: return indent + "return compute(result, index, strict, \"field" + n + "\", cache.get(index));";
        case 8: return "\t}";
        case 9: return "\t// TODO: keep the cache in step with the values array when field" + n + " changes";
        case 10: return "\tprivate static final int FACTOR_" + n + " = " + n + ";";
        default: return indent + "x" + n + " = y" + n + ";";
    }
}

// An editor over a fake window holding the generated file, word wrap on.
struct JavaFile : SrcEditTestBase {
    explicit JavaFile(int Columns) {
        TSrcEditStringList& lines = edit->Lines();
        lines.BeginUpdate();
        for (int i = 0; i < kLines; ++i) {
            lines.Add(JavaLine(i));
        }
        lines.EndUpdate();
        SetColumns(Columns);
        edit->SetWordWrap(true);
    }
    ~JavaFile() { edit->SetWordWrap(false); }
    void SetColumns(int Columns) {
        window.client.Right = edit->GutterWidth() + 2 + Columns * edit->CharWidth();
        edit->SizeOrFontChanged(false);
    }
    int64_t Bytes() {
        int64_t bytes = 0;
        for (int i = 0; i < edit->Lines().Count(); ++i) {
            bytes += static_cast<int64_t>(edit->Lines()[i].size()) + 2;
        }
        return bytes;
    }
};

// The floor: every line fetched expanded and scanned once.
void BM_PlainLoop(benchmark::State& state) {
    JavaFile file(80);
    TSrcEditStringList& lines = file.edit->Lines();
    for (auto _ : state) {
        int64_t blanks = 0;
        for (int i = 0; i < lines.Count(); ++i) {
            for (char c : lines.ExpandedStrings(i)) {
                blanks += c == ' ';
            }
        }
        benchmark::DoNotOptimize(blanks);
    }
    state.counters["MB"] = static_cast<double>(file.Bytes()) / 1e6;
}
BENCHMARK(BM_PlainLoop)->Unit(benchmark::kMillisecond);

// Goal: 10 ms each.
void BM_Reset(benchmark::State& state) {
    JavaFile file(static_cast<int>(state.range(0)));
    TSrcWordWrapPlugin plugin(file.edit.get());
    for (auto _ : state) {
        plugin.Reset();
    }
    state.counters["rows"] = plugin.GetRowCount();
}
BENCHMARK(BM_Reset)->Arg(80)->Arg(60)->Arg(40)->Arg(20)->Unit(benchmark::kMillisecond);

// The peer: the platform's text layout breaking every line at the same
// width in a fixed-pitch font.
void BM_ResetPeerTextLayout(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench_wordwrap";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto app = std::make_unique<QGuiApplication>(argc, argv);
    JavaFile file(80);
    std::vector<QString> lines;
    for (int i = 0; i < kLines; ++i) {
        std::string expanded = file.edit->Lines().ExpandedStrings(i);
        std::replace(expanded.begin(), expanded.end(), '\t', ' ');  // tab cells as blanks
        lines.push_back(QString::fromLatin1(expanded));
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    qreal width = QFontMetricsF(font).horizontalAdvance(QLatin1Char('x')) * static_cast<qreal>(state.range(0));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int64_t rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (const QString& line : lines) {
            QTextLayout layout(line, font);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
                row.setLineWidth(width);
                ++rows;
            }
            layout.endLayout();
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ResetPeerTextLayout)->Arg(80)->Arg(20)->Unit(benchmark::kMillisecond);

// Goal: 15 ms.
void BM_ResizeThroughTheControl(benchmark::State& state) {
    JavaFile file(80);
    int columns = 80;
    for (auto _ : state) {
        columns = columns == 80 ? 79 : 80;
        file.SetColumns(columns);
    }
    state.counters["rows"] = file.edit->GetDisplayLineCount();
}
BENCHMARK(BM_ResizeThroughTheControl)->Unit(benchmark::kMillisecond);

// Goal: 20 ms for 10,000 lines pasted in the middle.
void BM_PasteInTheMiddle(benchmark::State& state) {
    JavaFile file(static_cast<int>(state.range(0)));
    TCustomSrcEdit& edit = *file.edit;
    std::string text;
    for (int i = 0; i < 10000; ++i) {
        text += JavaLine(i * 7) + "\r\n";
    }
    for (auto _ : state) {
        edit.SetCaretXY(BufferCoord(1, kLines / 2));
        edit.SetSelTextPrimitive(text);
        state.PauseTiming();
        edit.Lines().DeleteLines(kLines / 2 - 1, 10000);
        state.ResumeTiming();
    }
    state.counters["rows"] = edit.GetDisplayLineCount();
}
BENCHMARK(BM_PasteInTheMiddle)->Arg(80)->Arg(20)->Unit(benchmark::kMillisecond);

// Goal: 50 us a put; each put changes the line's row count. One line put
// back and forth; or random lines, each put back by a later put of its own.
void BM_PutChangingRowCount(benchmark::State& state) {
    JavaFile file(80);
    TSrcEditStringList& lines = file.edit->Lines();
    std::mt19937 rng(3);
    bool random = state.range(0) != 0;
    const std::string longLine = std::string(100, 'w') + " " + std::string(100, 'v');
    std::vector<std::optional<std::string>> putAway(kLines);
    for (auto _ : state) {
        int line = random ? std::uniform_int_distribution<int>(0, kLines - 1)(rng) : kLines / 2;
        std::optional<std::string>& saved = putAway[static_cast<size_t>(line)];
        if (!saved) {
            saved = lines[line];
            lines.Put(line, longLine);
        } else {
            lines.Put(line, *saved);
            saved.reset();
        }
    }
    state.counters["puts/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(random ? "random lines" : "one line");
}
BENCHMARK(BM_PutChangingRowCount)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Goal: 5 million a second.
void BM_RowToLine(benchmark::State& state) {
    JavaFile file(static_cast<int>(state.range(0)));
    TCustomSrcEdit& edit = *file.edit;
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> rows(1, edit.GetDisplayLineCount());
    for (auto _ : state) {
        benchmark::DoNotOptimize(edit.RowToLine(rows(rng)));
    }
    state.counters["calls/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RowToLine)->Arg(80)->Arg(20);

}  // namespace
