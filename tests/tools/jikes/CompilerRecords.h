#pragma once
#include <string>
#include <vector>

// Reads the adapter's output the way the IDE does: records of a header
// "path:line:column:endline:endcolumn:" (taken apart from the right) and one
// text line; lines beginning with a blank are continuations.
struct TCompilerRecord {
    std::string Path;
    int Line = 0, Column = 0, EndLine = 0, EndColumn = 0;
    std::string Text;
    bool IsError = false;  // the text holds "Error:" or "Syntax:"
};

struct TCompilerOutput {
    bool Decoded = true;  // false: the IDE would report "Unable to decode compiler message."
    std::vector<TCompilerRecord> Records;
    std::vector<std::string> Continuations;
    bool Failed() const;  // some record is an error
};

// Strict: every number must be plain decimal digits.
TCompilerOutput ParseCompilerOutput(const std::string& output);
