#pragma once
#include <cstdint>
#include <string>

#include "editor/support/SmallSet.h"
#include "editor/support/SrcColor.h"
#include "editor/support/SrcEvents.h"
#include "editor/support/SrcObject.h"

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSmallSet<TFontStyle, uint8_t>;

enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

constexpr uint8_t DEFAULT_CHARSET = 1;

// A font description; every real change fires OnChange.
class TFont : public TPersistent {
public:
    TFont() = default;
    // A copy takes the description only; its OnChange starts unset, and an
    // assigned copy keeps its own handler (and fires nothing).
    TFont(const TFont& other) : TPersistent(other) { CopyDescription(other); }
    TFont& operator=(const TFont& other) {
        CopyDescription(other);
        return *this;
    }

    void Assign(const TPersistent* Source) override;

    const std::string& Name() const { return name_; }
    int Size() const { return size_; }
    TFontStyles Style() const { return style_; }
    TColor Color() const { return color_; }
    uint8_t Charset() const { return charset_; }
    TFontPitch Pitch() const { return pitch_; }

    void SetName(const std::string& Value);
    void SetSize(int Value);
    void SetStyle(TFontStyles Value);
    void SetColor(TColor Value);
    void SetCharset(uint8_t Value);
    void SetPitch(TFontPitch Value);

    TNotifyEvent OnChange;

private:
    template <typename T>
    void Set(T& field, const T& value);
    void Changed();
    void CopyDescription(const TFont& other);

    std::string name_ = "Sans Serif";
    int size_ = 8;
    TFontStyles style_;
    TColor color_ = clWindowText;
    uint8_t charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
};
