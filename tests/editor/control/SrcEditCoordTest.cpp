#include <gtest/gtest.h>

#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

class SrcEditCoordTest : public ::testing::Test, public SrcEditTestBase {};

// Buffer and display columns of tabbed lines both ways: a display column
// inside a tab is the tab's own character; past the end one cell each.
TEST_F(SrcEditCoordTest, TabbedLinesConvertBothWays) {
    SetLines({"a\tb", "\t\t"});
    struct Row {
        int TabWidth;
        TBufferCoord Buffer;
        int Column;
    };
    const Row rows[] = {{8, BufferCoord(1, 1), 1},  {8, BufferCoord(2, 1), 2},   {8, BufferCoord(3, 1), 9},
                        {8, BufferCoord(4, 1), 10}, {8, BufferCoord(14, 1), 20}, {4, BufferCoord(3, 1), 5},
                        {4, BufferCoord(3, 2), 9},  {3, BufferCoord(3, 2), 7},   {1, BufferCoord(3, 2), 3},
                        {1, BufferCoord(7, 5), 7}};
    for (const Row& r : rows) {
        SCOPED_TRACE("tab " + std::to_string(r.TabWidth) + " char " + std::to_string(r.Buffer.Char) + " line " +
                     std::to_string(r.Buffer.Line));
        edit->SetTabWidth(r.TabWidth);
        EXPECT_EQ(edit->BufferToDisplayPos(r.Buffer), DisplayCoord(r.Column, r.Buffer.Line));
        EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(r.Column, r.Buffer.Line)), r.Buffer);
    }
    edit->SetTabWidth(8);
    for (int column = 2; column <= 8; ++column) {
        EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(column, 1)), BufferCoord(2, 1)) << column;
    }
    edit->SetTabWidth(3);
    EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(6, 2)).Char, 2);
}

TEST_F(SrcEditCoordTest, HugePositionsNeitherOverflowNorLoop) {
    SetLines({"a\tb"});
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(2147483647, 1)).Column, 2147483647);
    EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(2147483647, 1)).Char, 2147483647 - 6);
    TPoint far = edit->RowColumnToPixels(DisplayCoord(2147483647, 2147483647));
    EXPECT_EQ(far.X, 2147483647);
    EXPECT_EQ(far.Y, 2147483647);
}

TEST_F(SrcEditCoordTest, PixelsMapToCells) {
    FillNumbered(100);
    int left = edit->GutterWidth() + 2;
    EXPECT_EQ(edit->RowColumnToPixels(DisplayCoord(3, 1)), Point(left + 16, 0));
    EXPECT_EQ(edit->PixelsToRowColumn(left + 17, 33), DisplayCoord(3, 3));
    EXPECT_EQ(edit->PixelsToRowColumn(0, 0), DisplayCoord(1, 1));
    edit->SetLeftChar(10);
    edit->SetTopLine(5);
    EXPECT_EQ(edit->RowColumnToPixels(DisplayCoord(10, 5)), Point(left, 0));
    // Left of the text area: LeftChar at most, never below 1.
    EXPECT_LE(edit->PixelsToRowColumn(left - 5, 0).Column, 10);
    EXPECT_EQ(edit->PixelsToRowColumn(-10000, -1000).Column, 1);
    EXPECT_EQ(edit->PixelsToRowColumn(-10000, -1000).Row, 1);
    // Below the last whole row the nearest cell is on the last row.
    edit->SetTopLine(1);
    EXPECT_EQ(edit->PixelsToNearestRowColumn(left, 20 * 16 + 7).Row, 20);
}

TEST_F(SrcEditCoordTest, IndentHelpers) {
    EXPECT_EQ(edit->LeftSpaces("  \tx"), 3);
    EXPECT_EQ(edit->LeftSpacesEx("  \tx", true), 10);
    EXPECT_EQ(edit->LeftSpaces(""), 0);
    WithOption(eoTabsToSpaces, false);
    EXPECT_EQ(edit->GetLeftSpacing(19, true), "\t\t   ");
    EXPECT_EQ(edit->GetLeftSpacing(5, true), "     ");
    EXPECT_EQ(edit->GetLeftSpacing(19, false), std::string(19, ' '));
    EXPECT_EQ(edit->GetLeftSpacing(-3, true), "");
    WithOption(eoTabsToSpaces, true);
    EXPECT_EQ(edit->GetLeftSpacing(19, true), std::string(19, ' '));
    WithOption(eoAutoIndent, false);
    EXPECT_EQ(edit->LeftSpaces("   x"), 0);
}

}  // namespace
