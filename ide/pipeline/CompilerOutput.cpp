#include "ide/pipeline/CompilerOutput.h"

#include <charconv>
#include <cstdint>

#include "editor/support/ShownText.h"
#include "foundation/ErrorCatalogue.h"
#include "ide/pipeline/Windows1252.h"

namespace {

constexpr std::string_view kContinuationIndent = "             ";

// The text up to the next line feed (or the end); `at` moves behind it.
std::string_view NextLine(std::string_view output, size_t& at)
{
    const size_t end = std::min(output.find('\n', at), output.size());
    std::string_view line = output.substr(at, end - at);
    at = end < output.size() ? end + 1 : end;
    return line;
}

bool ParseNumber(std::string_view text, int32_t& value)
{
    const char* end = text.data() + text.size();
    auto [stop, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && stop == end;
}

struct THeader {
    std::string_view Path;
    int32_t Numbers[4] = {};  // line, column, end line, end column
};

// Reads the header from its right end, so that a drive colon stays in the path.
bool ParseHeader(std::string_view header, THeader& parsed)
{
    size_t colon = header.rfind(':');
    if (colon == std::string_view::npos) return false;
    header = header.substr(0, colon);
    for (int i = 3; i >= 0; --i) {
        colon = header.rfind(':');
        if (colon == std::string_view::npos) return false;
        if (!ParseNumber(header.substr(colon + 1), parsed.Numbers[i])) return false;
        header = header.substr(0, colon);
    }
    parsed.Path = header;
    return true;
}

std::string_view BaseName(std::string_view path)
{
    const size_t slash = path.find_last_of("/\\");
    if (slash != std::string_view::npos) path = path.substr(slash + 1);
    const size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? path : path.substr(0, dot);
}

// The byte offset of a UTF-8 text's character `chars` (the size when it is shorter).
size_t CharacterOffset(std::string_view text, size_t chars)
{
    for (size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<uint8_t>(text[at]) & 0xC0) == 0x80) continue;
        if (chars-- == 0) return at;
    }
    return text.size();
}

// The first piece carries the position; each later piece is indented. The
// line is UTF-8; its width is counted in characters.
void AddSplit(TCompilerDiagnostics& result, std::string_view line, std::unique_ptr<TLinInfo> info)
{
    std::string indent;
    for (;;) {
        const size_t width = CharacterOffset(line, CompilerLineWidth);
        if (width == line.size()) break;
        const size_t blank = line.find(' ', width);
        if (blank == std::string_view::npos) break;
        result.Lines.push_back({indent + std::string(line.substr(0, blank)), std::move(info)});
        indent = kContinuationIndent;
        line = line.substr(blank + 1);
    }
    result.Lines.push_back({indent + std::string(line), std::move(info)});
}

bool IsErrorText(std::string_view text)
{
    return text.find("Error:") != std::string_view::npos || text.find("Syntax:") != std::string_view::npos;
}

}  // namespace

TCompilerDiagnostics ParseCompilerOutput(std::string_view output)
{
    TCompilerDiagnostics result;
    size_t at = 0;
    while (at < output.size()) {
        std::string_view first = NextLine(output, at);
        if (!first.empty() && first.front() == ' ') {
            if (first.back() == '\r') first.remove_suffix(1);
            result.Lines.push_back({Windows1252ToUtf8(first), nullptr});
            continue;
        }
        THeader header;
        if (!ParseHeader(first, header)) {
            result.Error.emplace(ecIDE, 21);
            result.Failed = true;
            return result;
        }
        std::string text(NextLine(output, at));
        if (IsErrorText(text)) result.Failed = true;
        for (char& c : text)
            if (c == '\r' || c == '\n') c = ' ';
        const std::string line = "[Java Error] " + ShownText(BaseName(header.Path)) + ".java(" +
                                 std::to_string(header.Numbers[0]) + "): " + Windows1252ToUtf8(text);
        AddSplit(result, line,
                 std::make_unique<TLinInfo>(std::string(header.Path), header.Numbers[0], header.Numbers[1],
                                            header.Numbers[2], header.Numbers[3]));
    }
    return result;
}
