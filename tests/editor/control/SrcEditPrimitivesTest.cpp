#include <gtest/gtest.h>

#include "tests/editor/common/CommandRun.h"
#include "tests/editor/common/FakeSrcPlatform.h"
#include "editor/control/SrcEditMark.h"
#include "editor/control/SrcEditPlugin.h"

namespace {

using Lines = std::vector<std::string>;

class SrcEditPrimitivesTest : public ::testing::Test, public SrcEditTestBase {
protected:
    TSrcEditMark* MarkAt(int Line) {
        auto owned = std::make_unique<TSrcEditMark>(edit.get());
        TSrcEditMark* mark = owned.get();
        mark->SetLine(Line);
        edit->Marks().Add(std::move(owned));
        return mark;
    }
};

TEST_F(SrcEditPrimitivesTest, NormalReplaceJoinsLinesAndMovesMarks) {
    SetLines({"abcdef", "ghijkl", "mnopqr", "stu", "vwx"});
    TSrcEditMark* on2 = MarkAt(2);
    TSrcEditMark* on3 = MarkAt(3);
    TSrcEditMark* on5 = MarkAt(5);
    Select(smNormal, BufferCoord(3, 1), BufferCoord(2, 3));
    edit->SetSelTextPrimitive("X");
    EXPECT_EQ(AllLines(), (Lines{"abXnopqr", "stu", "vwx"}));
    EXPECT_EQ(on2->Line(), 1);
    EXPECT_EQ(on3->Line(), 1);
    EXPECT_EQ(on5->Line(), 3);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(4, 1));
    EXPECT_FALSE(edit->SelAvail());
}

