#pragma once
// TSrcEditSearch: the editor's plain-text search engine. It finds every
// non-overlapping occurrence of a pattern in one line at a time with the
// Sunday variant of Boyer-Moore matching on single-byte (Windows-1252)
// characters, optionally ignoring case and matching whole words only.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

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
    // Throws Exception("Pattern is empty") for an empty pattern.
    int FindAll(const std::string& NewText) override;
    std::string Replace(const std::string& aOccurrence, const std::string& aReplacement) override;

    // Moves the results after a replaced match at index by -delta.
    void FixResults(int Index, int Delta);
    bool Finished() const;
    // Matches found since the pattern was last set.
    int GetMatchCount() const { return matchCount_; }

private:
    void BuildCompareTable();
    void BuildShiftTable();
    template <bool Fold>
    void FindMatches();
    bool IsWholeWord(int run) const;
    unsigned char Folded(const char* p) const { return compare_[static_cast<unsigned char>(*p)]; }

    std::array<unsigned char, 256> compare_{};
    bool compareCaseSensitive_ = false;
    std::array<bool, 256> delimiter_{};
    std::array<int32_t, 256> shift_{};
    bool shiftBuilt_ = false;
    std::string pattern_;
    std::string folded_;  // the pattern through the compare table
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
