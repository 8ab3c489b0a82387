#include "editor/search/SrcEditSearch.h"

#include "editor/search/SrcByteScan.h"
#include "editor/support/Cp1252.h"
#include "editor/support/SrcExceptions.h"

TSrcEditSearch::TSrcEditSearch(TComponent* AOwner) : TSrcEditSearchCustom(AOwner) {
    for (int c = 0; c < 256; ++c) {
        auto ch = static_cast<unsigned char>(c);
        delimiter_[static_cast<size_t>(c)] = !Cp1252IsAlnum(ch) && ch != '_';
    }
    BuildCompareTable();
}

void TSrcEditSearch::BuildCompareTable() {
    char table[256];
    for (int c = 0; c < 256; ++c) table[c] = static_cast<char>(c);
    if (!caseSensitive_) Cp1252LowerBuff(table, sizeof table);
    for (int c = 0; c < 256; ++c) compare_[static_cast<size_t>(c)] = static_cast<unsigned char>(table[c]);
    compareCaseSensitive_ = caseSensitive_;
}

void TSrcEditSearch::SetPattern(const std::string& Value) {
    if (Value != pattern_) {
        pattern_ = Value;
        shiftBuilt_ = false;
    }
    matchCount_ = 0;
}

int TSrcEditSearch::GetLength(int) const { return static_cast<int>(pattern_.size()); }

int TSrcEditSearch::GetResult(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(results_.size())) return 0;
    return results_[static_cast<size_t>(Index)];
}

int TSrcEditSearch::GetResultCount() const { return static_cast<int>(results_.size()); }

void TSrcEditSearch::SetOptions(TSrcSearchOptions Value) {
    bool sensitive = Value.Contains(ssoMatchCase);
    if (sensitive != caseSensitive_) shiftBuilt_ = false;
    caseSensitive_ = sensitive;
    wholeWord_ = Value.Contains(ssoWholeWord);
}

void TSrcEditSearch::BuildShiftTable() {
    if (compareCaseSensitive_ != caseSensitive_) BuildCompareTable();
    patLen_ = static_cast<int>(pattern_.size());
    if (patLen_ == 0) throw Exception("Pattern is empty");
    folded_.resize(pattern_.size());
    for (size_t i = 0; i < pattern_.size(); ++i) folded_[i] = static_cast<char>(Folded(&pattern_[i]));
    shift_.fill(patLen_ + 1);
    for (int i = 1; i <= patLen_; ++i) shift_[Folded(&pattern_[static_cast<size_t>(i - 1)])] = patLen_ + 1 - i;
    const char* last = &pattern_[static_cast<size_t>(patLen_ - 1)];
    lookAt_ = patLen_;
    for (int d = 1; d < patLen_; ++d) {
        if (Folded(last - d) == Folded(last)) {
            lookAt_ = d;
            break;
        }
    }
    std::array<unsigned char, 2> firstChars{}, lastChars{};
    pairsFound_ = BytesFoldingTo(folded_.front(), firstChars) && BytesFoldingTo(folded_.back(), lastChars);
    if (pairsFound_)
        ends_ = TLiteralStartFinder(firstChars[0], firstChars[1], lastChars[0], lastChars[1], pattern_.size() - 1);
    shiftBuilt_ = true;
}

// The one or two characters that compare equal to c; false when there are more.
bool TSrcEditSearch::BytesFoldingTo(char c, std::array<unsigned char, 2>& bytes) const {
    int count = 0;
    for (int b = 0; b < 256; ++b) {
        if (compare_[static_cast<size_t>(b)] != static_cast<unsigned char>(c)) continue;
        if (count == 2) return false;
        bytes[static_cast<size_t>(count++)] = static_cast<unsigned char>(b);
    }
    if (count == 1) bytes[1] = bytes[0];
    return count > 0;
}

bool TSrcEditSearch::IsWholeWord(int run) const {
    int first = run - patLen_ + 1;
    bool before = first == 0 || delimiter_[static_cast<unsigned char>(text_[first - 1])];
    bool after = run == textLen_ - 1 || delimiter_[static_cast<unsigned char>(text_[run + 1])];
    return before && after;
}

// Adds every match from Run on, trying only the windows whose first and last
// characters match, sixteen windows at a time.
template <bool Fold>
void TSrcEditSearch::FindMatchesByEnds() {
    const auto* text = reinterpret_cast<const unsigned char*>(text_);
    const auto* pattern = reinterpret_cast<const unsigned char*>(folded_.data());
    const unsigned char* compare = compare_.data();
    const int len = patLen_;
    const char* end = text_ + textLen_;
    for (const char* p = text_ + run_ + 1;;) {
        p = ends_.Find(text_, p, end);
        if (p == end) break;
        int start = static_cast<int>(p - text_);
        int i = 1;
        while (i < len - 1 && (Fold ? compare[text[start + i]] : text[start + i]) == pattern[i]) ++i;
        if (i >= len - 1 && (!wholeWord_ || IsWholeWord(start + len - 1))) {
            ++matchCount_;
            results_.push_back(start + 1);
            p += len;
        } else {
            ++p;
        }
    }
    run_ = textLen_;
}

// Adds the 1-based position of every match from Run on to the results. The
// loop keeps its state in locals and folds through the table only when case
// is ignored.
template <bool Fold>
void TSrcEditSearch::FindMatches() {
    const auto* text = reinterpret_cast<const unsigned char*>(text_);
    const auto* pattern = reinterpret_cast<const unsigned char*>(folded_.data());
    const unsigned char* compare = compare_.data();
    const int32_t* shift = shift_.data();
    const int len = patLen_, textLen = textLen_, lookAt = lookAt_;
    auto folded = [compare](unsigned char c) { return Fold ? compare[c] : c; };
    const unsigned char last = pattern[len - 1];
    int run = run_ + len;
    while (run < textLen) {
        if (folded(text[run]) != last) {
            run += shift[folded(text[run + 1])];
            continue;
        }
        int i = 1;
        while (i < len && folded(text[run - i]) == pattern[len - 1 - i]) ++i;
        if (i == len && (!wholeWord_ || IsWholeWord(run))) {
            ++matchCount_;
            results_.push_back(run - len + 2);
            run += len;
            continue;
        }
        run += lookAt;
        if (run >= textLen) break;
        run += shift[folded(text[run])] - 1;
    }
    run_ = run;
}

int TSrcEditSearch::FindAllSlow(const std::string& NewText) {
    results_.clear();
    if (!shiftBuilt_ || compareCaseSensitive_ != caseSensitive_) BuildShiftTable();
    text_ = NewText.c_str();
    textLen_ = static_cast<int>(NewText.size());
    run_ = -1;
    if (textLen_ >= patLen_) {
        bool byEnds = pairsFound_ && textLen_ - patLen_ >= 15;  // room for one block of sixteen windows
        if (byEnds && caseSensitive_) FindMatchesByEnds<false>();
        else if (byEnds) FindMatchesByEnds<true>();
        else if (caseSensitive_) FindMatches<false>();
        else FindMatches<true>();
    }
    text_ = nullptr;  // the text is the caller's: keep no pointer into it
    return static_cast<int>(results_.size());
}

std::string TSrcEditSearch::Replace(const std::string&, const std::string& aReplacement) { return aReplacement; }

void TSrcEditSearch::FixResults(int Index, int Delta) {
    if (Delta == 0) return;
    for (auto it = results_.rbegin(); it != results_.rend() && *it > Index; ++it) *it -= Delta;
}

bool TSrcEditSearch::Finished() const { return run_ >= textLen_ || patLen_ >= textLen_; }
