#include <gtest/gtest.h>

#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/TenColumnWrapper.h"

namespace {

class SrcEditWordWrapSeamTest : public ::testing::Test, public SrcEditTestBase {};

TEST_F(SrcEditWordWrapSeamTest, ConversionsAndRowsGoThroughThePlugin) {
    SetLines({"0123456789abcdefghij!", "short", "x"});
    TenColumnWrapper wrapper(edit->Lines());
    edit->SetLeftChar(1);
    edit->SetWordWrapper(&wrapper);
    EXPECT_TRUE(edit->WordWrap());
    EXPECT_EQ(edit->GetDisplayLineCount(), 5);
    EXPECT_EQ(edit->LineToRow(2), 4);
    EXPECT_EQ(edit->RowToLine(3), 1);
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(12, 1)), DisplayCoord(2, 2));
    EXPECT_EQ(edit->DisplayToBufferPos(DisplayCoord(2, 2)), BufferCoord(12, 1));
    edit->SetCaretXY(BufferCoord(3, 3));
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(3, 5));
    edit->SetLeftChar(7);
    EXPECT_EQ(edit->LeftChar(), 1);  // no horizontal scrolling while wrapped
    edit->SetTabWidth(4);
    EXPECT_GE(wrapper.displayChanges, 1);
    edit->SetWordWrapper(nullptr);
    EXPECT_EQ(edit->GetDisplayLineCount(), 3);
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(3, 3));
}

TEST_F(SrcEditWordWrapSeamTest, CaretAtTheEndOfAWrappedRowStaysOnThatRow) {
    SetLines({"0123456789abcdefghij!"});
    TenColumnWrapper wrapper(edit->Lines());
    edit->SetWordWrapper(&wrapper);
    edit->SetCaretXY(BufferCoord(11, 1));
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(1, 2));
    edit->SetCaretAtEndOfRow(true);
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(11, 1));
    edit->SetCaretXY(BufferCoord(12, 1));  // any caret move ends that state
    EXPECT_FALSE(edit->CaretAtEndOfRow());
    edit->SetWordWrapper(nullptr);
}

}  // namespace
