// The machine as `orusim --vm` runs it: a long loop downloaded and started
// through the device link over a pseudo-terminal, timed from its start to its
// end message, against the same loop on the machine alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

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
using Seconds = std::chrono::duration<double>;

namespace {
constexpr int kCom = 4;
constexpr int kEndWaitMs = 60000;

class QuietHost : public IEngineHost {
public:
    int64_t Now() override { return 0; }
    void SendMessage(uint8_t, const std::vector<uint8_t>&) override {}
    void RequestInput() override {}
    void StepDone() override {}
};

// The program on the machine alone: instructions and seconds.
std::pair<uint64_t, double> RunAlone(const std::vector<uint8_t>& image) {
    QuietHost host;
    OruVmEngine engine;
    engine.Attach(&host);
    engine.Boot(image);
    const auto start = std::chrono::steady_clock::now();
    engine.Run();
    while (engine.Running()) engine.Advance();
    return {engine.Machine().Executed(), Seconds(std::chrono::steady_clock::now() - start).count()};
}

// A batch run's end: the program's end message ends it.
class EndHost : public NullLinkHost {
public:
    void Terminate() override { ended = true; }
    bool ended = false;
};

// Hands what the module sends to the link until the program has ended.
void WaitForEnd(TCommPortDriver& driver, TSXComm& link, EndHost& host) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kEndWaitMs);
    while (!host.ended) {
        if (std::chrono::steady_clock::now() > deadline) throw EError(ecIDE, 22);
        if (!driver.WaitReadable(100)) continue;
        uint8_t chunk[256];
        int32_t n = 0;
        while (n < int32_t(sizeof chunk) && driver.CharCount() > 0 && driver.ReadChar(chunk[n])) ++n;
        link.ReceiveData(chunk, n, nullptr);
    }
}

void BM_OrusimLongLoop(benchmark::State& state) {
    static const std::vector<uint8_t> image =
        LinkedImage(SourceDir() + "/benchmarks/oruvm/LongLoop.java", "LongLoop");
    if (image.empty()) return state.SkipWithError("no program");
    const auto [instructions, aloneSeconds] = RunAlone(image);

    TempDir dir("corvane-bench-loop");
    setenv("CORVANE_PORT_DIR", dir.Path().c_str(), 1);
    const tOptions saved = GlobalOptions;
    GlobalOptions.DebugPort = kCom;
    GlobalOptions.TestMode = true;

    SteadyClock moduleClock;
    OruVmEngine engine;
    EventLog log;
    log.SetRetain(false);
    ProtocolEngine module(moduleClock, engine, log);
    PtyTransport transport(module, PtyOptions{dir.Path(), kCom, false});
    std::string error;
    if (!transport.Start(error)) return state.SkipWithError(error.c_str());

    SystemClock clock;
    TCommPortDriver driver(&clock);
    driver.SetComPortSpeed(br28800);
    driver.SetEnableDTROnOpen(false);
    EndHost host;
    TSXComm link(driver, host, clock);
    double seconds = 0;
    try {
        link.Connect();
        for (auto _ : state) {
            std::vector<uint8_t> copy = image;
            link.DownloadOruFile(copy.data(), int32_t(copy.size()), false);
            host.ended = false;
            link.Reset(true);  // returns as the program starts
            const auto start = std::chrono::steady_clock::now();
            WaitForEnd(driver, link, host);
            const double took = Seconds(std::chrono::steady_clock::now() - start).count();
            state.SetIterationTime(took);
            seconds += took;
        }
        link.Close();
    } catch (const EError& e) {
        state.SkipWithError(e.Message.c_str());
    }
    transport.Stop();
    GlobalOptions = saved;

    const double wall = state.iterations() > 0 ? seconds / double(state.iterations()) : 0;
    state.counters["instructions"] = double(instructions);
    state.counters["orusim_Minstr/s"] = wall > 0 ? double(instructions) / wall / 1e6 : 0;
    state.counters["vm_Minstr/s"] = double(instructions) / aloneSeconds / 1e6;
    state.counters["orusim_over_vm"] = wall / aloneSeconds;
}
BENCHMARK(BM_OrusimLongLoop)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
}  // namespace
