#include "editor/support/SrcImageList.h"

#include "editor/support/SrcCanvas.h"

int TImageList::Add(const TSrcBitmap& Image) {
    images_.emplace_back();
    images_.back().Assign(&Image);
    return Count() - 1;
}

void TImageList::Draw(TSrcCanvas& Canvas, int X, int Y, int Index) const {
    if (Index < 0 || Index >= Count()) {
        return;
    }
    const TSrcBitmap& image = images_[static_cast<size_t>(Index)];
    Canvas.CopyBitmap(X, Y, image, Rect(0, 0, image.Width(), image.Height()));
}
