#pragma once
#include <QPainter>

#include "editor/support/SrcCanvas.h"

// The editor's canvas over a Qt painter (not owned).
class TQtCanvas : public TSrcCanvas {
public:
    explicit TQtCanvas(QPainter& Painter) : painter_(Painter) {}

    void CopyBitmap(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source) override;
    void BrushCopy(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source, TColor TransparentColor) override;
    void FillRect(const TRect& Rect, TColor Color) override;
    void Line(int X1, int Y1, int X2, int Y2, TColor Color) override;
    void SetClipRect(const TRect* Rect) override;
    TPoint TextExtent(const std::string& Text) override;

    QPainter& Painter() const { return painter_; }

private:
    QPainter& painter_;
};
