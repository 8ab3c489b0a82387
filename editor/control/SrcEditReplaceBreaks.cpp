#include <algorithm>
#include <utility>
#include <vector>

#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditReplaceRun.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/text/SrcEditTextPieces.h"

// Without prompts, where replacements break lines: every occurrence left
// in the range, from result First of Line on, is replaced in one pass,
// with records that undo and redo it as replacing them one by one would,
// and the lines are stored at once. False, with nothing changed, when the
// pass cannot take them.
bool TSrcSearchReplaceRun::BreaksRestAtOnce(int Line, int First, int Count, int Offset) {
    if (backwards_) {
        return BreaksBackAtOnce(Line, First, Count);
    }
    TBrokenRegion region;
    region.First = Line;
    const int last = std::min(end_.Line, edit_.Lines().Count());
    for (int line = Line; line <= last; ++line) {
        if (line > Line) {
            First = 0;
            Offset = 0;
            Count = engine_.FindAll(edit_.Lines().Line(line - 1));
        }
        if (!BreakLine(region, line, Results(First, Count), Offset)) {
            return false;
        }
    }
    if (region.Found == 0) {
        return false;
    }
    StoreRegion(region);
    LeaveCaretAfterRegion(region);
    return true;
}

// Backwards, the occurrences left are the results before First's of Line
// and those of the range's lines above it. They are replaced as forwards,
// from the first line with one.
bool TSrcSearchReplaceRun::BreaksBackAtOnce(int Line, int First, int Count) {
    const std::vector<TSpan> rest = Results(0, Count - First);
    TBrokenRegion region;
    for (int line = std::max(start_.Line, 1); line <= Line; ++line) {
        if (region.Found == 0) {
            region = TBrokenRegion();
            region.First = line;
        }
        const std::vector<TSpan> above =
            line < Line ? Results(0, engine_.FindAll(edit_.Lines().Line(line - 1))) : std::vector<TSpan>();
        if (!BreakLine(region, line, line < Line ? above : rest, 0)) {
            return false;
        }
    }
    if (region.Found == 0) {
        return false;
    }
    // Replaced one by one, the last occurrence is selected first.
    Select(region.LastHit.At.Line, region.LastHit.At.Char, region.LastHit.Length);
    Select(region.FirstHit.At.Line, region.FirstHit.At.Char, region.FirstHit.Length);
    StoreRegion(region);
    LeaveCaretAfterFirst(region);
    return true;
}

// The engine's results From..To - 1, in the order of the text.
std::vector<TSrcSearchReplaceRun::TSpan> TSrcSearchReplaceRun::Results(int From, int To) const {
    std::vector<TSpan> spans;
    spans.reserve(static_cast<size_t>(std::max(0, To - From)));
    for (int k = From; k < To; ++k) {
        spans.push_back(TSpan{engine_.GetResult(k), engine_.GetLength(k)});
    }
    return spans;
}

// Hits of Line, moved by Offset, into the region as one or more new lines.
bool TSrcSearchReplaceRun::BreakLine(TBrokenRegion& Region, int Line, const std::vector<TSpan>& Hits, int Offset) {
    const std::string& text = edit_.Lines().Line(Line - 1);
    Region.Done = 0;
    Region.LineHit = false;
    for (const TSpan& hit : Hits) {
        const int position = hit.Position + Offset;
        if (!InRange(Line, position, hit.Length, Offset, end_)) {
            continue;
        }
        if (!Region.LineHit) {
            TakeSkippedLines(Region, Line);
        }
        if (!BreakHit(Region, Line, text, position, hit.Length)) {
            return false;
        }
    }
    if (Region.LineHit) {
        EndRegionLine(Region, text, Line - Region.First);
    } else {
        ++Region.Skipped;
    }
    return true;
}

// The old lines above Line that held no occurrence go into the region
// as they are, once a line below them has one.
void TSrcSearchReplaceRun::TakeSkippedLines(TBrokenRegion& Region, int Line) {
    for (int line = Line - Region.Skipped; line < Line; ++line) {
        Region.MarksTo.push_back(static_cast<int>(Region.Lines.size()));
        Region.Lines.push_back(edit_.Lines().Line(line - 1));
    }
    Region.Skipped = 0;
    Region.LineMarksTo = static_cast<int>(Region.Lines.size());
}

// One occurrence at Position of the old line Text: the text before it
// and its replacement go into the region, with the records replacing it
// alone leaves.
bool TSrcSearchReplaceRun::BreakHit(TBrokenRegion& Region, int Line, const std::string& Text, int Position,
                                    int Length) {
    const size_t origin = static_cast<size_t>(Position - 1);
    const size_t after = origin + static_cast<size_t>(Length);
    if (Length <= 0 || Position < 1 || origin < Region.Done || after > Text.size()) {
        return false;
    }
    std::string found = Text.substr(origin, static_cast<size_t>(Length));
    std::string replacement = engine_.Replace(found, replace_);
    if (replacement.find('\0') != std::string::npos) {
        return false;
    }
    // Where replacing one by one finds it: after the replacements before it.
    const int column = Region.LineHit ? Region.Caret.Char + static_cast<int>(origin - Region.Done) : Position;
    if (!edit_.Options().Contains(eoTrimTrailingSpaces)) {
        PutReplacement(Region, Text, origin, std::move(found), replacement);
    } else if (!PutTrimmedReplacement(Region, Text, origin, std::move(found), replacement)) {
        return false;
    }
    if (Region.Found == 0) {
        Region.FirstHit = {BufferCoord(Position, Line), Length};
        Region.FirstCaret = Region.Caret;
    }
    Region.LastHit = {BufferCoord(Position, Line), Length};
    if (!backwards_ && Line == end_.Line && !FixedColumns()) {
        // The range's end follows the text after the occurrence; it is
        // selected up to there where this replacement moved that text.
        const bool moved = Region.Caret.Char != column + Length;
        Region.BlockEnd.reset();
        if (moved) {
            Region.BlockEnd = BufferCoord(Region.Caret.Char + end_.Char - (Position + Length), Region.Caret.Line);
        }
    }
    ++Region.Found;
    Region.LineHit = true;
    return true;
}

