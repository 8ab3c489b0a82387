#include "editor/support/SrcInternalImage.h"

#include <memory>
#include <vector>

#include "editor/support/Cp1252.h"
#include "editor/support/SrcBitmap.h"
#include "editor/support/SrcCanvas.h"
#include "editor/support/SrcResources.h"

namespace {

struct TInternalResource {
    int refCount;
    std::string name;  // upper case
    std::unique_ptr<TSrcBitmap> bitmap;
};

// The shared bitmaps; the list itself exists while it holds any.
std::unique_ptr<std::vector<TInternalResource>> gResources;

const TSrcBitmap* AcquireBitmap(const std::string& name) {
    std::string key = Cp1252UpperString(name);
    if (gResources) {
        for (TInternalResource& resource : *gResources) {
            if (resource.name == key) {
                ++resource.refCount;
                return resource.bitmap.get();
            }
        }
    }
    auto bitmap = std::make_unique<TSrcBitmap>(LoadBitmapResource(name));
    if (!gResources) {
        gResources = std::make_unique<std::vector<TInternalResource>>();
    }
    gResources->push_back(TInternalResource{1, key, std::move(bitmap)});
    return gResources->back().bitmap.get();
}

void ReleaseBitmap(const TSrcBitmap* bitmap) {
    if (!gResources) {
        return;
    }
    for (auto it = gResources->begin(); it != gResources->end(); ++it) {
        if (it->bitmap.get() == bitmap) {
            if (--it->refCount == 0) {
                gResources->erase(it);
            }
            break;
        }
    }
    if (gResources->empty()) {
        gResources.reset();
    }
}

}  // namespace

TSrcInternalImage::TSrcInternalImage(const std::string& Name, int Count)
    : bitmap_(AcquireBitmap(Name)), count_(Count < 1 ? 1 : Count) {
    width_ = (bitmap_->Width() + count_ / 2) / count_;
    height_ = bitmap_->Height();
}

TSrcInternalImage::~TSrcInternalImage() { ReleaseBitmap(bitmap_); }

int TSrcInternalImage::SharedBitmapCount() { return gResources ? static_cast<int>(gResources->size()) : 0; }

template <typename Copy>
void TSrcInternalImage::DrawImage(int Number, int Y, int LineHeight, Copy copy) const {
    if (Number < 0 || Number >= count_) {
        return;
    }
    int left = Number * width_;
    if (height_ > LineHeight) {
        int top = (height_ - LineHeight) / 2;
        copy(Y, Rect(left, top, left + width_, top + LineHeight));
    } else {
        copy(Y + (LineHeight - height_) / 2, Rect(left, 0, left + width_, height_));
    }
}

void TSrcInternalImage::Draw(TSrcCanvas& ACanvas, int Number, int X, int Y, int LineHeight) const {
    DrawImage(Number, Y, LineHeight, [&](int top, const TRect& source) {
        ACanvas.CopyBitmap(X, top, *bitmap_, source);
    });
}

void TSrcInternalImage::DrawTransparent(TSrcCanvas& ACanvas, int Number, int X, int Y, int LineHeight,
                                        TColor TransparentColor) const {
    DrawImage(Number, Y, LineHeight, [&](int top, const TRect& source) {
        ACanvas.BrushCopy(X, top, *bitmap_, source, TransparentColor);
    });
}
