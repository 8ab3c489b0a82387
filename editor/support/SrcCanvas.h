#pragma once
#include <string>

#include "editor/support/SrcBitmap.h"
#include "editor/support/SrcColor.h"
#include "editor/support/SrcCoord.h"
#include "editor/support/SrcFont.h"

// A surface the editor paints on. The platform layer implements it over
// its painter; coordinates are client pixels.
class TSrcCanvas {
public:
    TSrcCanvas() = default;
    TSrcCanvas(const TSrcCanvas&) = delete;
    TSrcCanvas& operator=(const TSrcCanvas&) = delete;
    virtual ~TSrcCanvas() = default;

    // Copies the Source rectangle of Bitmap with its top left corner at (X, Y).
    virtual void CopyBitmap(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source) = 0;
    // The same, leaving out the pixels of TransparentColor.
    virtual void BrushCopy(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source,
                           TColor TransparentColor) = 0;

    // Fills Rect with Color.
    virtual void FillRect(const TRect& Rect, TColor Color) = 0;
    // A one-pixel line from (X1, Y1) up to, not including, (X2, Y2); only
    // horizontal and vertical lines are asked for.
    virtual void Line(int X1, int Y1, int X2, int Y2, TColor Color) = 0;
    // Drawing outside Rect is cut off; nil removes the cut.
    virtual void SetClipRect(const TRect* Rect) = 0;
    // Width and height of Text in Font().
    virtual TPoint TextExtent(const std::string& Text) = 0;

    // The font and brush colour handed to paint handlers.
    TFont& Font() { return font_; }
    TColor BrushColor = clWhite;

private:
    TFont font_;
};
