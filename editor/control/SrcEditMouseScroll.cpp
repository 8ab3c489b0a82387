#include <algorithm>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditPaintLockGuard.h"

namespace {
// Cells beyond a bound: negative before Low, positive from High on.
int CellsBeyond(int Pos, int Low, int High, int Cell) {
    if (Cell <= 0) {
        return 0;
    }
    if (Pos < Low) {
        return (Pos - Low) / Cell - 1;
    }
    return Pos >= High ? (Pos - High) / Cell + 1 : 0;
}
}  // namespace

void TCustomSrcEdit::TimerFired(int Id) {
    if (Id == SRCEDIT_SCROLL_TIMER) {
        ScrollTimerHandler();
    }
}

void TCustomSrcEdit::CaptureChanged() {
    if (window_) {
        window_->StopTimer(SRCEDIT_SCROLL_TIMER);
    }
}

void TCustomSrcEdit::ComputeScroll(int X, int Y) {
    if (!window_) {
        return;
    }
    if (!MouseCaptured() && !dragging_) {
        window_->StopTimer(SRCEDIT_SCROLL_TIMER);
        return;
    }
    TRect bounds = Rect(gutterWidth_, 0, gutterWidth_ + charsInWindow_ * charWidth_, linesInWindow_ * textHeight_);
    if (borderStyle_ == bsNone) {
        bounds = Rect(bounds.Left + 2, bounds.Top + 2, bounds.Right - 2, bounds.Bottom - 2);
    }
    scrollDeltaX_ = CellsBeyond(X, bounds.Left, bounds.Right, charWidth_);
    scrollDeltaY_ = CellsBeyond(Y, bounds.Top, bounds.Bottom, textHeight_);
    if (scrollDeltaX_ == 0 && scrollDeltaY_ == 0) {
        window_->StopTimer(SRCEDIT_SCROLL_TIMER);
    } else {
        window_->StartTimer(SRCEDIT_SCROLL_TIMER, 100);
    }
}

void TCustomSrcEdit::ScrollTimerHandler() {
    if (!window_) {
        return;
    }
    TPoint pointer = window_->CursorPos();
    int rows = std::max(1, GetDisplayLineCount());
    TDisplayCoord target = PixelsToRowColumn(pointer.X, pointer.Y);
    target.Row = std::clamp(target.Row, 1, rows);
    if (scrollDeltaX_ != 0) {
        SetLeftChar(leftChar_ + scrollDeltaX_);
        target.Column = leftChar_ + (scrollDeltaX_ > 0 ? charsInWindow_ : 0);
    }
    if (scrollDeltaY_ != 0) {
        int64_t step = window_->KeyDown(skShift) ? int64_t{scrollDeltaY_} * linesInWindow_ : scrollDeltaY_;
        SetTopLine(static_cast<int>(std::clamp<int64_t>(topLine_ + step, 1, SRCEDIT_MAX_INT)));
        target.Row = std::clamp(topLine_ + (scrollDeltaY_ > 0 ? linesInWindow_ - 1 : 0), 1, rows);
    }
    TBufferCoord caret = DisplayToBufferPos(target);
    if (caret != CaretXY()) {
        TSrcPaintLockGuard lock(*this);
        InternalSetCaretXY(caret);
        if (MouseCaptured()) {
            SetBlockEnd(CaretXY());
        }
    }
    ComputeScroll(pointer.X, pointer.Y);
}
