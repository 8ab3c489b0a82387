#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditDeclinedRun.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoGuards.h"

// A Replace All whose replacements break lines leaves, per occurrence, the
// deletion of the occurrence and the insertion of lines. Undoing them one
// by one would delete lines one at a time, and under eoTrimTrailingSpaces
// the blanks trimmed from their ends; a run of them is undone in one
// pass over the lines it spans, which are then stored at once, with the
// records, marks and caret that the one-by-one undo leaves.

namespace {

bool HasBreak(const std::string& Text) { return Text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos; }

// An insertion of no stored text, or a deletion within one line, in normal
// mode, in change Number, ending at or before Limit.
bool InRegionRun(const TSrcEditUndoItem* Item, int Number, const TBufferCoord& Limit) {
    if (!Item || Item->ChangeSelMode != smNormal || Item->ChangeNumber != Number) {
        return false;
    }
    const TBufferCoord& start = Item->ChangeStartPos;
    const TBufferCoord& end = Item->ChangeEndPos;
    if (start.Line < 1 || start.Char < 1 || Before(end, start)) {
        return false;
    }
    if (Item->ChangeReason == crInsert) {
        return Item->ChangeStr.empty() && !Before(Limit, end);
    }
    return Item->ChangeReason == crDelete && start.Line == end.Line && !HasBreak(Item->ChangeStr) &&
           !Before(Limit, start);
}

// The record of blanks a trim took from a line's end, in change Number.
bool IsTrim(const TSrcEditUndoItem* Item, int Number) {
    if (!Item || Item->ChangeReason != crSilentDeleteAfterCursor || Item->ChangeSelMode != smNormal ||
        Item->ChangeNumber != Number) {
        return false;
    }
    const TBufferCoord& start = Item->ChangeStartPos;
    const TBufferCoord& end = Item->ChangeEndPos;
    return start.Line >= 1 && start.Char >= 1 && end.Line == start.Line && !Item->ChangeStr.empty() &&
           !HasBreak(Item->ChangeStr) && int64_t{end.Char} - start.Char == static_cast<int64_t>(Item->ChangeStr.size());
}

// The lines with the blanks of a run's trims back at their ends. A trim
// touches no line that a newer record of the run edits, so putting its
// blanks back first leaves the other records where they were made.
class TUntrimmedLines {
public:
    explicit TUntrimmedLines(const TSrcEditStringList& Lines) : lines_(Lines) {}

    const std::string& Line(int Number) const {
        auto found = tails_.find(Number);
        return found != tails_.end() ? found->second : lines_.Line(Number - 1);
    }

    // False where the trim did not end its line.
    bool PutBack(const TSrcEditUndoItem& Trim) {
        const TBufferCoord& start = Trim.ChangeStartPos;
        if (start.Line > lines_.Count() || static_cast<size_t>(start.Char - 1) != Line(start.Line).size()) {
            return false;
        }
        tails_[start.Line] = Line(start.Line) + Trim.ChangeStr;
        return true;
    }

private:
    const TSrcEditStringList& lines_;
    std::unordered_map<int, std::string> tails_;
};

}  // namespace

