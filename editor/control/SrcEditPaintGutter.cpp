#include <vector>

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditMark.h"
#include "editor/control/SrcPaintRoutines.h"
#include "editor/control/SrcTextDrawerBase.h"
#include "editor/support/SrcCanvas.h"
#include "editor/support/SrcImageList.h"
#include "editor/support/SrcInternalImage.h"
#include "editor/support/SrcResources.h"

namespace {
constexpr int kInternalImageCount = 10;
}

void TCustomSrcEdit::PaintGutter(TSrcCanvas& ACanvas, const TRect& AClip, int FirstRow, int LastRow) {
    bool gradient = gutter_->Gradient();
    TColor color = gutter_->Color();
    if (gradient) {
        SrcDrawGradient(ACanvas, gutter_->GradientStartColor(), gutter_->GradientEndColor(),
                        gutter_->GradientSteps(), Rect(0, 0, gutterWidth_, ClientRect().Height()), true);
    }
    ACanvas.BrushColor = color;
    if (gutter_->ShowLineNumbers()) {
        PaintLineNumbers(ACanvas, AClip, FirstRow, LastRow);
    } else if (!gradient) {
        ACanvas.FillRect(AClip, color);
    }
    int glyphX = gutterWidth_ - gutter_->RightOffset() - 2;
    if (WordWrap() && wordWrapGlyph_->Visible()) {
        for (int row = FirstRow; row <= LastRow; ++row) {
            if (LineToRow(RowToLine(row)) != row) {
                wordWrapGlyph_->Draw(ACanvas, glyphX - wordWrapGlyph_->Width(), (row - topLine_) * textHeight_,
                                     textHeight_);
            }
        }
    }
    PaintGutterBorder(ACanvas, AClip);
    if (FirstRow <= LastRow) {
        PaintMarks(ACanvas, FirstRow, LastRow);
    }
    if (OnGutterPaint) {
        for (int line = RowToLine(FirstRow); FirstRow <= LastRow && line <= RowToLine(LastRow); ++line) {
            OnGutterPaint(this, line, 0, (LineToRow(line) - topLine_) * textHeight_);
        }
    }
}

void TCustomSrcEdit::PaintLineNumbers(TSrcCanvas& ACanvas, const TRect& AClip, int FirstRow, int LastRow) {
    bool gradient = gutter_->Gradient();
    bool useFont = gutter_->UseFontStyle();
    const TFont& numberFont = useFont ? gutter_->Font() : font_;
    ACanvas.Font().Assign(&numberFont);
    textDrawer_->BeginDrawing(ACanvas);
    if (useFont) {
        textDrawer_->SetBaseFont(&numberFont);
    } else {
        textDrawer_->SetStyle(TFontStyles());
    }
    textDrawer_->SetForeColor(numberFont.Color());
    textDrawer_->SetBackColor(gutter_->Color());
    uint32_t options = (gradient ? 0 : ETO_OPAQUE) | ETO_CLIPPED;
    for (int row = FirstRow; row <= LastRow; ++row) {
        int line = RowToLine(row);
        int top = (row - topLine_) * textHeight_;
        std::string text;
        if (!WordWrap() || LineToRow(line) == row) {
            text = gutter_->FormatLineNumber(line);
            if (OnGutterGetText) {
                OnGutterGetText(this, line, text);
            }
        }
        TPoint size = text.empty() ? Point(0, textHeight_) : ACanvas.TextExtent(text);
        TRect cell = Rect(AClip.Left, top, AClip.Right, top + textHeight_);
        int x = gutterWidth_ - gutter_->RightOffset() - 2 - size.X;
        textDrawer_->ExtTextOut(x, top + (textHeight_ - size.Y) / 2, options, cell, text.data(),
                                static_cast<int>(text.size()));
    }
    int below = (LastRow - topLine_ + 1) * textHeight_;
    if (!gradient && below < AClip.Bottom) {
        ACanvas.FillRect(Rect(AClip.Left, std::max(below, AClip.Top), AClip.Right, AClip.Bottom), gutter_->Color());
    }
    textDrawer_->EndDrawing();
    if (useFont) {
        textDrawer_->SetBaseFont(&font_);
    }
}

void TCustomSrcEdit::PaintGutterBorder(TSrcCanvas& ACanvas, const TRect& AClip) {
    TSrcGutterBorderStyle style = gutter_->BorderStyle();
    if (style == gbsNone || AClip.Right < gutterWidth_ - 2) {
        return;
    }
    if (style == gbsMiddle) {
        ACanvas.Line(gutterWidth_ - 2, AClip.Top, gutterWidth_ - 2, AClip.Bottom, gutter_->BorderColor());
        ACanvas.Line(gutterWidth_ - 1, AClip.Top, gutterWidth_ - 1, AClip.Bottom, gutter_->Color());
    } else {
        ACanvas.Line(gutterWidth_ - 1, AClip.Top, gutterWidth_ - 1, AClip.Bottom, gutter_->BorderColor());
    }
}

void TCustomSrcEdit::PaintMarks(TSrcCanvas& ACanvas, int FirstRow, int LastRow) {
    if (!bookMarkOptions_->GlyphsVisible() || marks_->Count() == 0) {
        return;
    }
    int firstLine = RowToLine(FirstRow);
    int lastLine = RowToLine(LastRow);
    std::vector<int> offsets(static_cast<size_t>(LastRow - FirstRow + 1), 0);
    bool bookmarksFirst = bookMarkOptions_->DrawBookmarksFirst();
    bool othersSeen = false;
    for (int pass = 0; pass < 2; ++pass) {
        bool kind = pass == 0 ? bookmarksFirst : !bookmarksFirst;
        for (int i = 0; i < marks_->Count(); ++i) {
            TSrcEditMark* mark = marks_->Items(i);
            if (!mark->Visible() || mark->Line() < firstLine || mark->Line() > lastLine) {
                continue;
            }
            if (mark->IsBookmark() != kind) {
                othersSeen = true;
                continue;
            }
            int row = LineToRow(mark->Line());
            if (row >= FirstRow && row <= LastRow) {
                PaintMark(ACanvas, *mark, row, offsets[static_cast<size_t>(row - FirstRow)]);
            }
        }
        if (!othersSeen) {
            break;
        }
    }
}

void TCustomSrcEdit::PaintMark(TSrcCanvas& ACanvas, const TSrcEditMark& Mark, int Row, int& Offset) {
    TImageList* images = bookMarkOptions_->BookmarkImages();
    int y = (Row - topLine_) * textHeight_;
    int xoffset = bookMarkOptions_->Xoffset();
    if (images && !Mark.InternalImage() && Mark.ImageIndex() >= 0 && Mark.ImageIndex() < images->Count()) {
        if (Mark.IsBookmark() == bookMarkOptions_->DrawBookmarksFirst()) {
            Offset = 0;
        } else if (Offset == 0) {
            Offset = xoffset;
        }
        images->Draw(ACanvas, bookMarkOptions_->LeftMargin() + Offset, y, Mark.ImageIndex());
        Offset += xoffset;
        return;
    }
    if (Mark.ImageIndex() < 0 || Mark.ImageIndex() >= kInternalImageCount) {
        return;
    }
    if (Offset == 0) {
        if (!internalImages_) {
            internalImages_ = std::make_unique<TSrcInternalImage>("SrcEditInternalImages", kInternalImageCount);
        }
        internalImages_->DrawTransparent(ACanvas, Mark.ImageIndex(), bookMarkOptions_->LeftMargin(), y,
                                         textHeight_, kInternalImagesBackground);
    }
    Offset += xoffset;
}
