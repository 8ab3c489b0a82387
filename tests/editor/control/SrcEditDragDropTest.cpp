#include <gtest/gtest.h>

#include <set>

#include "editor/support/Strings.h"
#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

int UndoSteps(const TCustomSrcEdit& Edit) {
    std::set<int> numbers;
    for (int i = 0; i < Edit.UndoList().ItemCount(); ++i) {
        numbers.insert(Edit.UndoList().Items(i)->ChangeNumber);
    }
    return static_cast<int>(numbers.size());
}

bool Recorded(const TCustomSrcEdit& Edit, TSrcChangeReason Reason) {
    for (int i = 0; i < Edit.UndoList().ItemCount(); ++i) {
        if (Edit.UndoList().Items(i)->ChangeReason == Reason) {
            return true;
        }
    }
    return false;
}

class SrcEditDragDropTest : public ::testing::Test, public SrcEditTestBase {
public:
    SrcEditDragDropTest() : otherWindow(30 + 2 + 80 * 8, 20 * 16) {
        other = std::make_unique<TSrcEdit>();
        other->SetWindowServices(&otherWindow);
    }
    ~SrcEditDragDropTest() override { other.reset(); }

    void Select(TCustomSrcEdit& Edit, TBufferCoord From, TBufferCoord To) {
        Edit.SetCaretAndSelection(To, From, To);
        Edit.UndoList().Clear();
    }
    void Drop(TCustomSrcEdit& Source, int Column, int Row, TShiftState Shift = {}) {
        edit->DragDrop(&Source, Px(Column), Py(Row), Shift);
    }
    void FilesDropped(TObject*, int X, int Y, TStrings* Files) {
        dropped = "(" + std::to_string(X) + "," + std::to_string(Y) + ")";
        for (int i = 0; i < Files->Count(); ++i) {
            dropped += " " + Files->Get(i);
        }
    }

    FakeSrcWindow otherWindow;
    std::unique_ptr<TSrcEdit> other;
    std::string dropped;
};

TEST_F(SrcEditDragDropTest, WithinOneEditorAMoveIsOneUndoStepAndEndsSelected) {
    SetLines({"abc def ghi"});
    Select(*edit, BufferCoord(1, 1), BufferCoord(5, 1));
    Drop(*edit, 12, 1);
    EXPECT_EQ(AllLines(), std::vector<std::string>{"def ghiabc "});
    EXPECT_EQ(edit->SelText(), "abc ");
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(8, 1));  // corrected for the removed block
    EXPECT_EQ(UndoSteps(*edit), 1);
    EXPECT_TRUE(Recorded(*edit, crDragDropInsert));
    EXPECT_EQ(edit->PaintLock(), 0);
    edit->Undo();
    EXPECT_EQ(AllLines(), std::vector<std::string>{"abc def ghi"});
}

TEST_F(SrcEditDragDropTest, AMoveAfterAMultiLineBlockIsCorrectedByLinesAndColumns) {
    SetLines({"aa", "bb", "cc dd"});
    Select(*edit, BufferCoord(2, 1), BufferCoord(2, 2));
    Drop(*edit, 3, 3);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"ab", "cca", "b dd"}));
    EXPECT_EQ(edit->SelText(), "a\r\nb");
    Select(*edit, BufferCoord(1, 2), BufferCoord(3, 2));
    Drop(*edit, 1, 1);  // before the block: nothing to correct
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"ccab", "a", "b dd"}));
}

TEST_F(SrcEditDragDropTest, ControlCopiesAndADropInsideTheSelectionDoesNothing) {
    SetLines({"abc def ghi"});
    Select(*edit, BufferCoord(5, 1), BufferCoord(8, 1));
    Drop(*edit, 6, 1);
    Drop(*edit, 8, 1);  // a move onto its own end
    EXPECT_EQ(AllLines(), std::vector<std::string>{"abc def ghi"});
    EXPECT_EQ(edit->UndoList().ItemCount(), 0);
    Drop(*edit, 8, 1, {ssCtrl});  // a copy may land on the end
    EXPECT_EQ(AllLines(), std::vector<std::string>{"abc defdef ghi"});
    EXPECT_EQ(edit->SelText(), "def");
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(8, 1));
    EXPECT_EQ(UndoSteps(*edit), 1);
    edit->Undo();
    EXPECT_EQ(AllLines(), std::vector<std::string>{"abc def ghi"});
}