bool TCustomSrcEdit::ReplayRegionRun(bool Redoing, TSrcChangeReason& Last, TSrcDeclinedRun& Declined) {
    if (Redoing) {
        return RedoRegionRun(Last, Declined);
    }
    if (undoList_->ItemCount() < 2 || Declined.Covers(*undoList_)) {
        return false;
    }
    // The run, newest first: each record lies before the one after it.
    const int number = undoList_->PeekItem()->ChangeNumber;
    std::vector<const TSrcEditUndoItem*> run;
    TBufferCoord limit = BufferCoord(INT32_MAX, INT32_MAX);
    bool breaks = false;
    int bottom = undoList_->ItemCount();
    TUntrimmedLines view(*lines_);
    int first = INT32_MAX;
    int last = 0;
    for (; bottom > 0; --bottom) {
        const TSrcEditUndoItem* item = undoList_->Items(bottom - 1);
        if (IsTrim(item, number)) {
            // Its line lies above every newer record of the run.
            if (item->ChangeStartPos.Line >= limit.Line || !view.PutBack(*item)) {
                break;
            }
        } else if (InRegionRun(item, number, limit) && item->ChangeEndPos.Line <= lines_->Count()) {
            breaks = breaks || item->ChangeEndPos.Line > item->ChangeStartPos.Line;
            limit = item->ChangeStartPos;
        } else {
            break;
        }
        first = std::min(first, item->ChangeStartPos.Line);
        last = std::max(last, item->ChangeEndPos.Line);
        run.push_back(item);
    }
    if (!breaks && !run.empty()) {
        // Undoing these one by one or a line at a time moves no line, so
        // the run stays as it is until its last record is undone.
        Declined.Remember(*undoList_, bottom);
    }
    if (!breaks || run.size() < 2) {
        return false;
    }
    std::vector<std::string> lines;
    std::vector<std::string> taken(run.size());
    std::string built;
    TBufferCoord at = BufferCoord(1, first);
    // Copies the text from at to To into Into, lines ended by CR LF.
    auto copyTo = [&](const TBufferCoord& To, std::string& Into, bool Break) {
        while (at.Line < To.Line) {
            const std::string& text = view.Line(at.Line);
            Into.append(text, std::min(text.size(), static_cast<size_t>(at.Char - 1)), std::string::npos);
            if (Break) {
                Into += "\r\n";
            } else {
                lines.push_back(std::move(Into));
                Into.clear();
            }
            at = BufferCoord(1, at.Line + 1);
        }
        const std::string& text = view.Line(To.Line);
        const size_t from = std::min(text.size(), static_cast<size_t>(at.Char - 1));
        const size_t to = std::max(from, std::min(text.size(), static_cast<size_t>(To.Char - 1)));
        Into.append(text, from, to - from);
        at = To;
    };
    for (size_t k = run.size(); k-- > 0;) {
        const TSrcEditUndoItem& item = *run[k];
        if (item.ChangeReason == crSilentDeleteAfterCursor) {
            continue;  // its blanks are in the view
        }
        copyTo(item.ChangeStartPos, built, false);
        if (item.ChangeReason == crInsert) {
            copyTo(item.ChangeEndPos, taken[k], true);
        } else if (item.ChangeReason == crDelete) {
            built += item.ChangeStr;
        }
    }
    copyTo(BufferCoord(static_cast<int>(view.Line(last).size()) + 1, last), built, false);
    lines.push_back(std::move(built));

    TSrcPaintLockGuard lock(*this);
    WithItemState(smNormal, [&] {
        TSrcFlagSetter undoing(undoingInsertion_);
        for (size_t k = 0; k < run.size(); ++k) {
            const TSrcEditUndoItem& item = *run[k];
            if (item.ChangeReason == crInsert) {
                DoLinesJoined(item.ChangeStartPos, item.ChangeEndPos);
            }
        }
        {
            TStringsUpdate update(*lines_);
            for (size_t i = 0; i < lines.size(); ++i) {
                lines_->Put(first - 1 + static_cast<int>(i), lines[i]);
            }
            lines_->DeleteLines(first - 1 + static_cast<int>(lines.size()),
                                last - first + 1 - static_cast<int>(lines.size()));
        }
        TBufferCoord caret, before, after;
        for (size_t k = 0; k < run.size(); ++k) {
            std::unique_ptr<TSrcEditUndoItem> record = undoList_->PopItem();
            const TBufferCoord start = record->ChangeStartPos;
            if (record->ChangeReason == crInsert) {
                redoList_->AddChange(crInsert, start, start, taken[k], smNormal);
                caret = before = after = start;
            } else if (record->ChangeReason == crSilentDeleteAfterCursor) {
                redoList_->AddChange(crSilentDeleteAfterCursor, start, record->ChangeEndPos, std::string(), smNormal);
                caret = before = after = start;
            } else {
                redoList_->AddChange(crDelete, start, record->ChangeEndPos, std::string(), smNormal);
                caret = after = record->ChangeEndPos;
                before = start;
            }
            Last = record->ChangeReason;
        }
        SelectIn(smNormal, caret, before, after);
    });
    return true;
}
