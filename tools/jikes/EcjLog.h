#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One problem of ecj's XML log, or an error it logged beside them (a class
// file it could not write).
struct TEcjProblem {
    std::string Path;     // the source the problem belongs to
    int64_t CharStart = -1;
    int64_t CharEnd = -1;  // inclusive
    int32_t Line = 0;      // ecj's own line, used when the offsets are unusable
    bool IsError = false;
    bool IsSyntax = false;
    std::string Message;
};

struct TEcjLog {
    bool Valid = false;  // the log was read and is well formed
    std::vector<TEcjProblem> Problems;
};

TEcjLog ParseEcjLog(const std::string& xml);
