#include "ide/EditorImages.h"

#include "editor/support/SrcCanvas.h"

namespace {

constexpr TColor Transparent = 0xFF00FF;

// A right-pointing triangle.
TSrcBitmap Arrow(int size, TColor color)
{
    TSrcBitmap image(size, size, Transparent);
    const int middle = size / 2;
    for (int x = 0; x < size; ++x) {
        const int reach = middle - x / 2;
        for (int y = middle - reach; y <= middle + reach; ++y) image.SetPixel(x, y, color);
    }
    return image;
}

TSrcBitmap Disc(int size, TColor color)
{
    TSrcBitmap image(size, size, Transparent);
    const double centre = (size - 1) / 2.0;
    const double radius = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if ((x - centre) * (x - centre) + (y - centre) * (y - centre) <= radius * radius)
                image.SetPixel(x, y, color);
    return image;
}

}  // namespace

TEditorImages::TEditorImages()
    : marks_{Arrow(MarkSize, ArrowColor), Disc(MarkSize, BreakpointColor)}
{
}

void TEditorImages::DrawMark(TSrcCanvas& canvas, int x, int y, int index) const
{
    if (index < 0 || index >= static_cast<int>(marks_.size())) return;
    const TSrcBitmap& image = marks_[static_cast<size_t>(index)];
    canvas.BrushCopy(x, y, image, Rect(0, 0, image.Width(), image.Height()), Transparent);
}
