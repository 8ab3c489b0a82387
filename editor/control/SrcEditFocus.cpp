#include "editor/control/SrcEdit.h"
#include "editor/control/SrcWindowServices.h"

void TCustomSrcEdit::FocusIn() {
    CommandProcessor(ecGotFocus, '\0', nullptr);
    InitializeCaret();
    if (hideSelection_ && SelAvail()) {
        InvalidateSelection();
    }
}

void TCustomSrcEdit::FocusOut() {
    CommandProcessor(ecLostFocus, '\0', nullptr);
    if (window_ && !window_->Focused() && !alwaysShowCaret_) {
        HideCaret();
        window_->DestroyCaret();
        stateFlags_.Exclude(sfCaretVisible);
    }
    if (hideSelection_ && SelAvail()) {
        InvalidateSelection();
    }
}
