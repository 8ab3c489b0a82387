#include "benchmarks/debugger/BenchSession.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "foundation/EError.h"
#include "linker/ORULinker.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

void UseBuildFolders()
{
    setenv("CORVANE_PROGRAM_DIR", CORVANE_BENCH_PROGRAM_DIR, 0);
    setenv("CORVANE_SOURCE_DIR", CORVANE_BENCH_SOURCE_DIR, 0);
}

std::unique_ptr<CORULinker> LinkTestProgram(const std::string& folder, const std::string& mainClass)
{
    const std::string file = mainClass + ".java";
    const std::string source =
        WriteSource(folder, file, TempDir::ReadFile(SourceDir() + "/tests/debugger/programs/" + file));
    JavaCompileResult compiled = RunProgram(
        {ProgramDir() + "/jikes/jikes", "+E", "-depend", "-g", source, "-classpath", folder + ";" + ClassLibraryDir()});
    if (!compiled.Ok()) {
        std::fprintf(stderr, "compile failed:\n%s\n", compiled.output.c_str());
        return nullptr;
    }
    char previous[PATH_MAX];
    if (!getcwd(previous, sizeof previous) || chdir(folder.c_str()) != 0) return nullptr;
    auto linker = std::make_unique<CORULinker>();
    try {
        linker->Link(mainClass.c_str(), (folder + ";" + ClassLibraryDir()).c_str());
    } catch (const EError& e) {
        std::fprintf(stderr, "%s", e.Message.c_str());
        linker.reset();
    }
    if (chdir(previous) != 0) return nullptr;
    return linker;
}
