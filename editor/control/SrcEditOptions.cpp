#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditWordWrapper.h"
#include "editor/control/SrcWindowServices.h"

void TCustomSrcEdit::SetOptions(TSrcEditorOptions Value) {
    if (Value == options_) {
        return;
    }
    if (!options_.Contains(eoScrollPastEol)) {
        SetLeftChar(leftChar_);
    }
    if (!options_.Contains(eoScrollPastEof)) {
        SetTopLine(topLine_);
    }
    TSrcEditorOptions changed = TSrcEditorOptions::FromBits(Value.ToBits() ^ options_.ToBits());
    options_ = Value;
    TBufferCoord anchor = blockBegin_;
    TBufferCoord moving = blockEnd_;
    InternalSetCaretXY(CaretXY());
    if (options_.Contains(eoScrollPastEol)) {
        SetBlockBegin(anchor);
        SetBlockEnd(moving);
    }
    if (changed.Contains(eoShowSpecialChars)) {
        Invalidate();
    }
    const TSrcEditorOptions scrollOptions{eoDisableScrollArrows, eoHideShowScrollbars, eoScrollPastEof,
                                          eoScrollPastEol};
    if (!(changed * scrollOptions).Empty()) {
        UpdateScrollBars();
    }
}

void TCustomSrcEdit::SetTabWidth(int Value) {
    Value = std::clamp(Value, 1, 256);
    if (Value == tabWidth_) {
        return;
    }
    tabWidth_ = Value;
    lines_->SetTabWidth(Value);
    Invalidate();
    if (wordWrapper_) {
        wordWrapper_->DisplayChanged();
        InvalidateGutter();
    }
}

void TCustomSrcEdit::SetRightEdge(int Value) {
    if (Value != rightEdge_) {
        rightEdge_ = Value;
        Invalidate();
    }
}

void TCustomSrcEdit::SetRightEdgeColor(TColor Value) {
    if (Value == rightEdgeColor_) {
        return;
    }
    rightEdgeColor_ = Value;
    if (window_) {
        int x = rightEdge_ * charWidth_ + textOffset_;
        InvalidateRect(Rect(x - 1, 0, x + 2, ClientRect().Height()), false);
    }
}

void TCustomSrcEdit::SetActiveLineColor(TColor Value) {
    if (Value != activeLineColor_) {
        activeLineColor_ = Value;
        InvalidateLine(caretY_);
    }
}

void TCustomSrcEdit::SetWordWrapper(TSrcEditWordWrapper* Value) {
    if (Value == wordWrapper_) {
        return;
    }
    Invalidate();
    int topBufferLine = RowToLine(topLine_);
    bool caretWasInView = CaretInView();
    wordWrapper_ = Value;
    if (wordWrapper_) {
        leftChar_ = 1;
        UpdateTextOffset();
    }
    SetTopLine(LineToRow(topBufferLine));
    UpdateScrollBars();
    if (options_.Contains(eoScrollPastEol)) {
        TBufferCoord anchor = blockBegin_;
        TBufferCoord moving = blockEnd_;
        InternalSetCaretXY(CaretXY());
        SetBlockBegin(anchor);
        SetBlockEnd(moving);
    }
    if (caretWasInView) {
        EnsureCursorPosVisible();
    }
}

void TCustomSrcEdit::SetHideSelection(bool Value) {
    if (Value != hideSelection_) {
        hideSelection_ = Value;
        InvalidateSelection();
    }
}

void TCustomSrcEdit::SetBorderStyle(TBorderStyle Value) {
    if (Value != borderStyle_) {
        borderStyle_ = Value;
        if (window_) {
            window_->SetBorderStyle(Value);
        }
    }
}

void TCustomSrcEdit::SetGutter(const TSrcGutter& Value) { gutter_->Assign(&Value); }
