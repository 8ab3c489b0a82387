// The ORU machine's speed, and a full download at the paced line rate
// through the device link over a pseudo-terminal against the physical
// limit (16 image bytes travel as a 19-byte block at 2880 bytes/s).
#include <benchmark/benchmark.h>

#include <chrono>

#include "benchmarks/oruvm/LinkedProgram.h"
#include "benchmarks/oruvm/MachineAlone.h"
#include "benchmarks/oruvm/PtyModuleRig.h"
#include "tests/support/JavaCompile.h"

using namespace orusim;

namespace {
constexpr double kLineBytesPerSecond = 2880.0;
constexpr double kBlockBytes = 19.0;

std::vector<uint8_t> TestProgram(const char* name) {
    return LinkedImage(SourceDir() + "/tests/orusim/programs/" + name + ".java", name);
}

void BM_InstructionsPerSecond(benchmark::State& state) {
    static const std::vector<uint8_t> image = TestProgram("Recursion");
    if (image.empty()) return state.SkipWithError("no program");
    uint64_t instructions = 0;
    for (auto _ : state) instructions += RunOnMachineAlone(image);
    state.SetItemsProcessed(int64_t(instructions));
    state.counters["instructions"] = double(instructions) / double(state.iterations());
}
BENCHMARK(BM_InstructionsPerSecond)->Unit(benchmark::kMillisecond);

void BM_PacedDownload(benchmark::State& state) {
    static const std::vector<uint8_t> image = TestProgram("Failures");
    if (image.empty()) return state.SkipWithError("no program");
    NullLinkHost host;
    PtyModuleRig rig(3, true, host, BootTiming{20, 250, 1});
    std::string error;
    if (!rig.Start(error)) return state.SkipWithError(error.c_str());
    rig.moduleClock.Sleep(400);  // the module's own start-up is over

    std::vector<uint8_t> copy = image;
    const double seconds = rig.TimeIterations(state, [&] {
        auto start = std::chrono::steady_clock::now();
        rig.link.DownloadOruFile(copy.data(), int32_t(copy.size()), false);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    });
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
