#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoGuards.h"

namespace {
bool IsAfterCursor(TSrcChangeReason Reason) {
    return Reason == crDeleteAfterCursor || Reason == crSilentDeleteAfterCursor;
}

bool IsSilent(TSrcChangeReason Reason) { return Reason == crSilentDelete || Reason == crSilentDeleteAfterCursor; }

// Where deleted text goes back: the smaller end, in column mode the
// rectangle's top left corner.
TBufferCoord InsertionPoint(const TSrcEditUndoItem& Item) {
    const TBufferCoord& s = Item.ChangeStartPos;
    const TBufferCoord& e = Item.ChangeEndPos;
    if (Item.ChangeSelMode == smColumn) {
        return BufferCoord(std::min(s.Char, e.Char), std::min(s.Line, e.Line));
    }
    return (e.Line < s.Line || (e.Line == s.Line && e.Char < s.Char)) ? e : s;
}

}  // namespace

// Undo and redo replay exactly what the records hold: the trims that
// edits made have records of their own, and a trim in between would take
// blanks that a later record puts text after. Under eoNoSelection they
// leave no selection behind.
void TCustomSrcEdit::WithItemState(TSrcSelectionMode Mode, const std::function<void()>& Action) {
    activeSelectionMode_ = Mode;
    TSrcPaintLockGuard lock(*this);
    bool trimming = options_.Contains(eoTrimTrailingSpaces);
    options_.Exclude(eoTrimTrailingSpaces);
    try {
        WithScrollPastEol([&] {
            Action();
            if (options_.Contains(eoNoSelection)) {
                SelectIn(activeSelectionMode_, CaretXY(), CaretXY(), CaretXY());
            }
        });
    } catch (...) {
        if (trimming) {
            options_.Include(eoTrimTrailingSpaces);
        }
        throw;
    }
    if (trimming) {
        options_.Include(eoTrimTrailingSpaces);
    }
}

// eoNoSelection keeps the user from selecting, not the edits that select
// the range they replace.
void TCustomSrcEdit::SelectIn(TSrcSelectionMode Mode, const TBufferCoord& Caret, const TBufferCoord& Before,
                              const TBufferCoord& After) {
    TSrcSelectionMode saved = selectionMode_;
    bool noSelection = options_.Contains(eoNoSelection);
    selectionMode_ = Mode;
    options_.Exclude(eoNoSelection);
    SetCaretAndSelection(Caret, Before, After);
    selectionMode_ = saved;
    if (noSelection) {
        options_.Include(eoNoSelection);
    }
}

void TCustomSrcEdit::InsertAt(const TBufferCoord& At, TSrcSelectionMode Mode, const std::string& Text) {
    SelectIn(Mode, At, At, At);
    SetSelTextPrimitiveEx(Mode, Text, false);
}

void TCustomSrcEdit::UndoItem() {
    std::unique_ptr<TSrcEditUndoItem> item = undoList_->PopItem();
    if (!item) {
        return;
    }
    WithItemState(item->ChangeSelMode, [&] {
        TSrcUndoListLock quiet(*undoList_);
        const TSrcEditUndoItem& it = *item;
        switch (it.ChangeReason) {
        case crInsert:
        case crPaste:
        case crDragDropInsert:
        case crWhiteSpaceAdd:
            UndoInsert(it);
            break;
        case crDeleteAfterCursor:
        case crDelete:
        case crSilentDelete:
        case crSilentDeleteAfterCursor:
        case crDeleteAll:
            UndoDelete(it);
            break;
        case crLineBreak:
            UndoLineBreak(it);
            break;
        case crIndent:
            redoList_->AddChange(it.ChangeReason, it.ChangeStartPos, it.ChangeEndPos, it.ChangeStr, it.ChangeSelMode);
            SelectIn(activeSelectionMode_, it.ChangeEndPos, it.ChangeStartPos, it.ChangeEndPos);
            break;
        case crUnindent:
            UndoUnindent(it);
            break;
        case crCaret:
            redoList_->AddChange(crCaret, CaretXY(), CaretXY(), std::string(), it.ChangeSelMode);
            InternalSetCaretXY(it.ChangeStartPos);
            break;
        case crSelection:
            redoList_->AddChange(crSelection, BlockBegin(), BlockEnd(), std::string(), it.ChangeSelMode);
            SelectIn(activeSelectionMode_, CaretXY(), it.ChangeStartPos, it.ChangeEndPos);
            break;
        default:
            break;
        }
    });
}

