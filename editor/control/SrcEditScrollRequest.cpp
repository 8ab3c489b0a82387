#include <cmath>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcWindowServices.h"

namespace {
constexpr int kHintMaxWidth = 200;

// A scroll bar position in the units the bar was set with, turned back
// into a line or column: through the scale of a range above the bar's
// limit, and the thumb's last position always meaning the last place.
int64_t UnscaledThumb(int Range, int Page, int Pos, int64_t Last) {
    if (Range <= SRC_MAX_SCROLL_RANGE) {
        return Pos >= int64_t{Range} - Page + 1 ? Last : Pos;
    }
    int scaledPage = MulDiv(Page, SRC_MAX_SCROLL_RANGE, Range);
    if (int64_t{Pos} >= int64_t{SRC_MAX_SCROLL_RANGE} - scaledPage + 1) {
        return Last;
    }
    return MulDiv(Range, Pos, SRC_MAX_SCROLL_RANGE);
}
}  // namespace

void TCustomSrcEdit::ScrollRequest(TSrcScrollBarKind Bar, TSrcScrollCode Code, int Pos) {
    if (Bar == sbHorizontal) {
        HorizontalScrollRequest(Code, Pos);
    } else {
        VerticalScrollRequest(Code, Pos);
    }
    if (OnScroll) {
        OnScroll(this, Bar);
    }
}

void TCustomSrcEdit::HorizontalScrollRequest(TSrcScrollCode Code, int Pos) {
    int page = options_.Contains(eoScrollByOneLess) ? charsInWindow_ - 1 : charsInWindow_;
    int64_t left = leftChar_;
    switch (Code) {
    case scrLineUp: --left; break;
    case scrLineDown: ++left; break;
    case scrPageUp: left -= page; break;
    case scrPageDown: left += page; break;
    case scrThumbPosition:
    case scrThumbTrack:
        scrolling_ = true;
        left = UnscaledThumb(HorizontalScrollRange(), charsInWindow_, Pos, MaxLeftChar());
        break;
    case scrTop: left = 1; break;
    case scrBottom:
        left = options_.Contains(eoScrollPastEol) ? int64_t{maxScrollWidth_} - charsInWindow_ + 1
                                                   : lines_->GetLengthOfLongestLine();
        break;
    case scrEndScroll: scrolling_ = false; break;
    }
    SetLeftChar(ClampToInt32(left));
}

void TCustomSrcEdit::VerticalScrollRequest(TSrcScrollCode Code, int Pos) {
    int page = options_.Contains(eoScrollByOneLess) ? linesInWindow_ - 1 : linesInWindow_;
    int64_t top = topLine_;
    switch (Code) {
    case scrLineUp: --top; break;
    case scrLineDown: ++top; break;
    case scrPageUp: top -= page; break;
    case scrPageDown: top += page; break;
    case scrThumbPosition:
    case scrThumbTrack:
        scrolling_ = true;
        top = UnscaledThumb(VerticalScrollRange(), linesInWindow_, Pos, MaxTopLine());
        break;
    case scrTop: top = 1; break;
    case scrBottom: top = GetDisplayLineCount(); break;
    case scrEndScroll:
        scrolling_ = false;
        if (window_) {
            window_->HideScrollHint();
        }
        break;
    }
    SetTopLine(ClampToInt32(top));
    if ((Code == scrThumbPosition || Code == scrThumbTrack) && options_.Contains(eoShowScrollHint)) {
        ShowScrollHint(Pos);
    }
}

std::string TCustomSrcEdit::ScrollHintText() const {
    if (ScrollHintFormat == shfTopLineOnly) {
        return "Top Line: " + std::to_string(RowToLine(topLine_));
    }
    int lastRow = std::max(1, std::min(topLine_ + linesInWindow_ - 1, GetDisplayLineCount()));
    return std::to_string(RowToLine(topLine_)) + " - " + std::to_string(RowToLine(lastRow));
}

void TCustomSrcEdit::ShowScrollHint(int Pos) {
    if (!window_) {
        return;
    }
    std::string text = ScrollHintText();
    TPoint size = window_->ScrollHintSize(text, kHintMaxWidth);
    TRect client = ClientRect();
    TPoint at = Point(client.Width() - size.X - 4, 10);
    if (options_.Contains(eoScrollHintFollows)) {
        int range = VerticalScrollRange();
        int max = range > SRC_MAX_SCROLL_RANGE ? SRC_MAX_SCROLL_RANGE : std::max(range, 1);
        int arrow = window_->ScrollArrowHeight();
        double track = static_cast<double>(client.Height() - 2 * arrow) * Pos / max;
        at.Y = ClampToInt32(std::llround(track) + size.Y / 2 + arrow);
    }
    window_->ShowScrollHint(text, at, ScrollHintColor);
}
