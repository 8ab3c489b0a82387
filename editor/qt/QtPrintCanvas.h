#pragma once
#include <map>
#include <memory>
#include <tuple>

#include <QFont>
#include <QFontMetrics>
#include <QRawFont>

#include "editor/print/SrcPrintCanvas.h"

class QPainter;
class QPaintDevice;

// The print canvas over a Qt painter. Fonts are resolved for the metrics
// device (the printer, or one at its resolution) and measured there; a
// font's height in its own pixels per inch becomes device pixels. Without
// a painter it only measures.
class TQtPrintCanvas : public TSrcPrintCanvas {
public:
    TQtPrintCanvas(QPainter* Painter, QPaintDevice& MetricsDevice);
    ~TQtPrintCanvas() override;

    TSrcPrintTextMetric GetTextMetrics() override;
    int TextWidth(const std::string& Text) override;
    // With cells, one glyph run at the cell positions.
    void TextOutCells(int X, int Y, const std::string& Text, int CellWidth) override;
    void TextOutBaseline(int X, int Y, const std::string& Text) override;
    void FillRect(const TRect& R, TColor Color) override;
    void Rectangle(int Left, int Top, int Right, int Bottom) override;
    void Line(int X1, int Y1, int X2, int Y2) override;

    // The Qt font that the current font is drawn with.
    QFont CurrentQFont();

private:
    struct TEntry {
        QFont Font;
        QFontMetrics Metrics;
        QRawFont Raw;
    };
    using TKey = std::tuple<std::string, int, int, uint8_t, uint8_t>;

    TEntry& Current();
    void FillTextBackground(int X, int Y, int Width, const TEntry& Entry);

    QPainter* painter_;
    QPaintDevice& device_;
    std::map<TKey, std::unique_ptr<TEntry>> fonts_;
    TSrcPrintFont lastFont_;
    TEntry* last_ = nullptr;
};
