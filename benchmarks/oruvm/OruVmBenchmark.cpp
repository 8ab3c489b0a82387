// The ORU machine's speed, and a full download at the paced line rate
// through the device link over a pseudo-terminal against the physical
// limit (16 image bytes travel as a 19-byte block at 2880 bytes/s).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "benchmarks/oruvm/LinkedProgram.h"
#include "devicelink/Clock.h"
#include "devicelink/CommPortDriver.h"
#include "devicelink/LinkHost.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/PtyTransport.h"
#include "tools/orusim/SteadyClock.h"
#include "tools/orusim/vm/OruVmEngine.h"

using namespace orusim;

namespace {
constexpr double kLineBytesPerSecond = 2880.0;
constexpr double kBlockBytes = 19.0;

std::vector<uint8_t> TestProgram(const char* name) {
    return LinkedImage(SourceDir() + "/tests/orusim/programs/" + name + ".java", name);
}

class SilentHost : public IEngineHost {
public:
    int64_t Now() override { return 0; }
    void SendMessage(uint8_t, const std::vector<uint8_t>&) override {}
    void RequestInput() override {}
    void StepDone() override {}
};

void BM_InstructionsPerSecond(benchmark::State& state) {
    static const std::vector<uint8_t> image = TestProgram("Recursion");
    if (image.empty()) return state.SkipWithError("no program");
    uint64_t instructions = 0;
    for (auto _ : state) {
        SilentHost host;
        OruVmEngine engine;
        engine.Attach(&host);
        engine.Boot(image);
        engine.Run();
        while (engine.Running()) engine.Advance();
        instructions += engine.Machine().Executed();
    }
    state.SetItemsProcessed(int64_t(instructions));
    state.counters["instructions"] = double(instructions) / double(state.iterations());
}
BENCHMARK(BM_InstructionsPerSecond)->Unit(benchmark::kMillisecond);

void BM_PacedDownload(benchmark::State& state) {
    static const std::vector<uint8_t> image = TestProgram("Failures");
    if (image.empty()) return state.SkipWithError("no program");
    TempDir dir("corvane-bench-line");
    setenv("CORVANE_PORT_DIR", dir.Path().c_str(), 1);
    GlobalOptions.DebugPort = 3;

    SteadyClock moduleClock;
    OruVmEngine engine;
    EventLog log;
    log.SetRetain(false);
    ProtocolEngine module(moduleClock, engine, log, BootTiming{20, 250, 1});
    PtyTransport transport(module, PtyOptions{dir.Path(), 3, true});
    std::string error;
    if (!transport.Start(error)) return state.SkipWithError(error.c_str());
    moduleClock.Sleep(400);  // the module's own start-up is over

    SystemClock clock;
    TCommPortDriver driver(&clock);
    driver.SetComPortSpeed(br28800);
    driver.SetEnableDTROnOpen(false);
    NullLinkHost host;
    TSXComm link(driver, host, clock);
    std::vector<uint8_t> copy = image;
    double seconds = 0;
    try {
        link.Connect();
        for (auto _ : state) {
            auto start = std::chrono::steady_clock::now();
            link.DownloadOruFile(copy.data(), int32_t(copy.size()), false);
            double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            state.SetIterationTime(took);
            seconds += took;
        }
        link.Close();
    } catch (const EError& e) {
        state.SkipWithError(e.Message.c_str());
    }
    transport.Stop();
    double blocks = double((image.size() + 15) / 16);
    state.counters["image_bytes"] = double(image.size());
    double limit = blocks * kBlockBytes / kLineBytesPerSecond;
    state.counters["limit_s"] = limit;
    double wall = state.iterations() > 0 ? seconds / double(state.iterations()) : 0;
    state.counters["wall_s"] = wall;
    state.counters["wall_over_limit"] = wall / limit;
}
BENCHMARK(BM_PacedDownload)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
}  // namespace
