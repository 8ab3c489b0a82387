#pragma once
#include <string>
#include <vector>

#include "editor/search/SrcEditSearchCustom.h"
#include "editor/search/SrcRegex.h"

// A search engine over TRegex: results of differing lengths, and a Replace
// that substitutes groups ("$1"). FailOnLine makes FindAll throw on the line
// with that text.
class RegexSearchEngine : public TSrcEditSearchCustom {
public:
    std::string GetPattern() const override { return regex_.GetExpression(); }
    void SetPattern(const std::string& Value) override { regex_.SetExpression(Value); }
    int GetLength(int Index) const override { return results_.at(static_cast<size_t>(Index)).second; }
    int GetResult(int Index) const override { return results_.at(static_cast<size_t>(Index)).first; }
    int GetResultCount() const override { return static_cast<int>(results_.size()); }
    void SetOptions(TSrcSearchOptions Value) override { regex_.SetModifier(1, !Value.Contains(ssoMatchCase)); }
    int FindAll(const std::string& NewText) override {
        if (!FailOnLine.empty() && NewText == FailOnLine) {
            throw Exception("engine failed");
        }
        results_.clear();
        for (bool found = regex_.Exec(NewText); found; found = regex_.ExecNext()) {
            results_.emplace_back(regex_.GetMatchPos(0), regex_.GetMatchLen(0));
        }
        return GetResultCount();
    }
    std::string Replace(const std::string& aOccurrence, const std::string& aReplacement) override {
        regex_.Exec(aOccurrence);
        return regex_.Substitute(aReplacement);
    }

    std::string FailOnLine;

private:
    TRegex regex_;
    std::vector<std::pair<int, int>> results_;
};
