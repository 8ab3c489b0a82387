// The Java and multi-language highlighters over the JDK sources (package
// openjdk-17-source), and the editor's range scans with the Java highlighter.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "editor/highlight/SrcHighlighterJava.h"
#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/MultiSetup.h"

namespace {

// java.base/java/ and java.xml/ as lines, read once.
const std::vector<std::string>& JdkLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> result;
        FILE* pipe = popen("unzip -p /usr/lib/jvm/java-17-openjdk-amd64/lib/src.zip "
                           "'java.base/java/*' 'java.xml/*' 2>/dev/null", "r");
        if (!pipe) return result;
        std::string text;
        char buffer[1 << 16];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
        pclose(pipe);
        for (size_t start = 0; start < text.size();) {
            size_t end = std::min(text.find('\n', start), text.size());
            size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
            result.push_back(text.substr(start, stop - start));
            start = end + 1;
        }
        return result;
    }();
    return lines;
}

int64_t ByteCount(const std::vector<std::string>& lines) {
    int64_t bytes = 0;
    for (const std::string& line : lines) bytes += static_cast<int64_t>(line.size()) + 1;
    return bytes;
}

// SetLine, then the kind, attribute and Next of every token.
template <typename Highlighter>
int64_t ScanAll(Highlighter& highlighter, const std::vector<std::string>& lines) {
    int64_t sum = 0;
    highlighter.ResetRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        highlighter.SetLine(lines[i], static_cast<int>(i));
        while (!highlighter.GetEol()) {
            sum += highlighter.GetTokenKind();
            sum += highlighter.GetTokenAttribute() != nullptr;
            highlighter.Next();
        }
    }
    return sum;
}

void BM_JavaScanJdk(benchmark::State& state) {
    const std::vector<std::string>& lines = JdkLines();
    if (lines.empty()) {
        state.SkipWithError("the JDK sources are missing: install openjdk-17-source and unzip");
        return;
    }
    TSrcJavaSrc java;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScanAll(java, lines));
    }
    state.SetBytesProcessed(state.iterations() * ByteCount(lines));
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_JavaScanJdk)->Unit(benchmark::kMillisecond);

// The JDK text with a "<% ... %>" region and a "<script> ... </script>"
// region every 40 lines.
std::vector<std::string> WithRegions(const std::vector<std::string>& lines) {
    std::vector<std::string> result = lines;
    for (size_t i = 0; i + 40 < result.size(); i += 40) {
        result[i] += " <% int x = 1;";
        result[i + 5] = "%> " + result[i + 5];
        result[i + 10] += " <SCRIPT> a; b;";
        result[i + 12] = "c; </script> " + result[i + 12];
    }
    return result;
}

void BM_MultiScanJdkWithBothSchemes(benchmark::State& state) {
    static const std::vector<std::string> lines = WithRegions(JdkLines());
    if (lines.empty()) {
        state.SkipWithError("the JDK sources are missing: install openjdk-17-source and unzip");
        return;
    }
    MultiSetup setup;  // Java, Java between "<%" and "%>", script between "<script>" and "</script>"
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScanAll(setup.multi, lines));
    }
    state.SetBytesProcessed(state.iterations() * ByteCount(lines));
}
BENCHMARK(BM_MultiScanJdkWithBothSchemes)->Unit(benchmark::kMillisecond);

// An editor holding the first 100,000 JDK lines with the Java highlighter.
struct JavaEditor : SrcEditTestBase {
    JavaEditor() {
        const std::vector<std::string>& jdk = JdkLines();
        TSrcEditStringList& lines = edit->Lines();
        lines.BeginUpdate();
        for (size_t i = 0; i < 100000 && i < jdk.size(); ++i) lines.Add(jdk[i]);
        lines.EndUpdate();
        edit->SetHighlighter(&java);
    }
    TSrcJavaSrc java;
};

void BM_ScanRanges100kLines(benchmark::State& state) {
    JavaEditor editor;
    if (editor.edit->Lines().Count() < 100000) {
        state.SkipWithError("the JDK sources are missing: install openjdk-17-source and unzip");
        return;
    }
    for (auto _ : state) {
        editor.java.DefHighlightChange(&editor.java);  // the editor scans every range again
    }
    state.counters["lines"] = editor.edit->Lines().Count();
}
BENCHMARK(BM_ScanRanges100kLines)->Unit(benchmark::kMillisecond);

// A put of one line in the middle whose end state stays: one line scanned.
void BM_PutOneLineIn100kLines(benchmark::State& state) {
    JavaEditor editor;
    if (editor.edit->Lines().Count() < 100000) {
        state.SkipWithError("the JDK sources are missing: install openjdk-17-source and unzip");
        return;
    }
    TSrcEditStringList& lines = editor.edit->Lines();
    int index = 50000;
    while (lines.Ranges(index) != rsUnknown || lines.Ranges(index - 1) != rsUnknown) ++index;
    const std::string texts[2] = {"        int value = compute(1, 2); // note", "        value += 2;"};
    int n = 0;
    for (auto _ : state) {
        lines.Put(index, texts[++n & 1]);
    }
    state.counters["line"] = index;
}
BENCHMARK(BM_PutOneLineIn100kLines)->Unit(benchmark::kMicrosecond);

}  // namespace