// The text of Text before the occurrence at Origin, its deletion, the
// Replacement and its insertion into the region.
void TSrcSearchReplaceRun::PutReplacement(TBrokenRegion& Region, const std::string& Text, size_t Origin,
                                          std::string Found, const std::string& Replacement) {
    const int length = static_cast<int>(Found.size());
    Region.Current.append(Text, Region.Done, Origin - Region.Done);
    Region.Done = Origin + Found.size();
    const TBufferCoord at = BufferCoord(static_cast<int>(Region.Current.size()) + 1, NewLineNumber(Region));
    Region.Records.push_back(TRecord{crDelete, at, BufferCoord(at.Char + length, at.Line), std::move(Found)});
    AppendReplacement(Region, Replacement, AtLineStart(Region, Origin));
    if (!Replacement.empty()) {
        Region.Records.push_back(TRecord{crInsert, at, Region.Caret, std::string()});
    }
    Region.InsertEnd = Region.Caret;
}

// Whether text put at Origin of the old line goes in at a new line's
// start. Backwards, only an occurrence that starts the old line does.
bool TSrcSearchReplaceRun::AtLineStart(const TBrokenRegion& Region, size_t Origin) const {
    return backwards_ ? Origin == 0
                      : Region.Current.empty() && Region.LineMarksTo == static_cast<int>(Region.Lines.size());
}

// The number the new line being built gets.
int TSrcSearchReplaceRun::NewLineNumber(const TBrokenRegion& Region) {
    return ClampToInt32(int64_t{Region.First} + static_cast<int64_t>(Region.Lines.size()));
}

// Replacement onto the new line being built, breaking it where it breaks;
// the caret goes after it. Put AtLineStart, it takes the line's marks.
void TSrcSearchReplaceRun::AppendReplacement(TBrokenRegion& Region, const std::string& Replacement,
                                             bool AtLineStart) {
    std::vector<std::string> pieces = SplitTextPieces(Replacement);
    Region.Current += pieces[0];
    for (size_t i = 1; i < pieces.size(); ++i) {
        Region.Lines.push_back(std::move(Region.Current));
        Region.Current = std::move(pieces[i]);
    }
    Region.Caret = BufferCoord(ClampToInt32(static_cast<int64_t>(Region.Current.size()) + 1), NewLineNumber(Region));
    // Text put at a line's start takes the line's marks down with it.
    if (AtLineStart && pieces.size() > 1) {
        Region.LineMarksTo = static_cast<int>(Region.Lines.size());
    }
}

// The rest of the old line Text, the OldLine-th of the region, ends the
// new line being built: the last old line replaced in, so far.
void TSrcSearchReplaceRun::EndRegionLine(TBrokenRegion& Region, const std::string& Text, int OldLine) {
    Region.Current.append(Text, Region.Done, std::string::npos);
    if (edit_.Options().Contains(eoTrimTrailingSpaces)) {
        TrimLastLine(Region);
    }
    Region.Lines.push_back(std::move(Region.Current));
    Region.Current.clear();
    Region.MarksTo.push_back(Region.LineMarksTo);
    Region.OldCount = OldLine + 1;
}

// The region's records, then its lines up to the last one replaced in,
// stored at once.
void TSrcSearchReplaceRun::StoreRegion(TBrokenRegion& Region) {
    for (const TRecord& record : Region.Records) {
        edit_.UndoList().AddChange(record.Reason, record.Start, record.End, record.Text, smNormal);
    }
    edit_.PutLineRegion(Region.First, Region.OldCount, Region.Lines, &Region.MarksTo);
    found_ += Region.Found;
}

// Forwards, the caret as the last replacement leaves it.
void TSrcSearchReplaceRun::LeaveCaretAfterRegion(const TBrokenRegion& Region) {
    edit_.SetCaretXYEx(false, Region.Caret);
    edit_.EnsureCursorPosVisibleEx(true);
    edit_.blockBegin_ = Region.InsertEnd;
    edit_.blockEnd_ = edit_.blockBegin_;
    edit_.activeSelectionMode_ = smNormal;
    edit_.StatusChanged({scSelection});
    if (Region.BlockEnd) {
        edit_.SetBlockEnd(*Region.BlockEnd);
    }
}

// Backwards, the caret as replacing the first occurrence last leaves it:
// after its replacement, at most at its line's end where a trim took
// blanks, nothing selected.
void TSrcSearchReplaceRun::LeaveCaretAfterFirst(const TBrokenRegion& Region) {
    const TBufferCoord caret = Region.FirstCaret;
    edit_.SetCaretXYEx(false, BufferCoord(std::min(caret.Char, LineLength(caret.Line) + 1), caret.Line));
    edit_.blockBegin_ = edit_.CaretXY();
    edit_.blockEnd_ = edit_.blockBegin_;
    edit_.activeSelectionMode_ = smNormal;
    edit_.StatusChanged({scSelection});
}
