#include "tests/editor/qt/widget/WidgetScene.h"

#include <map>

#include "editor/control/SrcWordWrapPlugin.h"

namespace {

// A line of words and blanks, Length characters long.
std::string WordsLine(int Length) {
    static const char* const kWords[] = {"alpha", "be", "gamma", "delta", "epsilon", "zeta", "eta", "theta"};
    std::string line;
    for (int i = 0; static_cast<int>(line.size()) < Length; ++i) {
        line += std::string(kWords[i % 8]) + " ";
    }
    line.resize(static_cast<size_t>(Length));
    line.back() = 'z';
    return line;
}

// A 200-character line of words, wrapped in a window 40 columns wide.
class SrcEditWidgetWordWrapTest : public ::testing::Test, public WidgetScene {
protected:
    SrcEditWidgetWordWrapTest() {
        widget->SetText(WordsLine(200));
        widget->SetWordWrap(true);
        EXPECT_TRUE(SetColumns(40));
    }
    ~SrcEditWidgetWordWrapTest() override { widget->SetWordWrap(false); }

    ::testing::AssertionResult SetColumns(int Columns) {
        auto widthFor = [&] {
            int frame = widget->width() - widget->viewport()->width();
            return frame + widget->GutterWidth() + 2 + Columns * widget->CharWidth();
        };
        // A scroll bar that comes or goes changes the frame: resize again.
        return WaitUntil(
            [&] {
                if (widget->CharsInWindow() != Columns) {
                    widget->resize(widthFor(), widget->height());
                }
                return widget->CharsInWindow() == Columns;
            },
            5s, std::to_string(Columns) + " columns in the window");
    }
    // Each character's ink on the cell the control maps it to, and no ink
    // after a row's last character.
    void ExpectLinePaintedAsWrapped(const std::string& Step) {
        QImage image = Repaint();
        SavePng(image, Step);
        std::string line = widget->Lines()[0];
        std::map<int, int> rowEnds;
        for (int c = 1; c <= static_cast<int>(line.size()); ++c) {
            TDisplayCoord at = widget->BufferToDisplayPos(BufferCoord(c, 1));
            ASSERT_LE(at.Column, widget->CharsInWindow() + 1) << Step << ": character " << c;
            EXPECT_EQ(CellHasInk(image, at.Column, at.Row), line[static_cast<size_t>(c - 1)] != ' ')
                << Step << ": character " << c << " at " << at.Column << ", " << at.Row;
            rowEnds[at.Row] = std::max(rowEnds[at.Row], at.Column);
        }
        ASSERT_EQ(static_cast<int>(rowEnds.size()), widget->GetDisplayLineCount()) << Step;
        for (auto [row, end] : rowEnds) {
            for (int column = end + 1; column <= widget->CharsInWindow(); ++column) {
                EXPECT_FALSE(CellHasInk(image, column, row)) << Step << ": column " << column << " of row " << row;
            }
        }
    }
    // Pixels of the row's wrap-mark place in the gutter that differ from
    // the gutter's colour beside it.
    int MarkPixels(const QImage& Image, int Row) const {
        int right = widget->GutterWidth() - widget->Gutter().RightOffset() - 2;
        int left = right - widget->WordWrapGlyph().Width();
        int top = (Row - widget->TopLine()) * widget->LineHeight();
        QRgb background = Image.pixel(1, top + 1);
        int count = 0;
        for (int y = top; y < top + widget->LineHeight(); ++y) {
            for (int x = left; x < right; ++x) {
                count += Image.pixel(x, y) != background;
            }
        }
        return count;
    }
};

TEST_F(SrcEditWidgetWordWrapTest, TheLinePaintsOnTheRowsThePlugInReports) {
    EXPECT_GE(widget->GetDisplayLineCount(), 5);
    ExpectLinePaintedAsWrapped("wrapped-at-40");
}

TEST_F(SrcEditWidgetWordWrapTest, EveryContinuedRowHasTheWrapMarkInTheGutter) {
    ASSERT_GT(widget->WordWrapGlyph().Width(), 0);
    QImage image = Repaint();
    EXPECT_EQ(MarkPixels(image, 1), 0);
    for (int row = 2; row <= widget->GetDisplayLineCount(); ++row) {
        EXPECT_GT(MarkPixels(image, row), 10) << "row " << row;
    }
    EXPECT_EQ(MarkPixels(image, widget->GetDisplayLineCount() + 1), 0);
}

TEST_F(SrcEditWidgetWordWrapTest, ANarrowerWidgetReWrapsTheLine) {
    int rowsAt40 = widget->GetDisplayLineCount();
    ASSERT_TRUE(SetColumns(30));
    EXPECT_GT(widget->GetDisplayLineCount(), rowsAt40);
    EXPECT_EQ(widget->GetDisplayLineCount(), TSrcWordWrapPlugin(widget.get()).GetRowCount());
    ExpectLinePaintedAsWrapped("wrapped-at-30");
    EXPECT_GT(MarkPixels(Repaint(), widget->GetDisplayLineCount()), 10);
}

}  // namespace
