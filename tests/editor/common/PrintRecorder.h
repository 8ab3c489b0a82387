#pragma once
// A print canvas and a printer that record what the print engine does.
// Fonts measure in proportion to their height: a cell of 0.6, an ascent of
// 0.9 and a descent of 0.25 of it (Courier-like 10 pt at 300 dpi: cell 25,
// line 49). The printer is the test device: A4 at 300 dpi with unprintable
// edges of 75, 50, 50 and 50 pixels (left, top, right, bottom).
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "editor/print/SrcPrintCanvas.h"
#include "editor/print/SrcPrinter.h"

struct PrintCall {
    std::string Kind;  // "cells", "base", "fill", "rect", "line"
    int X = 0, Y = 0, X2 = 0, Y2 = 0;
    std::string Text;
    int Cell = 0;
    TSrcPrintFont Font;
    TSrcPen Pen;
    TSrcBrush Brush;
    TColor FillColor = clNone;

    bool operator==(const PrintCall& o) const {
        return Kind == o.Kind && X == o.X && Y == o.Y && X2 == o.X2 && Y2 == o.Y2 && Text == o.Text &&
               Cell == o.Cell && Font == o.Font && Pen == o.Pen && Brush == o.Brush && FillColor == o.FillColor;
    }
};

inline void PrintTo(const PrintCall& c, std::ostream* os) {
    *os << c.Kind << " " << c.X << "," << c.Y << " " << c.X2 << "," << c.Y2 << " '" << c.Text << "'";
}

class RecordingPrintCanvas : public TSrcPrintCanvas {
public:
    static int Pixels(const TSrcPrintFont& f, double share) {
        return static_cast<int>(std::lround(std::abs(f.Height()) * share));
    }
    static int CellOf(const TSrcPrintFont& f) { return std::max(Pixels(f, 0.6), 1); }

    TSrcPrintTextMetric GetTextMetrics() override {
        TSrcPrintTextMetric m;
        m.Ascent = Pixels(Font(), 0.9);
        m.Descent = Pixels(Font(), 0.25);
        m.Height = m.Ascent + m.Descent;
        m.AveCharWidth = CellOf(Font());
        return m;
    }
    int TextWidth(const std::string& Text) override { return static_cast<int>(Text.size()) * CellOf(Font()); }
    void TextOutCells(int X, int Y, const std::string& Text, int CellWidth) override {
        Record("cells", X, Y, 0, 0, Text, CellWidth, clNone);
    }
    void TextOutBaseline(int X, int Y, const std::string& Text) override {
        Record("base", X, Y, 0, 0, Text, 0, clNone);
    }
    void FillRect(const TRect& R, TColor Color) override {
        Record("fill", R.Left, R.Top, R.Right, R.Bottom, "", 0, Color);
    }
    void Rectangle(int L, int T, int R, int B) override { Record("rect", L, T, R, B, "", 0, clNone); }
    void Line(int X1, int Y1, int X2, int Y2) override { Record("line", X1, Y1, X2, Y2, "", 0, clNone); }

    std::vector<PrintCall> Calls;

    std::vector<PrintCall> Of(const std::string& kind) const {
        std::vector<PrintCall> result;
        for (const auto& c : Calls) {
            if (c.Kind == kind) result.push_back(c);
        }
        return result;
    }

private:
    // Keeps the state that the call uses.
    void Record(const char* kind, int x, int y, int x2, int y2, const std::string& text, int cell, TColor fill) {
        PrintCall call{kind, x, y, x2, y2, text, cell, {}, {}, {}, fill};
        const std::string k = kind;
        if (k == "cells" || k == "base") call.Font = Font();
        if (k == "cells" || k == "base" || k == "rect") call.Brush = Brush;
        if (k == "rect" || k == "line") call.Pen = Pen;
        Calls.push_back(call);
    }
};

class RecordingPrinter : public TSrcPrinter {
public:
    std::string Title() const override { return title; }
    void SetTitle(const std::string& Value) override { title = Value; }
    void BeginDoc() override {
        ++begun;
        printing = true;
        aborted = false;
        pages.assign(1, {});
        canvas.Calls.clear();
    }
    void EndDoc() override {
        if (!printing) return;
        ++ended;
        printing = false;
        Flush();
    }
    void NewPage() override {
        ++newPages;
        Flush();
        pages.emplace_back();
    }
    void Abort() override {
        ++aborts;
        printing = false;
        aborted = true;
        pages.clear();
    }
    bool Printing() const override { return printing; }
    bool Aborted() const override { return aborted; }
    TSrcPrintCanvas& Canvas() override { return canvas; }
    TSrcPrintCanvas& MeasureCanvas(int PixelsPerInch) override {
        measuredAt = PixelsPerInch;
        return measure;
    }
    bool TargetPresent() const override { return target; }
    TSrcPrinterGeometry Geometry() const override { return geometry; }

    // The calls of each finished page.
    int PageCount() const { return static_cast<int>(pages.size()); }

    std::string title;
    int begun = 0, ended = 0, newPages = 0, aborts = 0, measuredAt = 0;
    bool printing = false, aborted = false, target = true;
    TSrcPrinterGeometry geometry{2479, 3508, 2354, 3408, 75, 50, 300, 300};
    RecordingPrintCanvas canvas;
    RecordingPrintCanvas measure;
    std::vector<std::vector<PrintCall>> pages;

private:
    void Flush() {
        if (!pages.empty()) pages.back() = canvas.Calls;
        canvas.Calls.clear();
    }
};
