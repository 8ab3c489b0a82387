// The matcher's walk over the nodes. A choice pushes a frame with where to go
// on when the path taken fails; group marks and loop counters changed after it
// are logged and restored when the frame resumes.
#include "editor/search/SrcRegexMatcher.h"

using namespace regex_program;

namespace {
inline unsigned char CharAt(const char* pos, const char* end) {
    return pos < end ? static_cast<unsigned char>(*pos) : 0;
}
}  // namespace

void TRegexMatcher::Push(FrameKind kind, size_t scan, const char* pos, int64_t count) {
    if (mem_.Frames.size() >= frameLimit_) throw TRegexFault{1016};
    mem_.Frames.push_back({pos, count, static_cast<uint32_t>(scan), static_cast<uint32_t>(mem_.Marks.size()),
                           static_cast<uint32_t>(mem_.Counters.size()), kind});
}

// Only a change that a frame may have to undo is logged.
inline void TRegexMatcher::SetCounter(int& slot, int value) {
    if (!mem_.Frames.empty()) mem_.Counters.push_back({&slot, slot});
    slot = value;
}

inline void TRegexMatcher::MarkGroup(uint8_t op, const char* pos) {
    bool open = op < CLOSE;
    int n = open ? op - OPEN : op - CLOSE;
    const char** slot = open ? &StartP[n] : &EndP[n];
    if (!mem_.Frames.empty()) mem_.Marks.push_back({slot, *slot});
    *slot = pos;
}

// Whether the rest from the node may go on with the character at pos.
inline bool TRegexMatcher::Viable(size_t node, const char* pos) const {
    int32_t set = prog_.NodeSet[node];
    return set < 0 || prog_.Sets[static_cast<size_t>(set)][CharAt(pos, end_)];
}

// The first alternative from branch on that may match at pos (one that
// begins with a literal must find it there); 0 for none.
inline size_t TRegexMatcher::NextViable(size_t branch, const char* pos) const {
    const unsigned char c = CharAt(pos, end_);
    for (; branch != 0 && prog_.Op(branch) == BRANCH; branch = prog_.Next(branch)) {
        int32_t set = prog_.NodeSet[branch];
        if (set >= 0 && !prog_.Sets[static_cast<size_t>(set)][c]) continue;
        size_t first = TRegexProgram::Operand(branch);
        uint8_t op = prog_.Op(first);
        const char* after = pos;
        if ((op == EXACTLY || op == EXACTLYCI) && !MatchLiteral(first, after)) continue;
        return branch;
    }
    return 0;
}

// The alternative a choice takes at pos, and in later the next one that may
// match there too (0 for none); 0 when none may match.
inline size_t TRegexMatcher::Choose(size_t branch, const char* pos, size_t& later) const {
    if (int32_t row = prog_.ChoiceRow[branch]; row >= 0) {
        uint32_t entry = prog_.Choices[static_cast<size_t>(row)][CharAt(pos, end_)];
        size_t first = entry & ~LaterChoice;
        if (first == 0) return 0;
        uint8_t op = prog_.Op(TRegexProgram::Operand(first));
        if (op != EXACTLY && op != EXACTLYCI) {  // a literal needs the check below
            later = (entry & LaterChoice) != 0 ? NextViable(prog_.Next(first), pos) : 0;
            return first;
        }
        branch = first;  // the alternatives before it cannot take the character
    }
    size_t first = NextViable(branch, pos);
    later = first != 0 ? NextViable(prog_.Next(first), pos) : 0;
    return first;
}

bool TRegexMatcher::Run(size_t scan, const char* pos) {
    for (;;) {
        if (Advance(scan, pos)) return true;
        if (!Resume(scan, pos)) return false;
    }
}

// Goes back to the newest frame; false when none is left.
bool TRegexMatcher::Resume(size_t& scan, const char*& pos) {
    while (!mem_.Frames.empty()) {
        TRegexBacktrack::Frame f = mem_.Frames.back();
        mem_.Frames.pop_back();
        while (mem_.Marks.size() > f.Marks) {
            *mem_.Marks.back().first = mem_.Marks.back().second;
            mem_.Marks.pop_back();
        }
        while (mem_.Counters.size() > f.Counters) {
            *mem_.Counters.back().first = mem_.Counters.back().second;
            mem_.Counters.pop_back();
        }
        Step();
        switch (f.Kind) {
        case AltFrame:
            if (size_t later = NextViable(prog_.Next(f.Scan), f.Pos)) Push(AltFrame, later, f.Pos);
            scan = TRegexProgram::Operand(f.Scan);
            pos = f.Pos;
            return true;
        case GreedyFrame:
            if (GreedyFrom(f.Scan, f.Pos, f.Count - 1, scan, pos)) return true;
            break;
        case LazyFrame:
            if (LazyFrom(f.Scan, f.Pos, f.Count + 1, scan, pos)) return true;
            break;
        case LoopBodyFrame:
            scan = f.Scan;
            pos = f.Pos;
            return true;
        case LoopAfterFrame:
            SetCounter(loopIndex_, loopIndex_ - 1);
            scan = f.Scan;
            pos = f.Pos;
            return true;
        }
    }
    return false;
}

