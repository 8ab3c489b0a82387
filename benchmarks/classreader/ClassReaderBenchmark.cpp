// Loads every class of the compiled class library, as a link does.
// CORVANE_CLASS_LIBRARY names another folder of class files to read.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/EError.h"
#include "linker/JavaClass.h"

namespace {

std::string LibraryDir() {
    const char* dir = std::getenv("CORVANE_CLASS_LIBRARY");
    return dir && *dir ? dir : CORVANE_CLASS_LIBRARY_DIR;
}

// Class names ("/" form) of every class file below dir.
std::vector<std::string> ClassNames(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().extension() != ".class") continue;
        std::string name = std::filesystem::relative(it->path(), dir).replace_extension().generic_string();
        names.push_back(name);
    }
    return names;
}

void LoadClassLibrary(benchmark::State& state) {
    const std::string dir = LibraryDir();
    const std::vector<std::string> names = ClassNames(dir);
    if (names.empty()) {
        state.SkipWithError(("no class files in " + dir).c_str());
        return;
    }
    int64_t loaded = 0;
    int64_t refused = 0;
    for (auto _ : state) {
        for (const std::string& name : names) {
            CJavaClass javaClass(name, dir);
            try {
                javaClass.Load();
                ++loaded;
            } catch (const EError&) {
                ++refused;  // e.g. a class with interfaces
            }
            benchmark::DoNotOptimize(javaClass.Methods.data());
        }
    }
    state.SetItemsProcessed(loaded + refused);
    state.counters["classes"] = double(names.size());
    state.counters["refused"] = double(refused) / double(state.iterations());
    state.counters["classes/s"] = benchmark::Counter(double(loaded + refused), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(LoadClassLibrary)->Unit(benchmark::kMillisecond);
