#include "editor/search/SrcRegexMatcher.h"

#include <cstring>
#include <string_view>

using namespace regex_program;

namespace {

struct DepthGuard {
    int& depth;
    DepthGuard(int& d, int limit) : depth(d) {
        if (++depth > limit) {
            --depth;
            throw TRegexFault{1016};
        }
    }
    ~DepthGuard() { --depth; }
};

inline unsigned char Uc(const char* p) { return static_cast<unsigned char>(*p); }

}  // namespace

TRegexMatcher::TRegexMatcher(const TRegexProgram& program, const TRegexSyntax& syntax, const char* start,
                             const char* end, int recursionLimit, int64_t stepLimit)
    : prog_(program), syn_(syntax), start_(start), end_(end), recursionLimit_(recursionLimit),
      stepLimit_(stepLimit) {
}

void TRegexMatcher::Step(int64_t n) {
    steps_ += n;
    if (steps_ > stepLimit_) throw TRegexFault{1017};
}

bool TRegexMatcher::Search(size_t from) {
    const char* s = start_ + from;
    if (!prog_.MustHave.empty() &&
        std::string_view(s, static_cast<size_t>(end_ - s)).find(prog_.MustHave) == std::string_view::npos)
        return false;
    if (prog_.Anchored) return TryAt(s);
    if (prog_.HasStartChar) {
        for (const char* p = s; p < end_; ++p) {
            p = static_cast<const char*>(std::memchr(p, prog_.StartChar, static_cast<size_t>(end_ - p)));
            if (p == nullptr) return false;
            if (TryAt(p)) return true;
        }
        return false;
    }
    for (const char* p = s; p <= end_; ++p) {
        unsigned char c = p < end_ ? Uc(p) : 0;
        if (prog_.FirstCharTable[c] && TryAt(p)) return true;
    }
    return false;
}

bool TRegexMatcher::TryAt(const char* pos) {
    Step();
    loopIndex_ = -1;
    trail_.clear();
    for (int i = 0; i <= prog_.GroupCount; ++i) StartP[i] = EndP[i] = nullptr;
    if (!Match(1, pos)) return false;
    StartP[0] = pos;
    EndP[0] = matchEnd_;
    return true;
}

bool TRegexMatcher::IsWordBoundary(const char* pos) const {
    if (!wordCharsReady_) {
        for (char c : syn_.WordChars) wordChars_.set(static_cast<unsigned char>(c));
        wordCharsReady_ = true;
    }
    bool before = pos > start_ && wordChars_.test(Uc(pos - 1));
    bool after = pos < end_ && wordChars_.test(Uc(pos));
    return before != after;
}

bool TRegexMatcher::AtLineStart(const char* pos) const {
    if (pos == start_) return true;
    unsigned char prev = Uc(pos - 1);
    bool inPair = syn_.Paired && prev == static_cast<unsigned char>(syn_.PairFirst) && pos < end_ &&
                  *pos == syn_.PairSecond;
    if (prog_.Separators[prev] && !inPair) return true;
    return syn_.Paired && prev == static_cast<unsigned char>(syn_.PairSecond) && pos - 1 > start_ &&
           pos[-2] == syn_.PairFirst;
}

bool TRegexMatcher::AtLineEnd(const char* pos) const {
    if (pos == end_) return true;
    unsigned char cur = Uc(pos);
    bool inPair = syn_.Paired && cur == static_cast<unsigned char>(syn_.PairSecond) && pos > start_ &&
                  pos[-1] == syn_.PairFirst;
    if (prog_.Separators[cur] && !inPair) return true;
    return syn_.Paired && cur == static_cast<unsigned char>(syn_.PairFirst) && pos + 1 < end_ &&
           pos[1] == syn_.PairSecond;
}

// Whether the one-character node accepts the character at pos (not the end).
bool TRegexMatcher::MatchOne(size_t node, const char* pos) const {
    const uint8_t* operand = prog_.Node(TRegexProgram::Operand(node));
    unsigned char c = Uc(pos);
    switch (prog_.Op(node)) {
    case ANY:
        return true;
    case ANYML:
        if (prog_.Separators[c]) return false;
        return !(syn_.Paired && c == static_cast<unsigned char>(syn_.PairFirst) && pos + 1 < end_ &&
                 pos[1] == syn_.PairSecond);
    case EXACTLY:
        return c == operand[0];
    case EXACTLYCI:
        return c == operand[0] || (syn_.InvertCase && c == syn_.InvertCase(operand[0]));
    case ANYDIGIT:
        return c >= '0' && c <= '9';
    case NOTDIGIT:
        return c < '0' || c > '9';
    case ANYOFTINYSET:
        return c == operand[0] || c == operand[1] || c == operand[2];
    case ANYBUTTINYSET:
        return c != 0 && c != operand[0] && c != operand[1] && c != operand[2];
    case ANYOFFULLSET:
        return (operand[c / 8] & (1u << (c % 8))) != 0;
    default:
        throw TRegexFault{1000};
    }
}

