#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditTokenRun.h"
#include "editor/control/SrcEditWordWrapper.h"
#include "editor/control/SrcLineTokens.h"
#include "editor/control/SrcTextDrawerBase.h"
#include "editor/control/SrcWindowServices.h"
#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/support/SrcCanvas.h"

namespace {
constexpr int64_t kEndless = INT64_MAX / 4;
constexpr char kSpaceGlyph = '\xB7';
constexpr char kTabGlyph = '\xBB';
constexpr char kLineEndGlyph = '\xB6';

bool AllSpaces(const std::string& Cells) {
    return Cells.find_first_not_of(" \t") == std::string::npos;
}
}  // namespace

// Paints the text area row by row for one clip rectangle.
class TTextLinesPainter {
public:
    TTextLinesPainter(TCustomSrcEdit& Edit, TSrcCanvas& Canvas, const TRect& Clip, int FirstCol, int LastCol)
        : e_(Edit), canvas_(Canvas), drawer_(*Edit.textDrawer_), clip_(Clip), firstCol_(FirstCol),
          lastCol_(LastCol), cw_(Edit.charWidth_), th_(Edit.textHeight_),
          showSpecial_(Edit.options_.Contains(eoShowSpecialChars)) {
        edgeX_ = int64_t{Edit.textOffset_} + int64_t{Edit.rightEdge_} * cw_;
        edgeVisible_ = Edit.rightEdge_ > 0 && edgeX_ >= Clip.Left && edgeX_ < Clip.Right;
        bool focused = Edit.window_ && Edit.window_->Focused();
        anySelection_ = Edit.SelAvail() && (!Edit.hideSelection_ || focused);
        if (anySelection_) {
            selStart_ = Edit.BufferToDisplayPos(Edit.BlockBegin());
            selEnd_ = Edit.BufferToDisplayPos(Edit.BlockEnd());
            if (Edit.activeSelectionMode_ == smColumn && selStart_.Column > selEnd_.Column) {
                std::swap(selStart_.Column, selEnd_.Column);
            }
        }
    }

    void PaintRow(int Row);
    void PaintBelow(int FirstRow);

private:
    int64_t ColumnX(int64_t Column) const { return (Column - 1) * cw_ + e_.textOffset_; }
    TRect CellsRect(int64_t First, int64_t Last) const {
        return Rect(ClampToInt32(ColumnX(First)), top_, ClampToInt32(ColumnX(Last + 1)), top_ + th_);
    }
    void LoadRow(int Row);
    void RowColors();
    void RowSelection(int Row);
    void AddToken(int64_t Column, const std::string& Cells, TFontStyles Style, TColor Fg, TColor Bg);
    bool IsTab(int64_t Column) const;
    bool CanMerge(const std::string& Cells, TFontStyles Style, TColor Fg, TColor Bg) const;
    void Flush();
    void DrawPart(int64_t First, int64_t Last, TFontStyles Style, TColor Fg, TColor Bg);
    void DrawTabGlyphs(int64_t First, int64_t Last, TFontStyles Style, TColor Fg, TColor Bg);
    void AddHighlightedTokens();
    void FillRest();
    void DrawCells(int64_t X, const TRect& R, const std::string& Text, TFontStyles Style, TColor Fg, TColor Bg);

    TCustomSrcEdit& e_;
    TSrcCanvas& canvas_;
    TSrcTextDrawerBase& drawer_;
    TRect clip_;
    int64_t firstCol_;
    int64_t lastCol_;
    int cw_;
    int th_;
    bool showSpecial_;
    int64_t edgeX_ = 0;
    bool edgeVisible_ = false;
    bool anySelection_ = false;
    TDisplayCoord selStart_;
    TDisplayCoord selEnd_;

    // The row being painted.
    int line_ = 0;
    int top_ = 0;
    std::string text_;        // its cells from textFrom_, tabs expanded, as far as painting needs them
    int64_t textFrom_ = 1;    // row column of text_[0]
    int64_t rowLength_ = 0;   // all its cells
    int64_t rowStartCol_ = 1;  // line column of its first cell
    bool lineEnds_ = true;    // the line's last row
    int64_t selFrom_ = 0;     // selected display columns [from, to)
    int64_t selTo_ = 0;
    bool wholeSelected_ = false;
    TColor fg_ = clNone;
    TColor bg_ = clNone;
    bool special_ = false;
    TColor specialFg_ = clNone;
    TColor specialBg_ = clNone;
    TColor selFg_ = clNone;
    TColor selBg_ = clNone;
    TSrcTokenRun run_;
};

