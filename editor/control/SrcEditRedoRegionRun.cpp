#include <memory>
#include <vector>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditDeclinedRun.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoGuards.h"
#include "editor/text/SrcEditTextPieces.h"

// Redoing a run of line-breaking replacements that undo replayed in one
// pass, with the trims they made: the lines it spans are rebuilt and
// stored at once.

namespace {

// As undone: a deletion within a line of nothing stored, or an insertion
// at a point, in normal mode, in change Number, starting at or after From.
bool InRedoRun(const TSrcEditUndoItem* Item, int Number, const TBufferCoord& From) {
    if (!Item || Item->ChangeSelMode != smNormal || Item->ChangeNumber != Number) {
        return false;
    }
    const TBufferCoord& start = Item->ChangeStartPos;
    const TBufferCoord& end = Item->ChangeEndPos;
    if (start.Line < 1 || start.Char < 1 || Before(start, From)) {
        return false;
    }
    if (Item->ChangeReason == crInsert) {
        return end == start && Item->ChangeStr.find('\0') == std::string::npos;
    }
    return Item->ChangeReason == crDelete && Item->ChangeStr.empty() && start.Line == end.Line &&
           !Before(end, start);
}

// As undone: the record of blanks a trim took from a line's end.
bool IsTrim(const TSrcEditUndoItem* Item, int Number) {
    return Item && Item->ChangeReason == crSilentDeleteAfterCursor && Item->ChangeSelMode == smNormal &&
           Item->ChangeNumber == Number && Item->ChangeStr.empty() && Item->ChangeStartPos.Char >= 1 &&
           Item->ChangeEndPos.Line == Item->ChangeStartPos.Line && !Before(Item->ChangeEndPos, Item->ChangeStartPos);
}

// Where Text inserted at Start ends.
TBufferCoord EndOfInsert(const TBufferCoord& Start, const std::string& Text) {
    std::vector<std::string> pieces = SplitTextPieces(Text);
    if (pieces.size() == 1) {
        return BufferCoord(ClampToInt32(int64_t{Start.Char} + static_cast<int64_t>(Text.size())), Start.Line);
    }
    return BufferCoord(ClampToInt32(static_cast<int64_t>(pieces.back().size()) + 1),
                       ClampToInt32(int64_t{Start.Line} + static_cast<int64_t>(pieces.size()) - 1));
}

}  // namespace

