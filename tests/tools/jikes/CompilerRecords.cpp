#include "tests/tools/jikes/CompilerRecords.h"

#include <algorithm>
#include <regex>
#include <sstream>

bool TCompilerOutput::Failed() const {
    return std::any_of(Records.begin(), Records.end(), [](const TCompilerRecord& r) { return r.IsError; });
}

TCompilerOutput ParseCompilerOutput(const std::string& output) {
    // The greedy path leaves the last four numbers to the right.
    static const std::regex header(R"((.*):(\d+):(\d+):(\d+):(\d+):)");
    TCompilerOutput parsed;
    std::istringstream in(output.substr(0, output.find('\0')));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] == ' ') {
            parsed.Continuations.push_back(line);
            continue;
        }
        std::smatch m;
        if (!std::regex_match(line, m, header)) {
            parsed.Decoded = false;
            return parsed;
        }
        TCompilerRecord record;
        record.Path = m[1];
        record.Line = std::stoi(m[2]);
        record.Column = std::stoi(m[3]);
        record.EndLine = std::stoi(m[4]);
        record.EndColumn = std::stoi(m[5]);
        std::getline(in, record.Text);
        record.IsError = record.Text.find("Error:") != std::string::npos ||
                         record.Text.find("Syntax:") != std::string::npos;
        parsed.Records.push_back(record);
    }
    return parsed;
}
