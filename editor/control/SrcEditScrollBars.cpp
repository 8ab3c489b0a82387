#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcWindowServices.h"

namespace {
constexpr int32_t kMaxScrollRange = 32767;

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
    bool scaled = Range > kMaxScrollRange;
    if (scaled) {
        info.Min = 0;
        info.Max = kMaxScrollRange;
        info.Page = MulDiv(Page, kMaxScrollRange, Range);
        info.Pos = MulDiv(Pos, kMaxScrollRange, Range);
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
        int range = options_.Contains(eoScrollPastEol) ? maxScrollWidth_
                                                       : std::max(lines_->GetLengthOfLongestLine(), 1);
        SetScrollBar(sbHorizontal, range, charsInWindow_, leftChar_, 0);
    } else {
        window_->ShowScrollBar(sbHorizontal, false);
    }
    if (vertical) {
        int64_t range = GetDisplayLineCount();
        if (options_.Contains(eoScrollPastEof)) {
            range += linesInWindow_ - 1;
        }
        SetScrollBar(sbVertical, ClampToInt32(range), linesInWindow_, topLine_, 1);
    } else {
        window_->ShowScrollBar(sbVertical, false);
    }
}
