#include "ide/pipeline/CompileFile.h"

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "ide/pipeline/CompilerOutput.h"
#include "platform/ProgramDir.h"

namespace {

// A compiler that died, or failed without saying why, fails the compile
// however its output reads; a decoding error of output it cut short is moot.
void CheckEnd(const TProgramEnd& end, const TCompilerDiagnostics& diagnostics)
{
    const bool endedAsUsual = end.Kind == TProgramEnd::TKind::Exited && (end.Code == 0 || diagnostics.Failed);
    if (!endedAsUsual) throw EError(ecIDE, 33, DescribeEnd(end).c_str());
    if (diagnostics.Error) throw *diagnostics.Error;
}

}  // namespace

bool CompileFile(const std::string& sourcePath, const std::string& classPath, std::chrono::milliseconds timeLimit)
{
    try {
        const std::string& compiler = GlobalOptions.CompilerPath;
        if (GlobalOptions.debugLinker) DebugPrintf("Invoking compiler: %s", compiler.c_str());
        const TProgramRun run =
            RunProgram(compiler, {"+E", "-depend", "-g", sourcePath, "-classpath", classPath}, ProgramDirectory(),
                       timeLimit);
        TCompilerDiagnostics diagnostics = ParseCompilerOutput(run.Output);
        for (TCompilerLine& line : diagnostics.Lines)
            MessagePrintfObject(std::move(line.Info), "%s", line.Text.c_str());
        CheckEnd(run.End, diagnostics);
        return diagnostics.Failed;
    } catch (const EError& error) {
        error.Report();
        return true;
    }
}
