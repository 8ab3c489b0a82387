#pragma once
#include <memory>
#include <string>

#include "editor/support/SrcBitmap.h"
#include "editor/support/SrcColor.h"
#include "editor/control/SrcOptionBase.h"

class TSrcCanvas;

// A picture drawn with one transparent colour: the user's Glyph when it
// is set, else the built-in picture named at construction.
class TSrcGlyph : public TSrcOptionBase {
public:
    // An empty ResourceName makes a glyph without a built-in picture.
    TSrcGlyph(const std::string& ResourceName, TColor MaskColor);
    void Assign(const TPersistent* Source) override;

    // Draws at AX, centred in (or cut to the middle of) a line of
    // ALineHeight pixels starting at AY.
    void Draw(TSrcCanvas& ACanvas, int AX, int AY, int ALineHeight) const;
    int Width() const;
    int Height() const;

    bool Visible() const { return visible_; }
    void SetVisible(bool Value) { Set(visible_, Value); }
    const TSrcBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TSrcBitmap& Value) { glyph_.Assign(&Value); }
    TColor MaskColor() const { return maskColor_; }
    void SetMaskColor(TColor Value) { Set(maskColor_, Value); }
    const TSrcBitmap* InternalGlyph() const { return internalGlyph_.get(); }
    TColor InternalMaskColor() const { return internalMaskColor_; }

private:
    void GlyphChanged(TObject*) { Changed(); }
    const TSrcBitmap* Picture(TColor& mask) const;

    bool visible_ = true;
    std::unique_ptr<TSrcBitmap> internalGlyph_;
    TSrcBitmap glyph_;
    TColor internalMaskColor_ = clNone;
    TColor maskColor_ = clNone;
};
