#include <gtest/gtest.h>

#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/NotifyCounter.h"

namespace {

class SrcEditControlTest : public ::testing::Test, public SrcEditTestBase {};

TEST_F(SrcEditControlTest, TextAndCaretLineAccess) {
    EXPECT_EQ(edit->LineText(), "");
    edit->SetLineText("first");  // line 1 of an empty buffer is added
    EXPECT_EQ(edit->Lines().Count(), 1);
    edit->SetText("one\r\ntwo\nthree");
    EXPECT_EQ(edit->Lines().Count(), 3);
    edit->SetCaretXY(BufferCoord(1, 2));
    EXPECT_EQ(edit->LineText(), "two");
    edit->SetLineText("TWO");
    EXPECT_EQ(edit->Lines()[1], "TWO");
}

TEST_F(SrcEditControlTest, ControlWithoutFontServicesIsRefused) {
    SetSrcFontServices(nullptr);
    EXPECT_THROW(TSrcEdit(), ESrcEditError);
    SetSrcFontServices(&fonts);
}

TEST_F(SrcEditControlTest, ProportionalFontBecomesFixedPitchFixedFontIsTakenAsIs) {
    TFont font;
    font.SetName("Helvetica");
    font.SetSize(12);
    font.SetStyle({fsItalic});
    font.SetColor(clRed);
    edit->SetFont(font);
    EXPECT_EQ(edit->Font().Name(), "Helvetica");
    EXPECT_EQ(edit->Font().Size(), 12);
    EXPECT_EQ(edit->Font().Style(), TFontStyles{fsItalic});
    EXPECT_EQ(edit->Font().Color(), clRed);
    EXPECT_EQ(edit->Font().Pitch(), fpFixed);
    edit->SetExtraLineSpacing(4);
    EXPECT_EQ(edit->LineHeight(), 20);
    EXPECT_EQ(edit->LinesInWindow(), 16);

    TFont fixed;
    fixed.SetName("DejaVu Sans Mono");
    fixed.SetPitch(fpDefault);
    edit->SetFont(fixed);
    EXPECT_EQ(edit->Font().Name(), "DejaVu Sans Mono");
    EXPECT_EQ(edit->Font().Pitch(), fpDefault);
}

TEST_F(SrcEditControlTest, OneStatusNotificationPerOutermostPaintLock) {
    FillNumbered(100);
    std::vector<uint16_t> seen;
    struct Sink {
        std::vector<uint16_t>* seen;
        void Changed(TObject*, TSrcStatusChanges c) { seen->push_back(c.ToBits()); }
    } sink{&seen};
    edit->OnStatusChange = TStatusChangeEvent::Of<&Sink::Changed>(&sink);
    edit->IncPaintLock();
    edit->IncPaintLock();
    edit->SetCaretXY(BufferCoord(3, 50));
    edit->SetTopLine(10);
    edit->DecPaintLock();
    EXPECT_TRUE(seen.empty());
    edit->DecPaintLock();
    ASSERT_EQ(seen.size(), 1u);
    TSrcStatusChanges got = TSrcStatusChanges::FromBits(seen[0]);
    EXPECT_TRUE(got.Contains(scCaretX));
    EXPECT_TRUE(got.Contains(scCaretY));
    EXPECT_TRUE(got.Contains(scTopLine));
    EXPECT_TRUE(got.Contains(scSelection));
    EXPECT_TRUE(edit->PendingStatusChanges().Empty());

    seen.clear();
    edit->SetSelTextPrimitive("x\r\ny");
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(SrcEditControlTest, UnbalancedPaintLockRaisesAndChangesStayPendingWithoutHandler) {
    EXPECT_THROW(edit->DecPaintLock(), ESrcEditError);
    EXPECT_EQ(edit->PaintLock(), 0);
    edit->SetInsertMode(false);
    EXPECT_TRUE(edit->PendingStatusChanges().Contains(scInsertMode));
}

TEST_F(SrcEditControlTest, TopLineIsClampedUnlessScrollPastEof) {
    FillNumbered(100);
    edit->SetTopLine(1000);
    EXPECT_EQ(edit->TopLine(), 81);
    edit->SetTopLine(-5);
    EXPECT_EQ(edit->TopLine(), 1);
    WithOption(eoScrollPastEof, true);
    edit->SetTopLine(1000);
    EXPECT_EQ(edit->TopLine(), 100);
    SetLines({"short"});
    WithOption(eoScrollPastEof, false);
    edit->SetTopLine(5);
    EXPECT_EQ(edit->TopLine(), 1);
}

TEST_F(SrcEditControlTest, TopLineScrollsTheWindowForSmallStepsOnly) {
    FillNumbered(100);
    window.scrolls.clear();
    edit->SetTopLine(3);
    ASSERT_EQ(window.scrolls.size(), 1u);
    EXPECT_EQ(window.scrolls[0], Point(0, -2 * 16));
    edit->SetTopLine(60);
    EXPECT_EQ(window.scrolls.size(), 1u);
}

TEST_F(SrcEditControlTest, LeftCharIsClampedByTheLongestLineOrMaxScrollWidth) {
    SetLines({std::string(100, 'x').c_str(), "y"});
    edit->SetLeftChar(5000);
    EXPECT_EQ(edit->LeftChar(), 1024 - 80 + 1);
    WithOption(eoScrollPastEol, false);
    edit->SetLeftChar(5000);
    EXPECT_EQ(edit->LeftChar(), 100 - 80 + 1);
    SetLines({"short"});
    edit->SetLeftChar(5);
    EXPECT_EQ(edit->LeftChar(), 1);
}

TEST_F(SrcEditControlTest, AutoSizedScrollWidthFollowsLeftCharWithoutOverflow) {
    WithOption(eoAutoSizeMaxScrollWidth, true);
    edit->SetLeftChar(2000);
    EXPECT_EQ(edit->LeftChar(), 2000);
    EXPECT_EQ(edit->MaxScrollWidth(), 2080);
    edit->SetLeftChar(2147483647);
    EXPECT_EQ(edit->LeftChar(), 2147483647 - 80);
    EXPECT_EQ(edit->MaxScrollWidth(), 2147483646);
}

TEST_F(SrcEditControlTest, LongBufferScalesTheVerticalScrollBar) {
    FillNumbered(40000);
    edit->SetTopLine(20000);
    const TSrcScrollInfo& v = window.scrollInfo[sbVertical];
    EXPECT_EQ(v.Min, 0);
    EXPECT_EQ(v.Max, 32767);
    EXPECT_EQ(v.Page, 16);  // 20 x 32767 / 40000
    EXPECT_EQ(v.Pos, 16384);
    EXPECT_TRUE(window.shown[sbVertical]);
    const TSrcScrollInfo& h = window.scrollInfo[sbHorizontal];
    EXPECT_EQ(h.Min, 1);
    EXPECT_EQ(h.Max, 1024);
    EXPECT_EQ(h.Page, 80);
}

TEST_F(SrcEditControlTest, HideShowScrollBarsShowsOnlyBarsWithSomethingToScroll) {
    FillNumbered(10);
    WithOption(eoHideShowScrollbars, true);
    WithOption(eoScrollPastEol, false);
    EXPECT_FALSE(window.shown[sbVertical]);
    EXPECT_FALSE(window.shown[sbHorizontal]);
    FillNumbered(30);
    EXPECT_TRUE(window.shown[sbVertical]);
    edit->SetScrollBars(ssNone);
    EXPECT_FALSE(window.shown[sbVertical]);
}

TEST_F(SrcEditControlTest, ScrollBarUpdatesWaitForThePaintLock) {
    FillNumbered(50);
    edit->IncPaintLock();
    edit->SetTopLine(20);
    EXPECT_NE(window.scrollInfo[sbVertical].Pos, 20);
    edit->DecPaintLock();
    EXPECT_EQ(window.scrollInfo[sbVertical].Pos, 20);
}

TEST_F(SrcEditControlTest, ClearingTheBufferResetsViewCaretAndUndo) {
    FillNumbered(100);
    edit->SetCaretXY(BufferCoord(4, 60));
    edit->SetLeftChar(10);
    edit->UndoList().AddChange(crInsert, BufferCoord(1, 1), BufferCoord(2, 1), "", smNormal);
    edit->RedoList().AddChange(crInsert, BufferCoord(1, 1), BufferCoord(2, 1), "", smNormal);
    edit->Lines().Clear();
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 1));
    EXPECT_EQ(edit->TopLine(), 1);
    EXPECT_EQ(edit->LeftChar(), 1);
    EXPECT_FALSE(edit->UndoList().CanUndo());
    EXPECT_FALSE(edit->RedoList().CanUndo());
}