void TRegexMatcher::RepeatBounds(size_t scan, size_t& operand, int64_t& min, int64_t& max) const {
    uint8_t op = prog_.Op(scan);
    operand = TRegexProgram::Operand(scan);
    min = op == PLUS || op == PLUSNG ? 1 : 0;
    max = InfiniteCount;
    if (op == BRACES || op == BRACESNG) {
        min = ReadInt(prog_.Node(operand));
        max = ReadInt(prog_.Node(operand + 4));
        operand += 8;
    }
}

// Greedy: the longest count from n down whose rest may match; a frame keeps
// the shorter ones.
bool TRegexMatcher::GreedyFrom(size_t scan, const char* pos, int64_t n, size_t& next, const char*& at) {
    size_t operand;
    int64_t min, max;
    RepeatBounds(scan, operand, min, max);
    for (; n >= min; --n) {
        Step();
        if (!Viable(scan, pos + n)) continue;
        if (n > min) Push(GreedyFrame, scan, pos, n);
        next = prog_.Next(scan);
        at = pos + n;
        return true;
    }
    return false;
}

// Lazy: the shortest count from n up whose rest may match.
bool TRegexMatcher::LazyFrom(size_t scan, const char* pos, int64_t n, size_t& next, const char*& at) {
    size_t operand;
    int64_t min, max;
    RepeatBounds(scan, operand, min, max);
    for (;; ++n) {
        Step();
        if (n > max || (n > min && (pos + n - 1 >= end_ || !MatchOne(operand, pos + n - 1)))) return false;
        if (!Viable(scan, pos + n)) continue;
        if (n < max) Push(LazyFrame, scan, pos, n);
        next = prog_.Next(scan);
        at = pos + n;
        return true;
    }
}

// A simple repeat; a possessive one takes its whole run and gives nothing back.
bool TRegexMatcher::EnterRepeat(size_t scan, size_t& next, const char*& pos) {
    size_t operand;
    int64_t min, max;
    RepeatBounds(scan, operand, min, max);
    uint8_t op = prog_.Op(scan);
    bool greedy = op == STAR || op == PLUS || op == BRACES;
    if (greedy || prog_.Possessive[scan]) {
        int64_t n = CountRepeat(operand, pos, max);
        if (scan == prog_.LeadRepeat && runEnd_ == nullptr) runEnd_ = pos + n;
        if (n < min) return false;
        if (!prog_.Possessive[scan]) return GreedyFrom(scan, pos, n, next, pos);
        if (!Viable(scan, pos + n)) return false;
        next = prog_.Next(scan);
        pos += n;
        return true;
    }
    if (min > 0 && CountRepeat(operand, pos, min) < min) return false;
    return LazyFrom(scan, pos, min, next, pos);
}

// A LOOP node: another round of the body or the rest, in the order its
// greediness asks for.
bool TRegexMatcher::EnterLoop(size_t scan, size_t& next, const char* pos) {
    if (loopIndex_ < 0) throw TRegexFault{1015};
    const uint8_t* operand = prog_.Node(TRegexProgram::Operand(scan));
    int32_t min = ReadInt(operand);
    int32_t max = ReadInt(operand + 4);
    size_t entry = scan - static_cast<size_t>(ReadInt(operand + 8));
    if (entry < 1 || entry >= scan || prog_.Op(entry) != LOOPENTRY) throw TRegexFault{1002};
    size_t body = TRegexProgram::Operand(entry);
    int index = loopIndex_;
    int count = loopStack_[index] + 1;  // bodies matched so far
    SetCounter(loopStack_[index], count);
    if (count < min) {
        next = body;
        return true;
    }
    if (prog_.Op(scan) == LOOP) {
        if (count < max) {
            Push(LoopAfterFrame, next, pos);
            next = body;
            return true;
        }
    } else if (count < max) {
        Push(LoopBodyFrame, body, pos);
    }
    SetCounter(loopIndex_, index - 1);
    return true;
}

