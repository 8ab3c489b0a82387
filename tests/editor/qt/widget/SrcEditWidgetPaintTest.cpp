#include "tests/editor/qt/widget/WidgetScene.h"

namespace {

class SrcEditWidgetPaintTest : public ::testing::Test, public WidgetScene {
protected:
    QImage Scene(const std::string& Name) {
        QImage image = Repaint();
        SavePng(image, Name);
        return image;
    }
    // The rightmost column of ink (darker than mid-grey) in [Left, Right) of
    // the row's middle band, or -1.
    int RightmostInk(const QImage& Image, int Row, int Left, int Right) const {
        int top = (Row - widget->TopLine()) * widget->LineHeight();
        for (int x = Right - 1; x >= Left; --x) {
            for (int y = top; y < top + widget->LineHeight(); ++y) {
                if (qGray(Image.pixel(x, y)) < 128) {
                    return x;
                }
            }
        }
        return -1;
    }
};

TEST_F(SrcEditWidgetPaintTest, BackgroundGutterAndRightEdge) {
    SetLines({"int a;", "", "b"});
    widget->SetRightEdge(20);
    QImage image = Scene("background");
    EXPECT_EQ(image.pixel(Cell(10, 1)), Rgb(clWhite));
    EXPECT_EQ(image.pixel(Cell(10, 10)), Rgb(clWhite));  // below the last line
    EXPECT_EQ(image.pixel(GutterRow(2)), Rgb(widget->Gutter().Color()));
    int edge = widget->TextOffset() + 20 * widget->CharWidth();
    EXPECT_EQ(image.pixel(edge, Cell(1, 2).y()), Rgb(widget->RightEdgeColor()));
    EXPECT_EQ(image.pixel(edge, Cell(1, 10).y()), Rgb(widget->RightEdgeColor()));
    EXPECT_EQ(image.pixel(edge + 1, Cell(1, 2).y()), Rgb(clWhite));
    widget->SetLeftChar(3);  // the edge moves with the text
    image = Scene("background-scrolled");
    EXPECT_EQ(image.pixel(edge - 2 * widget->CharWidth(), Cell(1, 2).y()), Rgb(widget->RightEdgeColor()));
}

TEST_F(SrcEditWidgetPaintTest, SelectionInTheThreeModes) {
    SetLines({"a    b", "c    d", "e", "f    g"});
    QRgb selected = Rgb(widget->SelectedColor().Background());
    widget->SetBlockBegin(BufferCoord(2, 1));
    widget->SetBlockEnd(BufferCoord(4, 1));
    QImage image = Scene("selection-normal");
    EXPECT_EQ(image.pixel(Cell(3, 1)), selected);
    EXPECT_EQ(image.pixel(Cell(5, 1)), Rgb(clWhite));
    EXPECT_EQ(image.pixel(Cell(3, 2)), Rgb(clWhite));

    widget->SetSelectionMode(smLine);
    widget->SetBlockBegin(BufferCoord(1, 2));
    widget->SetBlockEnd(BufferCoord(1, 3));
    image = Scene("selection-line");
    EXPECT_EQ(image.pixel(Cell(3, 2)), selected);
    EXPECT_EQ(image.pixel(Cell(40, 2)), selected);  // past the line's end
    EXPECT_EQ(image.pixel(Cell(40, 3)), selected);
    EXPECT_EQ(image.pixel(Cell(3, 4)), Rgb(clWhite));

    widget->SetSelectionMode(smColumn);
    widget->SetBlockBegin(BufferCoord(3, 2));
    widget->SetBlockEnd(BufferCoord(5, 4));
    image = Scene("selection-column");
    EXPECT_EQ(image.pixel(Cell(3, 2)), selected);
    EXPECT_EQ(image.pixel(Cell(4, 3)), selected);  // a line shorter than the rectangle
    EXPECT_EQ(image.pixel(Cell(4, 4)), selected);
    EXPECT_EQ(image.pixel(Cell(2, 3)), Rgb(clWhite));
    EXPECT_EQ(image.pixel(Cell(6, 3)), Rgb(clWhite));
}

TEST_F(SrcEditWidgetPaintTest, LineNumbersAreRightAligned) {
    for (int i = 0; i < 12; ++i) {
        widget->Lines().Add("x");
    }
    widget->Gutter().SetShowLineNumbers(true);
    QImage image = Scene("line-numbers");
    int right = widget->GutterWidth() - widget->Gutter().RightOffset() - 2;
    int one = RightmostInk(image, 1, 0, widget->GutterWidth() - 2);
    int ten = RightmostInk(image, 10, 0, widget->GutterWidth() - 2);
    ASSERT_GE(one, 0);
    EXPECT_EQ(one, ten);
    EXPECT_LE(one, right);
    EXPECT_GT(one, right - widget->CharWidth());
}

TEST_F(SrcEditWidgetPaintTest, BookmarkGlyphsInTheGutter) {
    SetLines({"a", "b", "c"});
    widget->SetBookMark(1, 1, 2);
    QImage image = Scene("bookmarks");
    int left = widget->BookMarkOptions().LeftMargin();
    bool glyph = false;
    for (int x = left; x < left + 12; ++x) {
        glyph = glyph || image.pixel(GutterRow(2, x)) != Rgb(widget->Gutter().Color());
    }
    EXPECT_TRUE(glyph);
    for (int x = left; x < left + 12; ++x) {
        EXPECT_EQ(image.pixel(GutterRow(3, x)), Rgb(widget->Gutter().Color()));
    }
}

TEST_F(SrcEditWidgetPaintTest, SpecialCharactersAreShown) {
    SetLines({"a b\tc"});
    QImage plain = Scene("special-off");
    EXPECT_FALSE(CellHasInk(plain, 2, 1, clWhite));
    EXPECT_FALSE(CellHasInk(plain, 6, 1, clWhite));
    WithOption(eoShowSpecialChars, true);
    QImage shown = Scene("special-on");
    EXPECT_TRUE(CellHasInk(shown, 2, 1, clWhite));  // the space's middle dot
    bool tab = false;
    for (int column = 4; column <= 8; ++column) {
        tab = tab || CellHasInk(shown, column, 1, clWhite);
    }
    EXPECT_TRUE(tab);                                // the tab's glyph
    EXPECT_TRUE(CellHasInk(shown, 10, 1, clWhite));  // the pilcrow after "c"
}

TEST_F(SrcEditWidgetPaintTest, ActiveLineAndSteadyBlockCaret) {
    SetLines({"abc", "def", "ghi"});
    widget->SetActiveLineColor(clYellow);
    widget->SetCaretXY(BufferCoord(2, 2));
    QImage image = Scene("active-line");
    EXPECT_EQ(image.pixel(Cell(20, 2)), Rgb(clYellow));
    EXPECT_EQ(image.pixel(Cell(20, 1)), Rgb(clWhite));

    ASSERT_TRUE(Focus());
    widget->SetActiveLineColor(clNone);
    widget->SetInsertMode(false);
    widget->SetCaretXY(BufferCoord(10, 1));
    image = Scene("block-caret");
    QRgb inverted = qRgb(0, 0, 0);  // white inverted
    EXPECT_EQ(image.pixel(Cell(10, 1)), inverted);
    EXPECT_EQ(image.pixel(Cell(10, 1) + QPoint(-widget->CharWidth() / 2, 0)), inverted);
    EXPECT_EQ(image.pixel(Cell(11, 1)), Rgb(clWhite));
    ASSERT_TRUE(WaitUntil([&] { return Screen().pixel(Cell(10, 1)) == inverted; }, 5s, "the caret on the screen"));
    // Steady: the screen keeps the caret for longer than a blink would.
    EXPECT_FALSE(WaitUntil([&] { return Screen().pixel(Cell(10, 1)) != inverted; }, 700ms, "the caret to blink off"));
}

}  // namespace
