#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditPaintLockGuard.h"

TBufferCoord TCustomSrcEdit::BlockBegin() const { return Before(blockEnd_, blockBegin_) ? blockEnd_ : blockBegin_; }

TBufferCoord TCustomSrcEdit::BlockEnd() const { return Before(blockEnd_, blockBegin_) ? blockBegin_ : blockEnd_; }

bool TCustomSrcEdit::SelAvail() const {
    return blockBegin_.Char != blockEnd_.Char ||
           (blockBegin_.Line != blockEnd_.Line && activeSelectionMode_ != smColumn);
}

bool TCustomSrcEdit::SelTabBlock() const {
    return blockBegin_.Line != blockEnd_.Line && activeSelectionMode_ != smColumn;
}

bool TCustomSrcEdit::SelTabLine() const {
    int64_t lineLength = static_cast<int64_t>(lines_->Line(caretY_ - 1).size());
    return BlockBegin().Char <= 1 && BlockEnd().Char > lineLength && SelAvail();
}

void TCustomSrcEdit::ClampBufferCoord(TBufferCoord& Value) const {
    Value.Line = std::max(std::min(Value.Line, lines_->Count()), 1);
    if (options_.Contains(eoScrollPastEol) && !WordWrap()) {
        Value.Char = std::clamp(Value.Char, 1, PastEolCharLimit(Value.Line));
    } else {
        Value.Char = std::max(Value.Char, 1);
    }
    if (activeSelectionMode_ == smNormal) {
        int64_t limit = Value.Line <= lines_->Count()
                            ? static_cast<int64_t>(lines_->Line(Value.Line - 1).size()) + 1
                            : 1;
        Value.Char = ClampToInt32(std::min<int64_t>(Value.Char, limit));
    }
}

void TCustomSrcEdit::SetBlockBegin(TBufferCoord Value) {
    activeSelectionMode_ = selectionMode_;
    ClampBufferCoord(Value);
    if (!SelAvail()) {
        bool moved = blockBegin_ != Value || blockEnd_ != Value;
        blockBegin_ = Value;
        blockEnd_ = Value;
        if (moved) {
            StatusChanged({scSelection});
        }
        return;
    }
    int first = std::min({Value.Line, blockBegin_.Line, blockEnd_.Line});
    int last = std::max({Value.Line, blockBegin_.Line, blockEnd_.Line});
    blockBegin_ = Value;
    blockEnd_ = Value;
    InvalidateLines(first, last);
    StatusChanged({scSelection});
}

void TCustomSrcEdit::SetBlockEnd(TBufferCoord Value) {
    if (options_.Contains(eoNoSelection)) {
        return;
    }
    activeSelectionMode_ = selectionMode_;
    ClampBufferCoord(Value);
    if (Value == blockEnd_) {
        return;
    }
    if (activeSelectionMode_ == smColumn && Value.Char != blockEnd_.Char) {
        InvalidateLines(std::min({blockBegin_.Line, blockEnd_.Line, Value.Line}),
                        std::max({blockBegin_.Line, blockEnd_.Line, Value.Line}));
        blockEnd_ = Value;
    } else {
        int oldLine = blockEnd_.Line;
        blockEnd_ = Value;
        if (activeSelectionMode_ != smColumn || blockBegin_.Char != blockEnd_.Char) {
            InvalidateLines(oldLine, blockEnd_.Line);
        }
    }
    StatusChanged({scSelection});
}

void TCustomSrcEdit::SetCaretAndSelection(const TBufferCoord& ptCaret, const TBufferCoord& ptBefore,
                                          const TBufferCoord& ptAfter) {
    TSrcPaintLockGuard lock(*this);
    InternalSetCaretXY(ptCaret);
    SetBlockBegin(ptBefore);
    SetBlockEnd(ptAfter);
}

void TCustomSrcEdit::SelectAll() {
    int count = lines_->Count();
    TBufferCoord last = count > 0 ? BufferCoord(LengthPlusOne(lines_->Line(count - 1)), count) : BufferCoord(1, 1);
    SetCaretAndSelection(last, BufferCoord(1, 1), last);
    StatusChanged({scSelection});
}

void TCustomSrcEdit::SetSelectionMode(TSrcSelectionMode Value) {
    if (Value != selectionMode_) {
        selectionMode_ = Value;
        SetActiveSelectionMode(Value);
    }
}

void TCustomSrcEdit::SetActiveSelectionMode(TSrcSelectionMode Value) {
    if (Value == activeSelectionMode_) {
        return;
    }
    if (SelAvail()) {
        InvalidateSelection();
    }
    activeSelectionMode_ = Value;
    if (SelAvail()) {
        InvalidateSelection();
    }
    StatusChanged({scSelection});
}
