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


// One bar's view position and what a request needs to move it.
struct TScrollAxis {
    int64_t Current;
    int Window;    // lines or columns in the window
    int Page;      // what a page request moves
    int Range;     // the range the bar was set with
    int64_t Last;  // the last position the view may take
    int64_t End;   // where the "bottom" request goes
};

int64_t RequestedPosition(TSrcScrollCode Code, int Pos, const TScrollAxis& Axis) {
    switch (Code) {
    case scrLineUp: return Axis.Current - 1;
    case scrLineDown: return Axis.Current + 1;
    case scrPageUp: return Axis.Current - Axis.Page;
    case scrPageDown: return Axis.Current + Axis.Page;
    case scrThumbPosition:
    case scrThumbTrack: return UnscaledThumb(Axis.Range, Axis.Window, Pos, Axis.Last);
    case scrTop: return 1;
    case scrBottom: return Axis.End;
    case scrEndScroll: break;
    }
    return Axis.Current;
}

bool IsThumb(TSrcScrollCode Code) { return Code == scrThumbPosition || Code == scrThumbTrack; }
}  // namespace

void TCustomSrcEdit::ScrollRequest(TSrcScrollBarKind Bar, TSrcScrollCode Code, int Pos) {
    if (IsThumb(Code)) {
        scrolling_ = true;
    } else if (Code == scrEndScroll) {
        scrolling_ = false;
    }
    int less = options_.Contains(eoScrollByOneLess) ? 1 : 0;
    if (Bar == sbHorizontal) {
        int64_t end = options_.Contains(eoScrollPastEol) ? int64_t{ScrollWidth()} - charsInWindow_ + 1
                                                          : lines_->GetLengthOfLongestLine();
        TScrollAxis axis{leftChar_, charsInWindow_, charsInWindow_ - less, HorizontalScrollRange(), MaxLeftChar(), end};
        SetLeftChar(ClampToInt32(RequestedPosition(Code, Pos, axis)));
    } else {
        TScrollAxis axis{topLine_,           linesInWindow_, linesInWindow_ - less,
                         VerticalScrollRange(), MaxTopLine(),  GetDisplayLineCount()};
        SetTopLine(ClampToInt32(RequestedPosition(Code, Pos, axis)));
        if (Code == scrEndScroll && window_) {
            window_->HideScrollHint();
        } else if (IsThumb(Code) && options_.Contains(eoShowScrollHint)) {
            ShowScrollHint(Pos);
        }
    }
    if (OnScroll) {
        OnScroll(this, Bar);
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
