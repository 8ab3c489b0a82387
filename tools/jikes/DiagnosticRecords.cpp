#include "tools/jikes/DiagnosticRecords.h"

#include <algorithm>
#include <map>
#include <memory>

#include <QString>

#include "editor/support/Cp1252.h"
#include "tools/jikes/SourcePositions.h"

namespace {

constexpr size_t kMaxTextChars = 1000;

// One line of text: line breaks and NULs become blanks.
std::string OneLine(std::string text, size_t maxChars) {
    if (text.size() > maxChars) text.resize(maxChars);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return text;
}

// A warning must not read as an error to the IDE.
std::string Defanged(std::string text) {
    for (const char* word : {"Error:", "Syntax:"}) {
        size_t length = std::char_traits<char>::length(word);
        for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + length + 1))
            text.insert(at + length - 1, " ");
    }
    return text;
}

// ecj speaks Unicode; the IDE reads a record's text in the sources' code
// page. A character the code page lacks becomes '?'.
std::string Windows1252Text(const std::string& utf8) {
    return Cp1252FromUtf16(QString::fromStdString(utf8).toStdU16String());
}

std::string RecordText(const TEcjProblem& problem) {
    std::string message = OneLine(problem.Message, kMaxTextChars);
    if (!problem.IsError) return "Warning: " + Defanged(message);
    return (problem.IsSyntax ? "Syntax: " : "Error: ") + message;
}

}  // namespace

std::string FormatRecord(const TDiagnosticRecord& r) {
    return OneLine(r.Path, 4096) + ":" + std::to_string(r.Line) + ":" + std::to_string(r.Column) + ":" +
           std::to_string(r.EndLine) + ":" + std::to_string(r.EndColumn) + ":\n" +
           OneLine(Windows1252Text(r.Text), 2 * kMaxTextChars) + "\n";
}

TDiagnosticRecord FailureRecord(const std::string& path, const std::string& reason) {
    TDiagnosticRecord record;
    record.Path = path;
    record.Text = "Error: " + OneLine(reason, kMaxTextChars);
    return record;
}

std::vector<TDiagnosticRecord> RecordsFromLog(const TEcjLog& log, const std::string& fallbackPath,
                                              const TSourceReader& readSource) {
    std::map<std::string, std::unique_ptr<TSourcePositions>> sources;
    std::vector<TDiagnosticRecord> records;
    for (const TEcjProblem& problem : log.Problems) {
        TDiagnosticRecord record;
        record.Path = problem.Path.empty() ? fallbackPath : problem.Path;
        record.IsError = problem.IsError;
        record.Text = RecordText(problem);
        auto found = sources.find(record.Path);
        if (found == sources.end()) {
            std::string text;
            std::unique_ptr<TSourcePositions> positions;
            if (readSource(record.Path, text)) positions = std::make_unique<TSourcePositions>(text);
            found = sources.emplace(record.Path, std::move(positions)).first;
        }
        if (found->second && problem.CharStart >= 0) {
            TSourcePositions::TPosition start = found->second->At(problem.CharStart);
            TSourcePositions::TPosition end = found->second->At(std::max(problem.CharEnd, problem.CharStart));
            record.Line = start.Line;
            record.Column = start.Char;
            record.EndLine = end.Line;
            record.EndColumn = end.Char;
        } else {
            record.Line = record.EndLine = std::max(problem.Line, 1);
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::string LimitedOutput(const std::vector<TDiagnosticRecord>& records, size_t maxBytes) {
    std::vector<std::string> formatted;
    size_t total = 0;
    for (const TDiagnosticRecord& r : records) {
        formatted.push_back(FormatRecord(r));
        total += formatted.back().size();
    }
    std::string output;
    if (total <= maxBytes) {
        for (const std::string& f : formatted) output += f;
        return output;
    }
    for (bool errors : {true, false}) {
        for (size_t i = 0; i < records.size(); ++i) {
            if (records[i].IsError != errors) continue;
            if (output.size() + formatted[i].size() > maxBytes) return output;
            output += formatted[i];
        }
    }
    return output;
}
