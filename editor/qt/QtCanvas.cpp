#include "editor/qt/QtCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <cstdlib>

#include "editor/qt/FontsInfoManager.h"
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

void TQtCanvas::FillRect(const TRect& Rect, TColor Color) {
    painter_.fillRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), ToQColor(Color));
}

void TQtCanvas::Line(int X1, int Y1, int X2, int Y2, TColor Color) {
    // One-pixel lines as rectangles: exact pixels whatever the pen.
    if (X1 == X2) {
        painter_.fillRect(X1, std::min(Y1, Y2), 1, std::abs(Y2 - Y1), ToQColor(Color));
    } else if (Y1 == Y2) {
        painter_.fillRect(std::min(X1, X2), Y1, std::abs(X2 - X1), 1, ToQColor(Color));
    } else {
        painter_.save();
        painter_.setPen(QPen(ToQColor(Color), 1));
        painter_.drawLine(X1, Y1, X2, Y2);
        painter_.restore();
    }
}

void TQtCanvas::SetClipRect(const TRect* Rect) {
    if (Rect) {
        painter_.setClipRect(Rect->Left, Rect->Top, Rect->Width(), Rect->Height());
    } else {
        painter_.setClipping(false);
    }
}

TPoint TQtCanvas::TextExtent(const std::string& Text) {
    QFontMetrics metrics(MakeQFont(FontKeyOf(Font()), Font().Style()));
    QString text = Cp1252ToQString(Text.data(), static_cast<int>(Text.size()));
    return Point(metrics.horizontalAdvance(text), metrics.height());
}
