// Links the example programs and the linker's test programs against the
// class library: links per second, and the share of each pass in one link.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "foundation/EError.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

// Runs Link's steps one by one with a clock around each pass.
struct CORULinkerPasses {
    static void Run(CORULinker& linker, const char* mainClass, const std::string& classPath,
                    double seconds[3]) {
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
// A folder's sources compiled once into a temporary folder; its class path.
std::string CompiledFolder(const std::string& folder) {
    static std::vector<std::unique_ptr<TempDir>> dirs;
    dirs.push_back(std::make_unique<TempDir>("corvane-bench"));
    std::vector<std::string> sources;
    for (const auto& entry : std::filesystem::directory_iterator(SourceDir() + "/" + folder))
        if (entry.path().extension() == ".java") sources.push_back(entry.path().string());
    JavaCompileResult result = CompileJava(sources, dirs.back()->Path(), ClassLibraryDir());
    if (!result.Ok()) std::fprintf(stderr, "ecj failed:\n%s\n", result.output.c_str());
    return dirs.back()->Path() + ";" + ClassLibraryDir();
}

struct TProgram {
    std::string ClassPath;
    const char* Main;
};

// The example programs and the linker's test programs.
const std::vector<TProgram>& Programs() {
    static const std::vector<TProgram> programs = [] {
        std::string examples = CompiledFolder("examples");
        std::string tests = CompiledFolder("tests/linker/programs");
        std::vector<TProgram> list;
        for (const char* name : {"Hello", "Echo", "Stepping", "Uncaught"}) list.push_back({examples, name});
        for (const char* name :
             {"Strings", "Arithmetic", "Arrays", "Shapes", "Statics", "Exceptions", "Switches", "Inner"})
            list.push_back({tests, name});
        return list;
    }();
    return programs;
}

void BM_LinkExamples(benchmark::State& state) {
    int64_t links = 0;
    try {
        for (auto _ : state) {
            for (const TProgram& program : Programs()) {
                CORULinker linker;
                linker.Link(program.Main, program.ClassPath.c_str());
                benchmark::DoNotOptimize(linker.GetImage());
                ++links;
            }
        }
    } catch (const EError& e) {
        return state.SkipWithError(e.Message.c_str());
    }
    state.SetItemsProcessed(links);
    state.counters["links/s"] = benchmark::Counter(double(links), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LinkExamples)->Unit(benchmark::kMillisecond);

void BM_LinkPassShares(benchmark::State& state) {
    double seconds[3] = {0, 0, 0};
    try {
        for (auto _ : state) {
            for (const TProgram& program : Programs()) {
                CORULinker linker;
                CORULinkerPasses::Run(linker, program.Main, program.ClassPath, seconds);
            }
        }
    } catch (const EError& e) {
        return state.SkipWithError(e.Message.c_str());
    }
    double total = seconds[0] + seconds[1] + seconds[2];
    state.counters["loading+resolution %"] = 100 * seconds[0] / total;
    state.counters["offsets %"] = 100 * seconds[1] / total;
    state.counters["output %"] = 100 * seconds[2] / total;
}
BENCHMARK(BM_LinkPassShares)->Unit(benchmark::kMillisecond);
}  // namespace
