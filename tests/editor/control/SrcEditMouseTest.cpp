#include <gtest/gtest.h>

#include "editor/search/SrcEditSearch.h"
#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/NotifyCounter.h"

namespace {

class SrcEditMouseTest : public ::testing::Test, public SrcEditTestBase {
public:
    void Press(int X, int Y, TShiftState Shift = {}, TMouseButton Button = mbLeft) {
        window.pointer = Point(X, Y);
        edit->MouseDown(Button, Shift, X, Y);
    }
    void Move(int X, int Y, TShiftState Shift = {ssLeft}) {
        window.pointer = Point(X, Y);
        edit->MouseMove(Shift, X, Y);
    }
    void Release(int X, int Y, TShiftState Shift = {}, TMouseButton Button = mbLeft) {
        window.pointer = Point(X, Y);
        edit->MouseUp(Button, Shift, X, Y);
    }
    void Click(int X, int Y, TShiftState Shift = {}) {
        Press(X, Y, Shift);
        Release(X, Y, Shift);
    }
    void DoubleClick(int X, int Y) {
        Click(X, Y);
        edit->DblClick();
        edit->MouseDown(mbLeft, {ssDouble}, X, Y);
        Release(X, Y);
    }
    void GutterClicked(TObject*, TMouseButton Button, int, int, int Line, TSrcEditMark* Mark) {
        clicks.push_back(std::to_string(Button) + " line " + std::to_string(Line) + " mark " +
                         std::to_string(Mark ? Mark->ImageIndex() : -1));
    }
    void ShowHand(TObject*, const TBufferCoord& Pos, TCursor& Cursor) {
        if (Pos.Line == 3) {
            Cursor = 7;
        }
    }
    std::vector<std::string> clicks;
};

TEST_F(SrcEditMouseTest, AClickRoundsToTheNearestBoundaryHalfToEven) {
    SetLines({"abcdefgh", "xy"});
    Click(Px(1) + 12, Py(1));  // 1.5 cells
    EXPECT_EQ(edit->CaretXY(), BufferCoord(3, 1));
    Click(Px(1) + 20, Py(1));  // 2.5 cells
    EXPECT_EQ(edit->CaretXY(), BufferCoord(3, 1));
    Click(Px(1) + 13, Py(1));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(3, 1));
    Click(Px(1) + 11, Py(2));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(2, 2));
    Click(Px(1), Py(40));  // below the text: the last line
    EXPECT_EQ(edit->CaretY(), 2);
    EXPECT_FALSE(edit->SelAvail());
    EXPECT_FALSE(window.captured);
    EXPECT_EQ(window.focusedControl, nullptr);
}

TEST_F(SrcEditMouseTest, ShiftClickExtendsFromTheAnchor) {
    SetLines({"abcdefgh", "abcdefgh"});
    Click(Px(3), Py(1));
    Click(Px(6), Py(2), {ssShift});
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(3, 1));
    EXPECT_EQ(edit->BlockEnd(), BufferCoord(6, 2));
    Click(Px(2), Py(1), {ssShift});
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(2, 1));
    EXPECT_EQ(edit->BlockEnd(), BufferCoord(3, 1));
}

TEST_F(SrcEditMouseTest, AltClickStartsAColumnSelectionOnlyWithTheOption) {
    SetLines({"abcdefgh", "abcdefgh"});
    Press(Px(2), Py(1), {ssAlt});
    EXPECT_EQ(edit->SelectionMode(), smNormal);
    Release(Px(2), Py(1));
    WithOption(eoAltSetsColumnMode, true);
    Press(Px(2), Py(1), {ssAlt});
    Move(Px(5), Py(2), {ssLeft, ssAlt});
    Release(Px(5), Py(2));
    EXPECT_EQ(edit->SelectionMode(), smColumn);
    EXPECT_EQ(edit->SelText(), "bcd\r\nbcd");
    Click(Px(1), Py(1));
    EXPECT_EQ(edit->SelectionMode(), smNormal);
}

TEST_F(SrcEditMouseTest, DraggingTheMouseSelectsAndAClickInTheSelectionCollapsesIt) {
    SetLines({"abcdefgh", "abcdefgh"});
    Press(Px(2), Py(1));
    EXPECT_TRUE(window.captured);
    Move(Px(4), Py(2));
    EXPECT_EQ(edit->SelText(), "bcdefgh\r\nabc");
    Release(Px(4), Py(2));
    Press(Px(6), Py(1));  // in the selection: waits for a drag
    EXPECT_TRUE(edit->SelAvail());
    EXPECT_TRUE(edit->StateFlags().Contains(sfWaitForDragging));
    Release(Px(6), Py(1));
    EXPECT_FALSE(edit->SelAvail());
    EXPECT_EQ(edit->CaretXY(), BufferCoord(6, 1));
    EXPECT_EQ(window.dragsBegun, 0);
}

