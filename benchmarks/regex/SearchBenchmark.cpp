// Finds every occurrence of a word in each line of 1 MB of Java source, with
// TSrcEditSearch and with std::boyer_moore_horspool_searcher built once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

#include "JavaText.h"
#include "editor/search/SrcEditSearch.h"

namespace {

const std::vector<std::string>& Lines() {
    static const std::vector<std::string> lines = JavaLines();
    return lines;
}

const char* const Words[] = {"return", "ConcurrentModificationException", "size", "e"};
constexpr int WordCount = static_cast<int>(sizeof Words / sizeof Words[0]);

void BM_SrcEditSearch(benchmark::State& state) {
    TSrcEditSearch search;
    search.SetOptions({ssoMatchCase});
    search.SetPattern(Words[state.range(0)]);
    int64_t count = 0;
    for (auto _ : state) {
        count = 0;
        for (const std::string& line : Lines()) count += search.FindAll(line);
        benchmark::DoNotOptimize(count);
    }
    state.SetLabel(Words[state.range(0)]);
    state.counters["matches"] = static_cast<double>(count);
}

void BM_Horspool(benchmark::State& state) {
    const std::string word = Words[state.range(0)];
    std::boyer_moore_horspool_searcher searcher(word.begin(), word.end());
    int64_t count = 0;
    for (auto _ : state) {
        count = 0;
        for (const std::string& line : Lines()) {
            for (auto it = line.begin();;) {
                it = std::search(it, line.end(), searcher);
                if (it == line.end()) break;
                ++count;
                it += static_cast<std::ptrdiff_t>(word.size());
            }
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetLabel(Words[state.range(0)]);
    state.counters["matches"] = static_cast<double>(count);
}

}  // namespace

BENCHMARK(BM_SrcEditSearch)->DenseRange(0, WordCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Horspool)->DenseRange(0, WordCount - 1)->Unit(benchmark::kMillisecond);
