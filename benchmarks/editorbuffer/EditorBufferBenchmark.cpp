// Loading a source file into the editor's buffer and saving it again.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "editor/text/SrcEditStringList.h"

namespace {

// A Java-like source of `lines` lines, about `lineLength` bytes each.
std::string MakeSource(int lines, int lineLength) {
    static const char* const kSamples[] = {
        "    public static void main(String[] args) {",
        "\t\tint counter = 0; // count the bytes",
        "        System.out.println(\"value: \" + counter);",
        "    }",
        "",
        "/* a comment with \xE9 and \xFC */",
    };
    std::string text;
    for (int i = 0; i < lines; ++i) {
        std::string line = kSamples[i % 6];
        while (static_cast<int>(line.size()) < lineLength && !line.empty()) {
            line += " x";
        }
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string TempPath(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/" + name + "." + std::to_string(getpid());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void LoadAndSave(benchmark::State& state, int lines, int lineLength) {
    std::string path = TempPath("editorbuffer.java");
    std::string source = MakeSource(lines, lineLength);
    WriteFile(path, source);
    for (auto _ : state) {
        TSrcEditStringList list;
        list.LoadFromFile(path);
        list.SaveToFile(path);
        benchmark::DoNotOptimize(list.Count());
    }
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.SetBytesProcessed(static_cast<int64_t>(source.size()) * state.iterations());
    std::remove(path.c_str());
}

void BM_Load100kLines(benchmark::State& state) {
    std::string path = TempPath("editorbuffer-load.java");
    WriteFile(path, MakeSource(100000, 40));
    for (auto _ : state) {
        TSrcEditStringList list;
        list.LoadFromFile(path);
        benchmark::DoNotOptimize(list.Count());
    }
    state.counters["lines/s"] =
        benchmark::Counter(100000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    std::remove(path.c_str());
}

void BM_LoadAndSave100kLines(benchmark::State& state) { LoadAndSave(state, 100000, 40); }

// The buffer with a 10 MB file: about 250,000 lines of 40 bytes.
void BM_LoadAndSave10MB(benchmark::State& state) { LoadAndSave(state, 250000, 40); }

// Heap bytes per line held by the buffer after loading 100,000 lines.
void BM_MemoryPerLine(benchmark::State& state) {
    std::string path = TempPath("editorbuffer-memory.java");
    const int lines = 100000;
    std::string source = MakeSource(lines, 40);
    WriteFile(path, source);
    double perLine = 0;
    for (auto _ : state) {
        size_t before = mallinfo2().uordblks;
        auto* list = new TSrcEditStringList();
        list->LoadFromFile(path);
        size_t after = mallinfo2().uordblks;
        perLine = static_cast<double>(after - before) / lines;
        delete list;
    }
    state.counters["bytes/line"] = perLine;
    state.counters["text bytes/line"] = static_cast<double>(source.size()) / lines;
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK(BM_Load100kLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndSave100kLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndSave10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryPerLine)->Unit(benchmark::kMillisecond)->Iterations(3);