TEST_F(SrcEditDragDropTest, BetweenEditorsShiftMovesAndEachUndoesItsOwnHalf) {
    SetLines({"target"});
    other->Lines().Add("from here");
    Select(*other, BufferCoord(1, 1), BufferCoord(6, 1));
    edit->UndoList().Clear();
    Drop(*other, 7, 1);
    EXPECT_EQ(AllLines(), std::vector<std::string>{"targetfrom "});
    EXPECT_EQ(other->Lines()[0], "from here");
    EXPECT_EQ(other->UndoList().ItemCount(), 0);
    EXPECT_TRUE(Recorded(*edit, crInsert));
    Drop(*other, 1, 1, {ssShift});
    EXPECT_EQ(AllLines(), std::vector<std::string>{"from targetfrom "});
    EXPECT_EQ(other->Lines()[0], "here");
    EXPECT_EQ(UndoSteps(*other), 1);
    EXPECT_TRUE(Recorded(*other, crDelete));
    EXPECT_EQ(UndoSteps(*edit), 2);
    edit->Undo();
    EXPECT_EQ(AllLines(), std::vector<std::string>{"targetfrom "});
    EXPECT_EQ(other->Lines()[0], "here");
    other->Undo();
    EXPECT_EQ(other->Lines()[0], "from here");
}

TEST_F(SrcEditDragDropTest, AReadOnlySourceIsCopiedAndAReadOnlyTargetRefuses) {
    SetLines({"target"});
    other->Lines().Add("keep me");
    Select(*other, BufferCoord(1, 1), BufferCoord(5, 1));
    other->SetReadOnly(true);
    Drop(*other, 1, 1, {ssShift});
    EXPECT_EQ(AllLines(), std::vector<std::string>{"keeptarget"});
    EXPECT_EQ(other->Lines()[0], "keep me");
    EXPECT_EQ(other->SelText(), "keep");
    edit->SetReadOnly(true);
    Drop(*other, 1, 1);
    EXPECT_EQ(AllLines(), std::vector<std::string>{"keeptarget"});
    bool accept = true;
    edit->DragOver(other.get(), Px(1), Py(1), dsDragMove, {}, accept);
    EXPECT_FALSE(accept);
}

TEST_F(SrcEditDragDropTest, DraggingOverATargetMovesItsCaretAndPicksTheCursor) {
    SetLines({"abcdefgh", "abcdefgh"});
    other->Lines().Add("x");
    Select(*other, BufferCoord(1, 1), BufferCoord(2, 1));
    bool accept = false;
    edit->DragOver(other.get(), Px(4), Py(2), dsDragMove, {}, accept);
    EXPECT_TRUE(accept);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(4, 2));
    EXPECT_EQ(edit->DragCursor, crDrag);
    edit->DragOver(other.get(), Px(4), Py(2), dsDragMove, {ssCtrl}, accept);
    EXPECT_EQ(edit->DragCursor, crMultiDrag);
    edit->DragOver(nullptr, Px(4), Py(2), dsDragMove, {}, accept);
    EXPECT_FALSE(accept);
}

TEST_F(SrcEditDragDropTest, TheDraggedEditorScrollsNearItsEdgeAndStopsWhenCancelled) {
    FillNumbered(100);
    edit->SetCaretAndSelection(BufferCoord(5, 2), BufferCoord(1, 2), BufferCoord(5, 2));
    window.pointer = Point(Px(2), Py(2));
    edit->MouseDown(mbLeft, {}, Px(2), Py(2));
    edit->MouseMove({ssLeft}, Px(2), Py(4));
    ASSERT_TRUE(edit->Dragging());
    bool accept = false;
    edit->DragOver(edit.get(), Px(3), 20 * 16 + 2, dsDragMove, {}, accept);
    EXPECT_EQ(edit->CaretY(), 20);  // limited to the visible rows
    EXPECT_EQ(window.timers.count(SRCEDIT_SCROLL_TIMER), 1u);
    edit->DragOver(edit.get(), Px(3), 20 * 16 + 2, dsDragLeave, {}, accept);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(2, 2));  // back where the press was
    edit->DragEnded(false);
    EXPECT_EQ(window.timers.count(SRCEDIT_SCROLL_TIMER), 0u);
    EXPECT_EQ(edit->SelText(), "line");
}

TEST_F(SrcEditDragDropTest, DroppedFilesKeepTheirFullNames) {
    std::string longName = "/tmp/" + std::string(300, 'n') + ".java";
    edit->DropFiles(3, 4, {longName});  // no handler: nothing
    edit->OnDropFiles = TDropFilesEvent::Of<&SrcEditDragDropTest::FilesDropped>(this);
    edit->DropFiles(3, 4, {longName, "/b"});
    EXPECT_EQ(dropped, "(3,4) " + longName + " /b");
}

}  // namespace
