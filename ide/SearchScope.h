#pragma once
#include <optional>
#include <string>
#include <vector>

#include "editor/support/SrcCoord.h"

class TCustomSrcEdit;
class TSrcEditSearchCustom;
class TSrcEditStringList;

// An occurrence of the search pattern: its first character and length.
struct TScopeHit {
    TBufferCoord At;
    int Length = 0;
    TBufferCoord End() const { return TBufferCoord{At.Char + Length, At.Line}; }
};

// The text a "Selection only" search keeps to: per line of the selection
// the columns an occurrence must lie within. It follows the replacements
// made in it, also those that break lines.
class TSearchScope {
public:
    // The selection of Edit, in its active selection mode.
    explicit TSearchScope(const TCustomSrcEdit& Edit);

    // Where a walk through the whole scope starts.
    TBufferCoord Start(bool Backwards) const;
    // The first occurrence in the scope that begins at or after From (that
    // ends at or before it, searching backwards), as Engine finds them.
    std::optional<TScopeHit> Find(TSrcEditSearchCustom& Engine, const TSrcEditStringList& Lines,
                                  const TBufferCoord& From, bool Backwards) const;
    // Hit was replaced; the text that followed it now starts at After.
    void Replaced(const TScopeHit& Hit, const TBufferCoord& After);

private:
    struct TRow {
        int Line;
        int Left;   // an occurrence starts at or after it
        int Right;  // and ends at or before it
    };

    bool Holds(const TRow& Row, int Position, int Length) const;
    std::optional<TScopeHit> FindInRow(TSrcEditSearchCustom& Engine, const TRow& Row, const std::string& Text,
                                       const TBufferCoord& From, bool Backwards) const;
    TRow* RowOf(int Line);

    std::vector<TRow> rows_;
};
