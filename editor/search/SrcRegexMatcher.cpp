// The search for a match: which positions are tried, and each try.
#include "editor/search/SrcRegexMatcher.h"

#include <cstring>
#include <string_view>

#include "editor/search/SrcByteScan.h"

using namespace regex_program;

TRegexMatcher::TRegexMatcher(const TRegexProgram& program, const TRegexSyntax& syntax, TRegexBacktrack& memory,
                             const char* start, const char* end, int64_t frameLimit, int64_t stepLimit)
    : prog_(program), syn_(syntax), mem_(memory), start_(start), end_(end),
      frameLimit_(frameLimit > 0 ? static_cast<size_t>(frameLimit) : 0), stepsLeft_(stepLimit) {
}

// The first position from p whose character may begin a match (the end
// counts as NUL); nullptr when there is none.
inline const char* TRegexMatcher::NextCandidate(const char* p) const {
    if (p > end_) return nullptr;
    const char* hit;
    if (prog_.LeadLiteralLength >= 2) {
        hit = prog_.LeadLiteralFinder.Find(start_, p, end_);
    } else if (prog_.FirstByteCount == 1) {
        hit = FindByte(p, end_, prog_.FirstBytes[0]);
    } else if (prog_.FirstByteCount == 2) {
        hit = FindEitherByte(p, end_, prog_.FirstBytes[0], prog_.FirstBytes[1]);
    } else {
        const auto& table = prog_.FirstCharTable;
        while (p < end_ && !table[static_cast<unsigned char>(*p)]) ++p;
        return p < end_ || table[0] ? p : nullptr;
    }
    return hit < end_ ? hit : nullptr;
}

bool TRegexMatcher::Search(size_t from) {
    const char* s = start_ + from;
    if (!prog_.MustHave.empty() &&
        std::string_view(s, static_cast<size_t>(end_ - s)).find(prog_.MustHave) == std::string_view::npos)
        return false;
    if (prog_.Anchored) return TryAt(s);
    if (prog_.AtLineStarts) return SearchLineStarts(s);
    if (prog_.PureLiteral) return SearchLiteral(s);
    for (const char* p = s; (p = NextCandidate(p)) != nullptr;) {
        if (TryAt(p)) return true;
        p = runEnd_ != nullptr ? runEnd_ + 1 - prog_.LeadLength : p + 1;  // the run starts at p + LeadLength
    }
    return false;
}

// Only line starts are tried: the start, and after each line separator.
bool TRegexMatcher::SearchLineStarts(const char* from) {
    for (const char* p = from; p <= end_; ++p) {
        if (AtLineStart(p) && TryAt(p)) return true;
        while (p < end_ && !prog_.Separators[static_cast<unsigned char>(*p)]) ++p;
    }
    return false;
}

bool TRegexMatcher::SearchLiteral(const char* from) {
    const char* literal = reinterpret_cast<const char*>(prog_.Node(TRegexProgram::Operand(TRegexProgram::Operand(1))));
    const void* hit = memmem(from, static_cast<size_t>(end_ - from), literal, std::strlen(literal));
    return hit != nullptr && TryAt(static_cast<const char*>(hit));
}

bool TRegexMatcher::TryAt(const char* pos) {
    Step();
    loopIndex_ = -1;
    runEnd_ = nullptr;
    mem_.Frames.clear();
    mem_.Marks.clear();
    mem_.Counters.clear();
    for (int i = 0; i <= prog_.GroupCount; ++i) StartP[i] = EndP[i] = nullptr;
    if (!Run(1, pos)) return false;
    StartP[0] = pos;
    EndP[0] = matchEnd_;
    return true;
}