// The redo record ends where the restored text ends, so that redo
// replaces that text (an overwrite) instead of inserting before it.
void TCustomSrcEdit::UndoInsert(const TSrcEditUndoItem& Item) {
    TSrcFlagSetter undoing(undoingInsertion_);
    const TBufferCoord& start = Item.ChangeStartPos;
    std::string replaced;
    if (Item.ChangeReason == crInsert && !Item.ChangeStr.empty() &&
        ReplaceInPlace(Item.ChangeSelMode, start, Item.ChangeEndPos,
                       [&Item](const std::string&) { return Item.ChangeStr; }, replaced)) {
        // Overwritten text of the same shape (a case change): no line moves.
        redoList_->AddChange(Item.ChangeReason, start, Item.ChangeEndPos, replaced, Item.ChangeSelMode);
        SelectIn(activeSelectionMode_, start, start, start);
        return;
    }
    SelectIn(activeSelectionMode_, start, start, Item.ChangeEndPos);
    std::string inserted = GetSelText();
    SetSelTextPrimitiveEx(Item.ChangeSelMode, Item.ChangeStr, false);
    const TBufferCoord restoredStart = InsertionStart(Item);
    TBufferCoord restoredEnd = Item.ChangeStr.empty() ? restoredStart : InsertionEnd(Item, CaretXY());
    if (Item.ChangeReason == crWhiteSpaceAdd) {
        restoredEnd = Item.ChangeEndPos;
    }
    redoList_->AddChange(Item.ChangeReason, restoredStart, restoredEnd, inserted, Item.ChangeSelMode);
    SelectIn(activeSelectionMode_, start, start, start);
}

void TCustomSrcEdit::UndoDelete(const TSrcEditUndoItem& Item) {
    TBufferCoord at = InsertionPoint(Item);
    if (IsAfterCursor(Item.ChangeReason) && at.Line > lines_->Count()) {
        lines_->Add(std::string());
    }
    InsertAt(at, Item.ChangeSelMode, Item.ChangeStr);
    if (Item.ChangeSelMode == smNormal) {
        DoLineSplit(at, CaretXY());  // marks that the join took along go back
    }
    TBufferCoord caret = IsAfterCursor(Item.ChangeReason) ? Item.ChangeStartPos : Item.ChangeEndPos;
    if (IsSilent(Item.ChangeReason)) {
        SelectIn(activeSelectionMode_, caret, caret, caret);
    } else {
        SelectIn(activeSelectionMode_, caret, Item.ChangeStartPos, Item.ChangeEndPos);
    }
    redoList_->AddChange(Item.ChangeReason, Item.ChangeStartPos, Item.ChangeEndPos, std::string(),
                         Item.ChangeSelMode);
    if (Item.ChangeReason == crDeleteAll) {
        SelectIn(activeSelectionMode_, BufferCoord(1, 1), BlockBegin(), BufferCoord(1, 1));
    }
    EnsureCursorPosVisible();
}

void TCustomSrcEdit::UndoLineBreak(const TSrcEditUndoItem& Item) {
    TSrcFlagSetter undoing(undoingInsertion_);
    const TBufferCoord& start = Item.ChangeStartPos;
    SelectIn(activeSelectionMode_, start, start, start);
    redoList_->AddChange(crLineBreak, start, Item.ChangeEndPos, std::string(), Item.ChangeSelMode);
    std::string line = LineAt(start.Line);
    bool leadingBlank = !Item.ChangeStr.empty() && (Item.ChangeStr[0] == ' ' || Item.ChangeStr[0] == '\t');
    if (static_cast<int64_t>(line.size()) < int64_t{start.Char} - 1 && !leadingBlank) {
        line.resize(static_cast<size_t>(start.Char - 1), ' ');
    } else if (start.Char >= 1 && line.size() > static_cast<size_t>(start.Char - 1) &&
               line.find_first_not_of(" \t", static_cast<size_t>(start.Char - 1)) == std::string::npos) {
        // Blanks that an undone padding left past the split point.
        line.resize(static_cast<size_t>(start.Char - 1));
    }
    if (start.Line >= 1 && start.Line <= lines_->Count()) {
        lines_->Put(start.Line - 1, line + Item.ChangeStr);
    }
    int joined = Item.ChangeEndPos == start ? start.Line + 1 : Item.ChangeEndPos.Line;
    if (joined >= 1 && joined <= lines_->Count() && joined != start.Line) {
        lines_->Delete(joined - 1);
        int textFrom = Item.ChangeEndPos.Line == joined ? Item.ChangeEndPos.Char : 1;
        DoLinesJoined(BufferCoord(LengthOf(line) + 1, joined - 1), BufferCoord(textFrom, joined));
    }
}

void TCustomSrcEdit::UndoUnindent(const TSrcEditUndoItem& Item) {
    redoList_->AddChange(crUnindent, Item.ChangeStartPos, Item.ChangeEndPos, Item.ChangeStr, Item.ChangeSelMode);
    int column = Item.ChangeSelMode == smColumn ? std::min(Item.ChangeStartPos.Char, Item.ChangeEndPos.Char) : 1;
    InsertBlock(BufferCoord(column, Item.ChangeStartPos.Line), BufferCoord(column, Item.ChangeEndPos.Line),
                Item.ChangeStr, false);
    activeSelectionMode_ = Item.ChangeSelMode;
    SelectIn(activeSelectionMode_, Item.ChangeStartPos, Item.ChangeStartPos, Item.ChangeEndPos);
}
