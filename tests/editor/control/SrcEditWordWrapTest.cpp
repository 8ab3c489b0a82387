#include <gtest/gtest.h>

#include "tests/editor/control/WordWrapTestSupport.h"

namespace {

// The control with its own word-wrap plug-in over a window 30 cells wide
// and 20 rows high.
class SrcEditWordWrapTest : public ::testing::Test, public SrcEditTestBase {
protected:
    SrcEditWordWrapTest() { SetColumns(*this, 30); }
    ~SrcEditWordWrapTest() { edit->SetWordWrap(false); }

    // Count lines, each of two rows (25 and 20 characters).
    void FillTwoRowLines(int Count) {
        edit->Lines().BeginUpdate();
        for (int i = 0; i < Count; ++i) {
            edit->Lines().Add("aaaaaaaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbb");
        }
        edit->Lines().EndUpdate();
    }
};

TEST_F(SrcEditWordWrapTest, TheCaretShowsOnItsWrappedRow) {
    SetLines({"first", "aaaaaaaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbb", "\tword, then more words past the edge"});
    edit->SetWordWrap(true);
    ASSERT_TRUE(edit->WordWrap());
    edit->SetCaretXY(BufferCoord(30, 2));
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(5, 3));
    edit->SetCaretXY(BufferCoord(4, 3));  // after the tab: cell 11
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(11, 4));
    edit->SetCaretXY(BufferCoord(30, 3));  // cell 37; the first row ends after "words "
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(7, 5));
    EXPECT_EQ(edit->GetDisplayLineCount(), 5);
}

TEST_F(SrcEditWordWrapTest, ACaretBeyondTheWindowIsMovedBackToItsEdge) {
    SetLines({"short", "second"});
    edit->SetWordWrap(true);
    edit->SetCaretXY(BufferCoord(100, 1));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(31, 1));
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(31, 1));
}

TEST_F(SrcEditWordWrapTest, ScrollingCountsRows) {
    WithOption(eoScrollPastEof, false);
    FillTwoRowLines(30);
    edit->SetWordWrap(true);
    EXPECT_EQ(edit->GetDisplayLineCount(), 60);
    EXPECT_EQ(window.scrollInfo[sbVertical].Max, 60);
    edit->SetTopLine(100);
    EXPECT_EQ(edit->TopLine(), 41);  // 60 rows - 20 in view + 1
    EXPECT_EQ(window.scrollInfo[sbVertical].Pos, 41);
    EXPECT_EQ(edit->RowToLine(edit->TopLine()), 21);
}

TEST_F(SrcEditWordWrapTest, RepaintingALineCoversAllItsRows) {
    SetLines({"aaaaaaaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbb", std::string(70, 'x').c_str(), "z"});
    edit->SetWordWrap(true);
    window.invalidated.clear();
    edit->InvalidateLine(2);  // rows 3 to 5
    ASSERT_EQ(window.invalidated.size(), 1u);
    EXPECT_EQ(window.invalidated[0], Rect(edit->GutterWidth(), 2 * 16, window.client.Right, 5 * 16));
}

TEST_F(SrcEditWordWrapTest, AChangedWrapGlyphRepaintsTheGutter) {
    SetLines({std::string(70, 'x').c_str()});
    edit->SetWordWrap(true);
    TSrcGlyph& glyph = edit->WordWrapGlyph();
    for (auto change : {+[](TSrcGlyph& g) { g.SetVisible(false); }, +[](TSrcGlyph& g) { g.SetMaskColor(clRed); }}) {
        window.invalidated.clear();
        change(glyph);
        ASSERT_EQ(window.invalidated.size(), 1u);
        EXPECT_EQ(window.invalidated[0], Rect(0, 0, edit->GutterWidth(), window.client.Bottom));
    }
}

TEST_F(SrcEditWordWrapTest, TurningWordWrapOnAndOffKeepsTheTopLineAndTheCaret) {
    FillTwoRowLines(100);
    edit->SetTopLine(40);
    edit->SetCaretXY(BufferCoord(40, 45));
    ASSERT_TRUE(edit->CaretInView());
    edit->SetWordWrap(true);
    EXPECT_EQ(edit->RowToLine(edit->TopLine()), 40);
    EXPECT_TRUE(edit->CaretInView());
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(15, 90));
    edit->SetWordWrap(false);
    EXPECT_FALSE(edit->WordWrap());
    EXPECT_TRUE(edit->CaretInView());
    EXPECT_EQ(edit->CaretXY(), BufferCoord(40, 45));
    EXPECT_EQ(edit->TopLine(), 40);
}

TEST_F(SrcEditWordWrapTest, WidthAndTabWidthChangesReWrap) {
    FillTwoRowLines(3);
    edit->Lines().Add("\tx");
    edit->SetWordWrap(true);
    EXPECT_EQ(edit->GetDisplayLineCount(), 7);
    edit->SetTabWidth(40);  // the tab alone now needs more than a row
    EXPECT_EQ(edit->GetDisplayLineCount(), 8);
    edit->SetTabWidth(8);
    SetColumns(*this, 50);
    EXPECT_EQ(edit->GetDisplayLineCount(), 4);
    SetColumns(*this, 0);
    EXPECT_EQ(edit->GetDisplayLineCount(), 4);
    SetColumns(*this, 10);
    EXPECT_EQ(edit->GetDisplayLineCount(), 16);
}

}  // namespace
