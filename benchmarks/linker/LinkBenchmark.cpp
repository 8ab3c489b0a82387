// Links the linker test programs against the class library: links per
// second, and the share of each pass in one link.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "foundation/Options.h"
#include "linker/ORULinker.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

// Runs Link's steps one by one with a clock around each pass.
struct CORULinkerPasses {
    static void Run(CORULinker& linker, const char* mainClass, const std::string& classPath, double seconds[4]) {
        using Clock = std::chrono::steady_clock;
        auto t0 = Clock::now();
        linker.NativeTable = SwitchNativePackage();
        linker.ClassPath = classPath;
        linker.MainClass = linker.FindClass(mainClass);
        linker.LinkingPass();
        auto t1 = Clock::now();
        linker.ComputeOffsets();  // again, alone: it only recomputes
        auto t2 = Clock::now();
        linker.Image.assign(size_t(linker.ImageSize), 0);
        linker.OutputPass();
        auto t3 = Clock::now();
        seconds[0] += std::chrono::duration<double>(t1 - t0).count();
        seconds[1] += std::chrono::duration<double>(t2 - t1).count();
        seconds[2] += std::chrono::duration<double>(t3 - t2).count();
    }
};

namespace {
const char* const Programs[] = {"Hello", "Strings", "Arithmetic", "Arrays", "Shapes",
                                "Statics", "Exceptions", "Switches", "Inner"};

// The programs compiled once into a temporary folder.
const std::string& ProgramClassPath() {
    static TempDir dir("corvane-bench");
    static std::string classPath = [] {
        std::vector<std::string> sources;
        std::string programs = SourceDir() + "/tests/linker/programs";
        for (const auto& entry : std::filesystem::directory_iterator(programs))
            sources.push_back(entry.path().string());
        JavaCompileResult result = CompileJava(sources, dir.Path(), ClassLibraryDir());
        if (!result.Ok()) std::fprintf(stderr, "ecj failed:\n%s\n", result.output.c_str());
        return dir.Path() + ";" + ClassLibraryDir();
    }();
    return classPath;
}

void BM_LinkExamples(benchmark::State& state) {
    const std::string& classPath = ProgramClassPath();
    int64_t links = 0;
    for (auto _ : state) {
        for (const char* name : Programs) {
            CORULinker linker;
            linker.Link(name, classPath.c_str());
            benchmark::DoNotOptimize(linker.GetImage());
            ++links;
        }
    }
    state.SetItemsProcessed(links);
    state.counters["links/s"] = benchmark::Counter(double(links), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LinkExamples)->Unit(benchmark::kMillisecond);

void BM_LinkPassShares(benchmark::State& state) {
    const std::string& classPath = ProgramClassPath();
    double seconds[4] = {0, 0, 0, 0};
    for (auto _ : state) {
        for (const char* name : Programs) {
            CORULinker linker;
            CORULinkerPasses::Run(linker, name, classPath, seconds);
        }
    }
    double total = seconds[0] + seconds[1] + seconds[2];
    state.counters["loading+resolution %"] = 100 * seconds[0] / total;
    state.counters["offsets %"] = 100 * seconds[1] / total;
    state.counters["output %"] = 100 * seconds[2] / total;
}
BENCHMARK(BM_LinkPassShares)->Unit(benchmark::kMillisecond);
}  // namespace
