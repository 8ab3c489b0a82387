#include "editor/qt/QtPrintCanvas.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

#include "editor/qt/QtText.h"

namespace {

QFont MakePrintQFont(const TSrcPrintFont& Font, QPaintDevice& Device) {
    QFont font(QString::fromStdString(Font.Name()));
    double pixels = std::abs(static_cast<double>(Font.Height())) * Device.logicalDpiY() / Font.PixelsPerInch();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setWeight(Font.Style().Contains(fsBold) ? QFont::Bold : QFont::Normal);
    font.setItalic(Font.Style().Contains(fsItalic));
    font.setUnderline(Font.Style().Contains(fsUnderline));
    font.setStrikeOut(Font.Style().Contains(fsStrikeOut));
    if (Font.Pitch() == fpFixed) {
        font.setStyleHint(QFont::TypeWriter);
    }
    return QFont(font, &Device);
}

}  // namespace

TQtPrintCanvas::TQtPrintCanvas(QPainter* Painter, QPaintDevice& MetricsDevice)
    : painter_(Painter), device_(MetricsDevice) {}

TQtPrintCanvas::~TQtPrintCanvas() = default;

TQtPrintCanvas::TEntry& TQtPrintCanvas::Current() {
    const TSrcPrintFont& font = Font();
    if (last_ && font.Name() == lastFont_.Name() && font.Height() == lastFont_.Height() &&
        font.PixelsPerInch() == lastFont_.PixelsPerInch() && font.Style() == lastFont_.Style() &&
        font.Pitch() == lastFont_.Pitch()) {
        return *last_;
    }
    TKey key{font.Name(), font.Height(), font.PixelsPerInch(), font.Style().ToBits(), font.Pitch()};
    auto& entry = fonts_[key];
    if (!entry) {
        QFont qfont = MakePrintQFont(font, device_);
        entry.reset(new TEntry{qfont, QFontMetrics(qfont, &device_), QRawFont::fromFont(qfont)});
    }
    lastFont_ = font;
    last_ = entry.get();
    return *entry;
}

QFont TQtPrintCanvas::CurrentQFont() { return Current().Font; }

TSrcPrintTextMetric TQtPrintCanvas::GetTextMetrics() {
    const QFontMetrics& metrics = Current().Metrics;
    TSrcPrintTextMetric result;
    result.Ascent = metrics.ascent();
    result.Descent = metrics.descent();
    result.Height = result.Ascent + result.Descent;
    result.ExternalLeading = std::max(metrics.leading(), 0);
    result.AveCharWidth = metrics.averageCharWidth();
    return result;
}

int TQtPrintCanvas::TextWidth(const std::string& Text) {
    return Current().Metrics.horizontalAdvance(Cp1252ToQString(Text.data(), static_cast<int>(Text.size())));
}

void TQtPrintCanvas::FillTextBackground(int X, int Y, int Width, const TEntry& Entry) {
    if (Brush.Style == bsSolid) {
        int height = Entry.Metrics.ascent() + Entry.Metrics.descent() + std::max(Entry.Metrics.leading(), 0);
        painter_->fillRect(QRect(X, Y, Width, height), ToQColor(Brush.Color));
    }
}

void TQtPrintCanvas::TextOutCells(int X, int Y, const std::string& Text, int CellWidth) {
    if (!painter_ || Text.empty()) {
        return;
    }
    TEntry& entry = Current();
    QString text = Cp1252ToQString(Text.data(), static_cast<int>(Text.size()));
    if (CellWidth <= 0) {
        FillTextBackground(X, Y, entry.Metrics.horizontalAdvance(text), entry);
        TextOutBaseline(X, Y + entry.Metrics.ascent(), Text);
        return;
    }
    FillTextBackground(X, Y, CellWidth * static_cast<int>(text.size()), entry);
    const double baseline = Y + entry.Metrics.ascent();
    painter_->setPen(ToQColor(Font().Color()));
    if (!entry.Raw.isValid()) {
        painter_->setFont(entry.Font);
        for (qsizetype i = 0; i < text.size(); ++i) {
            painter_->drawText(QPointF(X + static_cast<double>(i) * CellWidth, baseline), QString(text[i]));
        }
        return;
    }
    QList<quint32> indexes = entry.Raw.glyphIndexesForString(text);
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (qsizetype i = 0; i < text.size() && i < indexes.size(); ++i) {
        if (text[i] != QLatin1Char(' ')) {
            glyphs.append(indexes[i]);
            positions.append(QPointF(X + static_cast<double>(i) * CellWidth, baseline));
        }
    }
    QGlyphRun run;
    run.setRawFont(entry.Raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(entry.Font.underline());
    run.setStrikeOut(entry.Font.strikeOut());
    painter_->drawGlyphRun(QPointF(0, 0), run);
}

void TQtPrintCanvas::TextOutBaseline(int X, int Y, const std::string& Text) {
    if (!painter_ || Text.empty()) {
        return;
    }
    TEntry& entry = Current();
    painter_->setFont(entry.Font);
    painter_->setPen(ToQColor(Font().Color()));
    painter_->drawText(QPointF(X, Y), Cp1252ToQString(Text.data(), static_cast<int>(Text.size())));
}

void TQtPrintCanvas::FillRect(const TRect& R, TColor Color) {
    if (painter_) {
        painter_->fillRect(QRect(R.Left, R.Top, R.Width(), R.Height()), ToQColor(Color));
    }
}

void TQtPrintCanvas::Rectangle(int Left, int Top, int Right, int Bottom) {
    if (!painter_) {
        return;
    }
    painter_->setPen(Pen.Style == psSolid ? QPen(ToQColor(Pen.Color), 1) : QPen(Qt::NoPen));
    painter_->setBrush(Brush.Style == bsSolid ? QBrush(ToQColor(Brush.Color)) : QBrush(Qt::NoBrush));
    painter_->drawRect(QRect(Left, Top, Right - Left - 1, Bottom - Top - 1));
}

void TQtPrintCanvas::Line(int X1, int Y1, int X2, int Y2) {
    if (painter_ && Pen.Style == psSolid) {
        painter_->setPen(QPen(ToQColor(Pen.Color), 1));
        painter_->drawLine(X1, Y1, X2, Y2);
    }
}
