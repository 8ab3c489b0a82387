#include <utility>
#include <vector>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/support/SrcExceptions.h"
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
        return found_;
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
            if (line < 1 || line > edit_.Lines().Count() || !WalkResults(line)) {
                return;
            }
        }
    }

    // False when the run ends in this line.
    bool WalkResults(int Line) {
        int count = engine_.FindAll(edit_.Lines().Line(Line - 1));
        int offset = 0;
        bool atOnce = true;
        for (int k = 0; k < count; ++k) {
            if (atOnce && replaceAll_ && !prompt_) {
                if (ReplaceRestAtOnce(Line, k, count, offset)) {
                    return true;
                }
                atOnce = false;
            }
            int index = backwards_ ? count - 1 - k : k;
            int position = engine_.GetResult(index) + offset;
            int length = engine_.GetLength(index);
            if (!InRange(Line, position, length, offset, end_)) {
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
        edit_.activeSelectionMode_ = smNormal;
        edit_.InternalSetCaretXY(backwards_ ? edit_.BlockBegin() : edit_.BlockEnd());
    }

    // False when the run ends after this occurrence.
    bool HandleOccurrence(int Line, int Position, int Length, int& Offset) {
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
        int replaced = Length;
        if (action != raSkip) {
            edit_.SetSelTextExternal(engine_.Replace(edit_.SelText(), replace_));
            replaced = edit_.CaretX() - Position;
        }
        if (!backwards_) {
            edit_.InternalSetCaretX(Position + replaced);
            if (replaced != Length && action != raSkip) {
                Offset += replaced - Length;
                if (rangeMode_ != smColumn && edit_.CaretY() == end_.Line) {
                    end_.Char += replaced - Length;
                    edit_.SetBlockEnd(end_);
                }
            }
        }
        return replaceAll_;
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
        if (edit_.Options().Contains(eoNoSelection)) {
            return false;
        }
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
            if (hit.Length <= 0) {
                return false;
            }
            hit.Origin = static_cast<size_t>(hit.Position - (Offset - entryOffset) - 1);
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
        return !backwards_ && Hit.Replaced != Hit.Length && rangeMode_ != smColumn && Line == end_.Line;
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