// The redo of such a run: its records, oldest first, each at or after
// where the one before left off.
bool TCustomSrcEdit::RedoRegionRun(TSrcChangeReason& Last, TSrcDeclinedRun& Declined) {
    if (redoList_->ItemCount() < 2 || Declined.Covers(*redoList_)) {
        return false;
    }
    const int number = redoList_->PeekItem()->ChangeNumber;
    std::vector<const TSrcEditUndoItem*> run;
    TBufferCoord from = BufferCoord(1, 1);
    bool breaks = false;
    int bottom = redoList_->ItemCount();
    for (; bottom > 0; --bottom) {
        const TSrcEditUndoItem* item = redoList_->Items(bottom - 1);
        if (IsTrim(item, number)) {
            run.push_back(item);
            continue;
        }
        if (!InRedoRun(item, number, from)) {
            break;
        }
        const bool insertion = item->ChangeReason == crInsert;
        from = insertion ? EndOfInsert(item->ChangeStartPos, item->ChangeStr) : item->ChangeStartPos;
        breaks = breaks || from.Line > item->ChangeStartPos.Line;
        run.push_back(item);
    }
    if (!breaks && !run.empty()) {
        // Redoing these moves no line: the run stays until it is redone.
        Declined.Remember(*redoList_, bottom);
    }
    if (!breaks || run.size() < 2) {
        return false;
    }
    // The text is rebuilt from the lines as they are: at is where the copy
    // stands in them, and the line being built begins line first + lines.size().
    const int first = run.front()->ChangeStartPos.Line;
    std::vector<std::string> lines;
    std::vector<std::string> deleted(run.size());
    std::vector<TBufferCoord> ends(run.size());
    std::string built;
    TBufferCoord at = BufferCoord(1, first);
    // The stored position of To, given where the run has put it.
    auto stored = [&](const TBufferCoord& To) {
        const int64_t line = int64_t{first} + static_cast<int64_t>(lines.size());
        if (To.Line == line) {
            const int64_t column = int64_t{at.Char} + To.Char - static_cast<int64_t>(built.size()) - 1;
            return BufferCoord(ClampToInt32(column), at.Line);
        }
        return BufferCoord(To.Char, ClampToInt32(int64_t{at.Line} + To.Line - line));
    };
    auto copyTo = [&](const TBufferCoord& To) {
        if (To.Line > lines_->Count() || Before(To, at) ||
            static_cast<size_t>(To.Char - 1) > lines_->Line(To.Line - 1).size()) {
            return false;
        }
        while (at.Line < To.Line) {
            built.append(lines_->Line(at.Line - 1), static_cast<size_t>(at.Char - 1), std::string::npos);
            lines.push_back(std::move(built));
            built.clear();
            at = BufferCoord(1, at.Line + 1);
        }
        built.append(lines_->Line(at.Line - 1), static_cast<size_t>(at.Char - 1),
                     static_cast<size_t>(To.Char - at.Char));
        at = To;
        return true;
    };
    // A trim takes the blanks that end a line the run has built, or the
    // line being built: built, then the rest of the stored line.
    auto cutTrim = [&](const TSrcEditUndoItem& Trim, std::string& Cut) {
        const int64_t index = int64_t{Trim.ChangeStartPos.Line} - first;
        const size_t from = static_cast<size_t>(Trim.ChangeStartPos.Char - 1);
        const size_t to = static_cast<size_t>(Trim.ChangeEndPos.Char - 1);
        if (index < 0 || index > static_cast<int64_t>(lines.size())) {
            return false;
        }
        if (index < static_cast<int64_t>(lines.size())) {
            std::string& text = lines[static_cast<size_t>(index)];
            if (text.size() != to) {
                return false;
            }
            Cut = text.substr(from);
            text.resize(from);
            return true;
        }
        const std::string& rest = lines_->Line(at.Line - 1);
        const size_t taken = static_cast<size_t>(at.Char - 1);
        if (built.size() + (rest.size() - taken) != to) {
            return false;
        }
        const size_t inRest = from < built.size() ? 0 : from - built.size();
        if (from < built.size()) {
            Cut = built.substr(from);
            built.resize(from);
        }
        built.append(rest, taken, inRest);
        Cut.append(rest, taken + inRest, std::string::npos);
        at = BufferCoord(ClampToInt32(static_cast<int64_t>(rest.size()) + 1), at.Line);
        return true;
    };
    for (size_t k = 0; k < run.size(); ++k) {
        const TSrcEditUndoItem& item = *run[k];
        if (item.ChangeReason == crSilentDeleteAfterCursor) {
            if (!cutTrim(item, deleted[k])) {
                return false;
            }
            continue;
        }
        if (!copyTo(stored(item.ChangeStartPos))) {
            return false;
        }
        if (item.ChangeReason == crDelete) {
            const TBufferCoord end = stored(item.ChangeEndPos);
            if (end.Line != at.Line || static_cast<size_t>(end.Char - 1) > lines_->Line(at.Line - 1).size()) {
                return false;
            }
            deleted[k] = lines_->Line(at.Line - 1).substr(static_cast<size_t>(at.Char - 1),
                                                          static_cast<size_t>(end.Char - at.Char));
            at = end;
            continue;
        }
        std::vector<std::string> pieces = SplitTextPieces(item.ChangeStr);
        built += pieces[0];
        for (size_t i = 1; i < pieces.size(); ++i) {
            lines.push_back(std::move(built));
            built = std::move(pieces[i]);
        }
        ends[k] = BufferCoord(ClampToInt32(static_cast<int64_t>(built.size()) + 1),
                              ClampToInt32(int64_t{first} + static_cast<int64_t>(lines.size())));
    }
    const int last = at.Line;
    built.append(lines_->Line(last - 1), static_cast<size_t>(at.Char - 1), std::string::npos);
    lines.push_back(std::move(built));

    TSrcPaintLockGuard lock(*this);
    TSrcInsideRedo inside(*undoList_);
    WithItemState(smNormal, [&] {
        PutLineRegion(first, last - first + 1, lines, nullptr);
        TBufferCoord caret;
        for (size_t k = 0; k < run.size(); ++k) {
            std::unique_ptr<TSrcEditUndoItem> record = redoList_->PopItem();
            const TBufferCoord start = record->ChangeStartPos;
            if (record->ChangeReason == crSilentDeleteAfterCursor) {
                undoList_->AddChange(crSilentDeleteAfterCursor, start, record->ChangeEndPos, deleted[k], smNormal);
                caret = start;
            } else if (record->ChangeReason == crInsert) {
                if (ends[k].Line > start.Line) {
                    DoLinesInserted(start.Char > 1 ? start.Line + 1 : start.Line, ends[k].Line - start.Line);
                }
                undoList_->AddChange(crInsert, start, ends[k], std::string(), smNormal);
                caret = ends[k];
            } else {
                undoList_->AddChange(crDelete, start, record->ChangeEndPos, deleted[k], smNormal);
                caret = start;
            }
            Last = record->ChangeReason;
        }
        SelectIn(smNormal, caret, caret, caret);
    });
    return true;
}
