#include "editor/qt/TextDrawerEx.h"

TTextDrawerEx::TTextDrawerEx(TFontStyles CalcExtentBaseStyle, const TFont* BaseFont)
    : TTextDrawer(CalcExtentBaseStyle, BaseFont) {
    AfterStyleSet();  // the base constructor could not reach this override
}

void TTextDrawerEx::AfterStyleSet() {
    TTextDrawer::AfterStyleSet();
    sbExtra_ = baseCharWidth_ - fontStock_->CharAdvance();
    DoSetCharExtra(charExtra_);
    useDistances_ = !fontStock_->IsTrueType() && fontStock_->Style().Contains(fsItalic);
}

void TTextDrawerEx::ExtTextOut(int X, int Y, uint32_t Options, const TRect& ARect, const char* Text, int Length) {
    if (useDistances_) {
        TTextDrawer::ExtTextOut(X, Y, Options, ARect, Text, Length);
    } else {
        DrawClipped(X, Y, Options, ARect, Text, Length, AdvanceOffsets(Length));
    }
}

void TTextDrawerEx::TextOutOrExtTextOut(int X, int Y, uint32_t Options, const TRect& ARect, const char* Text,
                                        int Length) {
    bool overflows = int64_t{X} + int64_t{Length + 1} * GetCharWidth() > ARect.Right;
    if (Length > 0 && ARect.Left == X && ARect.Top == Y && ARect.Height() == GetCharHeight() && overflows) {
        TextOut(X, Y, Text, Length);
    } else {
        DrawClipped(X, Y, Options, ARect, Text, Length, AdvanceOffsets(Length));
    }
}
