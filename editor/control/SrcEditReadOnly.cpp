#include "editor/control/SrcEdit.h"

void TCustomSrcEdit::SetReadOnly(bool Value) {
    if (readOnly_ != Value) {
        readOnly_ = Value;
        StatusChanged({scReadOnly});
    }
}

void TCustomSrcEdit::Update() {
    if (window_) {
        window_->Update();
    }
}
