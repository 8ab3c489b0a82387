#include "ide/pipeline/CompileFile.h"

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "ide/pipeline/CompilerOutput.h"
#include "platform/ProgramDir.h"

bool CompileFile(const std::string& sourcePath, const std::string& classPath, std::chrono::milliseconds timeLimit)
{
    try {
        const std::string& compiler = GlobalOptions.CompilerPath;
        if (GlobalOptions.debugLinker) DebugPrintf("Invoking compiler: %s", compiler.c_str());
        const std::string output =
            RunProgram(compiler, {"+E", "-depend", "-g", sourcePath, "-classpath", classPath}, ProgramDirectory(),
                       timeLimit);
        TCompilerDiagnostics diagnostics = ParseCompilerOutput(output);
        for (TCompilerLine& line : diagnostics.Lines)
            MessagePrintfObject(std::move(line.Info), "%s", line.Text.c_str());
        if (diagnostics.Error) throw *diagnostics.Error;
        return diagnostics.Failed;
    } catch (const EError& error) {
        error.Report();
        return true;
    }
}
