#pragma once
#include <cstdint>
#include <string>

#include "editor/support/SrcColor.h"
#include "editor/support/SrcFont.h"
#include "editor/control/SrcOptionBase.h"

enum TSrcGutterBorderStyle : uint8_t { gbsNone, gbsMiddle, gbsRight };

// The gutter's settings and the formatting of its line numbers. Setters
// correct out-of-range values instead of refusing them.
class TSrcGutter : public TSrcOptionBase {
public:
    TSrcGutter();
    void Assign(const TPersistent* Source) override;

    // Sizes the digit count for LinesCount lines (with AutoSize and line
    // numbers shown); fires OnChange when it changes.
    void AutoSizeDigitCount(int LinesCount);
    // The number of the 1-based Line, right-justified in the digit field.
    std::string FormatLineNumber(int Line) const;
    // Pixel width of the gutter for the given character width.
    int RealGutterWidth(int CharWidth) const;

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& Value) { font_.Assign(&Value); }
    TColor Color() const { return color_; }
    void SetColor(TColor Value) { Set(color_, Value); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value) { Set(borderColor_, Value); }
    int Width() const { return width_; }
    void SetWidth(int Value);
    bool ShowLineNumbers() const { return showLineNumbers_; }
    void SetShowLineNumbers(bool Value) { Set(showLineNumbers_, Value); }
    int DigitCount() const { return digitCount_; }
    void SetDigitCount(int Value);
    bool LeadingZeros() const { return leadingZeros_; }
    void SetLeadingZeros(bool Value) { Set(leadingZeros_, Value); }
    bool ZeroStart() const { return zeroStart_; }
    void SetZeroStart(bool Value) { Set(zeroStart_, Value); }
    int LeftOffset() const { return leftOffset_; }
    void SetLeftOffset(int Value);
    int RightOffset() const { return rightOffset_; }
    void SetRightOffset(int Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value) { Set(visible_, Value); }
    bool UseFontStyle() const { return useFontStyle_; }
    void SetUseFontStyle(bool Value) { Set(useFontStyle_, Value); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value) { Set(autoSize_, Value); }
    int AutoSizeDigitCountValue() const { return autoSizeDigitCount_; }
    TSrcGutterBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TSrcGutterBorderStyle Value) { Set(borderStyle_, Value); }
    int LineNumberStart() const { return lineNumberStart_; }
    void SetLineNumberStart(int Value);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool Value) { Set(gradient_, Value); }
    TColor GradientStartColor() const { return gradientStartColor_; }
    void SetGradientStartColor(TColor Value) { Set(gradientStartColor_, Value); }
    TColor GradientEndColor() const { return gradientEndColor_; }
    void SetGradientEndColor(TColor Value) { Set(gradientEndColor_, Value); }
    int GradientSteps() const { return gradientSteps_; }
    void SetGradientSteps(int Value);

    int Cursor = 0;  // the mouse cursor over the gutter; 0 is the default one

private:
    void FontChanged(TObject*) { Changed(); }
    int AdjustedLine(int Line) const;

    TFont font_;
    TColor color_ = clBtnFace;
    TColor borderColor_ = clWindow;
    int width_ = 30;
    bool showLineNumbers_ = false;
    int digitCount_ = 4;
    bool leadingZeros_ = false;
    bool zeroStart_ = false;
    int leftOffset_ = 16;
    int rightOffset_ = 2;
    bool visible_ = true;
    bool useFontStyle_ = true;
    bool autoSize_ = false;
    int autoSizeDigitCount_ = 4;
    TSrcGutterBorderStyle borderStyle_ = gbsMiddle;
    int lineNumberStart_ = 1;
    bool gradient_ = false;
    TColor gradientStartColor_ = clWindow;
    TColor gradientEndColor_ = clBtnFace;
    int gradientSteps_ = 48;
};
