#include "editor/control/SrcEdit.h"
#include "editor/control/SrcWordWrapPlugin.h"

void TCustomSrcEdit::SetWordWrap(bool Value) {
    if (Value == WordWrap()) {
        return;
    }
    if (Value) {
        ownWordWrapper_ = std::make_unique<TSrcWordWrapPlugin>(this);
        SetWordWrapper(ownWordWrapper_.get());
    } else {
        SetWordWrapper(nullptr);
        ownWordWrapper_.reset();
    }
}
