// Counts every match of a pattern over 1 MB of Java text, with TRegex and
// with PCRE2's interpreter; compare the pairs of the same name.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <benchmark/benchmark.h>
#include <pcre2.h>

#include "JavaText.h"
#include "editor/search/SrcRegex.h"

namespace {

const std::string& Text() {
    static const std::string text = JavaText();
    return text;
}

struct Pattern {
    const char* Name;
    const char* Regex;
};

const Pattern Patterns[] = {
    {"Literal", "IllegalArgumentException"},
    {"ClassRepeat", "[A-Z][a-z]+[A-Z][a-z]+"},
    {"Alternation", "synchronized|volatile|transient"},
    {"BackReference", "(\\w+) = \\1;"},
    {"MustHave", "\\w+Exception\\("},
};

void BM_TRegex(benchmark::State& state) {
    const Pattern& p = Patterns[state.range(0)];
    TRegex r;
    r.SetExpression(p.Regex);
    int64_t count = 0;
    for (auto _ : state) {
        count = 0;
        if (r.Exec(Text())) {
            do ++count;
            while (r.ExecNext());
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetLabel(p.Name);
    state.counters["matches"] = static_cast<double>(count);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Text().size()));
}

void BM_PCRE2(benchmark::State& state) {
    const Pattern& p = Patterns[state.range(0)];
    int error;
    PCRE2_SIZE errorOffset;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(p.Regex), PCRE2_ZERO_TERMINATED, 0, &error,
                                     &errorOffset, nullptr);
    if (code == nullptr) {
        state.SkipWithError("pattern does not compile");
        return;
    }
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(Text().data());
    const PCRE2_SIZE length = Text().size();
    int64_t count = 0;
    for (auto _ : state) {
        count = 0;
        PCRE2_SIZE offset = 0;
        while (offset <= length && pcre2_match(code, subject, length, offset, 0, data, nullptr) > 0) {
            PCRE2_SIZE* ov = pcre2_get_ovector_pointer(data);
            ++count;
            offset = ov[1] > ov[0] ? ov[1] : ov[0] + 1;
        }
        benchmark::DoNotOptimize(count);
    }
    pcre2_match_data_free(data);
    pcre2_code_free(code);
    state.SetLabel(p.Name);
    state.counters["matches"] = static_cast<double>(count);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(length));
}

constexpr int PatternCount = static_cast<int>(sizeof Patterns / sizeof Patterns[0]);

}  // namespace

BENCHMARK(BM_TRegex)->DenseRange(0, PatternCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PCRE2)->DenseRange(0, PatternCount - 1)->Unit(benchmark::kMillisecond);
