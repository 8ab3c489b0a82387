#pragma once
#include <cstdint>
#include <string>

#include "editor/support/SrcColor.h"
#include "editor/support/SrcFont.h"
#include "editor/support/SrcObject.h"

// A printing font: like TFont, but its size is kept as a height in pixels
// at a resolution (PixelsPerInch). A negative height is the character
// height, as the point size gives it; Size is derived from both.
class TSrcPrintFont : public TPersistent {
public:
    static constexpr int kScreenPixelsPerInch = 96;
    // The bounds the string and stream forms read.
    static constexpr int kMaxPixelsPerInch = 100000;
    static constexpr int kMaxSize = 10000;

    TSrcPrintFont();
    // The description of Font at PixelsPerInch, keeping its point size.
    explicit TSrcPrintFont(const TFont& Font, int PixelsPerInch = kScreenPixelsPerInch);

    void Assign(const TPersistent* Source) override;

    const std::string& Name() const { return name_; }
    int Height() const { return height_; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    int Size() const;
    TFontStyles Style() const { return style_; }
    TColor Color() const { return color_; }
    uint8_t Charset() const { return charset_; }
    TFontPitch Pitch() const { return pitch_; }

    void SetName(const std::string& Value) { name_ = Value; }
    void SetHeight(int Value) { height_ = Value; }
    // Keeps the height (and so changes the point size), as a font does.
    void SetPixelsPerInch(int Value);
    // Moves to Value pixels per inch keeping the point size.
    void ScaleTo(int Value);
    void SetSize(int Value);
    // The size (within kMaxSize) as the string and stream forms set it after
    // the height: a height that gives Value stays. Below 72 pixels per inch
    // a size near the bound may round past it; then the height one pixel
    // nearer zero is taken, so what is read is written within the bound.
    void SetStoredSize(int Value);
    void SetStyle(TFontStyles Value) { style_ = Value; }
    void SetColor(TColor Value) { color_ = Value; }
    void SetCharset(uint8_t Value) { charset_ = Value; }
    void SetPitch(TFontPitch Value) { pitch_ = Value; }

    bool operator==(const TSrcPrintFont& o) const {
        return name_ == o.name_ && height_ == o.height_ && pixelsPerInch_ == o.pixelsPerInch_ && style_ == o.style_ &&
               color_ == o.color_ && charset_ == o.charset_ && pitch_ == o.pitch_;
    }

private:
    std::string name_;
    int height_ = 0;
    int pixelsPerInch_ = kScreenPixelsPerInch;
    TFontStyles style_;
    TColor color_ = clWindowText;
    uint8_t charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
};
