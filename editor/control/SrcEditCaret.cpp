#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditWordWrapper.h"

void TCustomSrcEdit::SetCaretXY(const TBufferCoord& Value) {
    TSrcPaintLockGuard lock(*this);
    statusChanges_.Include(scSelection);
    SetCaretXYEx(true, Value);
    if (SelAvail()) {
        InvalidateSelection();
    }
    blockBegin_ = CaretXY();
    blockEnd_ = blockBegin_;
}

void TCustomSrcEdit::InternalSetCaretXY(const TBufferCoord& Value) { SetCaretXYEx(true, Value); }

void TCustomSrcEdit::SetCaretXYEx(bool CallEnsureCursorPos, TBufferCoord Value) {
    bool leavesEndOfRow = caretAtEndOfRow_;
    caretAtEndOfRow_ = false;
    if (window_) {
        DoOnPaintTransient(ttBefore);
    }
    bool pastEol = options_.Contains(eoScrollPastEol);
    Value.Line = std::min(Value.Line, lines_->Count());
    bool beforeText = Value.Line < 1;
    Value.Line = std::max(Value.Line, 1);
    int limit = 1;
    if (pastEol) {
        limit = WordWrap() ? SRCEDIT_MAX_INT : PastEolCharLimit(Value.Line);
    } else if (!beforeText) {
        limit = ClampToInt32(static_cast<int64_t>(lines_->Line(Value.Line - 1).size()) + 1);
    }
    if (Value.Char > limit && !(pastEol && options_.Contains(eoAutoSizeMaxScrollWidth))) {
        Value.Char = limit;
    }
    Value.Char = std::max(Value.Char, 1);
    // Leaving a row's end moves the drawn caret even at the same text position.
    if (Value == CaretXY() && !leavesEndOfRow) {
        UpdateLastCaretX();
    } else {
        TSrcPaintLockGuard lock(*this);
        if (Value.Char != caretX_) {
            caretX_ = Value.Char;
            StatusChanged({scCaretX});
        }
        if (Value.Line != caretY_) {
            if (activeLineColor_ != clNone) {
                InvalidateLine(Value.Line);
                InvalidateLine(caretY_);
            }
            caretY_ = Value.Line;
            StatusChanged({scCaretY});
        }
        UpdateLastCaretX();
        if (CallEnsureCursorPos) {
            EnsureCursorPosVisible();
        }
        stateFlags_.Include(sfCaretChanged).Include(sfScrollbarChanged);
    }
    if (window_) {
        DoOnPaintTransient(ttAfter);
    }
}

int TCustomSrcEdit::PastEolCharLimit(int Line) const {
    if (replayingUndo_) {
        return SRCEDIT_MAX_INT;  // records hold the positions their command reached
    }
    int64_t textEnd = static_cast<int64_t>(lines_->Line(Line - 1).size()) + 1;
    return ClampToInt32(std::max(int64_t{maxScrollWidth_} + 1, textEnd));
}

void TCustomSrcEdit::SetInternalDisplayXY(const TDisplayCoord& Pos) {
    TSrcPaintLockGuard lock(*this);
    SetCaretXYEx(false, DisplayToBufferPos(Pos));
    // Past the end of a wrapped row the text position is the next row's start.
    if (wordWrapper_ && Pos.Row >= 1 && Pos.Row < wordWrapper_->GetRowCount() &&
        Pos.Column > wordWrapper_->GetRowLength(Pos.Row) &&
        BufferToDisplayPos(CaretXY()) == DisplayCoord(1, Pos.Row + 1)) {
        caretAtEndOfRow_ = true;
        UpdateLastCaretX();
        stateFlags_.Include(sfCaretChanged);
    }
    EnsureCursorPosVisible();
}

void TCustomSrcEdit::UpdateLastCaretX() { lastCaretX_ = DisplayX(); }

TDisplayCoord TCustomSrcEdit::DisplayXY() const {
    TDisplayCoord result = BufferToDisplayPos(CaretXY());
    // Only a caret at the start of a continued row stands at the row before's end.
    if (wordWrapper_ && caretAtEndOfRow_ && result.Column == 1 && result.Row > LineToRow(caretY_)) {
        --result.Row;
        result.Column = wordWrapper_->GetRowLength(result.Row) + 1;
    }
    return result;
}

bool TCustomSrcEdit::CaretInView() const {
    TDisplayCoord vp = DisplayXY();
    return vp.Column >= leftChar_ && vp.Column <= int64_t{leftChar_} + charsInWindow_ && vp.Row >= topLine_ &&
           vp.Row <= int64_t{topLine_} + linesInWindow_;
}

void TCustomSrcEdit::EnsureCursorPosVisibleEx(bool ForceToMiddle) {
    if (replayingUndo_) {
        return;
    }
    TSrcPaintLockGuard lock(*this);
    TDisplayCoord vp = DisplayXY();
    int64_t x = vp.Column;
    if (x < leftChar_) {
        SetLeftChar(vp.Column);
    } else if (x >= int64_t{leftChar_} + charsInWindow_) {
        SetLeftChar(ClampToInt32(x - charsInWindow_ + 1));
    }
    int64_t y = vp.Row;
    int64_t rows = linesInWindow_;
    if (ForceToMiddle) {
        // A line just above the view is centred too, like any other line
        // outside it.
        if (y < topLine_) {
            SetTopLine(ClampToInt32(std::max<int64_t>(1, y - rows / 2 + 1)));
        } else if (y > topLine_ + rows - 2) {
            SetTopLine(ClampToInt32(y - (rows - 1) + rows / 2));
        }
    } else if (y < topLine_) {
        SetTopLine(vp.Row);
    } else if (y > topLine_ + std::max<int64_t>(1, rows) - 1) {
        SetTopLine(ClampToInt32(y - (rows - 1)));
    }
}

void TCustomSrcEdit::GotoLineAndCenter(int ALine) {
    SetCaretXYEx(false, BufferCoord(1, ALine));
    if (SelAvail()) {
        InvalidateSelection();
    }
    blockBegin_ = CaretXY();
    blockEnd_ = blockBegin_;
    EnsureCursorPosVisibleEx(true);
}
