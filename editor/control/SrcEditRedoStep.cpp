#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditUndoGuards.h"
#include "editor/text/SrcEditTextPieces.h"


void TCustomSrcEdit::RedoItem() {
    std::unique_ptr<TSrcEditUndoItem> item = redoList_->PopItem();
    if (!item) {
        return;
    }
    TSrcInsideRedo inside(*undoList_);
    WithItemState(item->ChangeSelMode, [&] {
        const TSrcEditUndoItem& it = *item;
        switch (it.ChangeReason) {
        case crInsert:
        case crPaste:
        case crDragDropInsert:
            RedoInsert(it);
            break;
        case crDeleteAfterCursor:
        case crSilentDeleteAfterCursor:
        case crDelete:
        case crSilentDelete:
            RedoDelete(it);
            break;
        case crLineBreak:
            if (it.ChangeEndPos == it.ChangeStartPos) {
                RedoAddedLine(it);
                break;
            }
            SelectIn(activeSelectionMode_, it.ChangeStartPos, it.ChangeStartPos, it.ChangeStartPos);
            CommandProcessor(ecLineBreak, '\r', nullptr);
            break;
        case crIndent:
            undoList_->AddChange(crIndent, it.ChangeStartPos, it.ChangeEndPos, it.ChangeStr, it.ChangeSelMode);
            SelectIn(activeSelectionMode_, it.ChangeEndPos, it.ChangeStartPos, it.ChangeEndPos);
            break;
        case crUnindent:
            RedoUnindent(it);
            break;
        case crCaret:
            undoList_->AddChange(crCaret, CaretXY(), CaretXY(), std::string(), it.ChangeSelMode);
            InternalSetCaretXY(it.ChangeStartPos);
            break;
        case crSelection:
            undoList_->AddChange(crSelection, BlockBegin(), BlockEnd(), std::string(), it.ChangeSelMode);
            SelectIn(activeSelectionMode_, CaretXY(), it.ChangeStartPos, it.ChangeEndPos);
            break;
        case crWhiteSpaceAdd:
            RedoWhiteSpaceAdd(it);
            break;
        default:
            break;  // markers; crDeleteAll is never recorded by a command
        }
    });
}

// Start..end holds what undo put back (empty after an undone insert);
// the redone text replaces it.
void TCustomSrcEdit::RedoInsert(const TSrcEditUndoItem& Item) {
    const TBufferCoord& start = Item.ChangeStartPos;
    std::string replaced;
    if (Item.ChangeReason == crInsert && Item.ChangeEndPos != start &&
        ReplaceInPlace(Item.ChangeSelMode, start, Item.ChangeEndPos,
                       [&Item](const std::string&) { return Item.ChangeStr; }, replaced)) {
        undoList_->AddChange(Item.ChangeReason, start, Item.ChangeEndPos, replaced, Item.ChangeSelMode);
        SelectIn(activeSelectionMode_, Item.ChangeEndPos, Item.ChangeEndPos, Item.ChangeEndPos);
        return;
    }
    if (Item.ChangeEndPos != start) {
        SelectIn(activeSelectionMode_, start, start, Item.ChangeEndPos);
        replaced = GetSelText();
    } else {
        SelectIn(activeSelectionMode_, start, start, start);
    }
    activeSelectionMode_ = Item.ChangeSelMode;
    {
        TSrcUndoListLock quiet(*undoList_);
        SetSelTextPrimitiveEx(Item.ChangeSelMode, Item.ChangeStr, false);
    }
    undoList_->AddChange(Item.ChangeReason, InsertionStart(Item), InsertionEnd(Item, CaretXY()), replaced,
                         Item.ChangeSelMode);
    if (Item.ChangeReason == crDragDropInsert) {
        SelectIn(activeSelectionMode_, CaretXY(), start, CaretXY());
    } else {
        SelectIn(activeSelectionMode_, CaretXY(), CaretXY(), CaretXY());
    }
}

