#include "tests/tools/jikes/CompilerRecords.h"

#include <algorithm>

namespace {

std::string TakeLine(const std::string& text, size_t& pos) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    return line;
}

bool TakeNumberFromRight(std::string& header, int& number) {
    size_t colon = header.rfind(':');
    if (colon == std::string::npos) return false;
    std::string digits = header.substr(colon + 1);
    header.resize(colon);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), ::isdigit)) return false;
    number = std::stoi(digits);
    return true;
}

}  // namespace

bool TCompilerOutput::Failed() const {
    return std::any_of(Records.begin(), Records.end(), [](const TCompilerRecord& r) { return r.IsError; });
}

TCompilerOutput ParseCompilerOutput(const std::string& output) {
    TCompilerOutput parsed;
    size_t pos = 0;
    while (pos < output.size() && output[pos] != '\0') {
        std::string header = TakeLine(output, pos);
        if (!header.empty() && header[0] == ' ') {
            parsed.Continuations.push_back(header);
            continue;
        }
        TCompilerRecord record;
        size_t last = header.rfind(':');
        if (last == std::string::npos || last + 1 != header.size()) {
            parsed.Decoded = false;
            return parsed;
        }
        header.resize(last);
        if (!TakeNumberFromRight(header, record.EndColumn) || !TakeNumberFromRight(header, record.EndLine) ||
            !TakeNumberFromRight(header, record.Column) || !TakeNumberFromRight(header, record.Line)) {
            parsed.Decoded = false;
            return parsed;
        }
        record.Path = header;
        record.Text = pos <= output.size() ? TakeLine(output, pos) : std::string();
        record.IsError = record.Text.find("Error:") != std::string::npos ||
                         record.Text.find("Syntax:") != std::string::npos;
        parsed.Records.push_back(record);
    }
    return parsed;
}