// Only the cells from a tab's width left of the first painted column (for
// the tab glyphs) to a tab's width past the last are expanded: a long line
// costs what shows of it.
void TTextLinesPainter::LoadRow(int Row) {
    line_ = e_.RowToLine(Row);
    top_ = ClampToInt32((int64_t{Row} - e_.topLine_) * th_);
    int64_t lineLength = e_.lines_->ExpandedStringLengths(line_ - 1);
    int64_t needed = lastCol_ + e_.tabWidth_;
    textFrom_ = std::max<int64_t>(firstCol_ - e_.tabWidth_, 1);
    int64_t from = 0;  // line cells left of the row
    rowStartCol_ = 1;
    rowLength_ = lineLength;
    if (e_.wordWrapper_) {
        // The wrapper maps rows to the line's display columns.
        rowStartCol_ = std::max(e_.wordWrapper_->DisplayToBufferPos(DisplayCoord(1, Row)).Char, 1);
        from = std::min(rowStartCol_ - 1, lineLength);
        rowLength_ = std::min(std::max<int64_t>(e_.wordWrapper_->GetRowLength(Row), 0), lineLength - from);
    }
    text_ = e_.lines_->ExpandedCells(line_ - 1, from + textFrom_ - 1, std::min(needed, rowLength_) - textFrom_ + 1);
    lineEnds_ = from + rowLength_ >= lineLength;
}

void TTextLinesPainter::RowColors() {
    bg_ = e_.EditorBackground(line_);
    fg_ = e_.font_.Color();
    specialFg_ = fg_;
    specialBg_ = bg_;
    special_ = e_.DoOnSpecialLineColors(line_, specialFg_, specialBg_);
    if (special_) {
        specialFg_ = specialFg_ == clNone ? fg_ : specialFg_;
        specialBg_ = specialBg_ == clNone ? bg_ : specialBg_;
        selFg_ = specialBg_;
        selBg_ = specialFg_;
    } else {
        selFg_ = e_.selectedColor_->Foreground();
        selBg_ = e_.selectedColor_->Background();
    }
}

void TTextLinesPainter::RowSelection(int Row) {
    selFrom_ = selTo_ = 0;
    if (anySelection_) {
        TSrcSelectionMode mode = e_.activeSelectionMode_;
        if (mode == smLine) {
            if (line_ >= e_.BlockBegin().Line && line_ <= e_.BlockEnd().Line) {
                selFrom_ = 1;
                selTo_ = kEndless;
            }
        } else if (Row >= selStart_.Row && Row <= selEnd_.Row) {
            if (mode == smColumn) {
                selFrom_ = selStart_.Column;
                selTo_ = selEnd_.Column;
            } else {
                selFrom_ = Row == selStart_.Row ? selStart_.Column : 1;
                selTo_ = Row == selEnd_.Row ? selEnd_.Column : kEndless;
            }
        }
    }
    wholeSelected_ = selFrom_ <= 1 && selTo_ > rowLength_;
}

bool TTextLinesPainter::CanMerge(const std::string& Cells, TFontStyles Style, TColor Fg, TColor Bg) const {
    bool spaces = AllSpaces(Cells);
    bool styleFits = run_.Style == Style ||
                     (spaces && !run_.Style.Contains(fsUnderline) && !Style.Contains(fsUnderline));
    if (!styleFits) {
        return false;
    }
    if (wholeSelected_ || (special_ && !e_.options_.Contains(eoSpecialLineDefaultFg))) {
        return true;
    }
    return run_.Background == Bg && (run_.Foreground == Fg || spaces);
}

void TTextLinesPainter::AddToken(int64_t Column, const std::string& Cells, TFontStyles Style, TColor Fg, TColor Bg) {
    int64_t last = std::min<int64_t>(lastCol_, textFrom_ + static_cast<int64_t>(text_.size()) - 1);
    int64_t first = std::max(Column, firstCol_);
    int64_t end = std::min(Column + static_cast<int64_t>(Cells.size()) - 1, last);
    if (first > end) {
        return;
    }
    std::string visible = Cells.substr(static_cast<size_t>(first - Column), static_cast<size_t>(end - first + 1));
    if (!run_.Empty() && CanMerge(visible, Style, Fg, Bg)) {
        run_.Append(visible);
        return;
    }
    Flush();
    run_.Start(first, visible, Style, Fg, Bg);
}

void TTextLinesPainter::Flush() {
    if (run_.Empty()) {
        return;
    }
    int64_t first = run_.Column;
    int64_t last = run_.LastColumn();
    TColor fg = run_.Foreground;
    TColor bg = run_.Background;
    if (special_) {
        fg = e_.options_.Contains(eoSpecialLineDefaultFg) ? fg : specialFg_;
        bg = specialBg_;
    }
    if (selTo_ <= selFrom_) {
        DrawPart(first, last, run_.Style, fg, bg);
    } else {
        DrawPart(first, std::min(last, selFrom_ - 1), run_.Style, fg, bg);
        DrawPart(std::max(first, selFrom_), std::min(last, selTo_ - 1), run_.Style, selFg_, selBg_);
        DrawPart(std::max(first, selTo_), last, run_.Style, fg, bg);
    }
    run_.Clear();
}

