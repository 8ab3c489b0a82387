#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/jikes/EcjLog.h"

// One diagnostic as the IDE reads it: a header line
// "path:line:column:endline:endcolumn:" and one text line. Error texts hold
// "Syntax:" or "Error:", warnings neither. The path is printed as the file
// system's bytes, the text (UTF-8 here) in Windows-1252.
struct TDiagnosticRecord {
    std::string Path;
    int32_t Line = 1;
    int32_t Column = 1;
    int32_t EndLine = 1;
    int32_t EndColumn = 1;  // the last character, inclusive
    bool IsError = true;
    std::string Text;
};

constexpr size_t kMaxOutputBytes = 59999;  // the IDE reads at most this much

std::string FormatRecord(const TDiagnosticRecord& record);

// An error record at the start of `path` (a failure of the compiler run).
TDiagnosticRecord FailureRecord(const std::string& path, const std::string& reason);

// Reads a source's bytes; false when it cannot be read.
using TSourceReader = std::function<bool(const std::string& path, std::string& text)>;

// The records of ecj's problems, positions computed from the sources' text.
// A problem without a source is charged to `fallbackPath`.
std::vector<TDiagnosticRecord> RecordsFromLog(const TEcjLog& log, const std::string& fallbackPath,
                                              const TSourceReader& readSource);

// Whole records, below kMaxOutputBytes. When they do not all fit, errors go
// first so that a failed compile never looks clean.
std::string LimitedOutput(const std::vector<TDiagnosticRecord>& records, size_t maxBytes = kMaxOutputBytes);
