#pragma once
#include <chrono>
#include <string>
#include <vector>

// At most this many bytes of output are kept: standard output first, then
// standard error.
constexpr size_t ProgramOutputLimit = 59999;
constexpr std::chrono::milliseconds ProgramTimeLimit{120000};

// Runs `program` with `arguments` in `workingDir`, standard input empty, and
// returns what it printed. The child leads its own process group, which is
// killed whole when the time limit passes. Raises IDE-33 ("Could not create
// process", "Timeout") and IDE-34 (a pipe could not be read).
std::string RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDir, std::chrono::milliseconds timeLimit = ProgramTimeLimit);
