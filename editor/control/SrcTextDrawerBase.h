#pragma once
#include <cstdint>

#include "editor/support/SrcColor.h"
#include "editor/support/SrcCoord.h"
#include "editor/support/SrcFont.h"

class TSrcCanvas;

// Options of ExtTextOut: fill the rectangle with the background colour,
// clip the text to it.
constexpr uint32_t ETO_OPAQUE = 0x0002;
constexpr uint32_t ETO_CLIPPED = 0x0004;

// Draws text in a fixed grid of cells, one cell per character, whatever
// the font style. The platform layer implements it over its fonts.
class TSrcTextDrawerBase {
public:
    TSrcTextDrawerBase() = default;
    TSrcTextDrawerBase(const TSrcTextDrawerBase&) = delete;
    TSrcTextDrawerBase& operator=(const TSrcTextDrawerBase&) = delete;
    virtual ~TSrcTextDrawerBase() = default;

    // Cell width (with the extra spacing) and height of the base style.
    virtual int GetCharWidth() const = 0;
    virtual int GetCharHeight() const = 0;

    // A nil font raises.
    virtual void SetBaseFont(const TFont* Value) = 0;
    // The style whose cell the grid uses.
    virtual void SetBaseStyle(TFontStyles Value) = 0;
    // The style of the text drawn next.
    virtual void SetStyle(TFontStyles Value) = 0;
    virtual void SetForeColor(TColor Value) = 0;
    virtual void SetBackColor(TColor Value) = 0;
    virtual void SetCharExtra(int Value) = 0;

    // Drawing is bracketed; the same canvas may be begun again (nested).
    virtual void BeginDrawing(TSrcCanvas& Canvas) = 0;
    virtual void EndDrawing() = 0;
    virtual void TextOut(int X, int Y, const char* Text, int Length) = 0;
    virtual void ExtTextOut(int X, int Y, uint32_t Options, const TRect& ARect, const char* Text,
                            int Length) = 0;
    virtual void ReleaseTemporaryResources() = 0;
};
