#include "editor/qt/TextDrawer.h"

#include <QGlyphRun>
#include <QRawFont>

#include "editor/qt/QtCanvas.h"
#include "editor/qt/QtText.h"
#include "editor/qt/TextDrawerExceptions.h"

TTextDrawer::TTextDrawer(TFontStyles CalcExtentBaseStyle, const TFont* BaseFont)
    : calcExtentBaseStyle_(CalcExtentBaseStyle) {
    if (!BaseFont) {
        throw ETextDrawerException(kSetBaseFontNeedsValue);
    }
    fontStock_ = std::make_unique<TFontStock>(BaseFont);
    SetBaseFont(BaseFont);
}

TTextDrawer::~TTextDrawer() = default;

void TTextDrawer::SetBaseFont(const TFont* Value) {
    if (!Value) {
        throw ETextDrawerException(kSetBaseFontNeedsValue);
    }
    ReleaseETODist();
    fontStock_->SetBaseFont(Value);
    fontStock_->SetStyle(calcExtentBaseStyle_);
    baseCharWidth_ = fontStock_->CharAdvance();
    baseCharHeight_ = fontStock_->CharHeight();
    SetStyle(Value->Style());
}

void TTextDrawer::SetBaseStyle(TFontStyles Value) {
    if (Value == calcExtentBaseStyle_) {
        return;
    }
    calcExtentBaseStyle_ = Value;
    ReleaseETODist();
    fontStock_->SetStyle(Value);
    baseCharWidth_ = fontStock_->CharAdvance();
    baseCharHeight_ = fontStock_->CharHeight();
}

void TTextDrawer::SetStyle(TFontStyles Value) {
    fontStock_->SetStyle(Value);
    currentFont_ = fontStock_->FontHandle();
    AfterStyleSet();
}

void TTextDrawer::AfterStyleSet() {
    if (painter_) {
        painter_->setFont(currentFont_);
    }
}

void TTextDrawer::SetForeColor(TColor Value) {
    color_ = Value;
    if (painter_) {
        painter_->setPen(ToQColor(Value));
    }
}

void TTextDrawer::SetBackColor(TColor Value) {
    bkColor_ = Value;
    if (painter_) {
        painter_->setBackground(ToQColor(Value));
    }
}

void TTextDrawer::SetCharExtra(int Value) {
    if (Value == charExtra_) {
        return;
    }
    charExtra_ = Value;
    ReleaseETODist();  // its entries hold the cell width, which just changed
    DoSetCharExtra(Value);
}

void TTextDrawer::BeginDrawing(TSrcCanvas& Canvas) {
    auto* canvas = dynamic_cast<TQtCanvas*>(&Canvas);
    if (!canvas) {
        throw ETextDrawerMisuse("BeginDrawing: the canvas is not a Qt canvas");
    }
    QPainter* painter = &canvas->Painter();
    if (painter_ == painter) {
        ++drawingCount_;
        return;
    }
    if (painter_) {
        throw ETextDrawerMisuse("BeginDrawing: another canvas is being drawn on");
    }
    painter_ = painter;
    painter_->save();
    painter_->setFont(currentFont_);
    painter_->setPen(ToQColor(color_));
    painter_->setBackground(ToQColor(bkColor_));
    DoSetCharExtra(charExtra_);
    drawingCount_ = 1;
}

void TTextDrawer::EndDrawing() {
    if (drawingCount_ < 1) {
        throw ETextDrawerMisuse("EndDrawing without BeginDrawing");
    }
    if (--drawingCount_ == 0) {
        painter_->restore();
        painter_ = nullptr;
    }
}

void TTextDrawer::DrawRun(int X, int Y, const char* Text, int Length, const std::vector<int>& Offsets) {
    if (!painter_ || Length <= 0) {
        return;
    }
    QRawFont raw = QRawFont::fromFont(currentFont_);
    QList<quint32> glyphs = raw.glyphIndexesForString(Cp1252ToQString(Text, Length));
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    glyphs.resize(std::min<qsizetype>(glyphs.size(), static_cast<qsizetype>(Offsets.size())));
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        positions.append(QPointF(Offsets[static_cast<size_t>(i)], 0));
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(currentFont_.underline());
    run.setStrikeOut(currentFont_.strikeOut());
    painter_->drawGlyphRun(QPointF(X, Y + fontStock_->Ascent()), run);
}

void TTextDrawer::TextOut(int X, int Y, const char* Text, int Length) {
    if (!painter_ || Length <= 0) {
        return;
    }
    painter_->fillRect(X, Y, Length * TextOutAdvance(), baseCharHeight_, ToQColor(bkColor_));
    DrawRun(X, Y, Text, Length, AdvanceOffsets(Length));
}

std::vector<int> TTextDrawer::ExtTextOutOffsets(int Length) {
    if (static_cast<int>(etoDist_.size()) < Length) {
        etoDist_.resize(static_cast<size_t>((Length / 64 + 1) * 64), GetCharWidth());
    }
    std::vector<int> offsets(static_cast<size_t>(std::max(Length, 0)));
    int x = 0;
    for (int i = 0; i < Length; ++i) {
        offsets[static_cast<size_t>(i)] = x;
        x += etoDist_[static_cast<size_t>(i)];
    }
    return offsets;
}

void TTextDrawer::OpaqueAndClip(uint32_t Options, const TRect& ARect) {
    QRect rect(ARect.Left, ARect.Top, ARect.Width(), ARect.Height());
    if (Options & ETO_OPAQUE) {
        painter_->fillRect(rect, ToQColor(bkColor_));
    }
    if (Options & ETO_CLIPPED) {
        painter_->setClipRect(rect, painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
}

std::vector<int> TTextDrawer::AdvanceOffsets(int Length) const {
    std::vector<int> offsets(static_cast<size_t>(std::max(Length, 0)));
    int advance = TextOutAdvance();
    for (int i = 0; i < Length; ++i) {
        offsets[static_cast<size_t>(i)] = i * advance;
    }
    return offsets;
}

void TTextDrawer::DrawClipped(int X, int Y, uint32_t Options, const TRect& ARect, const char* Text, int Length,
                              const std::vector<int>& Offsets) {
    if (!painter_) {
        return;
    }
    painter_->save();
    OpaqueAndClip(Options, ARect);
    DrawRun(X, Y, Text, Length, Offsets);
    painter_->restore();
}

void TTextDrawer::ExtTextOut(int X, int Y, uint32_t Options, const TRect& ARect, const char* Text, int Length) {
    DrawClipped(X, Y, Options, ARect, Text, Length, ExtTextOutOffsets(Length));
}

void TTextDrawer::ReleaseTemporaryResources() { fontStock_->ReleaseFontHandles(); }
