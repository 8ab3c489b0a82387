#include <optional>
#include <utility>
#include <vector>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/support/SrcExceptions.h"
#include "editor/text/SrcEditTextPieces.h"
#include "editor/text/SrcLineSplicer.h"

// One run of SearchReplace: the range, the walk over its lines and the
// paint lock and undo block a replace-all holds.
class TSrcSearchReplaceRun {
public:
    TSrcSearchReplaceRun(TCustomSrcEdit& Edit, const std::string& ASearch, const std::string& AReplace,
                         TSrcSearchOptions AOptions)
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

    int Execute() {
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

private:
    void SetRange(bool FromCursor) {
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

    int LineLength(int Line) const {
        return Line >= 1 && Line <= edit_.Lines().Count() ? static_cast<int>(edit_.Lines()[Line - 1].size()) : 0;
    }

    void WalkLines() {
        int step = backwards_ ? -1 : 1;
        for (int line = backwards_ ? end_.Line : start_.Line; line >= start_.Line && line <= end_.Line;
             line += step) {
            // A replacement that breaks the line leaves the rest of it further down.
            if (line < 1 || line > edit_.Lines().Count() || !WalkResults(line)) {
                return;
            }
        }
    }

    // False when the run ends in this line. Line becomes the line where the
    // rest of the original one stands.
    bool WalkResults(int& Line) {
        int count = engine_.FindAll(edit_.Lines().Line(Line - 1));
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
            int position = engine_.GetResult(index) + offset;
            int length = engine_.GetLength(index);
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
            if (!HandleOccurrence(Line, position, length, offset)) {
                return false;
            }
        }
        return true;
    }

    // A column range holds the columns of the text as it was: earlier
    // replacements in the line do not move later occurrences into it.
    bool InRange(int Line, int Position, int Length, int Offset, const TBufferCoord& End) const {
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
    void Select(int Line, int Position, int Length) {
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

    // Only a column selection searched alone keeps its columns.
    bool FixedColumns() const { return selectedOnly_ && rangeMode_ == smColumn; }

    // Where the text that followed an occurrence at Position on Line stands
    // once Text replaced it.
    static TBufferCoord After(int Line, int Position, const std::string& Text) {
        std::vector<std::string> pieces = SplitTextPieces(Text);
        if (pieces.size() == 1) {
            return BufferCoord(ClampToInt32(int64_t{Position} + static_cast<int64_t>(pieces[0].size())), Line);
        }
        return BufferCoord(ClampToInt32(static_cast<int64_t>(pieces.back().size()) + 1),
                           ClampToInt32(int64_t{Line} + static_cast<int64_t>(pieces.size()) - 1));
    }

    // False when the run ends after this occurrence.
    bool HandleOccurrence(int& Line, int Position, int Length, int& Offset) {
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
            edit_.SetSelTextExternal(text);
            after = After(Line, Position, text);
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
    void MoveRangeEnd(int Line, const TBufferCoord& After, int Delta) {
        if (end_.Line == Line && !FixedColumns()) {
            end_.Char += Delta;
        }
        end_.Line += After.Line - Line;
        if (end_.Line == After.Line && Delta != 0 && !FixedColumns()) {
            edit_.SetBlockEnd(end_);
        }
    }

    struct THit {
        int Position;   // in the line as the replacements before it left it
        int Length;
        int Replaced;   // the replacement's length
        size_t Origin;  // 0-based, in the line as the pass found it
    };

    // Without prompts, the rest of a line's occurrences (from the result
    // First on) are replaced in one pass and the line is stored once, with
    // the records and the caret that replacing them one by one leaves.
    // False, with nothing changed, when one of them needs that way.
    bool ReplaceRestAtOnce(int Line, int First, int Count, int Offset) {
        // Replacements answered one by one before this pass moved the hits by
        // the offset it starts with.
        const std::string& text = edit_.Lines().Line(Line - 1);
        const int entryOffset = Offset;
        TSrcLineSplicer line(text);
        std::vector<THit> hits;
        TBufferCoord end = end_;
        for (int k = First; k < Count; ++k) {
            int index = backwards_ ? Count - 1 - k : k;
            THit hit{engine_.GetResult(index) + Offset, engine_.GetLength(index), 0, 0};
            if (!InRange(Line, hit.Position, hit.Length, Offset, end)) {
                continue;
            }
            hit.Origin = static_cast<size_t>(hit.Position - (Offset - entryOffset) - 1);
            // A trim may have taken the blanks the rest of the line ended in.
            if (hit.Length <= 0 || hit.Origin + static_cast<size_t>(hit.Length) > text.size()) {
                return false;
            }
            std::string replacement =
                engine_.Replace(text.substr(hit.Origin, static_cast<size_t>(hit.Length)), replace_);
            if (!ReplacesAtOnce(replacement)) {
                return false;
            }
            line.Splice(static_cast<size_t>(hit.Position - 1), static_cast<size_t>(hit.Length), replacement);
            hit.Replaced = ClampToInt32(static_cast<int64_t>(replacement.size()));
            hits.push_back(hit);
            if (!backwards_) {
                Offset += hit.Replaced - hit.Length;
                if (MovesEnd(Line, hit)) {
                    end.Char += hit.Replaced - hit.Length;
                }
            }
        }
        if (!hits.empty()) {
            for (const THit& hit : hits) {
                RecordReplacement(Line, hit, text);
            }
            edit_.Lines().Put(Line - 1, line.TakeResult());
            found_ += static_cast<int>(hits.size());
            end_ = end;
            LeaveCaretAfter(Line, hits.back());
        }
        return true;
    }

    struct TRecord {
        TSrcChangeReason Reason;
        TBufferCoord Start, End;
        std::string Text;
    };

    struct TBrokenRegion {
        std::vector<std::string> Lines;  // the region's lines as replaced
        std::vector<int> MarksTo;         // per old line, the new index its marks go to
        std::vector<TRecord> Records;
        int OldCount = 0;                 // old lines up to the last one replaced in
        size_t NewCount = 0;
        TBufferCoord Caret;
        std::optional<TBufferCoord> BlockEnd;  // the range's end, where a replacement moved it
        int Found = 0;
    };

    // Forwards without prompts, where replacements break lines: every
    // occurrence left in the range, from result First of Line on, is
    // replaced in one pass, with the records replacing them one by one
    // leaves, and the lines are stored at once. False, with nothing
    // changed, when the pass cannot take them.
    bool BreaksRestAtOnce(int Line, int First, int Count, int Offset) {
        if (backwards_ || edit_.Options().Contains(eoTrimTrailingSpaces)) {
            return false;
        }
        TBrokenRegion region;
        std::string current;
        const int last = std::min(end_.Line, edit_.Lines().Count());
        for (int line = Line; line <= last; ++line) {
            const std::string& text = edit_.Lines().Line(line - 1);
            if (line > Line) {
                First = 0;
                Offset = 0;
                Count = engine_.FindAll(text);
            }
            const int oldLine = line - Line;
            int marksTo = static_cast<int>(region.Lines.size());
            size_t done = 0;
            bool hit = false;
            for (int k = First; k < Count; ++k) {
                const int position = engine_.GetResult(k) + Offset;
                const int length = engine_.GetLength(k);
                if (!InRange(line, position, length, Offset, end_)) {
                    continue;
                }
                const size_t origin = static_cast<size_t>(position - 1);
                const size_t after = origin + static_cast<size_t>(length);
                if (length <= 0 || position < 1 || origin < done || after > text.size()) {
                    return false;
                }
                std::string found = text.substr(origin, static_cast<size_t>(length));
                std::string replacement = engine_.Replace(found, replace_);
                if (replacement.find('\0') != std::string::npos) {
                    return false;
                }
                current.append(text, done, origin - done);
                done = origin + static_cast<size_t>(length);
                const int atLine = ClampToInt32(int64_t{Line} + static_cast<int64_t>(region.Lines.size()));
                const TBufferCoord at = BufferCoord(static_cast<int>(current.size()) + 1, atLine);
                region.Records.push_back(Record(crDelete, at, BufferCoord(at.Char + length, at.Line), found));
                const bool carriesMarks = current.empty() && marksTo == static_cast<int>(region.Lines.size());
                std::vector<std::string> pieces = SplitTextPieces(replacement);
                current += pieces[0];
                for (size_t i = 1; i < pieces.size(); ++i) {
                    region.Lines.push_back(std::move(current));
                    current = std::move(pieces[i]);
                }
                region.Caret = BufferCoord(ClampToInt32(static_cast<int64_t>(current.size()) + 1),
                                           ClampToInt32(int64_t{Line} + static_cast<int64_t>(region.Lines.size())));
                if (!replacement.empty()) {
                    region.Records.push_back(Record(crInsert, at, region.Caret, std::string()));
                }
                const int delta = region.Caret.Char - (position + length);
                if (line == end_.Line && delta != 0 && !FixedColumns()) {
                    region.BlockEnd = BufferCoord(end_.Char + delta, region.Caret.Line);
                }
                // Text put at a line's start takes the line's marks down with it.
                if (carriesMarks && pieces.size() > 1) {
                    marksTo = static_cast<int>(region.Lines.size());
                }
                ++region.Found;
                hit = true;
            }
            current.append(text, done, std::string::npos);
            region.Lines.push_back(std::move(current));
            current.clear();
            region.MarksTo.push_back(marksTo);
            if (hit) {
                region.OldCount = oldLine + 1;
                region.NewCount = region.Lines.size();
            }
        }
        if (region.Found == 0) {
            return false;
        }
        region.Lines.resize(region.NewCount);
        region.MarksTo.resize(static_cast<size_t>(region.OldCount));
        for (const TRecord& record : region.Records) {
            edit_.UndoList().AddChange(record.Reason, record.Start, record.End, record.Text, smNormal);
        }
        edit_.PutLineRegion(Line, region.OldCount, region.Lines, &region.MarksTo);
        found_ += region.Found;
        edit_.SetCaretXYEx(false, region.Caret);
        edit_.EnsureCursorPosVisibleEx(true);
        edit_.blockBegin_ = edit_.CaretXY();
        edit_.blockEnd_ = edit_.blockBegin_;
        edit_.activeSelectionMode_ = smNormal;
        edit_.StatusChanged({scSelection});
        if (region.BlockEnd) {
            edit_.SetBlockEnd(*region.BlockEnd);
        }
        return true;
    }

    static TRecord Record(TSrcChangeReason Reason, const TBufferCoord& Start, const TBufferCoord& End,
                          std::string Text) {
        return TRecord{Reason, Start, End, std::move(Text)};
    }

    // Not a replacement that breaks the line, nor an empty one where
    // deleting the occurrence would trim blanks.
    bool ReplacesAtOnce(const std::string& Replacement) const {
        const TSrcEditorOptions options = edit_.Options();
        if (Replacement.empty()) {
            return !options.Contains(eoTrimTrailingSpaces) || !options.Contains(eoScrollPastEol);
        }
        return Replacement.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
    }

    // A replacement of another length on the range's end line moves its end.
    bool MovesEnd(int Line, const THit& Hit) const {
        return !backwards_ && Hit.Replaced != Hit.Length && !FixedColumns() && Line == end_.Line;
    }

    void RecordReplacement(int Line, const THit& Hit, const std::string& Text) {
        TSrcEditUndoList& undo = edit_.UndoList();
        undo.AddChange(crDelete, BufferCoord(Hit.Position, Line), BufferCoord(Hit.Position + Hit.Length, Line),
                       Text.substr(Hit.Origin, static_cast<size_t>(Hit.Length)), smNormal);
        if (Hit.Replaced > 0) {
            undo.AddChange(crInsert, BufferCoord(Hit.Position, Line), BufferCoord(Hit.Position + Hit.Replaced, Line),
                           std::string(), smNormal);
        }
    }

    // As replacing the last occurrence alone leaves it: selected (which
    // scrolls it into view), then the caret after its replacement.
    void LeaveCaretAfter(int Line, const THit& Last) {
        Select(Line, Last.Position, Last.Length);
        edit_.SetCaretXYEx(false, BufferCoord(Last.Position + Last.Replaced, Line));
        edit_.blockBegin_ = edit_.CaretXY();
        edit_.blockEnd_ = edit_.blockBegin_;
        edit_.activeSelectionMode_ = smNormal;
        edit_.StatusChanged({scSelection});
        if (MovesEnd(Line, Last)) {
            edit_.SetBlockEnd(end_);
        }
    }

    void Lock() {
        if (!locked_) {
            edit_.IncPaintLock();
            edit_.BeginUndoBlock();
            locked_ = true;
        }
    }
    void Unlock() {
        if (locked_) {
            locked_ = false;
            edit_.EndUndoBlock();
            edit_.DecPaintLock();
        }
    }

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

int TCustomSrcEdit::SearchReplace(const std::string& ASearch, const std::string& AReplace,
                                  TSrcSearchOptions AOptions) {
    if (!searchEngine_) {
        throw ESrcEditError("No search engine has been assigned");
    }
    if (ASearch.empty()) {
        return 0;
    }
    return TSrcSearchReplaceRun(*this, ASearch, AReplace, AOptions).Execute();
}

void TCustomSrcEdit::SetSearchEngine(TSrcEditSearchCustom* Value) {
    if (Value == searchEngine_) {
        return;
    }
    if (searchEngine_) {
        RemoveFreeNotification(searchEngine_);
    }
    searchEngine_ = Value;
    if (Value) {
        FreeNotification(Value);
    }
}

TSrcReplaceAction TCustomSrcEdit::DoOnReplaceText(const std::string& ASearch, const std::string& AReplace, int Line,
                                                  int Column) {
    TSrcReplaceAction action = raCancel;
    if (OnReplaceText) {
        OnReplaceText(this, ASearch, AReplace, Line, Column, action);
    }
    return action;
}
