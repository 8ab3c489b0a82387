// One pass of the step loop (step command, status query, pc translation)
// through the real link over the in-memory transport to the simulated
// machine. Each iteration is a Step Into on a one-line endless loop: 501
// passes, then the endless-loop guard. The paced variant runs the line at
// its baud rate on the virtual clock and reports the line time per pass.
#include <benchmark/benchmark.h>

#include <memory>

#include "benchmarks/debugger/BenchSession.h"
#include "debugger/DebugSession.h"
#include "devicelink/Clock.h"
#include "devicelink/LinkHost.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/EventLog.h"
#include "tools/orusim/MemoryTransport.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/vm/OruVmEngine.h"

namespace {

constexpr int kPassesPerStep = 501;
constexpr int kLoopLine = 5;

void StepLoop(benchmark::State& state, bool paced)
{
    UseBuildFolders();
    TempDir dir("corvane-bench-step");
    std::unique_ptr<CORULinker> linker = LinkTestProgram(dir.Path(), "Spin");
    if (!linker) return state.SkipWithError("no program");
    TBenchModule bench(paced);
    bench.log.SetRetain(false);
    QuietHost& host = bench.host;
    NullDataView dataView;
    TDebugSession session(host, dataView);
    host.session = &session;
    host.file = dir.Path() + "/Spin.java";
    try {
        RunToLine(session, host, bench.port, bench.clock, std::move(linker), kLoopLine);
    } catch (const EError& e) {
        return state.SkipWithError(e.Message.c_str());
    }

    int64_t passes = 0;
    const int64_t virtualStart = bench.clock.TickCount();
    for (auto _ : state) {
        try {
            session.StepInto();
        } catch (const EError&) {
            passes += kPassesPerStep;
        }
    }
    state.SetItemsProcessed(passes);
    // Seconds per pass (shown with a unit prefix: "u" is microseconds).
    state.counters["time_per_pass"] =
        benchmark::Counter(double(passes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (paced && passes > 0)
        state.counters["line_ms_per_pass"] = double(bench.clock.TickCount() - virtualStart) / double(passes);
    session.SetJVM(nullptr);
}

void BM_StepLoopPass(benchmark::State& state) { StepLoop(state, false); }
void BM_StepLoopPassPacedLine(benchmark::State& state) { StepLoop(state, true); }

}  // namespace

BENCHMARK(BM_StepLoopPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepLoopPassPacedLine)->Unit(benchmark::kMillisecond)->Iterations(2);