long TRegexMatcher::CountRepeat(size_t node, const char* pos, long max) {
    long available = end_ - pos;
    long limit = max < available ? max : available;
    long n = 0;
    const uint8_t* operand = prog_.Node(TRegexProgram::Operand(node));
    switch (prog_.Op(node)) {  // the common sets get a tight loop of their own
    case ANY:
        n = limit;
        break;
    case ANYOFFULLSET:
        while (n < limit && (operand[Uc(pos + n) / 8] & (1u << (Uc(pos + n) % 8))) != 0) ++n;
        break;
    case EXACTLY:
        while (n < limit && Uc(pos + n) == operand[0]) ++n;
        break;
    default:
        while (n < limit && MatchOne(node, pos + n)) ++n;
        break;
    }
    Step(n);
    return n;
}

// The one-character node that the rest from scan must begin with, looking
// through group marks; 0 when the rest may begin otherwise.
size_t TRegexMatcher::FirstConsumer(size_t scan) const {
    for (int hops = 0; scan != 0 && hops < 8; ++hops) {
        uint8_t op = prog_.Op(scan);
        if ((op > OPEN && op <= OPEN + MaxGroups) || (op > CLOSE && op <= CLOSE + MaxGroups) || op == NOTHING ||
            op == COMMENT) {
            scan = prog_.Next(scan);
            continue;
        }
        switch (op) {
        case EXACTLY: case EXACTLYCI: case ANY: case ANYML: case ANYDIGIT: case NOTDIGIT:
        case ANYOFTINYSET: case ANYBUTTINYSET: case ANYOFFULLSET:
            return scan;
        case PLUS: case PLUSNG:
            return TRegexProgram::Operand(scan);
        default:
            return 0;
        }
    }
    return 0;
}

bool TRegexMatcher::MatchRepeat(size_t scan, size_t next, const char* pos) {
    uint8_t op = prog_.Op(scan);
    size_t operand = TRegexProgram::Operand(scan);
    long min = op == PLUS || op == PLUSNG ? 1 : 0;
    long max = InfiniteCount;
    if (op == BRACES || op == BRACESNG) {
        min = ReadInt(prog_.Node(operand));
        max = ReadInt(prog_.Node(operand + 4));
        operand += 8;
    }
    size_t follow = FirstConsumer(next);  // a node that must accept the next character, or 0
    auto tryRest = [&](long n) {
        if (follow != 0 && (pos + n >= end_ || !MatchOne(follow, pos + n))) return false;
        return Match(next, pos + n);
    };
    if (op == STAR || op == PLUS || op == BRACES) {
        for (long n = CountRepeat(operand, pos, max); n >= min; --n) {
            Step();
            if (tryRest(n)) return true;
        }
        return false;
    }
    long n = min > 0 ? CountRepeat(operand, pos, min) : 0;
    if (n < min) return false;
    for (;;) {
        Step();
        if (tryRest(n)) return true;
        if (n >= max || CountRepeat(operand, pos + n, 1) != 1) return false;
        ++n;
    }
}

bool TRegexMatcher::MatchLoopEntry(size_t next, const char* pos) {
    if (loopIndex_ + 1 >= LoopStackSize) throw TRegexFault{1014};
    ++loopIndex_;
    int saved = loopStack_[loopIndex_];
    loopStack_[loopIndex_] = -1;
    bool result = Match(next, pos);
    loopStack_[loopIndex_] = saved;
    --loopIndex_;
    return result;
}

// The rest after a loop runs with the enclosing loop's counter on top.
bool TRegexMatcher::MatchAfterLoop(size_t next, const char* pos) {
    int index = loopIndex_;
    int saved = loopStack_[index];
    --loopIndex_;
    bool result = Match(next, pos);
    loopIndex_ = index;
    loopStack_[index] = saved;
    return result;
}

