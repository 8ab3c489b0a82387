#include <algorithm>
#include <climits>
#include <cstdint>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/print/SrcEditPrint.h"
#include "editor/print/SrcPrintCanvas.h"

namespace {

int ClampToInt(int64_t Value) { return static_cast<int>(std::clamp<int64_t>(Value, INT_MIN, INT_MAX)); }

const TSrcCharSet kBreakChars = CharSetOf("\t ,-");
const TSrcCharSet kSecondBreakChars = CharSetOf(").;");

}  // namespace

void TSrcEditPrint::InitPrint(TSrcPrintCanvas& ACanvas) {
    canvas_ = &ACanvas;
    defaultColor_ = font_.Color();
    int pixelsPerInch = printerInfo_.YPixPrInch();
    header_.SetPixPrInch(pixelsPerInch);
    footer_.SetPixPrInch(pixelsPerInch);
    font_.ScaleTo(pixelsPerInch);
    ACanvas.SetFont(font_);
    MeasureFont(ACanvas);
    useHighlight_ = Highlight && highlighter_ && !lines_.empty();
    margins_.InitPage(ACanvas, 1, printerInfo_, lineNumbers_, lineNumbersInMargin_, MaxLineNumber());
    CalcPages();
    int pageCount = static_cast<int>(pages_.size());
    header_.InitPrint(ACanvas, pageCount, Title, margins_);
    footer_.InitPrint(ACanvas, pageCount, Title, margins_);
}

void TSrcEditPrint::MeasureFont(TSrcPrintCanvas& ACanvas) {
    TSrcPrintFont styled = font_;
    styled.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    ACanvas.SetFont(styled);
    TSrcPrintTextMetric metric = ACanvas.GetTextMetrics();
    charWidth_ = std::max(metric.AveCharWidth, 1);
    lineHeight_ = std::max(metric.Height + std::max(metric.ExternalLeading, 0), 1);
    ACanvas.SetFont(font_);
}

int TSrcEditPrint::MaxLineNumber() const {
    return ClampToInt(static_cast<int64_t>(lines_.size()) + lineOffset_);
}

void TSrcEditPrint::InitRanges() {
    if (rangesComputed_ || !highlighter_) {
        return;
    }
    ranges_.assign(lines_.size(), 0);
    highlighter_->ResetRange();
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) {
            highlighter_->SetLine(lines_[i - 1], static_cast<int>(i - 1));
            highlighter_->NextToEol();
        }
        ranges_[i] = highlighter_->GetRange();
    }
    rangesComputed_ = true;
}

int TSrcEditPrint::FirstPrintedLine() const {
    return selectedOnly_ ? std::max(blockBegin_.Row - 1, 0) : 0;
}

int TSrcEditPrint::LastPrintedLine() const {
    int last = static_cast<int>(lines_.size()) - 1;
    return selectedOnly_ ? std::min(blockEnd_.Row - 1, last) : last;
}

TSrcEditPrint::TPrintedLine TSrcEditPrint::PrintedLine(int Index) const {
    const std::string& text = lines_[static_cast<size_t>(Index)];
    const int length = static_cast<int>(text.size());
    TPrintedLine line{&text, 0, length};
    if (selectedOnly_ && selMode_ != smLine) {
        if (selMode_ == smColumn) {
            line.Start = std::min(blockBegin_.Column, blockEnd_.Column) - 1;
            line.End = std::max(blockBegin_.Column, blockEnd_.Column) - 1;
        } else {
            if (Index == blockBegin_.Row - 1) {
                line.Start = blockBegin_.Column - 1;
            }
            if (Index == blockEnd_.Row - 1) {
                line.End = blockEnd_.Column - 1;
            }
        }
        line.Start = std::clamp(line.Start, 0, length);
        line.End = std::clamp(line.End, line.Start, length);
    }
    return line;
}

int TSrcEditPrint::RightEdge() const {
    int edge = margins_.PLeft + std::max(maxWidth_, maxCol_ * charWidth_);
    return std::max(std::min(edge, margins_.PRight), margins_.PLeft + charWidth_);
}

bool TSrcEditPrint::NeedsWrap(const TPrintedLine& Line) const {
    return wrap_ && static_cast<int64_t>(Line.End - Line.Start) * charWidth_ > maxWidth_;
}

std::vector<int> TSrcEditPrint::RowStarts(const TPrintedLine& Line) const {
    std::vector<int> starts{0};
    const int length = Line.End - Line.Start;
    if (!NeedsWrap(Line)) {
        return starts;
    }
    std::string text = Line.Text->substr(static_cast<size_t>(Line.Start), static_cast<size_t>(length));
    std::vector<TWrapPos> breaks;
    if (!WrapTextEx(text, kBreakChars, maxCol_, breaks)) {
        breaks.clear();
        WrapTextEx(text, kSecondBreakChars, maxCol_, breaks);
    }
    for (const TWrapPos& wrap : breaks) {
        starts.push_back(wrap.Index);
    }
    // Rows that found no break character are split every maxCol_
    // characters, so that no row runs past the right margin.
    std::vector<int> rows;
    for (size_t i = 0; i < starts.size(); ++i) {
        int end = i + 1 < starts.size() ? starts[i + 1] : length;
        int start = starts[i];
        do {
            rows.push_back(start);
            start += maxCol_;
        } while (start < end);
    }
    return rows;
}

void TSrcEditPrint::CalcPages() {
    if (useHighlight_) {
        InitRanges();
    }
    pages_.clear();
    const int width = margins_.PRight - margins_.PLeft;
    int wWidth = std::max(canvas_->TextWidth("W"), 1);
    int n = std::max(width / wWidth, 0);
    while (n > 0 && canvas_->TextWidth(std::string(static_cast<size_t>(n), 'W')) >= width) {
        --n;
    }
    while (n < width && canvas_->TextWidth(std::string(static_cast<size_t>(n + 1), 'W')) < width) {
        ++n;
    }
    maxCol_ = std::max(std::min(n, width / charWidth_), 1);
    maxWidth_ = canvas_->TextWidth(std::string(static_cast<size_t>(maxCol_), 'W'));

    const int top = margins_.PTop;
    const int bottom = margins_.PBottom;
    const int paperBottom = printerInfo_.PrintableHeight();
    const int first = FirstPrintedLine();
    const int last = LastPrintedLine();
    pages_.push_back({first, 0});
    int y = top;
    for (int i = first; i <= last; ++i) {
        if (y + lineHeight_ > bottom && y > top) {
            pages_.push_back({i, 0});
            y = top;
        }
        TPrintedLine line = PrintedLine(i);
        int rows = NeedsWrap(line) ? static_cast<int>(RowStarts(line).size()) : 1;
        for (int row = 1; row < rows; ++row) {
            y += lineHeight_;
            if (y + lineHeight_ > paperBottom && y > top) {
                pages_.push_back({i, row});
                y = top;
            }
        }
        y += lineHeight_;
    }
    pagesCounted_ = true;
}
