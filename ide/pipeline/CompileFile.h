#pragma once
#include <chrono>
#include <string>

#include "ide/pipeline/RunProgram.h"

// Runs the configured compiler on one source with the class path and adds
// its diagnostics to the message list; an error on the way is reported there
// too. Returns true when the compile failed: an error was printed, or the
// compiler died or ended with a non-zero status and printed none (IDE-33).
bool CompileFile(const std::string& sourcePath, const std::string& classPath,
                 std::chrono::milliseconds timeLimit = ProgramTimeLimit);
