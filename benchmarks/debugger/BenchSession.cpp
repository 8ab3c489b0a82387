#include "benchmarks/debugger/BenchSession.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "devicelink/Clock.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "linker/ORULinker.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/MemoryTransport.h"

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

void RunToLine(TDebugSession& session, QuietHost& host, orusim::MemoryTransport& port, VirtualClock& clock,
               std::unique_ptr<CORULinker> linker, int line)
{
    std::vector<uint8_t> image(linker->GetImage(), linker->GetImage() + linker->GetImageSize());
    session.SetLinker(std::move(linker));
    session.SetJVM(std::make_unique<TSXComm>(port, host, clock));
    session.JVM()->Connect();
    session.JVM()->DownloadOruFile(image.data(), int32_t(image.size()), true);
    session.JVM()->Reset(false);
    session.StartDebug();
    session.ToggleBreakpointAt(line);
    session.Run();
    while (session.JVM()->IsRunning() && port.WaitReadable(100)) {
        uint8_t byte = 0;
        if (port.ReadChar(byte)) session.JVM()->ReceiveData(&byte, 1, session.Image());
    }
}
