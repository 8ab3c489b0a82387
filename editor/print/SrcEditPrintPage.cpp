#include <algorithm>
#include <climits>
#include <cstdint>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/print/SrcEditPrint.h"
#include "editor/print/SrcPrintCanvas.h"

void TSrcEditPrint::PrintPage(int Num) {
    if (!Status(psNewPage, Num)) {
        return;
    }
    TSrcPrintCanvas& canvas = *canvas_;
    canvas.SetFont(font_);
    margins_.InitPage(canvas, Num, printerInfo_, lineNumbers_, lineNumbersInMargin_, MaxLineNumber());
    canvas.FillRect({margins_.PLeft, margins_.PTop, margins_.PRight, margins_.PBottom}, Color);
    int shown = static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(Num) + PageOffset, INT_MIN, INT_MAX));
    header_.Print(canvas, shown);
    PrintLinesOfPage(Num);
    footer_.Print(canvas, shown);
}

void TSrcEditPrint::PrintLinesOfPage(int Num) {
    const TPageLine start = pages_[static_cast<size_t>(Num - 1)];
    const TPageLine end = Num < static_cast<int>(pages_.size()) ? pages_[static_cast<size_t>(Num)]
                                                                 : TPageLine{LastPrintedLine() + 1, 0};
    int y = margins_.PTop;
    for (int i = start.Line; i < end.Line || (i == end.Line && end.Row > 0); ++i) {
        int firstRow = i == start.Line ? start.Row : 0;
        int endRow = i == end.Line ? end.Row : INT_MAX;
        if (firstRow == 0 && lineNumbers_) {
            WriteLineNumber(i, y);
        }
        TPrintedLine line = PrintedLine(i);
        std::vector<int> starts = RowStarts(line);
        endRow = std::min(endRow, static_cast<int>(starts.size()));
        if (useHighlight_) {
            WriteTokenRows(i, line, starts, firstRow, endRow, y);
        } else {
            WritePlainRows(line, starts, firstRow, endRow, y);
        }
        y += (endRow - firstRow) * lineHeight_;
        if (OnPrintLine) {
            OnPrintLine(this, i + 1, Num);
        }
    }
}

void TSrcEditPrint::WriteLineNumber(int Index, int Y) {
    TSrcPrintFont plain = font_;
    plain.SetStyle({});
    plain.SetColor(clBlack);
    canvas_->SetFont(plain);
    canvas_->Brush = {Color, bsSolid};
    std::string text = std::to_string(static_cast<int64_t>(Index) + 1 + lineOffset_) + ": ";
    canvas_->TextOutCells(margins_.PLeft - canvas_->TextWidth(text), Y, text, 0);
}

void TSrcEditPrint::WritePlainRows(const TPrintedLine& Line, const std::vector<int>& Starts, int FirstRow,
                                   int EndRow, int Y) {
    SetTokenLook(nullptr);
    const int length = Line.End - Line.Start;
    for (int row = FirstRow; row < EndRow; ++row) {
        int begin = Starts[static_cast<size_t>(row)];
        int end = row + 1 < static_cast<int>(Starts.size()) ? Starts[static_cast<size_t>(row) + 1] : length;
        WritePiece(margins_.PLeft, Y + (row - FirstRow) * lineHeight_, Line.Text->data() + Line.Start + begin,
                   end - begin);
    }
}

void TSrcEditPrint::WriteTokenRows(int Index, const TPrintedLine& Line, const std::vector<int>& Starts,
                                   int FirstRow, int EndRow, int Y) {
    const int rows = static_cast<int>(Starts.size());
    const int stop = EndRow < rows ? Starts[static_cast<size_t>(EndRow)] : Line.End - Line.Start;
    highlighter_->SetRange(ranges_[static_cast<size_t>(Index)]);
    highlighter_->SetLine(*Line.Text, Index);
    while (!highlighter_->GetEol()) {
        int pos = highlighter_->GetTokenPos();
        int tokenEnd = pos + static_cast<int>(highlighter_->GetToken().size());
        int from = std::max(pos, Line.Start) - Line.Start;
        int to = std::min(tokenEnd, Line.End) - Line.Start;
        if (from >= stop) {
            break;
        }
        if (from < to) {
            SetTokenLook(highlighter_->GetTokenAttribute());
            int row = static_cast<int>(std::upper_bound(Starts.begin(), Starts.end(), from) - Starts.begin()) - 1;
            while (from < to && row < EndRow) {
                int rowEnd = row + 1 < rows ? Starts[static_cast<size_t>(row) + 1] : INT_MAX;
                int pieceEnd = std::min(to, rowEnd);
                if (row >= FirstRow) {
                    WritePiece(margins_.PLeft + (from - Starts[static_cast<size_t>(row)]) * charWidth_,
                               Y + (row - FirstRow) * lineHeight_, Line.Text->data() + Line.Start + from,
                               pieceEnd - from);
                }
                from = pieceEnd;
                ++row;
            }
        }
        highlighter_->Next();
    }
}

void TSrcEditPrint::SetTokenLook(TSrcHighlighterAttributes* Attribute) {
    TSrcPrintFont look = font_;
    TColor foreground = defaultColor_;
    TColor background = Color;
    if (Attribute) {
        look.SetStyle(Attribute->Style());
        if (Colors) {
            foreground = Attribute->Foreground() != clNone ? Attribute->Foreground() : defaultColor_;
            background = Attribute->Background() != clNone ? Attribute->Background() : Color;
        }
    }
    look.SetColor(foreground);
    canvas_->SetFont(look);
    // The page inside the margins is already filled with Color.
    canvas_->Brush = {background, background == Color ? bsClear : bsSolid};
}

void TSrcEditPrint::WritePiece(int X, int Y, const char* Text, int Length) {
    // Cells that would end past the printable edge are left out.
    int fits = (RightEdge() - X) / charWidth_;
    Length = std::clamp(fits, 0, Length);
    if (Length > 0) {
        canvas_->TextOutCells(X, Y, std::string(Text, static_cast<size_t>(Length)), charWidth_);
    }
}
