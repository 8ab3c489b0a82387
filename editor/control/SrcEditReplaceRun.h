#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "editor/control/SrcEdit.h"

// One run of SearchReplace: the range, the walk over its lines and the
// paint lock and undo block a replace-all holds. Without prompts, the
// rest of a line's occurrences are replaced in one pass, and so are the
// rest of the range's where the replacement breaks lines.
class TSrcSearchReplaceRun {
public:
    TSrcSearchReplaceRun(TCustomSrcEdit& Edit, const std::string& ASearch, const std::string& AReplace,
                         TSrcSearchOptions AOptions);
    int Execute();

private:
    struct THit {
        int Position;   // in the line as the replacements before it left it
        int Length;
        int Replaced;   // the replacement's length
        size_t Origin;  // 0-based, in the line as the pass found it
    };

    struct TSpan {
        int Position;  // as found, before the offset earlier replacements add
        int Length;
    };

    struct TPlace {
        TBufferCoord At;
        int Length = 0;
    };

    struct TRecord {
        TSrcChangeReason Reason;
        TBufferCoord Start, End;
        std::string Text;
    };

    struct TBrokenRegion {
        int First = 0;                    // the region's first line
        std::vector<std::string> Lines;   // the region's lines as replaced
        std::vector<int> MarksTo;         // per old line, the new index its marks go to
        std::vector<TRecord> Records;
        int OldCount = 0;                 // old lines up to the last one replaced in
        int Skipped = 0;                  // old lines since then, not taken yet
        TBufferCoord Caret;               // after the last replacement
        TBufferCoord InsertEnd;           // where its insertion ended, trimmed
        size_t InsertRecord = 0;          // the insertion's record
        TPlace FirstHit, LastHit;         // occurrences as found
        TBufferCoord FirstCaret;          // after the first replacement
        std::optional<TBufferCoord> BlockEnd;  // the range's end, where a replacement moved it
        int Found = 0;
        // The new line being built from an old one.
        std::string Current;
        size_t Done = 0;                  // of the old line, the bytes taken so far
        int LineMarksTo = 0;
        bool LineHit = false;
    };

    // The walk, one occurrence at a time (SrcEditReplaceRun.cpp).
    void SetRange(bool FromCursor);
    int LineLength(int Line) const;
    void WalkLines();
    bool WalkResults(int& Line);
    bool InRange(int Line, int Position, int Length, int Offset, const TBufferCoord& End) const;
    void Select(int Line, int Position, int Length);
    bool FixedColumns() const { return selectedOnly_ && rangeMode_ == smColumn; }
    static TBufferCoord After(int Line, int Position, const std::string& Text);
    bool Waits(int Line, int Next, const std::vector<TSpan>& Hits, int Offset) const;
    bool HandleOccurrence(int& Line, int Position, int Length, int& Offset, bool Waiting);
    void MoveRangeEnd(int Line, const TBufferCoord& After, int Delta);
    void Lock();
    void Unlock();

    // The rest of one line in one pass (SrcEditReplaceRestAtOnce.cpp).
    bool ReplaceRestAtOnce(int Line, int First, int Count, int Offset);
    void StoreLine(int Line, const std::vector<THit>& Hits, const std::string& Text, std::string Result);
    bool ReplacesAtOnce(const std::string& Replacement) const;
    bool MovesEnd(int Line, const THit& Hit) const;
    void RecordReplacement(int Line, const THit& Hit, const std::string& Text);
    void LeaveCaretAfter(int Line, const THit& Last);

    // The rest of the range in one pass, breaking lines (SrcEditReplaceBreaks.cpp).
    bool BreaksRestAtOnce(int Line, int First, int Count, int Offset);
    bool BreaksBackAtOnce(int Line, int First, int Count);
    std::vector<TSpan> Results(int From, int To) const;
    bool BreakLine(TBrokenRegion& Region, int Line, const std::vector<TSpan>& Hits, int Offset);
    void TakeSkippedLines(TBrokenRegion& Region, int Line);
    bool BreakHit(TBrokenRegion& Region, int Line, const std::string& Text, int Position, int Length);
    void PutReplacement(TBrokenRegion& Region, const std::string& Text, size_t Origin, std::string Found,
                        const std::string& Replacement);
    bool AtLineStart(const TBrokenRegion& Region, size_t Origin) const;
    static int NewLineNumber(const TBrokenRegion& Region);
    void AppendReplacement(TBrokenRegion& Region, const std::string& Replacement, bool AtLineStart);
    void EndRegionLine(TBrokenRegion& Region, const std::string& Text, int OldLine);
    void StoreRegion(TBrokenRegion& Region);

    // The same under eoTrimTrailingSpaces (SrcEditReplaceBreaksTrim.cpp).
    bool PutTrimmedReplacement(TBrokenRegion& Region, const std::string& Text, size_t Origin, std::string Found,
                               const std::string& Replacement);
    static void TrimFirstLine(TBrokenRegion& Region, size_t Line, size_t Left);
    static void TrimLastLine(TBrokenRegion& Region);
    static size_t TrimmedLength(const std::string& Text);
    void LeaveCaretAfterRegion(const TBrokenRegion& Region);
    void LeaveCaretAfterFirst(const TBrokenRegion& Region);

    TCustomSrcEdit& edit_;
    TSrcEditSearchCustom& engine_;
    const std::string& search_;
    const std::string& replace_;
    bool backwards_ = false;
    bool prompt_ = false;
    bool replacing_ = false;
    bool replaceAll_ = false;
    bool selectedOnly_ = false;
    bool readOnly_ = false;
    bool locked_ = false;
    TSrcSelectionMode rangeMode_ = smNormal;
    TBufferCoord start_;
    TBufferCoord end_;
    int found_ = 0;
};
