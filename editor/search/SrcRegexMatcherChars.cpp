// The matcher's one-character nodes, literals and the
// zero-width assertions.
#include <cstring>

#include "editor/search/SrcRegexMatcher.h"

using namespace regex_program;

namespace {
inline unsigned char Uc(const char* p) { return static_cast<unsigned char>(*p); }
}  // namespace

bool TRegexMatcher::IsWordBoundary(const char* pos) {
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
        return c == operand[0] || c == prog_.CaseMate[operand[0]];
    case ANYDIGIT:
        return c >= '0' && c <= '9';
    case NOTDIGIT:  // like every negated class, never a NUL
        return c != 0 && (c < '0' || c > '9');
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

int64_t TRegexMatcher::CountRepeat(size_t node, const char* pos, int64_t max) {
    int64_t available = end_ - pos;
    int64_t limit = max < available ? max : available;
    int64_t n = 0;
    const uint8_t* operand = prog_.Node(TRegexProgram::Operand(node));
    const auto* p = reinterpret_cast<const unsigned char*>(pos);
    switch (prog_.Op(node)) {  // the common sets get a tight loop of their own
    case ANY:
        n = limit;
        break;
    case ANYML:  // a scan to the line's end
        while (n < limit && !prog_.Separators[p[n]]) {
            if (syn_.Paired && p[n] == static_cast<unsigned char>(syn_.PairFirst) && !MatchOne(node, pos + n)) break;
            ++n;
        }
        break;
    case ANYOFFULLSET:
        while (n < limit && (operand[p[n] / 8] & (1u << (p[n] % 8))) != 0) ++n;
        break;
    case EXACTLY:
        while (n < limit && p[n] == operand[0]) ++n;
        break;
    case ANYOFTINYSET:
        while (n < limit && (p[n] == operand[0] || p[n] == operand[1] || p[n] == operand[2])) ++n;
        break;
    default:
        while (n < limit && MatchOne(node, pos + n)) ++n;
        break;
    }
    Step(n);
    return n;
}

// A literal string node; moves pos past it.
bool TRegexMatcher::MatchLiteral(size_t scan, const char*& pos) const {
    const auto* lit = prog_.Node(TRegexProgram::Operand(scan));
    const auto* p = reinterpret_cast<const unsigned char*>(pos);
    const auto* limit = reinterpret_cast<const unsigned char*>(end_);
    size_t i = 0;
    if (prog_.Op(scan) == EXACTLY) {
        for (; lit[i] != 0; ++i)
            if (p + i >= limit || p[i] != lit[i]) return false;
    } else {
        for (; lit[i] != 0; ++i)
            if (p + i >= limit || (p[i] != lit[i] && p[i] != prog_.CaseMate[lit[i]])) return false;
    }
    pos += i;
    return true;
}
