#pragma once
#include <string>

#include "editor/support/SrcColor.h"
#include "editor/support/SrcObject.h"

class TSrcBitmap;
class TSrcCanvas;

// A strip of equally wide built-in images drawn by number. Instances on
// the same resource share one bitmap, counted by reference.
class TSrcInternalImage : public TObject {
public:
    TSrcInternalImage(const std::string& Name, int Count);
    ~TSrcInternalImage() override;
    TSrcInternalImage(const TSrcInternalImage&) = delete;
    TSrcInternalImage& operator=(const TSrcInternalImage&) = delete;

    // Draw image Number (0-based) at (X, Y) in a line of LineHeight pixels;
    // nothing for a number outside the strip.
    void Draw(TSrcCanvas& ACanvas, int Number, int X, int Y, int LineHeight) const;
    void DrawTransparent(TSrcCanvas& ACanvas, int Number, int X, int Y, int LineHeight,
                         TColor TransparentColor) const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return count_; }
    const TSrcBitmap& Bitmap() const { return *bitmap_; }

    // Number of shared bitmaps alive (for checks).
    static int SharedBitmapCount();

private:
    template <typename Copy>
    void DrawImage(int Number, int Y, int LineHeight, Copy copy) const;

    const TSrcBitmap* bitmap_;
    int width_;
    int height_;
    int count_;
};
