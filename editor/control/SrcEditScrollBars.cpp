#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcWindowServices.h"

namespace {
TSrcScrollArrows ArrowsFor(int Range, int Page, int Pos) {
    bool atStart = Pos <= 1;
    bool atEnd = int64_t{Pos} + Page > Range;
    if (atStart && atEnd) {
        return saDisableBoth;
    }
    if (atStart) {
        return saDisableLeftUp;
    }
    return atEnd ? saDisableRightDown : saEnableBoth;
}
}  // namespace

// Sets one bar from its unscaled range, page and position.
void TCustomSrcEdit::SetScrollBar(TSrcScrollBarKind Bar, int Range, int Page, int Pos, int MinRange) {
    TSrcScrollInfo info;
    info.DisableNoScroll = !options_.Contains(eoHideShowScrollbars);
    bool scaled = Range > SRC_MAX_SCROLL_RANGE;
    if (scaled) {
        info.Min = 0;
        info.Max = SRC_MAX_SCROLL_RANGE;
        info.Page = MulDiv(Page, SRC_MAX_SCROLL_RANGE, Range);
        info.Pos = MulDiv(Pos, SRC_MAX_SCROLL_RANGE, Range);
    } else {
        info.Min = 1;
        info.Max = std::max(Range, MinRange);
        info.Page = Page;
        info.Pos = Pos;
    }
    window_->SetScrollInfo(Bar, info);
    bool show = !options_.Contains(eoHideShowScrollbars) || (!scaled && Range > Page);
    window_->ShowScrollBar(Bar, show);
    if (options_.Contains(eoDisableScrollArrows) && Range <= Page) {
        window_->EnableScrollBarArrows(Bar, saDisableBoth);
    } else if (options_.Contains(eoDisableScrollArrows)) {
        window_->EnableScrollBarArrows(Bar, ArrowsFor(Range, Page, Pos));
    } else {
        window_->EnableScrollBarArrows(Bar, saEnableBoth);
    }
}

void TCustomSrcEdit::UpdateScrollBars() {
    if (!window_ || paintLock_ != 0) {
        stateFlags_.Include(sfScrollbarChanged);
        return;
    }
    stateFlags_.Exclude(sfScrollbarChanged);
    bool horizontal = (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && !WordWrap();
    bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
    if (horizontal) {
        SetScrollBar(sbHorizontal, HorizontalScrollRange(), charsInWindow_, leftChar_, 0);
    } else {
        window_->ShowScrollBar(sbHorizontal, false);
    }
    if (vertical) {
        SetScrollBar(sbVertical, VerticalScrollRange(), linesInWindow_, topLine_, 1);
    } else {
        window_->ShowScrollBar(sbVertical, false);
    }
}

int TCustomSrcEdit::HorizontalScrollRange() const {
    return options_.Contains(eoScrollPastEol) ? ScrollWidth() : std::max(lines_->GetLengthOfLongestLine(), 1);
}

int TCustomSrcEdit::VerticalScrollRange() const {
    int64_t range = GetDisplayLineCount();
    if (options_.Contains(eoScrollPastEof)) {
        range += linesInWindow_ - 1;
    }
    return ClampToInt32(range);
}
