#pragma once
#include <vector>

#include "editor/support/SrcBitmap.h"
#include "editor/support/SrcComponent.h"

class TSrcCanvas;

// A list of equally sized images drawn by index.
class TImageList : public TComponent {
public:
    using TComponent::TComponent;

    int Count() const { return static_cast<int>(images_.size()); }
    int Add(const TSrcBitmap& Image);
    // Draws image Index with its top left corner at (X, Y); nothing for a
    // bad index.
    void Draw(TSrcCanvas& Canvas, int X, int Y, int Index) const;

private:
    std::vector<TSrcBitmap> images_;
};
