#include <algorithm>
#include <cstdlib>

#include "editor/control/SrcEdit.h"

namespace {
// A display position whose row is limited to the text.
TDisplayCoord ClampRow(TDisplayCoord P, int RowCount) {
    P.Row = std::clamp(P.Row, 1, std::max(1, RowCount));
    return P;
}
}  // namespace

bool TCustomSrcEdit::MouseCaptured() const { return window_ && window_->MouseCapture(); }

void TCustomSrcEdit::SetMouseCapture(bool Value) {
    if (window_) {
        window_->SetMouseCapture(Value);
    }
}

void TCustomSrcEdit::ComputeCaret(int X, int Y) {
    SetInternalDisplayXY(ClampRow(PixelsToNearestRowColumn(X, Y), GetDisplayLineCount()));
}

void TCustomSrcEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TBufferCoord bb = blockBegin_;
    TBufferCoord be = blockEnd_;
    bool wasSelected = Button == mbLeft && SelAvail();
    if (wasSelected) {
        mouseDownX_ = X;
        mouseDownY_ = Y;
    }
    if (OnMouseDown) {
        OnMouseDown(this, Button, Shift, X, Y);
    }
    if (Button == mbLeft && Shift.Contains(ssDouble)) {
        return;
    }
    kbdHandler_->ExecuteMouseDown(this, Button, Shift, X, Y);
    if (Button == mbRight) {
        if (!options_.Contains(eoRightMouseMovesCursor) ||
            (SelAvail() && IsPointInSelection(DisplayToBufferPos(PixelsToRowColumn(X, Y))))) {
            return;
        }
        InvalidateSelection();
        blockEnd_ = blockBegin_;
        ComputeCaret(X, Y);
    } else if (Button == mbLeft) {
        ComputeCaret(X, Y);
        blockBegin_ = bb;
        blockEnd_ = be;
        SetMouseCapture(true);
        stateFlags_.Exclude(sfWaitForDragging);
        if (wasSelected && options_.Contains(eoDragDropEditing) && X >= gutterWidth_ + 2 &&
            selectionMode_ == smNormal && IsPointInSelection(CaretXY())) {
            stateFlags_.Include(sfWaitForDragging);
        }
    }
    if (!stateFlags_.Contains(sfWaitForDragging) && !stateFlags_.Contains(sfDblClicked)) {
        if (Shift.Contains(ssShift)) {
            SetBlockEnd(CaretXY());
        } else {
            if (options_.Contains(eoAltSetsColumnMode) && activeSelectionMode_ != smLine) {
                SetSelectionMode(Shift.Contains(ssAlt) ? smColumn : smNormal);
            }
            SetBlockBegin(CaretXY());
        }
    }
    if (X < gutterWidth_) {
        stateFlags_.Include(sfPossibleGutterClick);
        if (Button == mbRight) {
            DoOnGutterClick(Button, X, Y);
        }
    }
    SetFocus();
}

void TCustomSrcEdit::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) {
        OnMouseMove(this, Shift, X, Y);
    }
    if (MouseCaptured() && stateFlags_.Contains(sfWaitForDragging)) {
        TPoint distance = window_->DragDistance();
        if (std::abs(X - mouseDownX_) >= distance.X || std::abs(Y - mouseDownY_) >= distance.Y) {
            stateFlags_.Exclude(sfWaitForDragging);
            dragging_ = true;
            window_->BeginDrag();
        }
    } else if (Shift.Contains(ssLeft) && MouseCaptured()) {
        ComputeScroll(X, Y);
        TDisplayCoord target = ClampRow(PixelsToNearestRowColumn(X, Y), GetDisplayLineCount());
        if (scrollDeltaX_ != 0) {
            target.Column = DisplayX();
        }
        if (scrollDeltaY_ != 0) {
            target.Row = DisplayY();
        }
        InternalSetCaretXY(DisplayToBufferPos(target));
        SetBlockEnd(CaretXY());
        if (stateFlags_.Contains(sfPossibleGutterClick) && caretY_ != blockBegin_.Line) {
            stateFlags_.Include(sfGutterDragging);
        }
    }
    UpdateMouseCursor();
}

void TCustomSrcEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) {
        OnMouseUp(this, Button, Shift, X, Y);
    }
    kbdHandler_->ExecuteMouseUp(this, Button, Shift, X, Y);
    if (window_) {
        window_->StopTimer(SRCEDIT_SCROLL_TIMER);
    }
    SetMouseCapture(false);
    // A drag in the gutter selected lines; it is no click.
    if (stateFlags_.Contains(sfPossibleGutterClick) && !stateFlags_.Contains(sfGutterDragging) &&
        X < gutterWidth_ && Button != mbRight) {
        DoOnGutterClick(Button, X, Y);
    } else if (stateFlags_.Contains(sfWaitForDragging) && !stateFlags_.Contains(sfDblClicked)) {
        ComputeCaret(X, Y);
        if (!Shift.Contains(ssShift)) {
            SetBlockBegin(CaretXY());
        }
        SetBlockEnd(CaretXY());
        stateFlags_.Exclude(sfWaitForDragging);
    }
    stateFlags_.Exclude(sfDblClicked);
    stateFlags_.Exclude(sfPossibleGutterClick);
    stateFlags_.Exclude(sfGutterDragging);
}

void TCustomSrcEdit::DoOnGutterClick(TMouseButton Button, int X, int Y) {
    if (!OnGutterClick) {
        return;
    }
    int line = DisplayToBufferPos(PixelsToRowColumn(X, Y)).Line;
    if (line > lines_->Count()) {
        return;
    }
    TSrcEditMarks marks;
    marks_->GetMarksForLine(line, marks);
    TSrcEditMark* clicked = nullptr;
    int offset = 0;
    for (TSrcEditMark* mark : marks) {
        if (!mark) {
            continue;
        }
        offset += bookMarkOptions_->Xoffset();
        if (X < offset) {
            clicked = mark;
            break;
        }
    }
    OnGutterClick(this, Button, X, Y, line, clicked);
}
