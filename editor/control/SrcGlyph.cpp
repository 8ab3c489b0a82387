#include "editor/control/SrcGlyph.h"

#include "editor/support/SrcCanvas.h"
#include "editor/support/SrcResources.h"

TSrcGlyph::TSrcGlyph(const std::string& ResourceName, TColor MaskColor) {
    if (!ResourceName.empty()) {
        internalGlyph_ = std::make_unique<TSrcBitmap>(LoadBitmapResource(ResourceName));
        internalMaskColor_ = MaskColor;
    }
    glyph_.OnChange = TNotifyEvent::Of<&TSrcGlyph::GlyphChanged>(this);
}

void TSrcGlyph::Assign(const TPersistent* Source) {
    auto* source = dynamic_cast<const TSrcGlyph*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) {
        return;
    }
    // Each glyph owns its pictures, so the pictures are copied.
    internalGlyph_ = source->internalGlyph_ ? std::make_unique<TSrcBitmap>(*source->internalGlyph_) : nullptr;
    internalMaskColor_ = source->internalMaskColor_;
    TNotifyEvent handler = glyph_.OnChange;
    glyph_.OnChange = nullptr;
    glyph_.Assign(&source->glyph_);
    glyph_.OnChange = handler;
    maskColor_ = source->maskColor_;
    visible_ = source->visible_;
    Changed();
}

const TSrcBitmap* TSrcGlyph::Picture(TColor& mask) const {
    if (!glyph_.Empty()) {
        mask = maskColor_;
        return &glyph_;
    }
    mask = internalMaskColor_;
    return internalGlyph_ && !internalGlyph_->Empty() ? internalGlyph_.get() : nullptr;
}

void TSrcGlyph::Draw(TSrcCanvas& ACanvas, int AX, int AY, int ALineHeight) const {
    TColor mask = clNone;
    const TSrcBitmap* picture = Picture(mask);
    if (!picture) {
        return;
    }
    int height = picture->Height();
    if (height <= ALineHeight) {
        ACanvas.BrushCopy(AX, AY + (ALineHeight - height) / 2, *picture, Rect(0, 0, picture->Width(), height),
                          mask);
    } else {
        int top = (height - ALineHeight) / 2;
        ACanvas.BrushCopy(AX, AY, *picture, Rect(0, top, picture->Width(), top + ALineHeight), mask);
    }
}

int TSrcGlyph::Width() const {
    TColor mask = clNone;
    const TSrcBitmap* picture = Picture(mask);
    return picture ? picture->Width() : 0;
}

int TSrcGlyph::Height() const {
    TColor mask = clNone;
    const TSrcBitmap* picture = Picture(mask);
    return picture ? picture->Height() : 0;
}