TEST_F(SrcEditControlTest, NewUndoRecordClearsRedoAndReportsAChange) {
    NotifyCounter changes;
    edit->OnChange = changes.Event();
    edit->RedoList().AddChange(crInsert, BufferCoord(1, 1), BufferCoord(2, 1), "", smNormal);
    edit->UndoList().AddChange(crInsert, BufferCoord(1, 1), BufferCoord(2, 1), "", smNormal);
    EXPECT_FALSE(edit->RedoList().CanUndo());
    EXPECT_EQ(changes.count, 2);
}

TEST_F(SrcEditControlTest, TabWidthIsLimitedAndReachesTheBuffer) {
    edit->SetTabWidth(0);
    EXPECT_EQ(edit->TabWidth(), 1);
    edit->SetTabWidth(300);
    EXPECT_EQ(edit->TabWidth(), 256);
    EXPECT_EQ(edit->Lines().TabWidth(), 256);
}

TEST_F(SrcEditControlTest, SameOptionsChangeNothing) {
    window.invalidated.clear();
    edit->SetOptions(edit->Options());
    EXPECT_TRUE(window.invalidated.empty());
}

TEST_F(SrcEditControlTest, ScrollArrowsAreDisabledAtTheEndsOnlyWhenAsked) {
    FillNumbered(100);
    EXPECT_EQ(window.arrows[sbVertical], saEnableBoth);
    WithOption(eoDisableScrollArrows, true);
    EXPECT_EQ(window.arrows[sbVertical], saDisableLeftUp);
    edit->SetTopLine(50);
    EXPECT_EQ(window.arrows[sbVertical], saEnableBoth);
    edit->SetTopLine(81);
    EXPECT_EQ(window.arrows[sbVertical], saDisableRightDown);
    SetLines({"a"});
    EXPECT_EQ(window.arrows[sbVertical], saDisableBoth);
}