void TTextLinesPainter::DrawCells(int64_t X, const TRect& R, const std::string& Text, TFontStyles Style, TColor Fg,
                                  TColor Bg) {
    drawer_.SetStyle(Style);
    drawer_.SetForeColor(Fg);
    drawer_.SetBackColor(Bg);
    drawer_.ExtTextOut(ClampToInt32(X), top_, ETO_OPAQUE | ETO_CLIPPED, R, Text.data(),
                       static_cast<int>(Text.size()));
}

void TTextLinesPainter::DrawPart(int64_t First, int64_t Last, TFontStyles Style, TColor Fg, TColor Bg) {
    if (First > Last) {
        return;
    }
    std::string cells = run_.Text.substr(static_cast<size_t>(First - run_.Column), static_cast<size_t>(Last - First + 1));
    for (char& c : cells) {
        if (c == ' ' && showSpecial_) {
            c = kSpaceGlyph;
        } else if (c == '\t') {
            c = ' ';
        }
    }
    DrawCells(ColumnX(First), CellsRect(First, Last), cells, Style, Fg, Bg);
    if (showSpecial_) {
        DrawTabGlyphs(First, Last, Style, Fg, Bg);
    }
}

// One glyph per tab, in the middle of the tab's cells, drawn by the part
// that holds the glyph's cell.
void TTextLinesPainter::DrawTabGlyphs(int64_t First, int64_t Last, TFontStyles Style, TColor Fg, TColor Bg) {
    int tabWidth = e_.tabWidth_;
    auto atStop = [&](int64_t Column) { return (rowStartCol_ + Column - 2) % tabWidth == 0; };
    for (int64_t c = First; c <= Last; ++c) {
        if (!IsTab(c)) {
            continue;
        }
        int64_t start = c;
        while (!atStop(start) && IsTab(start - 1)) {
            --start;
        }
        int64_t n = 1;
        while (IsTab(start + n) && !atStop(start + n)) {
            ++n;
        }
        int64_t glyphColumn = start + n / 2 - (n % 2 == 0 ? 1 : 0);
        if (glyphColumn >= First && glyphColumn <= Last) {
            int64_t x = ColumnX(start + n / 2 - 1) + (n % 2 == 0 ? cw_ / 2 : cw_);
            TRect cell = Rect(ClampToInt32(x), top_, ClampToInt32(x + cw_), top_ + th_);
            DrawCells(x, cell, std::string(1, kTabGlyph), Style, Fg, Bg);
        }
        c = start + n - 1;
    }
}

bool TTextLinesPainter::IsTab(int64_t Column) const {
    int64_t i = Column - textFrom_;
    return i >= 0 && i < static_cast<int64_t>(text_.size()) && text_[static_cast<size_t>(i)] == '\t';
}

void TTextLinesPainter::AddHighlightedTokens() {
    bool activeLine = e_.activeLineColor_ != clNone && line_ == e_.caretY_;
    int64_t rowEnd = rowStartCol_ + rowLength_;  // line column after the row
    int64_t textStart = rowStartCol_ + textFrom_ - 1;  // line column of text_[0]
    int64_t lastVisible = rowStartCol_ + std::min<int64_t>(lastCol_, rowLength_) - 1;
    if (lastVisible < textStart) {
        return;
    }
    // The byte under text_[0], and the line column where its cells start.
    int64_t firstCell = 0;
    int64_t bytePos = e_.lines_->ByteOfCell(line_ - 1, textStart - 1, firstCell);
    int64_t col = firstCell + 1;
    // A byte takes at least one cell: the visible bytes end before byteEnd.
    int64_t byteEnd = bytePos + (lastVisible - col) + 1;
    const std::string& raw = e_.lines_->Line(line_ - 1);
    int tabWidth = e_.tabWidth_;
    auto advance = [&](int64_t To) {
        for (To = std::min(To, byteEnd); bytePos < To && bytePos < static_cast<int64_t>(raw.size()); ++bytePos) {
            col += raw[static_cast<size_t>(bytePos)] == '\t' ? tabWidth - (col - 1) % tabWidth : 1;
        }
    };
    e_.ForEachTokenIn(line_, bytePos, byteEnd, [&](const TSrcTokenSpan& Token) {
        advance(Token.Start);
        int64_t first = col;
        advance(Token.End);
        int64_t end = std::min(col, rowEnd);  // line column after the token
        if (first > lastVisible) {
            return false;
        }
        int64_t from = std::max(first, textStart);
        if (end <= from) {
            return true;
        }
        std::string cells = text_.substr(static_cast<size_t>(from - textStart), static_cast<size_t>(end - from));
        TSrcHighlighterAttributes* attri = Token.Attri;
        TColor fg = attri && attri->Foreground() != clNone ? attri->Foreground() : fg_;
        TColor bg = attri && attri->Background() != clNone && !activeLine ? attri->Background() : bg_;
        AddToken(from - rowStartCol_ + 1, cells, attri ? attri->Style() : e_.font_.Style(), fg, bg);
        return true;
    });
}

