#include "editor/control/SrcLineTokens.h"

#include <algorithm>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/text/SrcEditStringList.h"

namespace {
constexpr int64_t kWholeLine = 4096;  // lines up to this long are scanned whole
constexpr int64_t kLookAhead = 64;    // a highlighter looks this far past a token at most
constexpr int64_t kMargin = 1024;     // kept on each side of the stretch asked for
constexpr size_t kKeptLines = 16;

TSrcTokenSpan CurrentToken(const TSrcCustomHighlighter& Highlighter) {
    int64_t start = Highlighter.GetTokenPos();
    return {start, start + static_cast<int64_t>(Highlighter.GetToken().size()), Highlighter.GetTokenAttribute()};
}
}  // namespace

void StartHighlighterLine(TSrcCustomHighlighter& Highlighter, const TSrcEditStringList& Lines, int Line,
                          const std::string& Text) {
    if (Line <= 1) {
        Highlighter.ResetRange();
    } else {
        Highlighter.SetRange(Lines.Ranges(Line - 2));
    }
    Highlighter.SetLine(Text, Line - 1);
}

void TSrcLineTokens::ForEach(TSrcCustomHighlighter& Highlighter, TSrcEditStringList& Lines, int Line, int64_t From,
                             int64_t To, const TSrcTokenSpanVisitor& Visit) {
    const std::string& text = Lines.Line(Line - 1);
    const auto size = static_cast<int64_t>(text.size());
    From = std::max<int64_t>(From, 0);
    To = std::min(To, size);
    if (From >= To) {
        return;
    }
    if (size <= kWholeLine) {
        for (StartHighlighterLine(Highlighter, Lines, Line, text); !Highlighter.GetEol(); Highlighter.Next()) {
            TSrcTokenSpan token = CurrentToken(Highlighter);
            if (token.Start >= To || (token.End > From && !Visit(token))) {
                return;
            }
        }
        return;
    }
    const TKept* kept = Find(Highlighter, Lines, Line, From, To);
    if (!kept) {
        kept = &Scan(Highlighter, Lines, Line, From, To);
    }
    auto first = std::partition_point(kept->tokens.begin(), kept->tokens.end(),
                                      [&](const TSrcTokenSpan& Token) { return Token.End <= From; });
    for (auto it = first; it != kept->tokens.end() && it->Start < To; ++it) {
        if (!Visit(*it)) {
            return;
        }
    }
}

const TSrcLineTokens::TKept* TSrcLineTokens::Find(const TSrcCustomHighlighter& Highlighter,
                                                  const TSrcEditStringList& Lines, int Line, int64_t From,
                                                  int64_t To) {
    for (auto it = kept_.begin(); it != kept_.end(); ++it) {
        if (it->lines != &Lines || it->revision != Lines.Revision() || it->line != Line ||
            it->highlighter != &Highlighter) {
            continue;
        }
        // A held token that runs past the stretch holds its own bytes too.
        int64_t from = it->tokens.empty() ? it->from : std::min(it->from, it->tokens.front().Start);
        int64_t to = it->tokens.empty() ? it->to : std::max(it->to, it->tokens.back().End);
        if (from <= From && To <= to) {
            std::rotate(it, it + 1, kept_.end());
            return &kept_.back();
        }
    }
    return nullptr;
}

// Scans ever longer beginnings of the line until the first token past the
// stretch starts well before the cut: the tokens before it are then those of
// the whole line.
const TSrcLineTokens::TKept& TSrcLineTokens::Scan(TSrcCustomHighlighter& Highlighter, TSrcEditStringList& Lines,
                                                  int Line, int64_t From, int64_t To) {
    const std::string& text = Lines.Line(Line - 1);
    const auto size = static_cast<int64_t>(text.size());
    TKept kept{&Lines, Lines.Revision(), Line, &Highlighter, std::max<int64_t>(From - kMargin, 0),
               std::min(To + kMargin, size), {}};
    for (int64_t given = kept.to + 4 * kLookAhead;; given *= 2) {
        const bool whole = given >= size;
        StartHighlighterLine(Highlighter, Lines, Line, whole ? text : text.substr(0, static_cast<size_t>(given)));
        kept.tokens.clear();
        int64_t next = -1;  // where the first token past the stretch starts
        for (; !Highlighter.GetEol(); Highlighter.Next()) {
            if (Highlighter.GetTokenPos() >= kept.to) {
                next = Highlighter.GetTokenPos();
                break;
            }
            TSrcTokenSpan token = CurrentToken(Highlighter);
            if (token.End > kept.from) {
                kept.tokens.push_back(token);
            }
        }
        if (whole || (next >= 0 && next + kLookAhead <= given)) {
            break;
        }
    }
    if (kept_.size() >= kKeptLines) {
        kept_.erase(kept_.begin());
    }
    kept_.push_back(std::move(kept));
    return kept_.back();
}
