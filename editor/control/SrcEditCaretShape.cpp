#include "editor/control/SrcEdit.h"
#include "editor/control/SrcWindowServices.h"

void TCustomSrcEdit::InitializeCaret() {
    if (!window_) {
        return;
    }
    TSrcEditCaretType type = insertMode_ ? insertCaret_ : overwriteCaret_;
    int width = charWidth_;
    int height = textHeight_;
    switch (type) {
    case ctVerticalLine:
        width = 2;
        caretOffset_ = Point(-1, 0);
        break;
    case ctHorizontalLine:
        height = 2;
        caretOffset_ = Point(0, textHeight_ - 2);
        break;
    case ctHalfBlock:
        height = textHeight_ / 2;
        caretOffset_ = Point(0, textHeight_ - height);
        break;
    case ctBlock:
        caretOffset_ = Point(0, 0);
        break;
    }
    stateFlags_.Exclude(sfCaretVisible);
    if (window_->Focused() || alwaysShowCaret_) {
        window_->CreateCaret(width, height);
        UpdateCaret();
    }
}

void TCustomSrcEdit::ShowCaret() {
    if (!window_ || options_.Contains(eoNoCaret) || stateFlags_.Contains(sfCaretVisible)) {
        return;
    }
    if (window_->ShowCaret()) {
        stateFlags_.Include(sfCaretVisible);
    }
}

void TCustomSrcEdit::HideCaret() {
    if (window_ && stateFlags_.Contains(sfCaretVisible) && window_->HideCaret()) {
        stateFlags_.Exclude(sfCaretVisible);
    }
}

void TCustomSrcEdit::UpdateCaret() {
    if (paintLock_ != 0 || !window_ || (!window_->Focused() && !alwaysShowCaret_)) {
        stateFlags_.Include(sfCaretChanged);
        return;
    }
    stateFlags_.Exclude(sfCaretChanged);
    TPoint p = RowColumnToPixels(DisplayXY());
    p.X += caretOffset_.X;
    p.Y += caretOffset_.Y + 1;
    window_->SetCaretPos(p.X, p.Y);
    TRect client = ClientRect();
    if (p.X >= gutterWidth_ && p.X < client.Right && p.Y >= client.Top && p.Y < client.Bottom) {
        ShowCaret();
    } else {
        HideCaret();
    }
}

void TCustomSrcEdit::SetInsertMode(bool Value) {
    if (Value != insertMode_) {
        insertMode_ = Value;
        InitializeCaret();
        StatusChanged({scInsertMode});
    }
}

void TCustomSrcEdit::SetInsertCaret(TSrcEditCaretType Value) {
    if (Value != insertCaret_) {
        insertCaret_ = Value;
        InitializeCaret();
    }
}

void TCustomSrcEdit::SetOverwriteCaret(TSrcEditCaretType Value) {
    if (Value != overwriteCaret_) {
        overwriteCaret_ = Value;
        InitializeCaret();
    }
}

void TCustomSrcEdit::SetAlwaysShowCaret(bool Value) {
    if (Value == alwaysShowCaret_) {
        return;
    }
    alwaysShowCaret_ = Value;
    if (window_ && !window_->Focused()) {
        if (Value) {
            InitializeCaret();
        } else {
            HideCaret();
            window_->DestroyCaret();
        }
    }
}