bool TRegexMatcher::MatchLoop(size_t scan, size_t next, const char* pos) {
    if (loopIndex_ < 0) throw TRegexFault{1015};
    const uint8_t* operand = prog_.Node(TRegexProgram::Operand(scan));
    int32_t min = ReadInt(operand);
    int32_t max = ReadInt(operand + 4);
    size_t entry = scan - static_cast<size_t>(ReadInt(operand + 8));
    if (entry < 1 || entry >= scan || prog_.Op(entry) != LOOPENTRY) throw TRegexFault{1002};
    size_t body = TRegexProgram::Operand(entry);
    int index = loopIndex_;
    int count = ++loopStack_[index];  // bodies matched so far
    bool result;
    if (count < min) {
        result = Match(body, pos);
    } else if (prog_.Op(scan) == LOOP) {
        result = count < max && Match(body, pos);
        if (!result) {
            loopStack_[index] = count;
            result = MatchAfterLoop(next, pos);
        }
    } else {
        result = MatchAfterLoop(next, pos);
        if (!result && count < max) {
            loopStack_[index] = count;
            result = Match(body, pos);
        }
    }
    if (!result) loopStack_[index] = count - 1;
    return result;
}

// Sets a group's start or end; the trail remembers the old value.
void TRegexMatcher::MarkGroup(uint8_t op, const char* pos) {
    bool open = op < CLOSE;
    int n = open ? op - OPEN : op - CLOSE;
    const char** slot = open ? &StartP[n] : &EndP[n];
    trail_.push_back({slot, *slot});
    *slot = pos;
}

bool TRegexMatcher::MatchBackReference(size_t scan, const char*& pos) {
    int n = prog_.Code[TRegexProgram::Operand(scan)];
    if (n < 1 || n > MaxGroups) throw TRegexFault{1001};
    const char* s = StartP[n];
    const char* e = EndP[n];
    if (s == nullptr || e == nullptr || e < s) return false;
    long len = e - s;
    if (end_ - pos < len) return false;
    Step(len);
    bool ci = prog_.Op(scan) == BSUBEXPCI && syn_.InvertCase;
    for (long i = 0; i < len; ++i) {
        if (pos[i] == s[i]) continue;
        if (!ci || Uc(pos + i) != syn_.InvertCase(Uc(s + i))) return false;
    }
    pos += len;
    return true;
}

// A failed attempt undoes the group marks it made.
bool TRegexMatcher::Match(size_t scan, const char* pos) {
    DepthGuard guard(depth_, recursionLimit_);
    size_t mark = trail_.size();
    if (MatchNodes(scan, pos)) return true;
    while (trail_.size() > mark) {
        *trail_.back().first = trail_.back().second;
        trail_.pop_back();
    }
    return false;
}

bool TRegexMatcher::MatchNodes(size_t scan, const char* pos) {
    while (scan != 0) {
        Step();
        if (scan >= prog_.Code.size()) throw TRegexFault{1002};
        uint8_t op = prog_.Op(scan);
        size_t next = prog_.Next(scan);
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
        case ANY: case ANYML: case ANYDIGIT: case NOTDIGIT:
        case ANYOFTINYSET: case ANYBUTTINYSET: case ANYOFFULLSET:
            if (pos >= end_ || !MatchOne(scan, pos)) return false;
            ++pos;
            break;
        case EXACTLY:
        case EXACTLYCI: {
            const char* lit = reinterpret_cast<const char*>(prog_.Node(TRegexProgram::Operand(scan)));
            size_t len = std::strlen(lit);
            if (static_cast<size_t>(end_ - pos) < len) return false;
            for (size_t i = 0; i < len; ++i) {
                unsigned char c = Uc(pos + i), l = static_cast<unsigned char>(lit[i]);
                if (c != l && !(op == EXACTLYCI && syn_.InvertCase && c == syn_.InvertCase(l))) return false;
            }
            pos += len;
            break;
        }
        case NOTHING: case COMMENT: case BACK:
            break;
        case BRANCH:
            if (prog_.Op(next) != BRANCH) {
                next = TRegexProgram::Operand(scan);
                break;
            }
            for (size_t b = scan; b != 0 && prog_.Op(b) == BRANCH; b = prog_.Next(b))
                if (Match(TRegexProgram::Operand(b), pos)) return true;
            return false;
        case STAR: case STARNG: case PLUS: case PLUSNG: case BRACES: case BRACESNG:
            return MatchRepeat(scan, next, pos);
        case LOOPENTRY:
            return MatchLoopEntry(next, pos);
        case LOOP: case LOOPNG:
            return MatchLoop(scan, next, pos);
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