// The caret stays where the deletion started (the Backspace's new
// position, the Delete's own).
void TCustomSrcEdit::RedoDelete(const TSrcEditUndoItem& Item) {
    // A deletion past a line's end padded the line first, as the command did.
    const TBufferCoord& start = Item.ChangeStartPos;
    if (Item.ChangeSelMode == smNormal && start.Line >= 1 && start.Line <= lines_->Count() &&
        lines_->Get(start.Line - 1).size() < static_cast<size_t>(std::max(start.Char - 1, 0)) &&
        Item.ChangeEndPos.Line > start.Line) {
        std::string line = lines_->Get(start.Line - 1);
        line.resize(static_cast<size_t>(start.Char - 1), ' ');
        lines_->Put(start.Line - 1, line);
    }
    SelectIn(activeSelectionMode_, Item.ChangeStartPos, Item.ChangeStartPos, Item.ChangeEndPos);
    std::string deleted = DeletedSelText();
    TBufferCoord bb = BlockBegin();
    SetSelTextPrimitiveEx(Item.ChangeSelMode, Item.ChangeStr, false);
    undoList_->AddChange(Item.ChangeReason, Item.ChangeStartPos, Item.ChangeEndPos, deleted, Item.ChangeSelMode);
    TBufferCoord caret = Item.ChangeSelMode == smNormal ? bb : CaretXY();
    SelectIn(activeSelectionMode_, caret, caret, caret);
}

void TCustomSrcEdit::RedoUnindent(const TSrcEditUndoItem& Item) {
    undoList_->AddChange(crUnindent, Item.ChangeStartPos, Item.ChangeEndPos, Item.ChangeStr, Item.ChangeSelMode);
    bool column = Item.ChangeSelMode == smColumn;
    int from = column ? std::min(Item.ChangeStartPos.Char, Item.ChangeEndPos.Char) : 1;
    std::vector<std::string> widths = SplitTextPieces(Item.ChangeStr);
    int line = Item.ChangeStartPos.Line;
    for (const std::string& removed : widths) {
        if (line > lines_->Count()) {
            break;
        }
        std::string text = LineAt(line);
        if (!removed.empty() && static_cast<int64_t>(text.size()) >= int64_t{from} - 1) {
            text.erase(static_cast<size_t>(from - 1), removed.size());
            ProperSetLine(line - 1, text);
        }
        ++line;
    }
    if (column) {
        SelectIn(activeSelectionMode_, Item.ChangeStartPos, Item.ChangeStartPos, Item.ChangeEndPos);
        return;
    }
    TBufferCoord first = BufferCoord(std::max(1, Item.ChangeStartPos.Char - tabWidth_), Item.ChangeStartPos.Line);
    int lastWidth = widths.empty() ? 0 : static_cast<int>(widths.back().size());
    TBufferCoord last = BufferCoord(std::max(1, Item.ChangeEndPos.Char - lastWidth), Item.ChangeEndPos.Line);
    SelectIn(activeSelectionMode_, last, first, last);
}

// A line that a column insert added below the last one comes back empty.
void TCustomSrcEdit::RedoAddedLine(const TSrcEditUndoItem& Item) {
    int line = std::clamp(Item.ChangeStartPos.Line, 0, lines_->Count());
    lines_->Insert(line, std::string());
    DoLinesInserted(line + 1, 1);
    undoList_->AddChange(crLineBreak, Item.ChangeStartPos, Item.ChangeStartPos, std::string(), smNormal);
    SelectIn(activeSelectionMode_, BufferCoord(1, line + 1), BufferCoord(1, line + 1), BufferCoord(1, line + 1));
}

// Undo kept the blanks and the record's ends (start past them, end before);
// they go back at end and the record returns without text.
void TCustomSrcEdit::RedoWhiteSpaceAdd(const TSrcEditUndoItem& Item) {
    InsertAt(Item.ChangeEndPos, smNormal, Item.ChangeStr);
    undoList_->AddChange(crWhiteSpaceAdd, Item.ChangeStartPos, Item.ChangeEndPos, std::string(), smNormal);
    InternalSetCaretXY(Item.ChangeStartPos);
}