// The text an earlier group matched, again at pos; moves pos past it.
inline bool TRegexMatcher::MatchBackReference(size_t scan, const char*& pos) {
    int n = prog_.Code[TRegexProgram::Operand(scan)];
    if (n < 1 || n > MaxGroups) throw TRegexFault{1001};
    const char* s = StartP[n];
    const char* e = EndP[n];
    if (s == nullptr || e == nullptr || e < s) return false;
    int64_t len = e - s;
    if (end_ - pos < len) return false;
    Step(len);
    bool ci = prog_.Op(scan) == BSUBEXPCI && syn_.InvertCase;
    for (int64_t i = 0; i < len; ++i) {
        if (pos[i] == s[i]) continue;
        if (!ci || static_cast<unsigned char>(pos[i]) != prog_.CaseMate[static_cast<unsigned char>(s[i])]) return false;
    }
    pos += len;
    return true;
}

// Runs forward from scan until the match ends (true) or the path fails.
bool TRegexMatcher::Advance(size_t scan, const char* pos) {
    const uint8_t* code = prog_.Code.data();
    const size_t size = prog_.Code.size();
    while (scan != 0) {
        Step();
        if (scan >= size) throw TRegexFault{1002};
        uint8_t op = code[scan];
        int32_t offset = ReadInt(code + scan + 1);
        size_t next = offset == 0 ? 0 : static_cast<size_t>(static_cast<int64_t>(scan) + offset);
        switch (op) {
        case BOL:
            if (pos != start_) return false;
            break;
        case EOL:
            if (pos != end_) return false;
            break;
        case BOLML:
            if (!AtLineStart(pos)) return false;
            break;
        case EOLML:
            if (!AtLineEnd(pos)) return false;
            break;
        case BOUND:
        case NOTBOUND:
            if (IsWordBoundary(pos) != (op == BOUND)) return false;
            break;
        case ANYOFFULLSET: {  // the most common one-character node, tested here
            if (pos >= end_) return false;
            auto c = static_cast<unsigned char>(*pos);
            if (((code + TRegexProgram::Operand(scan))[c / 8] & (1u << (c % 8))) == 0) return false;
            ++pos;
            break;
        }
        case ANYBUTTINYSET: {  // a negated class of up to three characters, never a NUL
            const uint8_t* set = code + TRegexProgram::Operand(scan);
            unsigned char c = CharAt(pos, end_);
            if (c == 0 || c == set[0] || c == set[1] || c == set[2]) return false;
            ++pos;
            break;
        }
        case ANY: case ANYML: case ANYDIGIT: case NOTDIGIT: case ANYOFTINYSET:
            if (pos >= end_ || !MatchOne(scan, pos)) return false;
            ++pos;
            break;
        case EXACTLY:
        case EXACTLYCI:
            if (!MatchLiteral(scan, pos)) return false;
            break;
        case NOTHING: case COMMENT: case BACK:
            break;
        case BRANCH: {
            if (prog_.Op(next) != BRANCH) {
                next = TRegexProgram::Operand(scan);
                break;
            }
            size_t later;
            scan = Choose(scan, pos, later);
            if (scan == 0) return false;
            if (later != 0) Push(AltFrame, later, pos);
            next = TRegexProgram::Operand(scan);
            break;
        }
        case STAR: case STARNG: case PLUS: case PLUSNG: case BRACES: case BRACESNG:
            if (!EnterRepeat(scan, next, pos)) return false;
            break;
        case LOOPENTRY:
            if (loopIndex_ + 1 >= LoopStackSize) throw TRegexFault{1014};
            SetCounter(loopIndex_, loopIndex_ + 1);
            SetCounter(loopStack_[loopIndex_], -1);
            break;
        case LOOP: case LOOPNG:
            if (!EnterLoop(scan, next, pos)) return false;
            break;
        case BSUBEXP: case BSUBEXPCI:
            if (!MatchBackReference(scan, pos)) return false;
            break;
        case END:
            matchEnd_ = pos;
            return true;
        default:
            if (!(op > OPEN && op <= OPEN + MaxGroups) && !(op > CLOSE && op <= CLOSE + MaxGroups))
                throw TRegexFault{1001};
            MarkGroup(op, pos);
            break;
        }
        scan = next;
    }
    throw TRegexFault{1002};
}
