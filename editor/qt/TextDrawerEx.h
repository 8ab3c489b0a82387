#pragma once
#include "editor/qt/TextDrawer.h"

// A text drawer that lines runs of any style up with the base cell by
// correcting the spacing of the style's own advance; italic bitmap fonts
// go through the distance array instead.
class TTextDrawerEx : public TTextDrawer {
public:
    TTextDrawerEx(TFontStyles CalcExtentBaseStyle, const TFont* BaseFont);

    void ExtTextOut(int X, int Y, uint32_t Options, const TRect& ARect, const char* Text, int Length) override;
    // Plain TextOut when a one-line run overflows its rectangle, else
    // ExtTextOut with the current spacing.
    virtual void TextOutOrExtTextOut(int X, int Y, uint32_t Options, const TRect& ARect, const char* Text,
                                     int Length);

    // Base cell width minus the current style's advance.
    int SingleByteCorrection() const { return sbExtra_; }
    bool UsesDistanceArray() const { return useDistances_; }

protected:
    void AfterStyleSet() override;
    void DoSetCharExtra(int Value) override { effectiveExtra_ = Value + sbExtra_; }

private:
    int sbExtra_ = 0;
    bool useDistances_ = false;
};