TEST_F(SrcEditPrimitivesTest, MultiLineInsertPastTheLineEndPadsAndSplits) {
    SetLines({"ab"});
    edit->SetCaretXY(BufferCoord(5, 1));
    edit->SetSelTextPrimitive("x\r\ny");
    EXPECT_EQ(AllLines(), (Lines{"ab  x", "y"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(2, 2));
}

TEST_F(SrcEditPrimitivesTest, NormalInsertKeepsTheRestOfTheLineAfterTheText) {
    SetLines({"hello world", "next"});
    MarkAt(2);
    edit->SetCaretXY(BufferCoord(7, 1));
    edit->SetSelTextPrimitive("big\nwide\r");
    EXPECT_EQ(AllLines(), (Lines{"hello big", "wide", "world", "next"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 3));
    EXPECT_EQ(edit->Marks().Items(0)->Line(), 4);
    // At column 1 the lines count from the caret line itself.
    edit->SetCaretXY(BufferCoord(1, 4));
    edit->SetSelTextPrimitive("new\r\n");
    EXPECT_EQ(edit->Marks().Items(0)->Line(), 5);
    EXPECT_EQ(edit->Lines()[3], "new");
}

TEST_F(SrcEditPrimitivesTest, InsertIntoAnEmptyBufferAndUpToANul) {
    edit->SetSelTextPrimitive(std::string("ab\ncd\0ef", 8));
    EXPECT_EQ(AllLines(), (Lines{"ab", "cd"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(3, 2));
}

TEST_F(SrcEditPrimitivesTest, TrimmedInsertPutsTheCaretAfterTheText) {
    WithOption(eoTrimTrailingSpaces, true);
    SetLines({"ab"});
    edit->SetCaretXY(BufferCoord(3, 1));
    edit->SetSelTextPrimitive("\t x  \r\n\tyz  ");
    EXPECT_EQ(AllLines(), (Lines{"ab\t x", "\tyz"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(4, 2));
    SetLines({"abcd"});
    edit->SetCaretXY(BufferCoord(3, 1));
    edit->SetSelTextPrimitive("\r\n");
    EXPECT_EQ(AllLines(), (Lines{"ab", "cd"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 2));
}

TEST_F(SrcEditPrimitivesTest, LineSelectionEndingOnTheLastLineLeavesAnEmptyLine) {
    SetLines({"one", "two", "three"});
    TSrcEditMark* on3 = MarkAt(3);
    Select(smLine, BufferCoord(1, 2), BufferCoord(2, 3));
    edit->SetSelTextPrimitive("");
    EXPECT_EQ(AllLines(), (Lines{"one", ""}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 2));
    EXPECT_EQ(on3->Line(), 2);
    SetLines({"one", "two", "three"});
    Select(smLine, BufferCoord(1, 1), BufferCoord(1, 2));
    edit->SetSelTextPrimitive("");
    EXPECT_EQ(AllLines(), (Lines{"three"}));
}

TEST_F(SrcEditPrimitivesTest, LineInsertGoesBeforeTheCaretLine) {
    FillNumbered(6);
    TSrcEditMark* on5 = MarkAt(5);
    edit->SetCaretXY(BufferCoord(3, 5));
    edit->SetSelTextPrimitiveEx(smLine, "A\r\nB\r\n", true);
    EXPECT_EQ(edit->Lines()[4], "A");
    EXPECT_EQ(edit->Lines()[5], "B");
    EXPECT_EQ(edit->Lines()[6], "line 5");
    EXPECT_EQ(on5->Line(), 7);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 7));
    edit->SetSelTextPrimitiveEx(smLine, "C\r\nlead ", true);
    EXPECT_EQ(edit->Lines()[7], "lead line 5");
    EXPECT_EQ(edit->CaretXY(), BufferCoord(6, 8));
}

TEST_F(SrcEditPrimitivesTest, ColumnDeleteRemovesTheRectangleOnly) {
    SetLines({"abcdef", "gh", "ijklmn"});
    Select(smColumn, BufferCoord(5, 1), BufferCoord(2, 3));
    edit->SetSelTextPrimitive("");
    EXPECT_EQ(AllLines(), (Lines{"aef", "g", "imn"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(2, 1));
}

TEST_F(SrcEditPrimitivesTest, ColumnInsertBelowTheLastLineAppendsPaddedLines) {
    SetLines({"abcdef", "ghijkl"});
    edit->SetCaretXY(BufferCoord(4, 2));
    edit->UndoList().Clear();
    edit->SetSelTextPrimitiveEx(smColumn, "XX\r\nYY\r\nZZ", true);
    EXPECT_EQ(AllLines(), (Lines{"abcdef", "ghiXXjkl", "   YY", "   ZZ"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(6, 4));
    // One paste record per line; a line break before each new line, recorded
    // at the line's end, where redo adds the empty line.
    EXPECT_EQ(DescribeUndo(edit->UndoList()),
              (Lines{"crPaste 4,2-6,2 '' C a", "crLineBreak 9,2-9,2 '' N b", "crPaste 4,3-6,3 '' C c",
                     "crLineBreak 6,3-6,3 '' N d", "crPaste 4,4-6,4 '' C e"}));
}

TEST_F(SrcEditPrimitivesTest, ColumnInsertIntoAnEmptyBufferHasNoLineBreakBeforeLineOne) {
    edit->UndoList().Clear();
    edit->SetSelTextPrimitiveEx(smColumn, "ab\ncd", true);
    EXPECT_EQ(AllLines(), (Lines{"ab", "cd"}));
    ASSERT_EQ(edit->UndoList().ItemCount(), 3);
    EXPECT_EQ(edit->UndoList().Items(0)->ChangeReason, crPaste);
}

// Without undo no records; an empty piece still moves down a line.
TEST_F(SrcEditPrimitivesTest, ColumnPiecesSkipEmptyLinesAndStillMoveDown) {
    SetLines({"abc"});
    edit->UndoList().Clear();
    edit->SetCaretXY(BufferCoord(2, 1));
    edit->SetSelTextPrimitiveEx(smColumn, "1\n\n3", false);
    EXPECT_EQ(AllLines(), (Lines{"a1bc", "", " 3"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(3, 3));
    EXPECT_EQ(edit->UndoList().ItemCount(), 0);
}

TEST_F(SrcEditPrimitivesTest, PluginsLearnOfInsertedAndDeletedLines) {
    struct Recorder : TSrcEditPlugin {
        using TSrcEditPlugin::TSrcEditPlugin;
        void AfterPaint(TSrcCanvas&, const TRect&, int, int) override {}
        void LinesInserted(int First, int Count) override { log.push_back("+" + std::to_string(First) + "," + std::to_string(Count)); }
        void LinesDeleted(int First, int Count) override { log.push_back("-" + std::to_string(First) + "," + std::to_string(Count)); }
        std::vector<std::string> log;
    };
    Recorder& plugin = edit->AddPlugin(std::make_unique<Recorder>(edit.get()));
    FillNumbered(10);
    edit->SetCaretXY(BufferCoord(3, 4));
    edit->SetSelTextPrimitive("a\r\nb\r\nc");
    Select(smNormal, BufferCoord(2, 2), BufferCoord(1, 5));
    edit->SetSelTextPrimitive("");
    Select(smLine, BufferCoord(1, 1), BufferCoord(1, 1));
    edit->SetSelTextPrimitive("");
    EXPECT_EQ(plugin.log, (std::vector<std::string>{"+5,2", "-2,3"}));
    EXPECT_EQ(edit->PluginCount(), 1);
    edit->RemovePlugin(&plugin);
    EXPECT_EQ(edit->PluginCount(), 0);
    edit->AddPlugin(std::make_unique<Recorder>(edit.get()));  // freed by the control
    EXPECT_EQ(edit->PluginCount(), 1);
}

TEST_F(SrcEditPrimitivesTest, PrimitiveReleasesLockAndUpdateWhenTheBufferRaises) {
    SetLines({"abc"});
    struct Thrower {
        void Raise(TObject*, int, int) { throw ESrcEditError("boom"); }
    } thrower;
    edit->Lines().OnPutted = TStringListChangeEvent::Of<&Thrower::Raise>(&thrower);
    EXPECT_THROW(edit->SetSelTextPrimitive("x"), ESrcEditError);
    EXPECT_EQ(edit->PaintLock(), 0);
    EXPECT_EQ(edit->Lines().UpdateCount(), 0);
}

}  // namespace