TEST_F(SrcEditControlTest, AutoSizedScrollWidthGrowsWithInsertedAndChangedLines) {
    WithOption(eoAutoSizeMaxScrollWidth, true);
    edit->Lines().Add(std::string(1500, 'x'));
    EXPECT_EQ(edit->MaxScrollWidth(), 1500);
    edit->Lines().Put(0, std::string(1200, 'y') + "\t");
    EXPECT_EQ(edit->MaxScrollWidth(), 1500);
    edit->Lines().Put(0, std::string(1599, 'y') + "\t");
    EXPECT_EQ(edit->MaxScrollWidth(), 1600);
}

TEST_F(SrcEditControlTest, RepaintsDuringABufferUpdateAreGatheredIntoOne) {
    FillNumbered(30);
    window.invalidated.clear();
    edit->Lines().BeginUpdate();
    edit->Lines().Put(2, "changed");
    edit->Lines().Put(4, "changed too");
    EXPECT_TRUE(window.invalidated.empty());
    size_t before = window.invalidated.size();
    edit->Lines().EndUpdate();
    ASSERT_GT(window.invalidated.size(), before);
    const TRect& r = window.invalidated.back();
    EXPECT_EQ(r.Left, edit->GutterWidth());
    EXPECT_EQ(r.Top, 2 * 16);
    EXPECT_EQ(r.Bottom, 5 * 16);
}

TEST_F(SrcEditControlTest, CaretShapeFollowsTheMode) {
    EXPECT_EQ(window.caretSize, Point(2, 16));
    edit->SetInsertMode(false);
    EXPECT_EQ(window.caretSize, Point(8, 16));
    edit->SetOverwriteCaret(ctHorizontalLine);
    EXPECT_EQ(window.caretSize, Point(8, 2));
    edit->SetOverwriteCaret(ctHalfBlock);
    EXPECT_EQ(window.caretSize, Point(8, 8));
}

}  // namespace
