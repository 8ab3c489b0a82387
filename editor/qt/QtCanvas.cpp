#include "editor/qt/QtCanvas.h"

#include <QImage>

#include "editor/qt/QtText.h"

namespace {
// The Source part of Bitmap; pixels of Transparent (when given) left clear.
QImage ToImage(const TSrcBitmap& Bitmap, const TRect& Source, const TColor* Transparent) {
    QImage image(std::max(Source.Width(), 0), std::max(Source.Height(), 0), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    TColor clear = Transparent ? ColorToRGB(*Transparent) : clNone;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            TColor pixel = Bitmap.Pixel(Source.Left + x, Source.Top + y);
            if (!Transparent || pixel != clear) {
                image.setPixelColor(x, y, ToQColor(pixel));
            }
        }
    }
    return image;
}
}  // namespace

void TQtCanvas::CopyBitmap(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source) {
    painter_.drawImage(X, Y, ToImage(Bitmap, Source, nullptr));
}

void TQtCanvas::BrushCopy(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source, TColor TransparentColor) {
    painter_.drawImage(X, Y, ToImage(Bitmap, Source, &TransparentColor));
}