// The row right of its text: the editor or special background, the
// selection where it runs past the end; the line-end mark.
void TTextLinesPainter::FillRest() {
    int64_t eol = rowLength_ + 1;
    int64_t first = std::max(eol, firstCol_);
    int64_t left = std::max<int64_t>(ColumnX(first), clip_.Left);
    TColor bg = special_ ? specialBg_ : bg_;
    auto fill = [&](int64_t From, int64_t To, TColor Color) {
        From = std::max(From, left);
        To = std::min<int64_t>(To, clip_.Right);
        if (From < To) {
            canvas_.FillRect(Rect(ClampToInt32(From), top_, ClampToInt32(To), top_ + th_), Color);
        }
    };
    if (selTo_ > selFrom_ && selTo_ > first) {
        int64_t selLeft = ColumnX(std::max(selFrom_, first));
        int64_t selRight = selTo_ >= kEndless ? clip_.Right : ColumnX(selTo_);
        fill(left, selLeft, bg);
        fill(selLeft, selRight, selBg_);
        fill(selRight, clip_.Right, bg);
    } else {
        fill(left, clip_.Right, bg);
    }
    if (showSpecial_ && lineEnds_ && eol >= firstCol_ && eol <= lastCol_) {
        bool selected = eol >= selFrom_ && eol < selTo_;
        TColor fg = selected ? selFg_ : (special_ ? specialFg_ : fg_);
        DrawCells(ColumnX(eol), CellsRect(eol, eol), std::string(1, kLineEndGlyph), e_.font_.Style(), fg,
                  selected ? selBg_ : bg);
    }
}

void TTextLinesPainter::PaintRow(int Row) {
    LoadRow(Row);
    RowColors();
    RowSelection(Row);
    int gutterRight = e_.gutterWidth_ + 2;
    if (clip_.Left < gutterRight) {
        canvas_.FillRect(Rect(clip_.Left, top_, gutterRight, top_ + th_), special_ ? specialBg_ : bg_);
    }
    if (e_.highlighter_) {
        AddHighlightedTokens();
    } else {
        AddToken(textFrom_, text_, e_.font_.Style(), fg_, bg_);
    }
    Flush();
    FillRest();
    if (edgeVisible_) {
        canvas_.Line(ClampToInt32(edgeX_), top_, ClampToInt32(edgeX_), top_ + th_, e_.rightEdgeColor_);
    }
}

void TTextLinesPainter::PaintBelow(int FirstRow) {
    int64_t top = std::max<int64_t>((int64_t{FirstRow} - e_.topLine_) * th_, clip_.Top);
    if (top >= clip_.Bottom) {
        return;
    }
    canvas_.FillRect(Rect(clip_.Left, ClampToInt32(top), clip_.Right, clip_.Bottom), e_.EditorBackground(0));
    if (edgeVisible_) {
        canvas_.Line(ClampToInt32(edgeX_), ClampToInt32(top), ClampToInt32(edgeX_), clip_.Bottom, e_.rightEdgeColor_);
    }
}

TColor TCustomSrcEdit::EditorBackground(int Line) const {
    if (activeLineColor_ != clNone && Line == caretY_) {
        return activeLineColor_;
    }
    if (highlighter_) {
        TSrcHighlighterAttributes* whitespace = highlighter_->GetDefaultAttribute(SRC_ATTR_WHITESPACE);
        if (whitespace && whitespace->Background() != clNone) {
            return whitespace->Background();
        }
    }
    return Color;
}

void TCustomSrcEdit::PaintTextLines(TSrcCanvas& ACanvas, const TRect& AClip, int FirstRow, int LastRow,
                                    int FirstCol, int LastCol) {
    TTextLinesPainter painter(*this, ACanvas, AClip, FirstCol, LastCol);
    textDrawer_->BeginDrawing(ACanvas);
    try {
        for (int row = FirstRow; row <= LastRow; ++row) {
            painter.PaintRow(row);
        }
        painter.PaintBelow(std::max(LastRow + 1, FirstRow));
    } catch (...) {
        textDrawer_->EndDrawing();
        throw;
    }
    textDrawer_->EndDrawing();
}
