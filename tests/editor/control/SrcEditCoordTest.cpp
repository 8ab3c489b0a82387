#include <gtest/gtest.h>

#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

class SrcEditCoordTest : public ::testing::Test, public SrcEditTestBase {};

TEST_F(SrcEditCoordTest, TabbedLineConvertsBothWays) {
    SetLines({"a\tb"});
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(1, 1)), DisplayCoord(1, 1));
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(2, 1)), DisplayCoord(2, 1));
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(3, 1)), DisplayCoord(9, 1));
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(4, 1)), DisplayCoord(10, 1));
    for (int column = 2; column <= 8; ++column) {
        EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(column, 1)), BufferCoord(2, 1)) << column;
    }
    EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(9, 1)), BufferCoord(3, 1));
    EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(1, 1)), BufferCoord(1, 1));
}

TEST_F(SrcEditCoordTest, PositionsPastTheEndCountOneCellEach) {
    SetLines({"\tx"});
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(3, 1)).Column, 10);
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(13, 1)).Column, 20);
    EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(20, 1)).Char, 13);
}

TEST_F(SrcEditCoordTest, OtherTabWidthsAndLinesOutsideTheBuffer) {
    SetLines({"a\tb", "\t\t"});
    edit->SetTabWidth(4);
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(3, 1)).Column, 5);
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(3, 2)).Column, 9);
    edit->SetTabWidth(3);
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(3, 2)).Column, 7);
    EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(6, 2)).Char, 2);
    edit->SetTabWidth(1);
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(3, 2)).Column, 3);
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(7, 5)), DisplayCoord(7, 5));
    EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(7, 5)), BufferCoord(7, 5));
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
}

TEST_F(SrcEditCoordTest, NearestCellRoundsHalvesToEven) {
    FillNumbered(100);
    int left = edit->GutterWidth() + 2;
    EXPECT_EQ(edit->PixelsToNearestRowColumn(left + 3, 0).Column, 1);
    EXPECT_EQ(edit->PixelsToNearestRowColumn(left + 5, 0).Column, 2);
    EXPECT_EQ(edit->PixelsToNearestRowColumn(left + 4, 0).Column, 1);   // 0.5 -> 0
    EXPECT_EQ(edit->PixelsToNearestRowColumn(left + 12, 0).Column, 3);  // 1.5 -> 2
    EXPECT_EQ(edit->PixelsToNearestRowColumn(left + 20, 0).Column, 3);  // 2.5 -> 2
    // Below the last whole row: the last row.
    EXPECT_EQ(edit->PixelsToNearestRowColumn(left, 20 * 16 + 7).Row, 20);
    EXPECT_EQ(edit->PixelsToNearestRowColumn(left, 20 * 16 - 1).Row, 20);
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
