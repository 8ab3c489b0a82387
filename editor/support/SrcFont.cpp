#include "editor/support/SrcFont.h"

template <typename T>
void TFont::Set(T& field, const T& value) {
    if (field != value) {
        field = value;
        Changed();
    }
}

void TFont::Changed() {
    if (OnChange) {
        OnChange(this);
    }
}

void TFont::SetName(const std::string& Value) { Set(name_, Value); }
void TFont::SetSize(int Value) { Set(size_, Value); }
void TFont::SetStyle(TFontStyles Value) { Set(style_, Value); }
void TFont::SetColor(TColor Value) { Set(color_, Value); }
void TFont::SetCharset(uint8_t Value) { Set(charset_, Value); }
void TFont::SetPitch(TFontPitch Value) { Set(pitch_, Value); }

void TFont::Assign(const TPersistent* Source) {
    auto* font = dynamic_cast<const TFont*>(Source);
    if (!font) {
        TPersistent::Assign(Source);
        return;
    }
    bool differs = name_ != font->name_ || size_ != font->size_ || style_ != font->style_ ||
                   color_ != font->color_ || charset_ != font->charset_ || pitch_ != font->pitch_;
    CopyDescription(*font);
    if (differs) {
        Changed();
    }
}

void TFont::CopyDescription(const TFont& other) {
    name_ = other.name_;
    size_ = other.size_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    pitch_ = other.pitch_;
}
