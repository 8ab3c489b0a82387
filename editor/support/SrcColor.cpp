#include "editor/support/SrcColor.h"

#include <array>
#include <cstdio>

#include "editor/support/IntegerText.h"
#include "editor/support/Strings.h"

namespace {

std::array<TColor, kSystemColorCount>& SystemColors() {
    // A light desktop theme; the platform layer may replace entries.
    static std::array<TColor, kSystemColorCount> table = {
        0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
        0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0,
    };
    return table;
}

struct NamedColor {
    TColor color;
    const char* name;
};

constexpr NamedColor kNamedColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
};

constexpr TColor kStandardColors[16] = {clBlack, clMaroon, clGreen, clOlive, clNavy,   clPurple,
                                        clTeal,  clSilver, clGray,  clRed,   clLime,   clYellow,
                                        clBlue,  clFuchsia, clAqua, clWhite};

bool ParseInteger(const std::string& text, TColor& value) {
    std::string digits = text;
    int base = 10;
    bool negative = false;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
        negative = digits[0] == '-';
        digits.erase(0, 1);
    }
    if (!digits.empty() && digits[0] == '$') {
        base = 16;
        digits.erase(0, 1);
    } else if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.erase(0, 2);
    }
    if (digits.empty() || digits.find_first_of(" \t+-") != std::string::npos) {
        return false;
    }
    return ParseInt32Bits(digits, base, negative, value);
}

}  // namespace

TColor ColorToRGB(TColor Color) {
    if (Color >= 0) {
        return Color;
    }
    int index = Color & 0xFF;
    return (Color & 0x7FFFFF00) == 0 && index < kSystemColorCount ? SystemColors()[static_cast<size_t>(index)] : 0;
}

void SetSystemColor(int Index, TColor Rgb) {
    if (Index >= 0 && Index < kSystemColorCount) {
        SystemColors()[static_cast<size_t>(Index)] = Rgb & 0xFFFFFF;
    }
}

TColor StandardColor(int Index) { return Index >= 0 && Index < 16 ? kStandardColors[Index] : clBlack; }

bool TryStringToColor(const std::string& Text, TColor& Color) {
    for (const NamedColor& named : kNamedColors) {
        if (CompareText(Text, named.name) == 0) {
            Color = named.color;
            return true;
        }
    }
    return ParseInteger(Text, Color);
}

std::string ColorToString(TColor Color) {
    for (const NamedColor& named : kNamedColors) {
        if (named.color == Color) {
            return named.name;
        }
    }
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<uint32_t>(Color));
    return text;
}
