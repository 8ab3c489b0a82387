#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TSrcCustomHighlighter;
class TSrcEditStringList;
class TSrcHighlighterAttributes;

// One token of a line: its bytes [Start, End) and its attribute.
struct TSrcTokenSpan {
    int64_t Start = 0;
    int64_t End = 0;
    TSrcHighlighterAttributes* Attri = nullptr;
};
// Sees one token; false stops the walk.
using TSrcTokenSpanVisitor = std::function<bool(const TSrcTokenSpan& Token)>;

// Sets Highlighter to Text as line Line (from 1), in the range the line
// before ends in.
void StartHighlighterLine(TSrcCustomHighlighter& Highlighter, const TSrcEditStringList& Lines, int Line,
                          const std::string& Text);

// The tokens of a stretch of a line, as the scan of the whole line gives
// them. A short line is scanned whole. Of a long line the tokens around the
// stretch asked for are kept until the lines change, so that painting the
// same place again scans nothing, wherever the place is and however far the
// token there runs.
class TSrcLineTokens {
public:
    // Visits, in order, the tokens of Line (from 1) that overlap the bytes
    // [From, To).
    void ForEach(TSrcCustomHighlighter& Highlighter, TSrcEditStringList& Lines, int Line, int64_t From, int64_t To,
                 const TSrcTokenSpanVisitor& Visit);
    // Forgets what was kept: the highlighter or its settings changed.
    void Clear() { kept_.clear(); }

private:
    struct TKept {
        const TSrcEditStringList* lines = nullptr;
        uint64_t revision = 0;
        int line = 0;
        const TSrcCustomHighlighter* highlighter = nullptr;
        int64_t from = 0;  // every token that overlaps [from, to) is held
        int64_t to = 0;
        std::vector<TSrcTokenSpan> tokens;
    };

    const TKept* Find(const TSrcCustomHighlighter& Highlighter, const TSrcEditStringList& Lines, int Line,
                      int64_t From, int64_t To);
    const TKept& Scan(TSrcCustomHighlighter& Highlighter, TSrcEditStringList& Lines, int Line, int64_t From,
                      int64_t To);

    std::vector<TKept> kept_;  // the most recently used last
};
