#pragma once
#include <chrono>
#include <string>
#include <vector>

// At most this many bytes of output are kept: standard output first, then
// standard error.
constexpr size_t ProgramOutputLimit = 59999;
constexpr std::chrono::milliseconds ProgramTimeLimit{120000};

// How a program ended.
struct TProgramEnd {
    enum class TKind { Exited, Signalled, Unknown };
    TKind Kind = TKind::Unknown;  // Unknown: reaped by someone else
    int Code = 0;                 // the exit status, or the signal's number
};

struct TProgramRun {
    std::string Output;
    TProgramEnd End;
};

// Runs `program` with `arguments` in `workingDir`, standard input empty, and
// returns what it printed and how it ended. The child leads its own process
// group; what is left of the group when the child ends, or when the time
// limit passes, is killed. Raises IDE-33 ("Could not create process",
// "Timeout") and IDE-34 (a pipe could not be read).
TProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDir, std::chrono::milliseconds timeLimit = ProgramTimeLimit);

// "Exit status 1", "Signal 11 (Segmentation fault)".
std::string DescribeEnd(const TProgramEnd& end);
