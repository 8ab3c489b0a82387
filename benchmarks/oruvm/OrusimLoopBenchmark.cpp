// The machine as `orusim --vm` runs it: a long loop downloaded and started
// through the device link over a pseudo-terminal, timed from its start to its
// end message, against the same loop on the machine alone.
#include <benchmark/benchmark.h>

#include <chrono>

#include "benchmarks/oruvm/LinkedProgram.h"
#include "benchmarks/oruvm/MachineAlone.h"
#include "benchmarks/oruvm/PtyModuleRig.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "tests/support/JavaCompile.h"

using namespace orusim;
using Seconds = std::chrono::duration<double>;

namespace {
constexpr int kCom = 4;
constexpr int kEndWaitMs = 60000;

// The program on the machine alone: instructions and seconds.
std::pair<uint64_t, double> RunAlone(const std::vector<uint8_t>& image) {
    const auto start = std::chrono::steady_clock::now();
    const uint64_t instructions = RunOnMachineAlone(image);
    return {instructions, Seconds(std::chrono::steady_clock::now() - start).count()};
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

    const tOptions saved = GlobalOptions;
    GlobalOptions.TestMode = true;
    EndHost host;
    PtyModuleRig rig(kCom, false, host);
    std::string error;
    if (!rig.Start(error)) return state.SkipWithError(error.c_str());
    const double seconds = rig.TimeIterations(state, [&] {
        std::vector<uint8_t> copy = image;
        rig.link.DownloadOruFile(copy.data(), int32_t(copy.size()), false);
        host.ended = false;
        rig.link.Reset(true);  // returns as the program starts
        const auto start = std::chrono::steady_clock::now();
        WaitForEnd(rig.driver, rig.link, host);
        return Seconds(std::chrono::steady_clock::now() - start).count();
    });
    GlobalOptions = saved;

    const double wall = state.iterations() > 0 ? seconds / double(state.iterations()) : 0;
    state.counters["instructions"] = double(instructions);
    state.counters["orusim_Minstr/s"] = wall > 0 ? double(instructions) / wall / 1e6 : 0;
    state.counters["vm_Minstr/s"] = double(instructions) / aloneSeconds / 1e6;
    state.counters["orusim_over_vm"] = wall / aloneSeconds;
}
BENCHMARK(BM_OrusimLongLoop)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
}  // namespace