TEST_F(SrcEditMouseTest, MovingBeyondTheDragDistanceStartsADrag) {
    SetLines({"abcdefgh"});
    edit->SetCaretAndSelection(BufferCoord(6, 1), BufferCoord(2, 1), BufferCoord(6, 1));
    Press(Px(3), Py(1));
    Move(Px(3) + 9, Py(1));
    EXPECT_EQ(window.dragsBegun, 0);
    Move(Px(3) + 10, Py(1));
    EXPECT_EQ(window.dragsBegun, 1);
    EXPECT_TRUE(edit->Dragging());
    EXPECT_EQ(edit->SelText(), "bcde");  // the selection stays while it is dragged
    edit->DragEnded(false);
    EXPECT_FALSE(edit->Dragging());
    EXPECT_FALSE(window.captured);
    // Without drag editing a press in the selection starts a new one.
    WithOption(eoDragDropEditing, false);
    edit->SetCaretAndSelection(BufferCoord(6, 1), BufferCoord(2, 1), BufferCoord(6, 1));
    Press(Px(3), Py(1));
    EXPECT_FALSE(edit->SelAvail());
}

TEST_F(SrcEditMouseTest, GutterClicksReportTheLineAndTheMarkByItsOffset) {
    FillNumbered(5);
    edit->OnGutterClick = TGutterClickEvent::Of<&SrcEditMouseTest::GutterClicked>(this);
    for (int image : {4, 5}) {
        auto owned = std::make_unique<TSrcEditMark>(edit.get());
        TSrcEditMark* mark = owned.get();
        mark->SetLine(2);
        mark->SetImage(image);
        edit->Marks().Place(std::move(owned));
    }
    Press(5, Py(2), {}, mbRight);  // the right button does nothing else here
    EXPECT_TRUE(clicks.empty());
    Release(5, Py(2), {}, mbRight);
    WithOption(eoRightMouseMovesCursor, true);
    Press(5, Py(2), {}, mbRight);
    EXPECT_EQ(clicks, std::vector<std::string>{"1 line 2 mark 4"});  // at once
    Release(5, Py(2), {}, mbRight);
    EXPECT_EQ(clicks.size(), 1u);
    Press(13, Py(2));
    EXPECT_EQ(clicks.size(), 1u);
    Release(13, Py(2));  // left: on release, the second mark by Xoffset 12
    Click(25, Py(2));
    Click(5, Py(3));
    Click(5, Py(12));  // beyond the text
    EXPECT_EQ(clicks, (std::vector<std::string>{"1 line 2 mark 4", "0 line 2 mark 5", "0 line 2 mark -1",
                                                "0 line 3 mark -1"}));
}

TEST_F(SrcEditMouseTest, AGutterDragSelectsLinesAndIsNoClick) {
    FillNumbered(6);
    edit->OnGutterClick = TGutterClickEvent::Of<&SrcEditMouseTest::GutterClicked>(this);
    Press(5, Py(2));
    Move(5, Py(4));
    Move(5, Py(5));
    Release(5, Py(5));
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(1, 2));
    EXPECT_EQ(edit->BlockEnd(), BufferCoord(1, 5));
    EXPECT_EQ(edit->SelText(), "line 2\r\nline 3\r\nline 4\r\n");
    EXPECT_TRUE(clicks.empty());
}

TEST_F(SrcEditMouseTest, HoldingTheMouseBelowTheTextScrollsOnTimerTicks) {
    FillNumbered(200);
    Press(Px(3), Py(5));
    Move(Px(3), 20 * 16 + 3);  // within the first row below the text
    ASSERT_EQ(window.timers.count(SRCEDIT_SCROLL_TIMER), 1u);
    EXPECT_EQ(window.timers[SRCEDIT_SCROLL_TIMER], 100);
    edit->TimerFired(SRCEDIT_SCROLL_TIMER);
    EXPECT_EQ(edit->TopLine(), 2);
    edit->TimerFired(SRCEDIT_SCROLL_TIMER);
    EXPECT_EQ(edit->TopLine(), 3);
    EXPECT_EQ(edit->CaretY(), 22);
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(3, 5));
    EXPECT_EQ(edit->BlockEnd(), edit->CaretXY());
    Move(Px(3), 21 * 16 + 3);  // the second row: two lines a tick
    edit->TimerFired(SRCEDIT_SCROLL_TIMER);
    EXPECT_EQ(edit->TopLine(), 5);
    window.keysDown.Include(skShift);  // a page a tick
    edit->TimerFired(SRCEDIT_SCROLL_TIMER);
    EXPECT_EQ(edit->TopLine(), 45);
    EXPECT_EQ(edit->CaretY(), 64);
    window.keysDown.Exclude(skShift);
    Move(Px(3), Py(10));  // back inside: the timer stops
    EXPECT_EQ(window.timers.count(SRCEDIT_SCROLL_TIMER), 0u);
    Move(Px(3), 20 * 16 + 3);
    edit->CaptureChanged();  // a lost capture stops it too
    EXPECT_EQ(window.timers.count(SRCEDIT_SCROLL_TIMER), 0u);
    Release(Px(3), Py(10));
    EXPECT_FALSE(window.captured);
}

