#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/EError.h"
#include "foundation/LinInfo.h"

// One message-list line made from the compiler's output (UTF-8 text).
struct TCompilerLine {
    std::string Text;
    std::unique_ptr<TLinInfo> Info;  // null for continuation pieces
};

struct TCompilerDiagnostics {
    std::vector<TCompilerLine> Lines;
    bool Failed = false;          // an error was printed, or the output could not be decoded
    std::optional<EError> Error;  // IDE-21; the lines before the bad record stay
};

// The longest message line; longer ones are cut at blanks behind it.
constexpr size_t CompilerLineWidth = 120;

// Reads the compiler's records: a header "path:line:column:endline:endcolumn:"
// and a text line each; a line that starts with a blank is shown as it is.
// The path is the file system's bytes, the texts are Windows-1252.
TCompilerDiagnostics ParseCompilerOutput(std::string_view output);
