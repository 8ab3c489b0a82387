#pragma once
#include "editor/support/SrcBitmap.h"
#include "editor/support/SrcColor.h"
#include "editor/support/SrcCoord.h"

// Where the editor draws; the platform layer implements it over its own
// painter.
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
};
