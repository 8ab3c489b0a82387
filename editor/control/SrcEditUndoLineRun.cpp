#include <optional>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditUndoGuards.h"
#include "editor/text/SrcLineSplicer.h"

// A command that edits one line many times (a Replace All) leaves a run of
// records on that line. Undoing or redoing them one by one would store and
// rescan the whole line for each; a run is instead replayed in one buffer
// and the line stored once, with the records and the caret that the
// one-by-one replay leaves.

namespace {

// An insertion or a deletion inside Line, in normal mode, of text that
// stays on the line, recorded in change Number.
bool InLineRun(const TSrcEditUndoItem* Item, int Line, int Number) {
    if (!Item || (Item->ChangeReason != crInsert && Item->ChangeReason != crDelete)) {
        return false;
    }
    const TBufferCoord& start = Item->ChangeStartPos;
    const TBufferCoord& end = Item->ChangeEndPos;
    return Item->ChangeSelMode == smNormal && Item->ChangeNumber == Number && start.Line == Line &&
           end.Line == Line && start.Char >= 1 && start.Char <= end.Char &&
           Item->ChangeStr.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

TBufferCoord After(const TBufferCoord& Start, const std::string& Text) {
    return BufferCoord(ClampToInt32(int64_t{Start.Char} + static_cast<int64_t>(Text.size())), Start.Line);
}

}  // namespace

TSrcChangeReason TCustomSrcEdit::ReplayStep(bool Redoing, TSrcDeclinedRun& Declined) {
    TSrcChangeReason last = (Redoing ? redoList_ : undoList_)->LastChangeReason();
    if (!ReplayLineRun(Redoing, last) && !ReplayRegionRun(Redoing, last, Declined)) {
        if (Redoing) {
            RedoItem();
        } else {
            UndoItem();
        }
    }
    return last;
}

// The newest records of the list, while they form one run on one line
// whose text they fit. False, with nothing replayed, unless the two newest
// belong to such a run.
bool TCustomSrcEdit::ReplayLineRun(bool Redoing, TSrcChangeReason& Last) {
    TSrcEditUndoList& from = Redoing ? *redoList_ : *undoList_;
    TSrcEditUndoList& to = Redoing ? *undoList_ : *redoList_;
    const int count = from.ItemCount();
    if (count < 2) {
        return false;
    }
    const TSrcEditUndoItem* newest = from.Items(count - 1);
    const int line = newest->ChangeStartPos.Line;
    const int number = newest->ChangeNumber;
    if (line < 1 || line > lines_->Count() || !InLineRun(newest, line, number) ||
        !InLineRun(from.Items(count - 2), line, number)) {
        return false;
    }
    std::optional<TSrcInsideRedo> inside;
    if (Redoing) {
        inside.emplace(*undoList_);
    }
    bool replayed = false;
    WithItemState(smNormal, [&] {
        TSrcLineSplicer text(lines_->Line(line - 1));
        TBufferCoord caret, before, after;
        for (TSrcEditUndoItem* item = from.PeekItem(); InLineRun(item, line, number); item = from.PeekItem()) {
            const TBufferCoord start = item->ChangeStartPos;
            const TBufferCoord end = item->ChangeEndPos;
            const bool insertion = item->ChangeReason == crInsert;
            // Undoing a deletion puts its text back at start; everything else
            // replaces start..end by the record's text.
            const bool putsBack = !Redoing && !insertion;
            if (static_cast<size_t>((putsBack ? start : end).Char) > text.Length() + 1) {
                break;
            }
            std::unique_ptr<TSrcEditUndoItem> record = from.PopItem();
            size_t removed = putsBack ? 0 : static_cast<size_t>(end.Char - start.Char);
            std::string taken = text.Splice(static_cast<size_t>(start.Char - 1), removed, record->ChangeStr);
            TBufferCoord restored = After(start, record->ChangeStr);
            if (putsBack) {
                to.AddChange(crDelete, start, end, std::string(), smNormal);
                caret = after = end;
                before = start;
            } else if (!insertion) {
                to.AddChange(crDelete, start, end, taken, smNormal);
                caret = before = after = start;
            } else {
                to.AddChange(crInsert, start, restored, taken, smNormal);
                caret = before = after = Redoing ? restored : start;
            }
            Last = record->ChangeReason;
            replayed = true;
        }
        if (replayed) {
            lines_->Put(line - 1, text.TakeResult());
            SelectIn(smNormal, caret, before, after);
        }
    });
    return replayed;
}
