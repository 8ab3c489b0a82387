#include "editor/print/SrcPrintFont.h"

#include <algorithm>

#include "editor/print/SrcEditPrintTypes.h"

TSrcPrintFont::TSrcPrintFont() : TSrcPrintFont(TFont()) {}

TSrcPrintFont::TSrcPrintFont(const TFont& Font, int PixelsPerInch)
    : name_(Font.Name()),
      style_(Font.Style()),
      color_(Font.Color()),
      charset_(Font.Charset()),
      pitch_(Font.Pitch()) {
    SetPixelsPerInch(PixelsPerInch);
    SetSize(Font.Size());
}

void TSrcPrintFont::Assign(const TPersistent* Source) {
    if (auto* font = dynamic_cast<const TSrcPrintFont*>(Source)) {
        *this = *font;
    } else if (auto* plain = dynamic_cast<const TFont*>(Source)) {
        *this = TSrcPrintFont(*plain, pixelsPerInch_);
    } else {
        TPersistent::Assign(Source);
    }
}

int TSrcPrintFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_); }

void TSrcPrintFont::SetPixelsPerInch(int Value) { pixelsPerInch_ = Value > 0 ? Value : kScreenPixelsPerInch; }

void TSrcPrintFont::ScaleTo(int Value) {
    int size = Size();
    SetPixelsPerInch(Value);
    SetSize(size);
}

void TSrcPrintFont::SetSize(int Value) { height_ = -MulDiv(Value, pixelsPerInch_, 72); }

void TSrcPrintFont::SetStoredSize(int Value) {
    Value = std::clamp(Value, -kMaxSize, kMaxSize);
    if (Value == Size()) {
        return;
    }
    SetSize(Value);
    while (Size() > kMaxSize || Size() < -kMaxSize) {
        height_ += height_ < 0 ? 1 : -1;
    }
}
