#include <gtest/gtest.h>

#include "tests/editor/common/FakeSrcPlatform.h"
#include "editor/control/SrcEditMark.h"

namespace {

class SrcEditMarksTest : public ::testing::Test, public SrcEditTestBase {
protected:
    void DeleteLines(int First, int Last) {
        edit->SetSelectionMode(smLine);
        edit->SetCaretAndSelection(BufferCoord(1, First), BufferCoord(1, First), BufferCoord(1, Last));
        edit->SetSelTextPrimitive("");
    }
};

TEST_F(SrcEditMarksTest, BookmarkFollowsDeletedLines) {
    FillNumbered(20);
    edit->SetBookMark(3, 2, 10);
    DeleteLines(5, 8);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(edit->GetBookMark(3, x, y));
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 6);
    DeleteLines(4, 8);  // holds the bookmark's line
    ASSERT_TRUE(edit->GetBookMark(3, x, y));
    EXPECT_EQ(y, 4);
}

TEST_F(SrcEditMarksTest, InsertedLinesPushMarksOnAndBelowDown) {
    FillNumbered(20);
    edit->SetBookMark(1, 1, 10);
    edit->SetBookMark(2, 1, 9);
    edit->SetCaretXY(BufferCoord(1, 10));
    edit->SetSelTextPrimitiveEx(smLine, "a\r\nb\r\n", true);
    int x = 0;
    int y = 0;
    edit->GetBookMark(1, x, y);
    EXPECT_EQ(y, 12);
    edit->GetBookMark(2, x, y);
    EXPECT_EQ(y, 9);
}

TEST_F(SrcEditMarksTest, InvalidBookmarkNumbersAndLinesAreIgnored) {
    FillNumbered(5);
    edit->SetBookMark(10, 1, 1);
    edit->SetBookMark(-1, 1, 1);
    edit->SetBookMark(0, 1, 0);
    edit->SetBookMark(0, 1, 6);
    EXPECT_EQ(edit->Marks().Count(), 0);
    edit->Lines().Clear();
    edit->SetBookMark(0, 1, 1);  // an empty buffer still has line 1
    EXPECT_TRUE(edit->IsBookmark(0));
}

TEST_F(SrcEditMarksTest, SettingABookmarkAgainReplacesIt) {
    FillNumbered(10);
    edit->SetBookMark(4, 1, 2);
    edit->SetBookMark(4, 3, 7);
    EXPECT_EQ(edit->Marks().Count(), 1);
    int x = 0;
    int y = 0;
    edit->GetBookMark(4, x, y);
    EXPECT_EQ(y, 7);
    edit->ClearBookMark(4);
    EXPECT_FALSE(edit->IsBookmark(4));
    EXPECT_EQ(edit->Marks().Count(), 0);
}

TEST_F(SrcEditMarksTest, PlaceHandlerMayCancelAndClearHandlerIsTold) {
    FillNumbered(10);
    struct Handlers {
        bool cancel = false;
        int cleared = 0;
        void Place(TObject*, TSrcEditMark*& mark) {
            if (cancel) {
                mark = nullptr;
            }
        }
        void Clear(TObject*, TSrcEditMark*&) { ++cleared; }
    } handlers;
    edit->OnPlaceBookmark = TPlaceMarkEvent::Of<&Handlers::Place>(&handlers);
    edit->OnClearBookmark = TPlaceMarkEvent::Of<&Handlers::Clear>(&handlers);
    edit->SetBookMark(5, 1, 3);
    handlers.cancel = true;
    edit->SetBookMark(5, 1, 8);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(edit->GetBookMark(5, x, y));
    EXPECT_EQ(y, 3);
    EXPECT_EQ(handlers.cleared, 0);
    handlers.cancel = false;
    edit->SetBookMark(5, 1, 8);
    EXPECT_EQ(handlers.cleared, 1);
}

TEST_F(SrcEditMarksTest, GotoBookmarkCentresAndIgnoresLostLines) {
    FillNumbered(500);
    edit->SetBookMark(7, 3, 300);
    edit->SetCaretAndSelection(BufferCoord(1, 1), BufferCoord(1, 1), BufferCoord(2, 2));
    edit->GotoBookMark(7);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(3, 300));
    EXPECT_EQ(edit->TopLine(), 300 - 19 + 10);
    EXPECT_FALSE(edit->SelAvail());
    edit->SetBookMark(8, 1, 500);
    edit->Lines().DeleteLines(400, 100);
    edit->SetCaretXY(BufferCoord(1, 1));
    edit->GotoBookMark(8);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 1));
}

TEST_F(SrcEditMarksTest, MarkListKeepsSixteenPerLineAndClearsLinesButNotBookmarks) {
    FillNumbered(5);
    edit->SetBookMark(0, 1, 2);
    for (int i = 0; i < 17; ++i) {
        auto owned = std::make_unique<TSrcEditMark>(edit.get());
        TSrcEditMark* mark = owned.get();
        mark->SetLine(2);
        edit->Marks().Place(std::move(owned));
    }
    TSrcEditMarks marks;
    edit->Marks().GetMarksForLine(2, marks);
    for (TSrcEditMark* mark : marks) {
        EXPECT_NE(mark, nullptr);
    }
    EXPECT_TRUE(marks[0]->IsBookmark());
    edit->Marks().ClearLine(2);
    EXPECT_EQ(edit->Marks().Count(), 1);
    EXPECT_TRUE(edit->IsBookmark(0));
    edit->Marks().GetMarksForLine(3, marks);
    EXPECT_EQ(marks[0], nullptr);
}

TEST_F(SrcEditMarksTest, MarkForgetsItsOwnerOnceRemoved) {
    auto owned = std::make_unique<TSrcEditMark>(edit.get());
    TSrcEditMark* mark = owned.get();
    edit->Marks().Add(std::move(owned));
    EXPECT_EQ(mark->GetEdit(), edit.get());
    std::unique_ptr<TSrcEditMark> removed = edit->Marks().Remove(mark);
    EXPECT_EQ(removed.get(), mark);
    EXPECT_EQ(mark->GetEdit(), nullptr);
}

TEST_F(SrcEditMarksTest, ClearingTheMarkListEmptiesTheBookmarkSlots) {
    FillNumbered(5);
    edit->SetBookMark(2, 1, 3);
    edit->Marks().Clear();
    EXPECT_FALSE(edit->IsBookmark(2));
    edit->GotoBookMark(2);  // nothing left to go to
    edit->SetBookMark(2, 1, 4);
    EXPECT_EQ(edit->Marks().Count(), 1);
}

TEST_F(SrcEditMarksTest, VisibleMarkRepaintsItsGutterLines) {
    FillNumbered(30);
    auto owned = std::make_unique<TSrcEditMark>(edit.get());
    TSrcEditMark* mark = owned.get();
    edit->Marks().Add(std::move(owned));
    mark->SetVisible(true);
    window.invalidated.clear();
    mark->SetLine(4);
    ASSERT_FALSE(window.invalidated.empty());
    const TRect& r = window.invalidated.back();
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Right, edit->GutterWidth());
    EXPECT_EQ(r.Top, 3 * 16);
}

}  // namespace
