#include <gtest/gtest.h>

#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

class SrcEditCaretTest : public ::testing::Test, public SrcEditTestBase {};

TEST_F(SrcEditCaretTest, CaretIsClampedToTheBufferAndByScrollPastEolToTheLineEnd) {
    SetLines({"abc", "defgh"});
    edit->SetCaretXY(BufferCoord(100, 1));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(100, 1));
    edit->SetCaretXY(BufferCoord(5000, 1));
    EXPECT_EQ(edit->CaretX(), 1025);
    WithOption(eoScrollPastEol, false);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(4, 1));  // re-limited by the new options
    edit->SetCaretXY(BufferCoord(100, 1));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(4, 1));
    edit->SetCaretXY(BufferCoord(-4, 2));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 2));
    edit->SetCaretXY(BufferCoord(2, 0));
    EXPECT_EQ(edit->CaretY(), 1);
    edit->SetCaretXY(BufferCoord(2, -7));
    EXPECT_EQ(edit->CaretY(), 1);
    edit->SetCaretXY(BufferCoord(2, 99));
    EXPECT_EQ(edit->CaretY(), 2);
    edit->Lines().Clear();
    WithOption(eoScrollPastEol, false);
    edit->SetCaretXY(BufferCoord(9, 9));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 1));
}

TEST_F(SrcEditCaretTest, HugeScrollWidthKeepsCaretArithmeticInRange) {
    SetLines({"abc"});
    edit->SetMaxScrollWidth(2147483647);
    EXPECT_EQ(edit->MaxScrollWidth(), 2147483646);
    edit->SetCaretXY(BufferCoord(2147483647, 1));
    EXPECT_EQ(edit->CaretX(), 2147483647);
    EXPECT_EQ(edit->LeftChar(), 2147483647 - 80 + 1 - 1);  // limited by MaxScrollWidth - window + 1
    WithOption(eoAutoSizeMaxScrollWidth, true);
    edit->SetCaretXY(BufferCoord(2147483647, 1));
    EXPECT_TRUE(edit->CaretInView() || edit->LeftChar() > 1);
}

TEST_F(SrcEditCaretTest, SetCaretXYCollapsesTheSelectionInternalSetCaretXYKeepsIt) {
    SetLines({"abcdef", "ghijkl"});
    edit->SetCaretAndSelection(BufferCoord(3, 2), BufferCoord(2, 1), BufferCoord(3, 2));
    EXPECT_TRUE(edit->SelAvail());
    edit->InternalSetCaretXY(BufferCoord(1, 1));
    EXPECT_TRUE(edit->SelAvail());
    EXPECT_EQ(edit->BlockEnd(), BufferCoord(3, 2));
    edit->SetCaretXY(BufferCoord(5, 2));
    EXPECT_FALSE(edit->SelAvail());
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(5, 2));
}

TEST_F(SrcEditCaretTest, CaretIsPlacedThroughTheWindow) {
    SetLines({"abc", "def"});
    edit->SetCaretXY(BufferCoord(3, 2));
    int left = edit->GutterWidth() + 2;
    EXPECT_EQ(window.caretPos, Point(left + 2 * 8 - 1, 16 + 1));
    EXPECT_TRUE(edit->StateFlags().Contains(sfCaretVisible));
    window.focused = false;
    edit->SetCaretXY(BufferCoord(1, 1));
    EXPECT_TRUE(edit->StateFlags().Contains(sfCaretChanged));
    SetLines({"\tab"});
    edit->SetCaretXY(BufferCoord(2, 1));
    EXPECT_EQ(edit->LastCaretX(), 9);  // the display column
}

TEST_F(SrcEditCaretTest, EnsureVisibleScrollsJustEnough) {
    FillNumbered(1000);
    edit->SetCaretXY(BufferCoord(1, 100));
    EXPECT_EQ(edit->TopLine(), 81);
    edit->SetCaretXY(BufferCoord(1, 50));
    EXPECT_EQ(edit->TopLine(), 50);
    edit->SetCaretXY(BufferCoord(200, 50));
    EXPECT_EQ(edit->LeftChar(), 121);
    edit->SetCaretXY(BufferCoord(3, 50));
    EXPECT_EQ(edit->LeftChar(), 3);
}

TEST_F(SrcEditCaretTest, GotoLineAndCenterPutsTheLineInTheMiddle) {
    FillNumbered(1000);
    window.client.Bottom = 40 * 16;
    edit->SizeOrFontChanged(false);
    ASSERT_EQ(edit->LinesInWindow(), 40);
    edit->SetCaretAndSelection(BufferCoord(1, 1), BufferCoord(1, 1), BufferCoord(3, 2));
    edit->GotoLineAndCenter(500);
    EXPECT_EQ(edit->TopLine(), 481);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 500));
    EXPECT_FALSE(edit->SelAvail());
    edit->GotoLineAndCenter(5000);
    EXPECT_EQ(edit->CaretY(), 1000);
}

