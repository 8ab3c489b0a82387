// Counts every match of a pattern over 1 MB of Java source, with TRegex and
// with PCRE2's interpreter; compare the pairs of the same number.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <benchmark/benchmark.h>
#include <pcre2.h>

#include "JavaText.h"
#include "editor/search/SrcRegex.h"

namespace {

struct Pattern {
    const char* Regex;
    const char* Modifiers;  // for TRegex
    uint32_t Options;       // the same for PCRE2
};

// TRegex's "." matches line breaks unless s is off.
const Pattern Patterns[] = {
    {"synchronized", "", 0},
    {"[A-Za-z_][A-Za-z0-9_]*\\(", "", 0},
    {"public|private|protected", "", 0},
    {"(\\w)\\1", "", 0},
    {"^.*Exception.*$", "m-s", PCRE2_MULTILINE},
    {"SYNCHRONIZED", "i", PCRE2_CASELESS},
    {"\\bint\\s+\\w+\\s*=", "", 0},
    {".*foo.*bar", "-s", 0},
    {"\"([^\"\\\\\\n]|\\\\.)*\"", "", PCRE2_DOTALL},
};

void BM_TRegex(benchmark::State& state) {
    const Pattern& p = Patterns[state.range(0)];
    TRegex r;
    if (*p.Modifiers != 0) r.SetModifierStr(p.Modifiers);
    r.SetExpression(p.Regex);
    r.SetInputString(JavaText());
    int64_t count = 0;
    for (auto _ : state) {
        count = 0;
        if (r.Exec(1)) {
            do ++count;
            while (r.ExecNext());
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetLabel(p.Regex);
    state.counters["matches"] = static_cast<double>(count);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(JavaText().size()));
}

void BM_PCRE2(benchmark::State& state) {
    const Pattern& p = Patterns[state.range(0)];
    int error;
    PCRE2_SIZE errorOffset;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(p.Regex), PCRE2_ZERO_TERMINATED, p.Options,
                                     &error, &errorOffset, nullptr);
    if (code == nullptr) {
        state.SkipWithError("pattern does not compile");
        return;
    }
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(JavaText().data());
    const PCRE2_SIZE length = JavaText().size();
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
    state.SetLabel(p.Regex);
    state.counters["matches"] = static_cast<double>(count);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(length));
}

// How long a pattern that backtracks without end takes to reach a limit.
void BM_TRegexRunaway(benchmark::State& state) {
    static const char* const runaway[] = {"(a+)+b", "a*a*a*b", "(a|aa)+b"};
    const std::string subject = std::string(size_t(1) << 20, 'a') + "cb";
    TRegex r;
    r.SetExpression(runaway[state.range(0)]);
    int code = 0;
    for (auto _ : state) {
        try {
            r.Exec(subject);
        } catch (const ERegex& e) {
            code = e.ErrorCode;
        }
    }
    state.SetLabel(runaway[state.range(0)]);
    state.counters["code"] = code;
}

constexpr int PatternCount = static_cast<int>(sizeof Patterns / sizeof Patterns[0]);

}  // namespace

BENCHMARK(BM_TRegex)->DenseRange(0, PatternCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PCRE2)->DenseRange(0, PatternCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TRegexRunaway)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3);
