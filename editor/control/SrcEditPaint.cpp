#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/support/SrcCanvas.h"

namespace {
// Clears the paint canvas, the clip and shows the caret at its place when
// the paint ends, also by an error.
class TPaintScope {
public:
    TPaintScope(TSrcCanvas*& Slot, TSrcCanvas& Canvas, TCustomSrcEdit& Edit)
        : slot_(Slot), canvas_(Canvas), edit_(Edit) {
        slot_ = &canvas_;
    }
    ~TPaintScope() {
        slot_ = nullptr;
        canvas_.SetClipRect(nullptr);
        edit_.UpdateCaret();
    }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;

private:
    TSrcCanvas*& slot_;
    TSrcCanvas& canvas_;
    TCustomSrcEdit& edit_;
};
}  // namespace

void TCustomSrcEdit::Paint(TSrcCanvas& ACanvas, const TRect& AClip) {
    if (charWidth_ <= 0 || textHeight_ <= 0 || AClip.Width() <= 0 || AClip.Height() <= 0) {
        return;
    }
    ACanvas.SetClipRect(&AClip);
    int64_t firstCol = leftChar_;
    if (AClip.Left > int64_t{gutterWidth_} + 2) {
        firstCol += (int64_t{AClip.Left} - gutterWidth_ - 2) / charWidth_;
    }
    int64_t lastCol = leftChar_ + (int64_t{AClip.Right} - gutterWidth_ - 2 + charWidth_ - 1) / charWidth_;
    int64_t firstRow = std::max<int64_t>(int64_t{topLine_} + AClip.Top / textHeight_, topLine_);
    int64_t lastRow = int64_t{topLine_} + (int64_t{AClip.Bottom} + textHeight_ - 1) / textHeight_;
    lastRow = std::min<int64_t>(std::max<int64_t>(lastRow, 1), GetDisplayLineCount());

    HideCaret();
    TPaintScope scope(paintCanvas_, ACanvas, *this);
    if (AClip.Left < gutterWidth_) {
        TRect gutter = AClip;
        gutter.Right = std::min(gutter.Right, gutterWidth_);
        PaintGutter(ACanvas, gutter, ClampToInt32(firstRow), ClampToInt32(lastRow));
    }
    if (gutterWidth_ < AClip.Right) {
        TRect text = AClip;
        text.Left = std::max(text.Left, gutterWidth_);
        PaintTextLines(ACanvas, text, ClampToInt32(firstRow), ClampToInt32(lastRow), ClampToInt32(firstCol),
                       ClampToInt32(lastCol));
    }
    PluginsAfterPaint(ACanvas, AClip, ClampToInt32(firstRow), ClampToInt32(lastRow));
    DoOnPaint(ACanvas);
    DoOnPaintTransient(ttAfter);
}
