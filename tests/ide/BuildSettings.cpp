#include "tests/ide/BuildSettings.h"

#include "foundation/Options.h"
#include "tests/support/JavaCompile.h"

void UseBuildSettings(int32_t port)
{
    GlobalOptions.CompilerPath = ProgramDir() + "/jikes/jikes";
    GlobalOptions.ClassPath = ClassLibraryDir();
    GlobalOptions.DebugPort = port;
}

void SetDebugPort(int32_t port) { GlobalOptions.DebugPort = port; }
void SetClassPath(const std::string& classPath) { GlobalOptions.ClassPath = classPath; }

void ResetSettings()
{
    GlobalOptions = tOptions();
}
