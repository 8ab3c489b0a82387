#include <algorithm>

#include "editor/control/SrcEdit.h"

void TCustomSrcEdit::DblClick() {
    TPoint pointer = window_ ? window_->CursorPos() : TPoint();
    if (pointer.X < gutterWidth_ + 2) {
        if (OnDblClick) {
            OnDblClick(this);
        }
        return;
    }
    if (!options_.Contains(eoNoSelection)) {
        SetWordBlock(CaretXY());
    }
    if (OnDblClick) {
        OnDblClick(this);
    }
    stateFlags_.Include(sfDblClicked);
    SetMouseCapture(false);
}

void TCustomSrcEdit::SetWordBlock(TBufferCoord Value) {
    Value.Line = std::clamp(Value.Line, 1, std::max(1, lines_->Count()));
    int limit = options_.Contains(eoScrollPastEol) ? PastEolCharLimit(Value.Line) : SRCEDIT_MAX_INT;
    Value.Char = std::clamp(Value.Char, 1, limit);
    std::string line = LineAt(Value.Line);
    if (Value.Char > static_cast<int64_t>(line.size()) + 1) {
        return;
    }
    TSrcCharSet ident, white;
    PrepareIdentChars(ident, white);
    auto isIdent = [&](int Char) { return ident.test(static_cast<unsigned char>(line[Char - 1])); };
    int first = Value.Char;
    while (first > 1 && isIdent(first - 1)) {
        --first;
    }
    int last = Value.Char;
    while (last <= static_cast<int>(line.size()) && isIdent(last)) {
        ++last;
    }
    activeSelectionMode_ = selectionMode_;
    blockBegin_ = BufferCoord(first, Value.Line);
    blockEnd_ = BufferCoord(last, Value.Line);
    InternalSetCaretXY(blockEnd_);
    InvalidateLine(Value.Line);
    StatusChanged({scSelection});
}

void TCustomSrcEdit::MouseWheel(int WheelDelta, TShiftState Shift) {
    if (!window_) {
        return;
    }
    int lines = window_->WheelScrollLines();
    if (Shift.Contains(ssCtrl)) {
        lines = options_.Contains(eoHalfPageScroll) ? linesInWindow_ / 2 : linesInWindow_;
    }
    wheelAccumulator_ += WheelDelta;
    int notches = wheelAccumulator_ / 120;
    wheelAccumulator_ %= 120;
    if (lines == -1 || lines > linesInWindow_) {
        lines = linesInWindow_;
    }
    if (notches == 0) {
        return;
    }
    SetTopLine(static_cast<int>(std::clamp<int64_t>(int64_t{topLine_} - int64_t{lines} * notches, 1, SRCEDIT_MAX_INT)));
    Update();
    if (OnScroll) {
        OnScroll(this, sbVertical);
    }
}

void TCustomSrcEdit::UpdateMouseCursor() {
    if (!window_) {
        return;
    }
    TPoint pointer = window_->CursorPos();
    TCursor cursor = gutter_->Cursor;
    if (pointer.X >= gutterWidth_) {
        TBufferCoord pos = DisplayToBufferPos(PixelsToRowColumn(pointer.X, pointer.Y));
        bool draggable = options_.Contains(eoDragDropEditing) && !MouseCaptured() && IsPointInSelection(pos);
        cursor = draggable ? crArrow : Cursor;
        if (OnMouseCursor) {
            OnMouseCursor(this, pos, cursor);
        }
        kbdHandler_->ExecuteMouseCursor(this, pos, cursor);
    }
    window_->SetCursor(cursor);
}

void TCustomSrcEdit::SetFocus() {
    if (window_) {
        window_->TakeFocus(focusControls_.empty() ? nullptr : focusControls_.back());
    }
}

bool TCustomSrcEdit::IsPointInSelection(const TBufferCoord& Value) const {
    TBufferCoord bb = BlockBegin();
    TBufferCoord be = BlockEnd();
    if (!SelAvail() || Value.Line < bb.Line || Value.Line > be.Line) {
        return false;
    }
    switch (activeSelectionMode_) {
    case smLine: return true;
    case smColumn:
        return Value.Char >= std::min(bb.Char, be.Char) && Value.Char < std::max(bb.Char, be.Char);
    default:
        return !(Value.Line == bb.Line && Value.Char < bb.Char) && !(Value.Line == be.Line && Value.Char >= be.Char);
    }
}

bool TCustomSrcEdit::GetPositionOfMouse(TBufferCoord& aPos) const {
    if (!window_) {
        return false;
    }
    TPoint pointer = window_->CursorPos();
    TRect client = window_->ClientRect();
    if (pointer.X < 0 || pointer.Y < 0 || pointer.X > client.Right - client.Left ||
        pointer.Y > client.Bottom - client.Top) {
        return false;
    }
    aPos = DisplayToBufferPos(PixelsToRowColumn(pointer.X, pointer.Y));
    return true;
}

std::string TCustomSrcEdit::GetWordAtMouse() {
    TBufferCoord pos;
    return GetPositionOfMouse(pos) ? GetWordAtRowCol(pos) : std::string();
}
