#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditWordWrapper.h"
#include "editor/support/SrcExceptions.h"

void TCustomSrcEdit::IncPaintLock() { ++paintLock_; }

void TCustomSrcEdit::DecPaintLock() {
    if (paintLock_ < 1) {
        throw ESrcEditError("Assertion failed: DecPaintLock without IncPaintLock");
    }
    if (--paintLock_ > 0) {
        return;
    }
    trimmedBlanks_.clear();  // an edit that recorded nothing
    FlushLockedInvalidation();
    if (!HandleAllocated()) {
        return;
    }
    if (stateFlags_.Contains(sfScrollbarChanged)) {
        UpdateScrollBars();
    }
    if (WordWrap() && (statusChanges_.Contains(scCaretX) || statusChanges_.Contains(scCaretY))) {
        TDisplayCoord vp = DisplayXY();
        if (charsInWindow_ > 0 && vp.Column > charsInWindow_ + 1) {
            if (caretAtEndOfRow_) {
                caretAtEndOfRow_ = false;
            } else {
                TBufferCoord p = DisplayToBufferPos(DisplayCoord(charsInWindow_ + 1, vp.Row));
                caretX_ = p.Char;
                caretY_ = p.Line;
                statusChanges_.Include(scCaretX);
            }
            UpdateLastCaretX();
            stateFlags_.Include(sfCaretChanged);
        }
    }
    if (stateFlags_.Contains(sfCaretChanged)) {
        UpdateCaret();
    }
    if (!statusChanges_.Empty()) {
        DoOnStatusChange(statusChanges_);
    }
}

void TCustomSrcEdit::StatusChanged(TSrcStatusChanges AChanges) {
    statusChanges_ = statusChanges_ + AChanges;
    if (paintLock_ == 0) {
        DoOnStatusChange(statusChanges_);
    }
}

void TCustomSrcEdit::DoOnStatusChange(TSrcStatusChanges Changes) {
    if (OnStatusChange) {
        OnStatusChange(this, Changes);
        statusChanges_ = TSrcStatusChanges();
    }
}