TEST_F(SrcEditCaretTest, CentringAlsoCoversTheRowJustAboveTheView) {
    FillNumbered(1000);
    edit->SetTopLine(300);
    edit->GotoLineAndCenter(299);
    EXPECT_EQ(edit->TopLine(), 299 - 10 + 1);
    edit->SetTopLine(300);
    edit->GotoLineAndCenter(310);  // inside the view: unchanged
    EXPECT_EQ(edit->TopLine(), 300);
}

class SrcEditSelectionTest : public ::testing::Test, public SrcEditTestBase {};

TEST_F(SrcEditSelectionTest, BlockEndsAreClampedToTheText) {
    SetLines({"abc", "de"});
    edit->SetBlockBegin(BufferCoord(9, 2));
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(3, 2));
    edit->SetBlockEnd(BufferCoord(-3, 7));
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(1, 2));
    EXPECT_EQ(edit->BlockEnd(), BufferCoord(3, 2));
    edit->SetSelectionMode(smColumn);
    edit->SetBlockEnd(BufferCoord(9, 1));
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(9, 1));  // columns may pass the line end
}

TEST_F(SrcEditSelectionTest, ZeroWidthColumnSelectionIsEmpty) {
    SetLines({"abc", "def"});
    edit->SetSelectionMode(smColumn);
    edit->SetCaretAndSelection(BufferCoord(2, 2), BufferCoord(2, 1), BufferCoord(2, 2));
    EXPECT_FALSE(edit->SelAvail());
    EXPECT_EQ(edit->SelText(), "");
    edit->SetSelectionMode(smNormal);
    edit->SetCaretAndSelection(BufferCoord(2, 2), BufferCoord(2, 1), BufferCoord(2, 2));
    EXPECT_TRUE(edit->SelAvail());
}

TEST_F(SrcEditSelectionTest, NoSelectionOptionIgnoresBlockEnd) {
    SetLines({"abc", "def"});
    WithOption(eoNoSelection, true);
    edit->SetBlockEnd(BufferCoord(3, 2));
    EXPECT_FALSE(edit->SelAvail());
    EXPECT_EQ(edit->BlockEnd(), BufferCoord(1, 1));
}

TEST_F(SrcEditSelectionTest, LineModeTextEndsWithoutBreakOnTheLastLine) {
    SetLines({"one", "two", "three"});
    edit->SetSelectionMode(smLine);
    edit->SetCaretAndSelection(BufferCoord(1, 2), BufferCoord(2, 2), BufferCoord(1, 3));
    EXPECT_EQ(edit->SelText(), "two\r\nthree");
    edit->SetCaretAndSelection(BufferCoord(1, 1), BufferCoord(2, 1), BufferCoord(1, 2));
    EXPECT_EQ(edit->SelText(), "one\r\ntwo\r\n");
}

TEST_F(SrcEditSelectionTest, ColumnTextIsPaddedUnlessTrimmed) {
    SetLines({"abcdef", "gh", "ijklmn"});
    edit->SetSelectionMode(smColumn);
    edit->SetCaretAndSelection(BufferCoord(2, 3), BufferCoord(5, 1), BufferCoord(2, 3));
    EXPECT_EQ(edit->SelText(), "bcd\r\nh  \r\njkl");
    WithOption(eoTrimTrailingSpaces, true);
    edit->SetCaretAndSelection(BufferCoord(2, 3), BufferCoord(5, 1), BufferCoord(2, 3));
    EXPECT_EQ(edit->SelText(), "bcd\r\nh\r\njkl");
    // Wholly right of a short line: nothing is copied out of range.
    edit->SetCaretAndSelection(BufferCoord(9, 3), BufferCoord(5, 1), BufferCoord(9, 3));
    EXPECT_EQ(edit->SelText(), "ef\r\n\r\nmn");
}

TEST_F(SrcEditSelectionTest, NormalTextPastLineEndsCopiesOnlyWhatIsThere) {
    SetLines({"ab", "cd"});
    edit->SetSelectionMode(smColumn);
    edit->SetCaretAndSelection(BufferCoord(9, 2), BufferCoord(7, 1), BufferCoord(9, 2));
    edit->SetActiveSelectionMode(smNormal);
    EXPECT_EQ(edit->SelText(), "\r\ncd");
}

TEST_F(SrcEditSelectionTest, SelectAllSpansTheBuffer) {
    SetLines({"ab", "cde"});
    edit->SelectAll();
    EXPECT_EQ(edit->SelText(), "ab\r\ncde");
    EXPECT_TRUE(edit->SelTabBlock());
    EXPECT_TRUE(edit->SelTabLine());
    edit->Lines().Clear();
    edit->SelectAll();
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 1));
    EXPECT_FALSE(edit->SelAvail());
}

}  // namespace
