#pragma once
// Runs a compiled program against an input with backtracking. Nesting of
// match calls is bounded (1016) and so is the number of steps (1017).
#include <utility>
#include <vector>

#include "editor/search/SrcRegexProgram.h"

class TRegexMatcher {
public:
    TRegexMatcher(const TRegexProgram& program, const TRegexSyntax& syntax, const char* start, const char* end,
                  int recursionLimit, int64_t stepLimit);

    // Tries from position `from` (0-based) on; fills the group tables.
    bool Search(size_t from);

    const char* StartP[regex_program::MaxGroups + 1] = {};
    const char* EndP[regex_program::MaxGroups + 1] = {};

private:
    const TRegexProgram& prog_;
    const TRegexSyntax& syn_;
    const char* start_;
    const char* end_;
    int recursionLimit_;
    int64_t stepLimit_;
    int depth_ = 0;
    int64_t steps_ = 0;
    int loopIndex_ = -1;
    int loopStack_[regex_program::LoopStackSize] = {};
    const char* matchEnd_ = nullptr;
    mutable regex_program::CharSet wordChars_;
    mutable bool wordCharsReady_ = false;  // built on the first word-boundary test
    std::vector<std::pair<const char**, const char*>> trail_;  // group marks to undo

    bool TryAt(const char* pos);
    bool Match(size_t scan, const char* pos);
    bool MatchRepeat(size_t scan, size_t next, const char* pos);
    bool MatchLoopEntry(size_t next, const char* pos);
    bool MatchLoop(size_t scan, size_t next, const char* pos);
    bool MatchAfterLoop(size_t next, const char* pos);
    bool MatchNodes(size_t scan, const char* pos);
    void MarkGroup(uint8_t op, const char* pos);
    bool MatchBackReference(size_t scan, const char*& pos);
    bool MatchOne(size_t node, const char* pos) const;
    size_t FirstConsumer(size_t scan) const;
    long CountRepeat(size_t node, const char* pos, long max);
    bool AtLineStart(const char* pos) const;
    bool AtLineEnd(const char* pos) const;
    bool IsWordBoundary(const char* pos) const;
    void Step(int64_t n = 1);
};
