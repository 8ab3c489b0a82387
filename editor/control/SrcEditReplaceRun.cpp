#include <utility>
#include <vector>

#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditReplaceRun.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/text/SrcEditTextPieces.h"

TSrcSearchReplaceRun::TSrcSearchReplaceRun(TCustomSrcEdit& Edit, const std::string& ASearch,
                                           const std::string& AReplace, TSrcSearchOptions AOptions)
    : edit_(Edit), engine_(*Edit.searchEngine_), search_(ASearch), replace_(AReplace) {
    backwards_ = AOptions.Contains(ssoBackwards);
    prompt_ = AOptions.Contains(ssoPrompt);
    replacing_ = AOptions.Contains(ssoReplace);
    replaceAll_ = AOptions.Contains(ssoReplaceAll);
    // A read-only text is searched as a plain search would.
    readOnly_ = edit_.ReadOnly() && (replacing_ || replaceAll_);
    if (readOnly_) {
        replacing_ = replaceAll_ = false;
    }
    if (!edit_.SelAvail()) {
        AOptions.Exclude(ssoSelectedOnly);
    }
    selectedOnly_ = AOptions.Contains(ssoSelectedOnly);
    SetRange(!AOptions.Contains(ssoEntireScope));
    engine_.SetOptions(AOptions);
    engine_.SetPattern(search_);
}

int TSrcSearchReplaceRun::Execute() {
    edit_.DoOnPaintTransient(ttBefore);
    if (replaceAll_ && !prompt_) {
        Lock();
    }
    try {
        WalkLines();
    } catch (...) {
        Unlock();
        edit_.DoOnPaintTransient(ttAfter);
        throw;
    }
    Unlock();
    edit_.DoOnPaintTransient(ttAfter);
    return readOnly_ ? 0 : found_;
}

void TSrcSearchReplaceRun::SetRange(bool FromCursor) {
    rangeMode_ = edit_.activeSelectionMode_;
    if (selectedOnly_) {
        start_ = edit_.BlockBegin();
        end_ = edit_.BlockEnd();
        if (rangeMode_ == smLine) {
            start_.Char = 1;
            end_.Char = LineLength(end_.Line) + 1;
        } else if (rangeMode_ == smColumn && start_.Char > end_.Char) {
            std::swap(start_.Char, end_.Char);
        }
        return;
    }
    int count = edit_.Lines().Count();
    start_ = BufferCoord(1, 1);
    end_ = BufferCoord(LineLength(count) + 1, count);
    if (FromCursor) {
        (backwards_ ? end_ : start_) = edit_.CaretXY();
    }
}

int TSrcSearchReplaceRun::LineLength(int Line) const {
    return Line >= 1 && Line <= edit_.Lines().Count() ? static_cast<int>(edit_.Lines()[Line - 1].size()) : 0;
}

void TSrcSearchReplaceRun::WalkLines() {
    int step = backwards_ ? -1 : 1;
    for (int line = backwards_ ? end_.Line : start_.Line; line >= start_.Line && line <= end_.Line; line += step) {
        // A replacement that breaks the line leaves the rest of it further down.
        if (line < 1 || line > edit_.Lines().Count() || !WalkResults(line)) {
            return;
        }
    }
}

// False when the run ends in this line. Line becomes the line where the
// rest of the original one stands.
bool TSrcSearchReplaceRun::WalkResults(int& Line) {
    int count = engine_.FindAll(edit_.Lines().Line(Line - 1));
    // A one-pass attempt that declines may have searched other lines.
    const std::vector<TSpan> hits = Results(0, count);
    const bool trims = edit_.Options().Contains(eoTrimTrailingSpaces);
    int offset = 0;
    bool atOnce = true;
    for (int k = 0; k < count; ++k) {
        if (atOnce && replaceAll_ && !prompt_) {
            if (ReplaceRestAtOnce(Line, k, count, offset)) {
                return true;
            }
            if (BreaksRestAtOnce(Line, k, count, offset)) {
                return false;
            }
            atOnce = false;
        }
        int index = backwards_ ? count - 1 - k : k;
        int position = hits[static_cast<size_t>(index)].Position + offset;
        int length = hits[static_cast<size_t>(index)].Length;
        if (!InRange(Line, position, length, offset, end_)) {
            continue;
        }
        if (position + length - 1 > LineLength(Line) && (replacing_ || replaceAll_)) {
            ++found_;  // blanks a trim took with an earlier replacement
            continue;
        }
        ++found_;
        Select(Line, position, length);
        if (!replacing_ && !replaceAll_) {
            return false;
        }
        const bool waiting = trims && Waits(Line, k + 1, hits, offset);
        if (!HandleOccurrence(Line, position, length, offset, waiting)) {
            return false;
        }
    }
    return true;
}

