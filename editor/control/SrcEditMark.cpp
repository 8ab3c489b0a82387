#include "editor/control/SrcEditMark.h"

#include "editor/control/SrcEdit.h"

TSrcEditMark::TSrcEditMark(TCustomSrcEdit* AOwner) : edit_(AOwner) {}

TCustomSrcEdit* TSrcEditMark::GetEdit() {
    if (edit_ && edit_->Marks().IndexOf(this) < 0) {
        edit_ = nullptr;
    }
    return edit_;
}

void TSrcEditMark::InvalidateOwnLine() {
    if (edit_ && line_ > 0) {
        edit_->InvalidateGutterLine(line_);
    }
}

void TSrcEditMark::SetLine(int Value) {
    if (visible_ && edit_) {
        if (line_ > 0) {
            edit_->InvalidateGutterLine(line_);
        }
        line_ = Value;
        edit_->InvalidateGutterLine(line_);
    } else {
        line_ = Value;
    }
}

void TSrcEditMark::SetImage(int Value) {
    imageIndex_ = Value;
    if (visible_) {
        InvalidateOwnLine();
    }
}

void TSrcEditMark::SetInternalImage(bool Value) {
    internalImage_ = Value;
    if (visible_) {
        InvalidateOwnLine();
    }
}

void TSrcEditMark::SetVisible(bool Value) {
    if (visible_ != Value) {
        visible_ = Value;
        InvalidateOwnLine();
    }
}