TEST_F(SrcEditMouseTest, ADoubleClickSelectsTheWordAndTheThirdClickCollapses) {
    SetLines({"int count = 10;"});
    NotifyCounter dblClicks;
    edit->OnDblClick = dblClicks.Event();
    DoubleClick(Px(7), Py(1));
    EXPECT_EQ(edit->SelText(), "count");
    EXPECT_EQ(edit->CaretXY(), BufferCoord(10, 1));  // the release left it at the word end
    EXPECT_EQ(dblClicks.count, 1);
    EXPECT_FALSE(edit->StateFlags().Contains(sfDblClicked));
    Click(Px(7), Py(1));
    EXPECT_FALSE(edit->SelAvail());
    EXPECT_EQ(edit->CaretXY(), BufferCoord(7, 1));
    DoubleClick(5, Py(1));  // in the gutter: no word
    EXPECT_FALSE(edit->SelAvail());
    EXPECT_EQ(dblClicks.count, 2);
    WithOption(eoNoSelection, true);
    DoubleClick(Px(7), Py(1));
    EXPECT_FALSE(edit->SelAvail());
}

// Past the scroll width (1,024 by default) a long line's text is reached by
// End, the bar, a click, a double click, Find and the arrows; past a
// line's end the scroll width still limits the caret.
TEST_F(SrcEditMouseTest, EveryColumnOfALineLongerThanTheScrollWidthIsReached) {
    TSrcEditSearch search;
    edit->SetSearchEngine(&search);
    for (int length : {1100, 3000, 20000}) {
        SCOPED_TRACE(length);
        const int word = length - 8;  // where "target" starts
        SetLines({std::string(static_cast<size_t>(length - 10), 'a') + " target  z", "short"});
        edit->SetCaretXY(BufferCoord(1, 1));
        edit->CommandProcessor(ecLineEnd, '\0', nullptr);
        EXPECT_EQ(edit->CaretXY(), BufferCoord(length + 1, 1));
        const int left = length + 1 - 80 + 1;  // the caret in the last column
        EXPECT_EQ(edit->LeftChar(), left);
        EXPECT_EQ(window.scrollInfo[sbHorizontal].Max, length + 1);
        edit->ScrollRequest(sbHorizontal, scrTop, 0);
        edit->ScrollRequest(sbHorizontal, scrBottom, 0);
        EXPECT_EQ(edit->LeftChar(), left);
        Click(Px(word + 3 - left + 1), Py(1));
        EXPECT_EQ(edit->CaretXY(), BufferCoord(word + 3, 1));
        DoubleClick(Px(word + 3 - left + 1), Py(1));
        EXPECT_EQ(edit->SelText(), "target");
        Click(Px(80), Py(2));
        EXPECT_EQ(edit->CaretXY(), BufferCoord(1025, 2));
        edit->SetCaretXY(BufferCoord(1, 1));
        EXPECT_EQ(edit->SearchReplace("target", "", {}), 1);
        EXPECT_EQ(edit->BlockBegin(), BufferCoord(word, 1));
        EXPECT_EQ(edit->CaretXY(), BufferCoord(word + 6, 1));
        edit->CommandProcessor(ecRight, '\0', nullptr);
        edit->CommandProcessor(ecSelRight, '\0', nullptr);
        EXPECT_EQ(edit->CaretXY(), BufferCoord(word + 8, 1));
        EXPECT_EQ(edit->BlockBegin(), BufferCoord(word + 7, 1));
    }
    edit->SetSearchEngine(nullptr);
}

