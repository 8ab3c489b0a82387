#pragma once
#include <cstdint>
#include <string>

#include "editor/print/SrcPrintFont.h"
#include "editor/support/SrcColor.h"
#include "editor/support/SrcCoord.h"

// What the current font measures to, in device pixels.
struct TSrcPrintTextMetric {
    int Height = 0;  // ascent + descent
    int Ascent = 0;
    int Descent = 0;
    int ExternalLeading = 0;
    int AveCharWidth = 0;
};

enum TPenStyle : uint8_t { psSolid, psClear };
enum TBrushStyle : uint8_t { bsSolid, bsClear };

struct TSrcPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    bool operator==(const TSrcPen&) const = default;
};

struct TSrcBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    bool operator==(const TSrcBrush&) const = default;
};

// A surface that the print engine draws a page on, in device pixels. It
// keeps a font (whose colour is the text colour), a pen and a brush; a solid
// brush is the background of text.
class TSrcPrintCanvas {
public:
    TSrcPrintCanvas() = default;
    TSrcPrintCanvas(const TSrcPrintCanvas&) = delete;
    TSrcPrintCanvas& operator=(const TSrcPrintCanvas&) = delete;
    virtual ~TSrcPrintCanvas() = default;

    const TSrcPrintFont& Font() const { return font_; }
    void SetFont(const TSrcPrintFont& Value) { font_ = Value; }
    TSrcPen Pen;
    TSrcBrush Brush;

    virtual TSrcPrintTextMetric GetTextMetrics() = 0;
    // The width of Text at its natural advances.
    virtual int TextWidth(const std::string& Text) = 0;
    // Text with its top left at (X, Y): with CellWidth above 0 the n-th
    // character sits at X + n x CellWidth, else at its natural advance.
    virtual void TextOutCells(int X, int Y, const std::string& Text, int CellWidth) = 0;
    // Text at its natural advances with its baseline at Y.
    virtual void TextOutBaseline(int X, int Y, const std::string& Text) = 0;
    // Fills the rectangle with Color (the brush is left alone).
    virtual void FillRect(const TRect& R, TColor Color) = 0;
    // The rectangle's outline with the pen, its inside with the brush.
    virtual void Rectangle(int Left, int Top, int Right, int Bottom) = 0;
    // A line with the pen.
    virtual void Line(int X1, int Y1, int X2, int Y2) = 0;

private:
    TSrcPrintFont font_;
};

// The canvas's font, pen and brush, restored when this ends.
class TSrcPrintCanvasState {
public:
    explicit TSrcPrintCanvasState(TSrcPrintCanvas& Canvas)
        : canvas_(Canvas), font_(Canvas.Font()), pen_(Canvas.Pen), brush_(Canvas.Brush) {}
    ~TSrcPrintCanvasState() {
        canvas_.SetFont(font_);
        canvas_.Pen = pen_;
        canvas_.Brush = brush_;
    }
    TSrcPrintCanvasState(const TSrcPrintCanvasState&) = delete;
    TSrcPrintCanvasState& operator=(const TSrcPrintCanvasState&) = delete;

private:
    TSrcPrintCanvas& canvas_;
    TSrcPrintFont font_;
    TSrcPen pen_;
    TSrcBrush brush_;
};
