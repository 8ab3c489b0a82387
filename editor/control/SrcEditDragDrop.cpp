#include <algorithm>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/support/StringList.h"

void TCustomSrcEdit::DragOver(TCustomSrcEdit* Source, int X, int Y, TDragState State, TShiftState Shift,
                              bool& Accept) {
    Accept = false;
    if (!Source || ReadOnly()) {
        return;
    }
    Accept = true;
    DragCursor = Shift.Contains(ssCtrl) ? crMultiDrag : crDrag;
    if (!dragging_) {
        ComputeCaret(X, Y);
    } else if (State == dsDragLeave) {
        ComputeCaret(mouseDownX_, mouseDownY_);
    } else {
        TDisplayCoord target = PixelsToNearestRowColumn(X, Y);
        target.Column = std::clamp(target.Column, leftChar_, std::max(leftChar_, leftChar_ + charsInWindow_ - 1));
        target.Row = std::clamp(target.Row, topLine_, std::max(topLine_, topLine_ + linesInWindow_ - 1));
        InternalSetCaretXY(DisplayToBufferPos(target));
        ComputeScroll(X, Y);
    }
}

// Within one control: a drop inside the selection does nothing; a copy
// may land exactly on its ends.
bool TCustomSrcEdit::ShouldDrop(const TBufferCoord& NewPos, bool Move) const {
    TBufferCoord bb = BlockBegin();
    TBufferCoord be = BlockEnd();
    bool after = NewPos.Line > be.Line || (NewPos.Line == be.Line && (NewPos.Char > be.Char ||
                                                                      (!Move && NewPos.Char == be.Char)));
    bool before = NewPos.Line < bb.Line || (NewPos.Line == bb.Line && (NewPos.Char < bb.Char ||
                                                                       (!Move && NewPos.Char == bb.Char)));
    return after || before;
}

void TCustomSrcEdit::DragDrop(TCustomSrcEdit* Source, int X, int Y, TShiftState Shift) {
    if (ReadOnly() || !Source || !Source->SelAvail()) {
        return;
    }
    TSrcPaintLockGuard lock(*this);
    ComputeCaret(X, Y);
    TBufferCoord newPos = CaretXY();
    bool move = Source == this ? !Shift.Contains(ssCtrl) : Shift.Contains(ssShift);
    // A read-only source keeps its text: the drop copies.
    if (Source->ReadOnly()) {
        move = false;
    }
    if (Source == this && !ShouldDrop(newPos, move)) {
        return;
    }
    DropText(*Source, newPos, move);
}

void TCustomSrcEdit::DropText(TCustomSrcEdit& Source, TBufferCoord NewPos, bool Move) {
    TSrcUndoBlockGuard block(*this);
    bool same = &Source == this;
    std::string text = Source.SelText();
    if (Move) {
        TBufferCoord bb = Source.BlockBegin();
        TBufferCoord be = Source.BlockEnd();
        Source.SetSelTextExternal(std::string());
        if (same && (NewPos.Line > be.Line || (NewPos.Line == be.Line && NewPos.Char >= be.Char))) {
            if (NewPos.Line == be.Line) {
                NewPos.Char = bb.Char + NewPos.Char - be.Char;
            }
            NewPos.Line -= be.Line - bb.Line;
        }
    }
    WithScrollPastEol([&] {
        InternalSetCaretXY(NewPos);
        SetBlockBegin(NewPos);
        undoList_->Lock();
        try {
            SetSelTextPrimitiveEx(smNormal, text, false);
        } catch (...) {
            undoList_->Unlock();
            throw;
        }
        undoList_->Unlock();
        undoList_->AddChange(same ? crDragDropInsert : crInsert, NewPos, CaretXY(), std::string(), smNormal);
    });
    SetBlockEnd(CaretXY());
    CommandProcessor(ecSelGotoXY, '\0', &NewPos);
}

void TCustomSrcEdit::DragCanceled() {
    if (window_) {
        window_->StopTimer(SRCEDIT_SCROLL_TIMER);
    }
}

void TCustomSrcEdit::DragEnded(bool Dropped) {
    dragging_ = false;
    SetMouseCapture(false);
    if (window_) {
        window_->StopTimer(SRCEDIT_SCROLL_TIMER);
    }
    if (!Dropped) {
        DragCanceled();
    }
}

void TCustomSrcEdit::DropFiles(int X, int Y, const std::vector<std::string>& Files) {
    if (!OnDropFiles) {
        return;
    }
    TStringList names;
    for (const std::string& name : Files) {
        names.Add(name);
    }
    OnDropFiles(this, X, Y, &names);
}
