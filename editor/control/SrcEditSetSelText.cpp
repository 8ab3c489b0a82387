#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoBlockGuard.h"

void TCustomSrcEdit::SetSelTextExternal(const std::string& Value) {
    TSrcPaintLockGuard lock(*this);
    TSrcUndoBlockGuard block(*this);
    TBufferCoord bb = BlockBegin();
    TBufferCoord be = BlockEnd();
    if (!SelAvail()) {
        activeSelectionMode_ = selectionMode_;
    } else {
        undoList_->AddChange(crDelete, bb, be, GetSelText(), activeSelectionMode_);
    }
    TSrcSelectionMode mode = activeSelectionMode_;
    blockBegin_ = bb;
    blockEnd_ = be;
    SetSelTextPrimitive(Value);
    if (!Value.empty()) {
        AddPasteRecord(crInsert, mode, bb, CaretXY());
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
    SetCaretAndSelection(BB, BB, BE);
    SetActiveSelectionMode(smColumn);
    SetSelTextPrimitiveEx(smColumn, ChangeStr, AddToUndoList);
    StatusChanged({scSelection});
}
