#pragma once
#include <memory>
#include <vector>

#include <QFont>
#include <QPainter>

#include "editor/control/SrcTextDrawerBase.h"
#include "editor/qt/FontStock.h"

// Draws text on a Qt painter in a fixed grid: every character gets one
// cell of the base style's width, whatever the style of the run. Glyphs
// are placed at explicit cell positions rather than laid out by the font,
// so that bold or italic runs never drift off the grid.
class TTextDrawer : public TSrcTextDrawerBase {
public:
    TTextDrawer(TFontStyles CalcExtentBaseStyle, const TFont* BaseFont);
    ~TTextDrawer() override;

    int GetCharWidth() const override { return baseCharWidth_ + charExtra_; }
    int GetCharHeight() const override { return baseCharHeight_; }
    void SetBaseFont(const TFont* Value) override;
    void SetBaseStyle(TFontStyles Value) override;
    void SetStyle(TFontStyles Value) override;
    void SetForeColor(TColor Value) override;
    void SetBackColor(TColor Value) override;
    void SetCharExtra(int Value) override;
    void BeginDrawing(TSrcCanvas& Canvas) override;
    void EndDrawing() override;
    void TextOut(int X, int Y, const char* Text, int Length) override;
    void ExtTextOut(int X, int Y, uint32_t Options, const TRect& ARect, const char* Text, int Length) override;
    void ReleaseTemporaryResources() override;

    // The left edges, relative to the run's start, of the cells that
    // ExtTextOut gives a run of Length characters.
    std::vector<int> ExtTextOutOffsets(int Length);
    // The advance per character of TextOut in the current style.
    int TextOutAdvance() const { return fontStock_->CharAdvance() + effectiveExtra_; }

    TFontStyles BaseStyle() const { return calcExtentBaseStyle_; }
    TFontStyles Style() const { return fontStock_->Style(); }
    TColor ForeColor() const { return color_; }
    TColor BackColor() const { return bkColor_; }
    int CharExtra() const { return charExtra_; }
    const TFontStock& FontStock() const { return *fontStock_; }
    bool Drawing() const { return painter_ != nullptr; }

protected:
    virtual void ReleaseETODist() { etoDist_.clear(); }
    virtual void AfterStyleSet();
    virtual void DoSetCharExtra(int Value) { effectiveExtra_ = Value; }

    // The platform's output: each character's cell starts at X plus its
    // offset; the text stands on the line whose top is Y.
    void DrawRun(int X, int Y, const char* Text, int Length, const std::vector<int>& Offsets);
    // Offsets of a run that advances by TextOutAdvance per character.
    std::vector<int> AdvanceOffsets(int Length) const;
    // Fills and clips to ARect as Options ask, then draws the run.
    void DrawClipped(int X, int Y, uint32_t Options, const TRect& ARect, const char* Text, int Length,
                     const std::vector<int>& Offsets);
    void OpaqueAndClip(uint32_t Options, const TRect& ARect);

    std::unique_ptr<TFontStock> fontStock_;
    QFont currentFont_;
    QPainter* painter_ = nullptr;
    int baseCharWidth_ = 0;
    int baseCharHeight_ = 0;
    int charExtra_ = 0;
    int effectiveExtra_ = 0;

private:
    TFontStyles calcExtentBaseStyle_;
    int drawingCount_ = 0;
    TColor color_ = clWindowText;
    TColor bkColor_ = clWindow;
    std::vector<int> etoDist_;
};
