#pragma once
// Runs a compiled program against an input with backtracking. The points to
// go back to live on a heap stack of their own (RecursionLimit of them at
// most, 1016); the number of steps is bounded too (1017).
#include <cstdint>
#include <vector>

#include "editor/search/SrcRegexProgram.h"

// The matcher's memory, kept from run to run so that a run allocates nothing.
struct TRegexBacktrack {
    struct Frame {
        const char* Pos;
        int64_t Count;
        uint32_t Scan;
        uint32_t Marks;
        uint32_t Counters;
        uint8_t Kind;
    };
    std::vector<Frame> Frames;
    std::vector<std::pair<const char**, const char*>> Marks;  // group ends to restore
    std::vector<std::pair<int*, int>> Counters;               // loop counters to restore
};

class TRegexMatcher {
public:
    TRegexMatcher(const TRegexProgram& program, const TRegexSyntax& syntax, TRegexBacktrack& memory,
                  const char* start, const char* end, int64_t frameLimit, int64_t stepLimit);

    // Tries from position `from` (0-based) on; fills the group tables.
    bool Search(size_t from);

    const char* StartP[regex_program::MaxGroups + 1] = {};
    const char* EndP[regex_program::MaxGroups + 1] = {};

private:
    enum FrameKind : uint8_t { AltFrame, GreedyFrame, LazyFrame, LoopBodyFrame, LoopAfterFrame };

    const TRegexProgram& prog_;
    const TRegexSyntax& syn_;
    TRegexBacktrack& mem_;
    const char* start_;
    const char* end_;
    size_t frameLimit_;
    int64_t stepsLeft_;  // steps left before the step limit
    int loopIndex_ = -1;
    int loopStack_[regex_program::LoopStackSize] = {};
    const char* matchEnd_ = nullptr;
    const char* runEnd_ = nullptr;  // where the leading repeat's run ended in the last try
    regex_program::CharSet wordChars_;
    bool wordCharsReady_ = false;  // built on the first word-boundary test

    // search (SrcRegexMatcher.cpp)
    bool SearchLineStarts(const char* from);
    bool SearchLiteral(const char* from);
    const char* NextCandidate(const char* p) const;
    bool TryAt(const char* pos);

    // backtracking (SrcRegexBacktrack.cpp)
    bool Run(size_t scan, const char* pos);
    bool Advance(size_t scan, const char* pos);
    bool Resume(size_t& scan, const char*& pos);
    void Push(FrameKind kind, size_t scan, const char* pos, int64_t count = 0);
    void SetCounter(int& slot, int value);
    void MarkGroup(uint8_t op, const char* pos);
    bool Viable(size_t node, const char* pos) const;
    size_t NextViable(size_t branch, const char* pos) const;
    size_t Choose(size_t branch, const char* pos, size_t& later) const;
    bool EnterRepeat(size_t scan, size_t& next, const char*& pos);
    bool GreedyFrom(size_t scan, const char* pos, int64_t n, size_t& next, const char*& at);
    bool LazyFrom(size_t scan, const char* pos, int64_t n, size_t& next, const char*& at);
    bool EnterLoop(size_t scan, size_t& next, const char* pos);
    void RepeatBounds(size_t scan, size_t& operand, int64_t& min, int64_t& max) const;
    bool MatchBackReference(size_t scan, const char*& pos);

    // single characters and assertions (SrcRegexMatcherChars.cpp)
    bool MatchOne(size_t node, const char* pos) const;
    int64_t CountRepeat(size_t node, const char* pos, int64_t max);
    bool MatchLiteral(size_t scan, const char*& pos) const;
    bool AtLineStart(const char* pos) const;
    bool AtLineEnd(const char* pos) const;
    bool IsWordBoundary(const char* pos);
    void Step(int64_t n = 1) {
        stepsLeft_ -= n;
        if (stepsLeft_ < 0) throw TRegexFault{1017};
    }
};
