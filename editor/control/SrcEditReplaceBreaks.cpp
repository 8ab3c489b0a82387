#include <algorithm>
#include <utility>
#include <vector>

#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditReplaceRun.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/text/SrcEditTextPieces.h"

// Forwards without prompts, where replacements break lines: every
// occurrence left in the range, from result First of Line on, is
// replaced in one pass, with the records replacing them one by one
// leaves, and the lines are stored at once. False, with nothing
// changed, when the pass cannot take them.
bool TSrcSearchReplaceRun::BreaksRestAtOnce(int Line, int First, int Count, int Offset) {
    if (backwards_ || edit_.Options().Contains(eoTrimTrailingSpaces)) {
        return false;
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
        if (!BreakLine(region, line, First, Count, Offset)) {
            return false;
        }
    }
    if (region.Found == 0) {
        return false;
    }
    StoreRegion(region);
    return true;
}

// The results First.. of Line, found with Count results, into the
// region as one or more new lines.
bool TSrcSearchReplaceRun::BreakLine(TBrokenRegion& Region, int Line, int First, int Count, int Offset) {
    const std::string& text = edit_.Lines().Line(Line - 1);
    Region.LineMarksTo = static_cast<int>(Region.Lines.size());
    Region.Done = 0;
    Region.LineHit = false;
    for (int k = First; k < Count; ++k) {
        const int position = engine_.GetResult(k) + Offset;
        const int length = engine_.GetLength(k);
        if (InRange(Line, position, length, Offset, end_) && !BreakHit(Region, Line, text, position, length)) {
            return false;
        }
    }
    EndRegionLine(Region, text, Line - Region.First);
    return true;
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
    Region.Current.append(Text, Region.Done, origin - Region.Done);
    Region.Done = after;
    const int atLine = ClampToInt32(int64_t{Region.First} + static_cast<int64_t>(Region.Lines.size()));
    const TBufferCoord at = BufferCoord(static_cast<int>(Region.Current.size()) + 1, atLine);
    Region.Records.push_back(TRecord{crDelete, at, BufferCoord(at.Char + Length, at.Line), std::move(found)});
    AppendReplacement(Region, replacement);
    if (!replacement.empty()) {
        Region.Records.push_back(TRecord{crInsert, at, Region.Caret, std::string()});
    }
    const int delta = Region.Caret.Char - (Position + Length);
    if (Line == end_.Line && delta != 0 && !FixedColumns()) {
        Region.BlockEnd = BufferCoord(end_.Char + delta, Region.Caret.Line);
    }
    ++Region.Found;
    Region.LineHit = true;
    return true;
}

// Replacement onto the new line being built, breaking it where it breaks;
// the caret goes after it.
void TSrcSearchReplaceRun::AppendReplacement(TBrokenRegion& Region, const std::string& Replacement) {
    const bool carriesMarks =
        Region.Current.empty() && Region.LineMarksTo == static_cast<int>(Region.Lines.size());
    std::vector<std::string> pieces = SplitTextPieces(Replacement);
    Region.Current += pieces[0];
    for (size_t i = 1; i < pieces.size(); ++i) {
        Region.Lines.push_back(std::move(Region.Current));
        Region.Current = std::move(pieces[i]);
    }
    Region.Caret = BufferCoord(ClampToInt32(static_cast<int64_t>(Region.Current.size()) + 1),
                               ClampToInt32(int64_t{Region.First} + static_cast<int64_t>(Region.Lines.size())));
    // Text put at a line's start takes the line's marks down with it.
    if (carriesMarks && pieces.size() > 1) {
        Region.LineMarksTo = static_cast<int>(Region.Lines.size());
    }
}

// The rest of the old line Text, the OldLine-th of the region, ends the
// new line being built.
void TSrcSearchReplaceRun::EndRegionLine(TBrokenRegion& Region, const std::string& Text, int OldLine) {
    Region.Current.append(Text, Region.Done, std::string::npos);
    Region.Lines.push_back(std::move(Region.Current));
    Region.Current.clear();
    Region.MarksTo.push_back(Region.LineMarksTo);
    if (Region.LineHit) {
        Region.OldCount = OldLine + 1;
        Region.NewCount = Region.Lines.size();
    }
}

// The region's records, then its lines up to the last one replaced in,
// stored at once; the caret as the last replacement leaves it.
void TSrcSearchReplaceRun::StoreRegion(TBrokenRegion& Region) {
    Region.Lines.resize(Region.NewCount);
    Region.MarksTo.resize(static_cast<size_t>(Region.OldCount));
    for (const TRecord& record : Region.Records) {
        edit_.UndoList().AddChange(record.Reason, record.Start, record.End, record.Text, smNormal);
    }
    edit_.PutLineRegion(Region.First, Region.OldCount, Region.Lines, &Region.MarksTo);
    found_ += Region.Found;
    edit_.SetCaretXYEx(false, Region.Caret);
    edit_.EnsureCursorPosVisibleEx(true);
    edit_.blockBegin_ = edit_.CaretXY();
    edit_.blockEnd_ = edit_.blockBegin_;
    edit_.activeSelectionMode_ = smNormal;
    edit_.StatusChanged({scSelection});
    if (Region.BlockEnd) {
        edit_.SetBlockEnd(*Region.BlockEnd);
    }
}
