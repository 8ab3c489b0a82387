#include "editor/support/SrcBitmap.h"

#include <algorithm>

TSrcBitmap::TSrcBitmap(int AWidth, int AHeight, TColor Fill) { SetSize(AWidth, AHeight, Fill); }

void TSrcBitmap::Assign(const TPersistent* Source) {
    auto* bitmap = dynamic_cast<const TSrcBitmap*>(Source);
    if (!bitmap) {
        TPersistent::Assign(Source);
        return;
    }
    if (bitmap != this) {
        width_ = bitmap->width_;
        height_ = bitmap->height_;
        pixels_ = bitmap->pixels_;
    }
    Changed();
}

void TSrcBitmap::SetSize(int AWidth, int AHeight, TColor Fill) {
    width_ = std::max(AWidth, 0);
    height_ = std::max(AHeight, 0);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), Fill);
    Changed();
}

TColor TSrcBitmap::Pixel(int X, int Y) const {
    if (X < 0 || Y < 0 || X >= width_ || Y >= height_) {
        return clBlack;
    }
    return pixels_[static_cast<size_t>(Y) * static_cast<size_t>(width_) + static_cast<size_t>(X)];
}

void TSrcBitmap::SetPixel(int X, int Y, TColor Color) {
    if (X >= 0 && Y >= 0 && X < width_ && Y < height_) {
        pixels_[static_cast<size_t>(Y) * static_cast<size_t>(width_) + static_cast<size_t>(X)] = Color;
    }
}

void TSrcBitmap::FillRect(int Left, int Top, int Right, int Bottom, TColor Color) {
    for (int y = std::max(Top, 0); y < std::min(Bottom, height_); ++y) {
        for (int x = std::max(Left, 0); x < std::min(Right, width_); ++x) {
            SetPixel(x, y, Color);
        }
    }
}

void TSrcBitmap::Changed() {
    if (OnChange) {
        OnChange(this);
    }
}
