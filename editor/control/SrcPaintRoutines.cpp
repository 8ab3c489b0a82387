#include "editor/control/SrcPaintRoutines.h"

#include <algorithm>

#include "editor/control/SrcEditIntMath.h"
#include "editor/support/SrcCanvas.h"

void InternalFillRect(TSrcCanvas& ACanvas, const TRect& ARect) { ACanvas.FillRect(ARect, ACanvas.BrushColor); }

namespace {
int Channel(TColor Color, int Shift) { return (Color >> Shift) & 0xFF; }

// Band Index of Steps between From and To, per channel, kept to a byte.
TColor BandColor(TColor From, TColor To, int Index, int Steps) {
    TColor result = 0;
    for (int shift : {0, 8, 16}) {
        int from = Channel(From, shift);
        int value = from + MulDiv(Index, Channel(To, shift) - from, Steps - 1);
        result |= std::clamp(value, 0, 255) << shift;
    }
    return result;
}
}  // namespace

void SrcDrawGradient(TSrcCanvas& ACanvas, TColor FromColor, TColor ToColor, int Steps, const TRect& ARect,
                     bool Horizontal) {
    Steps = std::clamp(Steps, 2, 256);
    TColor from = ColorToRGB(FromColor);
    TColor to = ColorToRGB(ToColor);
    int size = Horizontal ? ARect.Width() : ARect.Height();
    for (int i = 0; i < Steps; ++i) {
        int start = MulDiv(i, size, Steps);
        int end = MulDiv(i + 1, size, Steps);
        if (end <= start) {
            continue;
        }
        TRect band = Horizontal ? Rect(ARect.Left + start, ARect.Top, ARect.Left + end, ARect.Bottom)
                                : Rect(ARect.Left, ARect.Top + start, ARect.Right, ARect.Top + end);
        ACanvas.FillRect(band, BandColor(from, to, i, Steps));
    }
}
