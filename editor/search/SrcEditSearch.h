#pragma once
// TSrcEditSearch: the editor's plain-text search engine. It finds every
// non-overlapping occurrence of a pattern in one line at a time with the
// Sunday variant of Boyer-Moore matching on single-byte (Windows-1252)
// characters, optionally ignoring case and matching whole words only. Where
// the pattern's first and last characters each compare equal to at most two
// characters, the windows are first filtered by those two, sixteen at once.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/search/SrcByteScan.h"
#include "editor/search/SrcEditSearchCustom.h"

class TSrcEditSearch : public TSrcEditSearchCustom {
public:
    explicit TSrcEditSearch(TComponent* AOwner = nullptr);

    std::string GetPattern() const override { return pattern_; }
    void SetPattern(const std::string& Value) override;
    int GetLength(int Index) const override;
    int GetResult(int Index) const override;
    int GetResultCount() const override;
    void SetOptions(TSrcSearchOptions Value) override;
    // Throws Exception("Pattern is empty") for an empty pattern. A line
    // shorter than the pattern costs no call.
    int FindAll(const std::string& NewText) override {
        if (shiftBuilt_ && compareCaseSensitive_ == caseSensitive_ &&
            NewText.size() < static_cast<size_t>(patLen_)) {
            results_.clear();
            textLen_ = static_cast<int>(NewText.size());
            run_ = -1;
            return 0;
        }
        return FindAllSlow(NewText);
    }
    std::string Replace(const std::string& aOccurrence, const std::string& aReplacement) override;

    // Moves the results after a replaced match at index by -delta.
    void FixResults(int Index, int Delta);
    bool Finished() const;
    // Matches found since the pattern was last set.
    int GetMatchCount() const { return matchCount_; }

private:
    int FindAllSlow(const std::string& NewText);
    void BuildCompareTable();
    void BuildShiftTable();
    template <bool Fold>
    void FindMatches();
    template <bool Fold>
    void FindMatchesByEnds();
    bool BytesFoldingTo(char c, std::array<unsigned char, 2>& bytes) const;
    bool IsWholeWord(int run) const;
    unsigned char Folded(const char* p) const { return compare_[static_cast<unsigned char>(*p)]; }

    std::array<unsigned char, 256> compare_{};
    bool compareCaseSensitive_ = false;
    std::array<bool, 256> delimiter_{};
    std::array<int32_t, 256> shift_{};
    bool shiftBuilt_ = false;
    std::string pattern_;
    std::string folded_;  // the pattern through the compare table
    // Finds windows by the characters that compare equal to the pattern's
    // first and last, when there are at most two of each.
    TLiteralStartFinder ends_;
    bool pairsFound_ = false;
    int patLen_ = 0;
    int lookAt_ = 0;

    const char* text_ = nullptr;  // NUL-terminated
    int textLen_ = 0;
    int run_ = 0;

    bool caseSensitive_ = false;
    bool wholeWord_ = false;
    std::vector<int> results_;
    int matchCount_ = 0;
};
