#pragma once
#include <vector>

#include "editor/support/SrcColor.h"
#include "editor/support/SrcEvents.h"
#include "editor/support/SrcObject.h"

// A small picture of RGB pixels (0x00BBGGRR), row by row.
class TSrcBitmap : public TPersistent {
public:
    TSrcBitmap() = default;
    TSrcBitmap(int AWidth, int AHeight, TColor Fill = clBlack);
    // A copy takes the pixels only; its OnChange starts unset, and an
    // assigned copy keeps its own handler (and fires nothing).
    TSrcBitmap(const TSrcBitmap& other)
        : TPersistent(other), width_(other.width_), height_(other.height_), pixels_(other.pixels_) {}
    TSrcBitmap& operator=(const TSrcBitmap& other) {
        width_ = other.width_;
        height_ = other.height_;
        pixels_ = other.pixels_;
        return *this;
    }

    void Assign(const TPersistent* Source) override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // Resizes to AWidth x AHeight pixels of Fill (negative sizes count as 0).
    void SetSize(int AWidth, int AHeight, TColor Fill = clBlack);

    // Black outside the picture.
    TColor Pixel(int X, int Y) const;
    // Ignored outside the picture; call Changed when a drawing is done.
    void SetPixel(int X, int Y, TColor Color);
    void FillRect(int Left, int Top, int Right, int Bottom, TColor Color);
    void Changed();

    bool operator==(const TSrcBitmap& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }

    TNotifyEvent OnChange;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<TColor> pixels_;
};