// A column range holds the columns of the text as it was: earlier
// replacements in the line do not move later occurrences into it.
bool TSrcSearchReplaceRun::InRange(int Line, int Position, int Length, int Offset, const TBufferCoord& End) const {
    if (selectedOnly_ && rangeMode_ != smNormal) {
        int column = Position - Offset;
        return rangeMode_ == smLine || start_.Char >= End.Char ||
               (column >= start_.Char && column + Length <= End.Char);
    }
    if (Line == start_.Line && Position < start_.Char) {
        return false;
    }
    return Line != End.Line || Position + Length <= End.Char;
}

// An occurrence is selected as characters, whatever the selection mode,
// so that a replacement takes only its text.
void TSrcSearchReplaceRun::Select(int Line, int Position, int Length) {
    edit_.SetBlockBegin(BufferCoord(Position, Line));
    edit_.SetCaretXYEx(false, BufferCoord(1, Line));
    edit_.EnsureCursorPosVisibleEx(true);
    edit_.SetBlockEnd(BufferCoord(Position + Length, Line));
    if (replacing_ || replaceAll_) {
        // Selected to be replaced, also where the user cannot select.
        edit_.blockBegin_ = BufferCoord(Position, Line);
        edit_.blockEnd_ = BufferCoord(Position + Length, Line);
    }
    edit_.activeSelectionMode_ = smNormal;
    edit_.InternalSetCaretXY(backwards_ ? edit_.BlockBegin() : edit_.BlockEnd());
}

// Where the text that followed an occurrence at Position on Line stands
// once Text replaced it.
TBufferCoord TSrcSearchReplaceRun::After(int Line, int Position, const std::string& Text) {
    std::vector<std::string> pieces = SplitTextPieces(Text);
    if (pieces.size() == 1) {
        return BufferCoord(ClampToInt32(int64_t{Position} + static_cast<int64_t>(pieces[0].size())), Line);
    }
    return BufferCoord(ClampToInt32(static_cast<int64_t>(pieces.back().size()) + 1),
                       ClampToInt32(int64_t{Line} + static_cast<int64_t>(pieces.size()) - 1));
}

// Whether one of the results Next.. of Line is in the range.
bool TSrcSearchReplaceRun::Waits(int Line, int Next, const std::vector<TSpan>& Hits, int Offset) const {
    const int count = static_cast<int>(Hits.size());
    for (int k = Next; k < count; ++k) {
        const TSpan& hit = Hits[static_cast<size_t>(backwards_ ? count - 1 - k : k)];
        if (InRange(Line, hit.Position + Offset, hit.Length, Offset, end_)) {
            return true;
        }
    }
    return false;
}

// False when the run ends after this occurrence. Where occurrences wait
// in its line, a trim leaves the blanks they may be.
bool TSrcSearchReplaceRun::HandleOccurrence(int& Line, int Position, int Length, int& Offset, bool Waiting) {
    TSrcReplaceAction action = raReplace;
    if (prompt_ && edit_.OnReplaceText) {
        action = edit_.DoOnReplaceText(search_, replace_, Line, Position);
    }
    if (action == raCancel) {
        return false;
    }
    if (action == raReplaceAll) {
        prompt_ = false;
        replaceAll_ = true;
        Lock();
    }
    TBufferCoord after = BufferCoord(Position + Length, Line);
    if (action != raSkip) {
        std::string text = engine_.Replace(edit_.SelText(), replace_);
        after = After(Line, Position, text);
        edit_.untrimmedLine_ = Waiting ? (backwards_ ? Line : after.Line) : 0;
        try {
            edit_.SetSelTextExternal(text);
        } catch (...) {
            edit_.untrimmedLine_ = 0;
            throw;
        }
        edit_.untrimmedLine_ = 0;
    }
    if (!backwards_) {
        edit_.InternalSetCaretXY(after);
        MoveRangeEnd(Line, after, after.Char - (Position + Length));
        Offset += after.Char - (Position + Length);
        Line = after.Line;
    }
    return replaceAll_;
}

// The text after an occurrence on Line moved to After, Delta columns
// from where it stood: the range's end moves with it.
void TSrcSearchReplaceRun::MoveRangeEnd(int Line, const TBufferCoord& After, int Delta) {
    if (end_.Line == Line && !FixedColumns()) {
        end_.Char += Delta;
    }
    end_.Line += After.Line - Line;
    if (end_.Line == After.Line && Delta != 0 && !FixedColumns()) {
        edit_.SetBlockEnd(end_);
    }
}

void TSrcSearchReplaceRun::Lock() {
    if (!locked_) {
        edit_.IncPaintLock();
        edit_.BeginUndoBlock();
        locked_ = true;
    }
}

void TSrcSearchReplaceRun::Unlock() {
    if (locked_) {
        locked_ = false;
        edit_.EndUndoBlock();
        edit_.DecPaintLock();
    }
}
