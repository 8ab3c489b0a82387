#include <cstdlib>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditWordWrapper.h"
#include "editor/control/SrcWindowServices.h"

namespace {
constexpr int32_t kMaxScrollWidthLimit = 2147483646;
}

void TCustomSrcEdit::UpdateTextOffset() {
    textOffset_ = ClampToInt32(int64_t{gutterWidth_} + 2 - (int64_t{leftChar_} - 1) * charWidth_);
}

int TCustomSrcEdit::MaxLeftChar() const {
    if (options_.Contains(eoScrollPastEol)) {
        if (options_.Contains(eoAutoSizeMaxScrollWidth)) {
            return SRCEDIT_MAX_INT - charsInWindow_;
        }
        return ClampToInt32(int64_t{ScrollWidth()} - charsInWindow_ + 1);
    }
    int longest = lines_->GetLengthOfLongestLine();
    return longest > charsInWindow_ ? longest - charsInWindow_ + 1 : 1;
}

int TCustomSrcEdit::ScrollWidth() const {
    return ClampToInt32(std::max(int64_t{maxScrollWidth_}, int64_t{lines_->GetLengthOfLongestLine()} + 1));
}

int TCustomSrcEdit::MaxTopLine() const {
    int count = GetDisplayLineCount();
    return options_.Contains(eoScrollPastEof) ? count : count - linesInWindow_ + 1;
}

void TCustomSrcEdit::SetLeftChar(int Value) {
    if (WordWrap()) {
        Value = 1;
    }
    // A view that the scroll width or the caret's line covers needs no look
    // at the longest line (after an edit, a walk over all lines).
    bool covered = false;
    if (options_.Contains(eoScrollPastEol)) {
        int64_t caretLineEnd = int64_t{lines_->ExpandedStringLengths(caretY_ - 1)} + 1;
        covered = Value <= std::max(int64_t{maxScrollWidth_}, caretLineEnd) - charsInWindow_ + 1;
    }
    Value = std::max(covered ? Value : std::min(Value, MaxLeftChar()), 1);
    if (Value == leftChar_) {
        return;
    }
    int64_t delta = int64_t{leftChar_} - Value;
    leftChar_ = Value;
    UpdateTextOffset();
    if (std::llabs(delta) < charsInWindow_) {
        TRect client = ClientRect();
        ScrollOrDefer(static_cast<int>(delta) * charWidth_, 0, Rect(gutterWidth_ + 2, 0, client.Right, client.Bottom));
    } else {
        InvalidateLines(-1, -1);
    }
    int64_t rightColumn = int64_t{leftChar_} + charsInWindow_;
    if (options_.Contains(eoAutoSizeMaxScrollWidth) && options_.Contains(eoScrollPastEol) &&
        rightColumn > maxScrollWidth_) {
        SetMaxScrollWidth(ClampToInt32(rightColumn));
    } else {
        UpdateScrollBars();
    }
    StatusChanged({scLeftChar});
}

void TCustomSrcEdit::SetTopLine(int Value) {
    Value = std::max(std::min(Value, MaxTopLine()), 1);
    if (Value == topLine_) {
        return;
    }
    int64_t delta = int64_t{topLine_} - Value;
    topLine_ = Value;
    if (std::llabs(delta) < linesInWindow_) {
        ScrollOrDefer(0, static_cast<int>(delta) * textHeight_, ClientRect());
    } else {
        Invalidate();
    }
    UpdateScrollBars();
    StatusChanged({scTopLine});
}

void TCustomSrcEdit::SetMaxScrollWidth(int Value) {
    Value = std::clamp(Value, 1, kMaxScrollWidthLimit);
    if (Value != maxScrollWidth_) {
        maxScrollWidth_ = Value;
        if (options_.Contains(eoScrollPastEol)) {
            UpdateScrollBars();
        }
    }
}

void TCustomSrcEdit::SetScrollBars(TScrollStyle Value) {
    if (Value != scrollBars_) {
        scrollBars_ = Value;
        UpdateScrollBars();
        Invalidate();
    }
}

void TCustomSrcEdit::SetGutterWidth(int Value) {
    Value = std::max(Value, 0);
    if (Value == gutterWidth_) {
        return;
    }
    gutterWidth_ = Value;
    UpdateTextOffset();
    if (window_) {
        if (charWidth_ > 0) {
            charsInWindow_ = std::max(ClientRect().Width() - gutterWidth_ - 2, 0) / charWidth_;
        }
        if (wordWrapper_) {
            wordWrapper_->DisplayChanged();
        }
        UpdateScrollBars();
        Invalidate();
    }
}

int TCustomSrcEdit::GetDisplayLineCount() const {
    if (!wordWrapper_) {
        return lines_->Count();
    }
    return lines_->Count() == 0 ? 0 : wordWrapper_->GetRowCount();
}

// Column 1 is character 1 on every line, so only the plug-in is asked.
int TCustomSrcEdit::LineToRow(int Line) const {
    return wordWrapper_ ? wordWrapper_->BufferToDisplayPos(BufferCoord(1, Line)).Row : Line;
}

int TCustomSrcEdit::RowToLine(int Row) const {
    return wordWrapper_ ? wordWrapper_->DisplayToBufferPos(DisplayCoord(1, Row)).Line : Row;
}