TEST_F(SrcEditMouseTest, TheWheelScrollsByWholeNotchesWithoutMovingTheCaret) {
    FillNumbered(300);
    edit->SetTopLine(100);
    edit->SetCaretXY(BufferCoord(1, 110));
    edit->MouseWheel(-60, {});
    EXPECT_EQ(edit->TopLine(), 100);
    edit->MouseWheel(-60, {});
    EXPECT_EQ(edit->TopLine(), 103);
    edit->MouseWheel(240, {});
    EXPECT_EQ(edit->TopLine(), 97);
    edit->MouseWheel(-120, {ssCtrl});
    EXPECT_EQ(edit->TopLine(), 117);
    WithOption(eoHalfPageScroll, true);
    edit->MouseWheel(120, {ssCtrl});
    EXPECT_EQ(edit->TopLine(), 107);
    window.wheelLines = -1;  // a page a notch
    edit->MouseWheel(-120, {});
    EXPECT_EQ(edit->TopLine(), 127);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 110));
}

TEST_F(SrcEditMouseTest, TheCursorShowsWhatAPressWouldDo) {
    SetLines({"abcdefgh", "abcdefgh", "abc"});
    edit->Gutter().Cursor = 9;
    Move(Px(2), Py(1), {});
    EXPECT_EQ(window.cursor, crIBeam);
    Move(5, Py(1), {});
    EXPECT_EQ(window.cursor, 9);
    edit->SetCaretAndSelection(BufferCoord(6, 1), BufferCoord(2, 1), BufferCoord(6, 1));
    Move(Px(3), Py(1), {});
    EXPECT_EQ(window.cursor, crArrow);
    Move(Px(6), Py(1), {});  // the selection's end is outside it
    EXPECT_EQ(window.cursor, crIBeam);
    edit->OnMouseCursor = TMouseCursorEvent::Of<&SrcEditMouseTest::ShowHand>(this);
    Move(Px(1), Py(3), {});
    EXPECT_EQ(window.cursor, 7);
}

TEST_F(SrcEditMouseTest, PositionAndWordAtTheMouse) {
    SetLines({"int count = 10;"});
    TBufferCoord pos;
    window.pointer = Point(Px(7), Py(1));
    ASSERT_TRUE(edit->GetPositionOfMouse(pos));
    EXPECT_EQ(pos, BufferCoord(7, 1));
    EXPECT_EQ(edit->GetWordAtMouse(), "count");
    window.pointer = Point(-1, 5);
    EXPECT_FALSE(edit->GetPositionOfMouse(pos));
    EXPECT_EQ(edit->GetWordAtMouse(), "");
}

TEST_F(SrcEditMouseTest, PointsInTheSelectionByMode) {
    SetLines({"abcdefgh", "abcdefgh", "abcdefgh"});
    edit->SetCaretAndSelection(BufferCoord(3, 3), BufferCoord(5, 1), BufferCoord(3, 3));
    EXPECT_FALSE(edit->IsPointInSelection(BufferCoord(4, 1)));
    EXPECT_TRUE(edit->IsPointInSelection(BufferCoord(5, 1)));
    EXPECT_TRUE(edit->IsPointInSelection(BufferCoord(1, 2)));
    EXPECT_FALSE(edit->IsPointInSelection(BufferCoord(3, 3)));
    edit->SetSelectionMode(smColumn);
    EXPECT_TRUE(edit->IsPointInSelection(BufferCoord(3, 2)));
    EXPECT_FALSE(edit->IsPointInSelection(BufferCoord(5, 2)));
    edit->SetSelectionMode(smLine);
    EXPECT_TRUE(edit->IsPointInSelection(BufferCoord(8, 3)));
}

TEST_F(SrcEditMouseTest, FocusGoesToTheNewestFocusControl) {
    int other = 0;
    edit->SetFocus();
    EXPECT_EQ(window.focusedControl, nullptr);
    edit->AddFocusControl(&other);
    edit->SetFocus();
    EXPECT_EQ(window.focusedControl, &other);
}

TEST_F(SrcEditMouseTest, TheRightButtonMovesTheCaretOnlyWithTheOption) {
    SetLines({"abcdefgh", "abcdefgh"});
    Click(Px(2), Py(1));
    Press(Px(5), Py(2), {}, mbRight);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(2, 1));
    WithOption(eoRightMouseMovesCursor, true);
    Press(Px(5), Py(2), {}, mbRight);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(5, 2));
    edit->SetCaretAndSelection(BufferCoord(6, 1), BufferCoord(2, 1), BufferCoord(6, 1));
    Press(Px(3), Py(1), {}, mbRight);  // in the selection: it stays
    EXPECT_EQ(edit->SelText(), "bcde");
}

}  // namespace
