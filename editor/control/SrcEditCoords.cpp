#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditWordWrapper.h"

namespace {
constexpr char kTab = '\t';

// N / D rounded to the nearest integer, halves to the even one (D > 0).
int64_t RoundDivHalfEven(int64_t N, int64_t D) {
    int64_t q = N / D;
    int64_t r = N % D;
    if (r < 0) {
        --q;
        r += D;
    }
    if (2 * r > D || (2 * r == D && (q % 2) != 0)) {
        ++q;
    }
    return q;
}
}  // namespace

TDisplayCoord TCustomSrcEdit::BufferToDisplayPos(const TBufferCoord& p) const {
    TDisplayCoord result = DisplayCoord(p.Char, p.Line);
    if (p.Line >= 1 && p.Line <= lines_->Count()) {
        result.Column = ClampToInt32(lines_->CellsOfBytes(p.Line - 1, int64_t{p.Char} - 1) + 1);
    }
    if (wordWrapper_) {
        result = wordWrapper_->BufferToDisplayPos(BufferCoord(result.Column, result.Row));
    }
    return result;
}

TBufferCoord TCustomSrcEdit::DisplayToBufferPos(const TDisplayCoord& p) const {
    TBufferCoord result = wordWrapper_ ? wordWrapper_->DisplayToBufferPos(p) : BufferCoord(p.Column, p.Row);
    if (result.Line >= 1 && result.Line <= lines_->Count()) {
        // The byte whose cells hold the column; none left of column 1.
        int64_t firstCell = 0;
        int64_t cell = int64_t{result.Char} - 1;
        result.Char = cell < 0 ? 0 : ClampToInt32(lines_->ByteOfCell(result.Line - 1, cell, firstCell) + 1);
    }
    return result;
}

TPoint TCustomSrcEdit::RowColumnToPixels(const TDisplayCoord& RowCol) const {
    return Point(ClampToInt32((int64_t{RowCol.Column} - 1) * charWidth_ + textOffset_),
                 ClampToInt32((int64_t{RowCol.Row} - topLine_) * textHeight_));
}

TDisplayCoord TCustomSrcEdit::PixelsToRowColumn(int aX, int aY) const {
    int64_t dx = int64_t{aX} - gutterWidth_ - 2;
    int64_t column = int64_t{leftChar_} + (charWidth_ > 0 ? dx / charWidth_ : 0);
    int64_t row = int64_t{topLine_} + (textHeight_ > 0 ? aY / textHeight_ : 0);
    return DisplayCoord(ClampToInt32(std::max<int64_t>(1, column)), ClampToInt32(std::max<int64_t>(1, row)));
}

TDisplayCoord TCustomSrcEdit::PixelsToNearestRowColumn(int aX, int aY) const {
    int64_t bottom = int64_t{linesInWindow_} * textHeight_;
    int64_t y = aY;
    if (y >= bottom) {
        y = std::max<int64_t>(bottom - 1, 0);
    }
    int64_t dx = int64_t{aX} - gutterWidth_ - 2;
    int64_t column = int64_t{leftChar_} + (charWidth_ > 0 ? RoundDivHalfEven(dx, charWidth_) : 0);
    int64_t row = int64_t{topLine_} + (textHeight_ > 0 ? y / textHeight_ : 0);
    return DisplayCoord(ClampToInt32(std::max<int64_t>(1, column)), ClampToInt32(std::max<int64_t>(1, row)));
}

int TCustomSrcEdit::LeftSpacesEx(const std::string& Line, bool WantTabs) const {
    if (Line.empty() || !options_.Contains(eoAutoIndent)) {
        return 0;
    }
    int64_t count = 0;
    for (char c : Line) {
        auto code = static_cast<unsigned char>(c);
        if (code < 1 || code > 32) {
            break;
        }
        count += (c == kTab && WantTabs) ? tabWidth_ : 1;
    }
    return ClampToInt32(count);
}

std::string TCustomSrcEdit::GetLeftSpacing(int CharCount, bool WantTabs) const {
    if (CharCount <= 0) {
        return std::string();
    }
    if (WantTabs && !options_.Contains(eoTabsToSpaces) && CharCount >= tabWidth_) {
        return std::string(static_cast<size_t>(CharCount / tabWidth_), kTab) +
               std::string(static_cast<size_t>(CharCount % tabWidth_), ' ');
    }
    return std::string(static_cast<size_t>(CharCount), ' ');
}
