#include "editor/control/SrcEdit.h"
#include "editor/control/SrcWindowServices.h"
#include "editor/support/SrcCanvas.h"

namespace {
// Hides the caret for a transient paint; afterwards ends the paint on the
// window's overlay and shows a caret that was shown, also when the
// handler raises.
class TTransientPaintScope {
public:
    TTransientPaintScope(TCustomSrcEdit& Edit, TSrcWindowServices* Overlay)
        : edit_(Edit), overlay_(Overlay), caretShown_(Edit.StateFlags().Contains(sfCaretVisible)) {
        edit_.HideCaret();
    }
    ~TTransientPaintScope() {
        if (overlay_) {
            overlay_->EndTransientPaint();
        }
        if (caretShown_) {
            edit_.ShowCaret();
        }
    }
    TTransientPaintScope(const TTransientPaintScope&) = delete;
    TTransientPaintScope& operator=(const TTransientPaintScope&) = delete;

private:
    TCustomSrcEdit& edit_;
    TSrcWindowServices* overlay_;
    bool caretShown_;
};
}  // namespace

void TCustomSrcEdit::DoChange() {
    if (OnChange) {
        OnChange(this);
    }
}

void TCustomSrcEdit::DoOnPaint(TSrcCanvas& ACanvas) {
    if (OnPaint) {
        ACanvas.Font().Assign(&font_);
        ACanvas.BrushColor = Color;
        OnPaint(this, &ACanvas);
    }
}

bool TCustomSrcEdit::DoOnSpecialLineColors(int Line, TColor& Foreground, TColor& Background) {
    bool special = false;
    if (OnSpecialLineColors) {
        OnSpecialLineColors(this, Line, special, Foreground, Background);
    }
    return special;
}

void TCustomSrcEdit::DoOnPaintTransientEx(TTransientType TransientType, bool Lock) {
    bool outermost = transientLock_ == 0;
    if (Lock) {
        if (TransientType == ttBefore) {
            ++transientLock_;
        } else {
            if (transientLock_ > 0) {
                --transientLock_;
            }
            outermost = transientLock_ == 0;
        }
    }
    if (!outermost || !OnPaintTransient) {
        return;
    }
    // Inside a paint the handler draws on the paint canvas; elsewhere on
    // the window's overlay, which ttBefore clears.
    TSrcCanvas* canvas = paintCanvas_;
    TSrcWindowServices* overlay = nullptr;
    if (!canvas) {
        if (!window_ || !(canvas = window_->BeginTransientPaint(TransientType == ttBefore))) {
            return;
        }
        overlay = window_;
    }
    canvas->Font().Assign(&font_);
    canvas->BrushColor = Color;
    TTransientPaintScope scope(*this, overlay);
    OnPaintTransient(this, canvas, TransientType);
}
