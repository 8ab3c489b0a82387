#pragma once
#include <string>

#include "editor/support/SrcComponent.h"
#include "editor/search/SrcSearchTypes.h"

// The search engine as the editor's search and replace sees it: it finds
// every occurrence of the pattern in one line at a time. As a component it
// tells the editors that asked (FreeNotification) when it goes.
class TSrcEditSearchCustom : public TComponent {
public:
    explicit TSrcEditSearchCustom(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

    virtual std::string GetPattern() const = 0;
    virtual void SetPattern(const std::string& Value) = 0;
    // Length of the result with that index.
    virtual int GetLength(int Index) const = 0;
    // 1-based character position of the result with that index in the line.
    virtual int GetResult(int Index) const = 0;
    virtual int GetResultCount() const = 0;
    virtual void SetOptions(TSrcSearchOptions Value) = 0;
    // Finds every occurrence in NewText, in ascending order; their number.
    virtual int FindAll(const std::string& NewText) = 0;
    // The text that replaces one occurrence.
    virtual std::string Replace(const std::string& aOccurrence, const std::string& aReplacement) = 0;

    std::string Pattern() const { return GetPattern(); }
    void Pattern(const std::string& Value) { SetPattern(Value); }
};
