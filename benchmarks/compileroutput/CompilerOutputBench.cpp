// Reading a full compiler output buffer (59,999 bytes of records) into
// message lines. Goal: under 5 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "ide/pipeline/CompilerOutput.h"
#include "ide/pipeline/RunProgram.h"

namespace {

// Short and long records and continuation lines, cut at the output limit.
std::string Records()
{
    std::string out;
    for (int i = 1; out.size() < ProgramOutputLimit; ++i) {
        out += "/home/user/projects/torve/src/com/example/Sample" + std::to_string(i % 50) + ".java:" +
               std::to_string(i) + ":5:" + std::to_string(i) + ":17:\n";
        if (i % 3 == 0) {
            out += "Warning: The value of the local variable count is not used\n";
        } else {
            out += "Error: The method frobnicate(int, int) in the type Sample is not applicable for the arguments "
                   "(String, boolean); the nearest candidates are listed below and the call must be changed\n";
            out += "    candidate: frobnicate(int, int)\n";
        }
    }
    out.resize(ProgramOutputLimit);
    // The cut leaves half a record; end on a whole one.
    out.resize(out.rfind('\n', out.rfind(':')) + 1);
    return out;
}

void BM_ParseCompilerOutput(benchmark::State& state)
{
    const std::string output = Records();
    size_t lines = 0;
    for (auto _ : state) {
        TCompilerDiagnostics result = ParseCompilerOutput(output);
        lines = result.Lines.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * output.size()));
}
BENCHMARK(BM_ParseCompilerOutput)->Unit(benchmark::kMillisecond);

}  // namespace

