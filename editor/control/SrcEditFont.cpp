#include <algorithm>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditWordWrapper.h"
#include "editor/control/SrcFontServices.h"
#include "editor/control/SrcWindowServices.h"

void TCustomSrcEdit::SetFont(const TFont& Value) {
    TSrcTextMetric metric = SrcFontServices().GetTextMetrics(Value);
    if (metric.AveCharWidth == metric.MaxCharWidth) {
        font_.Assign(&Value);
    } else {
        fontDummy_.SetColor(Value.Color());
        fontDummy_.SetSize(Value.Size());
        fontDummy_.SetStyle(Value.Style());
        fontDummy_.SetName(Value.Name());
        fontDummy_.SetPitch(fpFixed);
        font_.Assign(&fontDummy_);
    }
    if (gutter_->ShowLineNumbers()) {
        GutterChanged(this);
    }
}

void TCustomSrcEdit::SrcFontChanged(TObject*) {
    RecalcCharExtent();
    SizeOrFontChanged(true);
}

void TCustomSrcEdit::SetExtraLineSpacing(int Value) {
    if (Value != extraLineSpacing_) {
        extraLineSpacing_ = Value;
        SrcFontChanged(this);
    }
}

void TCustomSrcEdit::RecalcCharExtent() {
    static const TFontStyles kOrder[] = {TFontStyles{}, TFontStyles{fsItalic}, TFontStyles{fsBold},
                                         TFontStyles{fsBold, fsItalic}};
    std::vector<TFontStyles> used = StylesInUse();
    int height = 0;
    int width = 0;
    textDrawer_->SetBaseFont(&font_);
    for (TFontStyles style : kOrder) {
        if (std::find(used.begin(), used.end(), style) == used.end()) {
            continue;
        }
        textDrawer_->SetBaseStyle(style);
        height = std::max(height, textDrawer_->GetCharHeight());
        width = std::max(width, textDrawer_->GetCharWidth());
    }
    textHeight_ = height + extraLineSpacing_;
    charWidth_ = width;
}

void TCustomSrcEdit::SizeOrFontChanged(bool bFont) {
    if (!window_ || charWidth_ == 0) {
        return;
    }
    TRect client = ClientRect();
    charsInWindow_ = std::max(0, client.Width() - gutterWidth_ - 2) / charWidth_;
    linesInWindow_ = textHeight_ > 0 ? std::max(client.Height(), 0) / textHeight_ : 0;
    if (wordWrapper_) {
        wordWrapper_->DisplayChanged();
        Invalidate();
    }
    if (bFont) {
        if (gutter_->Visible()) {
            GutterChanged(this);
        } else {
            UpdateScrollBars();
        }
        InitializeCaret();
        stateFlags_.Exclude(sfCaretChanged);
        Invalidate();
    } else {
        UpdateScrollBars();
    }
    stateFlags_.Exclude(sfScrollbarChanged);
    if (!options_.Contains(eoScrollPastEol)) {
        SetLeftChar(leftChar_);
    }
    if (!options_.Contains(eoScrollPastEof)) {
        SetTopLine(topLine_);
    }
}

void TCustomSrcEdit::GutterChanged(TObject*) {
    if (ComponentState().Contains(csLoading)) {
        return;
    }
    if (gutter_->ShowLineNumbers() && gutter_->AutoSize()) {
        gutter_->AutoSizeDigitCount(lines_->Count());
    }
    int width = gutter_->RealGutterWidth(charWidth_);
    if (width == gutterWidth_) {
        InvalidateGutter();
    } else {
        SetGutterWidth(width);
    }
}

