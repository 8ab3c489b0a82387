#include <gtest/gtest.h>

#include "tests/editor/common/FakeSrcPlatform.h"
#include "editor/control/SrcEditWordWrapper.h"

namespace {

// Wraps every line after ten cells; a line takes at least one row.
class TenColumnWrapper : public TSrcEditWordWrapper {
public:
    explicit TenColumnWrapper(TSrcEditStringList& Lines) : lines_(Lines) {}

    TDisplayCoord BufferToDisplayPos(const TBufferCoord& Pos) override {
        int row = 1;
        for (int line = 1; line < Pos.Line && line <= lines_.Count(); ++line) {
            row += RowsOf(line);
        }
        return DisplayCoord((Pos.Char - 1) % 10 + 1, row + (Pos.Char - 1) / 10);
    }
    TBufferCoord DisplayToBufferPos(const TDisplayCoord& Pos) override {
        int row = 1;
        for (int line = 1; line <= lines_.Count(); ++line) {
            if (Pos.Row < row + RowsOf(line)) {
                return BufferCoord((Pos.Row - row) * 10 + Pos.Column, line);
            }
            row += RowsOf(line);
        }
        return BufferCoord(Pos.Column, lines_.Count() + Pos.Row - row + 1);
    }
    int GetRowCount() override { return BufferToDisplayPos(BufferCoord(1, lines_.Count() + 1)).Row - 1; }
    int GetRowLength(int) override { return 10; }
    int LinesInserted(int, int) override { return 1; }
    int LinesDeleted(int, int) override { return 1; }
    int LinesPutted(int, int) override { return 1; }
    void Reset() override {}
    void DisplayChanged() override { ++displayChanges; }

    int displayChanges = 0;

private:
    int RowsOf(int Line) const {
        int length = static_cast<int>(lines_[Line - 1].size());
        return std::max(1, (length + 9) / 10);
    }
    TSrcEditStringList& lines_;
};

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
