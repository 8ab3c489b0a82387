#include "editor/support/SrcResources.h"

#include "editor/support/Cp1252.h"
#include "editor/support/SrcExceptions.h"

namespace {

// Digits of five columns by seven rows; bit 4 is the leftmost column.
constexpr unsigned char kDigits[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
};

constexpr int kImageWidth = 11;
constexpr int kImageHeight = 14;
constexpr TColor kMarkBody = 0x00A05000;    // a blue tag
constexpr TColor kMarkBorder = 0x00602000;

void DrawBookmark(TSrcBitmap& strip, int number) {
    int left = number * kImageWidth;
    strip.FillRect(left + 1, 1, left + 10, 13, kMarkBorder);
    strip.FillRect(left + 2, 2, left + 9, 12, kMarkBody);
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (kDigits[number][row] & (0x10 >> column)) {
                strip.SetPixel(left + 3 + column, 3 + row, clWhite);
            }
        }
    }
}

TSrcBitmap InternalImages() {
    TSrcBitmap strip(10 * kImageWidth, kImageHeight, kInternalImagesBackground);
    for (int number = 0; number < 10; ++number) {
        DrawBookmark(strip, number);
    }
    return strip;
}

TSrcBitmap WrappedMark() {
    // A line that comes down on the right and turns back to the left.
    TSrcBitmap mark(15, 14, clLime);
    constexpr TColor ink = clNavy;
    mark.FillRect(11, 2, 13, 10, ink);
    mark.FillRect(3, 8, 13, 10, ink);
    for (int i = 1; i <= 3; ++i) {
        mark.FillRect(3 + i, 8 - i, 4 + i, 10 + i, ink);
    }
    return mark;
}

}  // namespace

TSrcBitmap LoadBitmapResource(const std::string& Name) {
    std::string key = Cp1252UpperString(Name);
    if (key == "SRCEDITINTERNALIMAGES") {
        return InternalImages();
    }
    if (key == "SRCEDITWRAPPED") {
        return WrappedMark();
    }
    throw EResNotFound(FormatText("Resource %s not found", Name.c_str()));
}
