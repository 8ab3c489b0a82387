#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/text/SrcEditTextPieces.h"

// Records the deletion of the selection from From to To (in either
// order). A normal selection that begins past its line's end joins the
// lines at that end, so the record begins there.
void TCustomSrcEdit::AddSelectionDeletion(TSrcChangeReason Reason, TBufferCoord From, TBufferCoord To) {
    if (activeSelectionMode_ == smNormal) {
        TBufferCoord& first = Before(To, From) ? To : From;
        first.Char = std::min(first.Char, LengthOf(LineAt(first.Line)) + 1);
    }
    undoList_->AddChange(Reason, From, To, DeletedSelText(), activeSelectionMode_);
}

// Deletes the selection, recorded from From to To, and returns where text
// put in its place begins: column 1 where lines were deleted, else at most
// one past the caret line's end, so that blanks the insertion pads the
// line with belong to the inserted text. Replacing keeps trailing blanks
// for the text to follow.
TBufferCoord TCustomSrcEdit::DeleteSelectionForInsert(const TBufferCoord& From, const TBufferCoord& To,
                                                      bool Replacing) {
    if (SelAvail()) {
        AddSelectionDeletion(crDelete, From, To);
        if (activeSelectionMode_ == smLine) {
            TBufferCoord bb = BlockBegin();
            blockEnd_ = BlockEnd();
            blockBegin_ = BufferCoord(1, bb.Line);
        }
        TSrcPaintLockGuard lock(*this);
        TStringsUpdate update(*lines_);
        RemoveSelection(!Replacing);
        RecordTrimmedBlanks(true);
        blockBegin_ = CaretXY();
        blockEnd_ = blockBegin_;
    }
    TBufferCoord start = CaretXY();
    start.Char = std::min(start.Char, LengthOf(LineText()) + 1);
    return start;
}

void TCustomSrcEdit::SetSelTextExternal(const std::string& Value) {
    TSrcPaintLockGuard lock(*this);
    TSrcUndoBlockGuard block(*this);
    if (!SelAvail()) {
        activeSelectionMode_ = selectionMode_;
    }
    TSrcSelectionMode mode = activeSelectionMode_;
    TBufferCoord start = DeleteSelectionForInsert(BlockBegin(), BlockEnd(), !Value.empty());
    SetSelTextPrimitive(Value);
    if (HasText(Value)) {
        AddPasteRecord(crInsert, mode, start, CaretXY());
    }
    activeSelectionMode_ = mode;
    blockBegin_ = CaretXY();
    blockEnd_ = blockBegin_;
    StatusChanged({scSelection});
}

void TCustomSrcEdit::ClearSelection() {
    if (SelAvail()) {
        SetSelTextExternal(std::string());
    }
}

void TCustomSrcEdit::InsertBlock(const TBufferCoord& BB, const TBufferCoord& BE, const std::string& ChangeStr,
                                 bool AddToUndoList) {
    TSrcPaintLockGuard lock(*this);
    // Set in column mode: a normal selection would end at the line's end.
    SelectIn(smColumn, BB, BB, BE);
    SetSelTextPrimitiveEx(smColumn, ChangeStr, AddToUndoList);
    StatusChanged({scSelection});
}
