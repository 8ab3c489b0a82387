#include <vector>

#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditReplaceRun.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/text/SrcLineSplicer.h"

// Without prompts, the rest of a line's occurrences (from the result
// First on) are replaced in one pass and the line is stored once, with
// the records and the caret that replacing them one by one leaves.
// False, with nothing changed, when one of them needs that way.
bool TSrcSearchReplaceRun::ReplaceRestAtOnce(int Line, int First, int Count, int Offset) {
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
        std::string replacement = engine_.Replace(text.substr(hit.Origin, static_cast<size_t>(hit.Length)), replace_);
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
        end_ = end;
        StoreLine(Line, hits, text, line.TakeResult());
    }
    return true;
}

// The records of Hits in the line Text was, then the line as Result.
void TSrcSearchReplaceRun::StoreLine(int Line, const std::vector<THit>& Hits, const std::string& Text,
                                     std::string Result) {
    for (const THit& hit : Hits) {
        RecordReplacement(Line, hit, Text);
    }
    edit_.Lines().Put(Line - 1, Result);
    found_ += static_cast<int>(Hits.size());
    LeaveCaretAfter(Line, Hits.back());
}

// Not a replacement that breaks the line, nor an empty one where
// deleting the occurrence would trim blanks.
bool TSrcSearchReplaceRun::ReplacesAtOnce(const std::string& Replacement) const {
    const TSrcEditorOptions options = edit_.Options();
    if (Replacement.empty()) {
        return !options.Contains(eoTrimTrailingSpaces) || !options.Contains(eoScrollPastEol);
    }
    return Replacement.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

// A replacement of another length on the range's end line moves its end.
bool TSrcSearchReplaceRun::MovesEnd(int Line, const THit& Hit) const {
    return !backwards_ && Hit.Replaced != Hit.Length && !FixedColumns() && Line == end_.Line;
}

void TSrcSearchReplaceRun::RecordReplacement(int Line, const THit& Hit, const std::string& Text) {
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
void TSrcSearchReplaceRun::LeaveCaretAfter(int Line, const THit& Last) {
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
