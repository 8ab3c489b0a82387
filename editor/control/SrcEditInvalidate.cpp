#include <algorithm>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcWindowServices.h"

namespace {
TRect UnionRect(const TRect& a, const TRect& b) {
    if (a.Width() <= 0 || a.Height() <= 0) {
        return b;
    }
    if (b.Width() <= 0 || b.Height() <= 0) {
        return a;
    }
    return Rect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                std::max(a.Bottom, b.Bottom));
}
}  // namespace

void TCustomSrcEdit::InvalidateRect(const TRect& ARect, bool Erase) {
    if (window_ && paintLock_ > 0) {
        DeferInvalidation(ARect, false);
    } else if (window_) {
        window_->InvalidateRect(&ARect, Erase);
    }
}

void TCustomSrcEdit::ScrollOrDefer(int DX, int DY, const TRect& Area) {
    if (window_ && paintLock_ > 0) {
        DeferInvalidation(Area, true);
        stateFlags_.Include(sfCaretChanged);
    } else if (window_) {
        window_->ScrollWindow(DX, DY, Area);
    }
}

void TCustomSrcEdit::DeferInvalidation(const TRect& ARect, bool Collapse) {
    constexpr size_t kMaxDeferredRects = 8;
    if (ARect.Width() <= 0 || ARect.Height() <= 0) {
        return;
    }
    for (const TRect& r : lockedInvalid_) {
        if (UnionRect(r, ARect) == r) {
            return;
        }
    }
    lockedInvalid_.push_back(ARect);
    if (Collapse || lockedInvalid_.size() > kMaxDeferredRects) {
        TRect all;
        for (const TRect& r : lockedInvalid_) {
            all = UnionRect(all, r);
        }
        lockedInvalid_.assign(1, all);
    }
}

void TCustomSrcEdit::FlushLockedInvalidation() {
    std::vector<TRect> rects;
    rects.swap(lockedInvalid_);
    for (const TRect& r : rects) {  // DeferInvalidation keeps no empty ones
        if (window_) {
            window_->InvalidateRect(&r, false);
        }
    }
}

void TCustomSrcEdit::AddInvalidRect(const TRect& ARect) {
    if (stateFlags_.Contains(sfLinesChanging)) {
        invalidateRect_ = UnionRect(invalidateRect_, ARect);
    } else {
        InvalidateRect(ARect, false);
    }
}

void TCustomSrcEdit::Invalidate() {
    if (window_ && paintLock_ > 0) {
        DeferInvalidation(ClientRect(), true);
    } else if (window_) {
        window_->InvalidateRect(nullptr, false);
    }
}

void TCustomSrcEdit::InvalidateLine(int Line) {
    if (!window_ || !window_->Visible() || Line < 1 || Line > lines_->Count()) {
        return;
    }
    if (WordWrap()) {
        InvalidateLines(Line, Line);
        return;
    }
    if (Line >= topLine_ && Line <= topLine_ + linesInWindow_) {
        int top = (Line - topLine_) * textHeight_;
        AddInvalidRect(Rect(gutterWidth_, top, ClientRect().Width(), top + textHeight_));
    }
}

// Rows FirstRow..LastRow (-1: to the end) of the strip from Left to Right,
// cut to the visible rows.
static bool VisibleRowsRect(int FirstRow, int LastRow, int TopLine, int LinesInWindow, int TextHeight,
                            int Left, int Right, TRect& Out) {
    if (LastRow != -1 && LastRow < FirstRow) {
        std::swap(FirstRow, LastRow);
    }
    if (LastRow == -1) {
        LastRow = TopLine + LinesInWindow;
    }
    FirstRow = std::max(FirstRow, TopLine);
    LastRow = std::min(LastRow, TopLine + LinesInWindow);
    if (LastRow < FirstRow) {
        return false;
    }
    Out = Rect(Left, (FirstRow - TopLine) * TextHeight, Right, (LastRow - TopLine + 1) * TextHeight);
    return true;
}

void TCustomSrcEdit::InvalidateLineStrip(int FirstLine, int LastLine, int Left, int Right) {
    if (!window_ || !window_->Visible()) {
        return;
    }
    if (FirstLine == -1 && LastLine == -1) {
        AddInvalidRect(Rect(Left, 0, Right, ClientRect().Height()));
        return;
    }
    if (WordWrap()) {
        FirstLine = LineToRow(FirstLine);
        if (LastLine != -1) {
            LastLine = LastLine < lines_->Count() ? LineToRow(LastLine + 1) - 1 : GetDisplayLineCount() + 1;
        }
    }
    TRect r;
    if (VisibleRowsRect(FirstLine, LastLine, topLine_, linesInWindow_, textHeight_, Left, Right, r)) {
        AddInvalidRect(r);
    }
}

void TCustomSrcEdit::InvalidateLines(int FirstLine, int LastLine) {
    InvalidateLineStrip(FirstLine, LastLine, gutterWidth_, ClientRect().Width());
}

void TCustomSrcEdit::InvalidateGutter() { InvalidateGutterLines(-1, -1); }

void TCustomSrcEdit::InvalidateGutterLine(int Line) {
    if (Line >= 1 && Line <= lines_->Count()) {
        InvalidateGutterLines(Line, Line);
    }
}

void TCustomSrcEdit::InvalidateGutterLines(int FirstLine, int LastLine) {
    InvalidateLineStrip(FirstLine, LastLine, 0, gutterWidth_);
}

void TCustomSrcEdit::InvalidateSelection() { InvalidateLines(BlockBegin().Line, BlockEnd().Line); }
