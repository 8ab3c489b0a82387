#include <gtest/gtest.h>

#include <cmath>

#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/RecordingCanvas.h"

namespace {

class SrcEditWindowEventsTest : public ::testing::Test, public SrcEditTestBase {
protected:
    // The bar's value with the thumb at its end, as a platform bar with
    // the range Min..Max - Page + 1 reports it.
    int ThumbAtEnd(TSrcScrollBarKind Bar) const {
        const TSrcScrollInfo& info = window.scrollInfo[Bar];
        return info.Max - info.Page + 1;
    }
    struct ScrollLog {
        void Scrolled(TObject*, TSrcScrollBarKind Bar) { bars.push_back(Bar); }
        std::vector<TSrcScrollBarKind> bars;
    } scrolled;
};

TEST_F(SrcEditWindowEventsTest, LineAndPageRequestsMoveTheViewAndReportTheBar) {
    FillNumbered(100);
    edit->OnScroll = TScrollEvent::Of<&ScrollLog::Scrolled>(&scrolled);
    edit->ScrollRequest(sbVertical, scrLineDown, 0);
    EXPECT_EQ(edit->TopLine(), 2);
    edit->ScrollRequest(sbVertical, scrPageDown, 0);
    EXPECT_EQ(edit->TopLine(), 22);
    WithOption(eoScrollByOneLess, true);
    edit->ScrollRequest(sbVertical, scrPageUp, 0);
    EXPECT_EQ(edit->TopLine(), 3);
    edit->ScrollRequest(sbVertical, scrBottom, 0);
    EXPECT_EQ(edit->TopLine(), 81);  // the last full page without eoScrollPastEof
    edit->ScrollRequest(sbVertical, scrTop, 0);
    EXPECT_EQ(edit->TopLine(), 1);
    edit->ScrollRequest(sbHorizontal, scrLineDown, 0);
    EXPECT_EQ(edit->LeftChar(), 2);
    edit->ScrollRequest(sbHorizontal, scrPageDown, 0);
    EXPECT_EQ(edit->LeftChar(), 81);
    edit->ScrollRequest(sbHorizontal, scrBottom, 0);
    EXPECT_EQ(edit->LeftChar(), edit->MaxScrollWidth() - edit->CharsInWindow() + 1);
    edit->ScrollRequest(sbHorizontal, scrTop, 0);
    EXPECT_EQ(edit->LeftChar(), 1);
    EXPECT_EQ(scrolled.bars.size(), 9u);
    EXPECT_EQ(scrolled.bars.back(), sbHorizontal);
}

TEST_F(SrcEditWindowEventsTest, ThumbAtTheEndOfAScaledBarReachesTheLastTopLine) {
    FillNumbered(40000);
    for (bool pastEof : {false, true}) {
        WithOption(eoScrollPastEof, pastEof);
        edit->SetTopLine(1);
        ASSERT_EQ(window.scrollInfo[sbVertical].Max, 32767);
        edit->ScrollRequest(sbVertical, scrThumbTrack, ThumbAtEnd(sbVertical));
        EXPECT_EQ(edit->TopLine(), pastEof ? 40000 : 40000 - edit->LinesInWindow() + 1) << pastEof;
        edit->ScrollRequest(sbVertical, scrThumbPosition, 16383);
        // Halfway through the range the bar was scaled with (19 rows more past the end).
        EXPECT_EQ(edit->TopLine(), pastEof ? 20009 : 19999);
        edit->ScrollRequest(sbVertical, scrEndScroll, 0);
    }
}

TEST_F(SrcEditWindowEventsTest, ThumbOfAnUnscaledBarIsTheLineItself) {
    FillNumbered(100);
    edit->ScrollRequest(sbVertical, scrThumbTrack, 37);
    EXPECT_EQ(edit->TopLine(), 37);
    edit->ScrollRequest(sbVertical, scrThumbTrack, ThumbAtEnd(sbVertical));
    EXPECT_EQ(edit->TopLine(), 81);
    edit->ScrollRequest(sbHorizontal, scrThumbTrack, 12);
    EXPECT_EQ(edit->LeftChar(), 12);
}

TEST_F(SrcEditWindowEventsTest, ScrollHintShowsWhileTheThumbMoves) {
    FillNumbered(100);
    edit->ScrollRequest(sbVertical, scrThumbTrack, 30);
    ASSERT_TRUE(window.hintShown);
    EXPECT_EQ(window.hintText, "Top Line: 30");
    TPoint size = window.ScrollHintSize(window.hintText, 200);
    EXPECT_EQ(window.hintPos, Point(window.client.Width() - size.X - 4, 10));
    EXPECT_EQ(window.hintColor, edit->ScrollHintColor);

    edit->ScrollHintFormat = shfTopToBottom;
    WithOption(eoScrollHintFollows, true);
    edit->ScrollRequest(sbVertical, scrThumbTrack, 50);
    EXPECT_EQ(window.hintText, "50 - 69");
    size = window.ScrollHintSize(window.hintText, 200);
    int track = window.client.Height() - 2 * window.ScrollArrowHeight();
    int y = static_cast<int>(std::lround(static_cast<double>(track) * 50 / 100)) + size.Y / 2 + 16;
    EXPECT_EQ(window.hintPos.Y, y);
    edit->ScrollRequest(sbVertical, scrEndScroll, 0);
    EXPECT_FALSE(window.hintShown);

    WithOption(eoShowScrollHint, false);
    window.hintText.clear();
    edit->ScrollRequest(sbVertical, scrThumbTrack, 40);
    EXPECT_EQ(edit->TopLine(), 40);
    EXPECT_EQ(window.hintText, "");
}

TEST_F(SrcEditWindowEventsTest, FocusMakesTheCaretAndLosingItDestroysItUnlessAlwaysShown) {
    SetLines({"abc"});
    edit->FocusIn();
    EXPECT_TRUE(window.caretExists);
    EXPECT_TRUE(window.caretShown);
    window.focused = false;
    edit->FocusOut();
    EXPECT_FALSE(window.caretExists);
    edit->SetAlwaysShowCaret(true);
    EXPECT_TRUE(window.caretExists);
    edit->FocusOut();
    EXPECT_TRUE(window.caretExists);
}

TEST_F(SrcEditWindowEventsTest, HiddenSelectionRepaintsOnFocusChanges) {
    SetLines({"abc", "def"});
    edit->SetCaretAndSelection(BufferCoord(2, 2), BufferCoord(1, 1), BufferCoord(2, 2));
    window.invalidated.clear();
    edit->FocusOut();
    EXPECT_TRUE(window.invalidated.empty());
    edit->SetHideSelection(true);
    EXPECT_EQ(window.invalidated.size(), 1u);
    window.focused = false;
    edit->FocusOut();
    edit->FocusIn();
    EXPECT_EQ(window.invalidated.size(), 3u);
    EXPECT_EQ(window.invalidated.back(), Rect(edit->GutterWidth(), 0, window.client.Right, 32));
}

TEST_F(SrcEditWindowEventsTest, TransientPaintUsesThePaintCanvasOrTheWindowOverlay) {
    struct Handler {
        void Transient(TObject*, TSrcCanvas* Canvas, TTransientType Type) {
            log.push_back((Canvas == paint ? "paint " : Canvas == overlay ? "overlay " : "other ") +
                          std::string(Type == ttBefore ? "before" : "after"));
        }
        TSrcCanvas* paint = nullptr;
        TSrcCanvas* overlay = nullptr;
        std::vector<std::string> log;
    } handler;
    RecordingCanvas paintCanvas;
    RecordingCanvas overlayCanvas;
    handler.paint = &paintCanvas;
    handler.overlay = &overlayCanvas;
    window.transientCanvas = &overlayCanvas;
    SetLines({"abc", "def"});
    edit->OnPaintTransient = TPaintTransient::Of<&Handler::Transient>(&handler);
    edit->Paint(paintCanvas, window.client);
    edit->SetCaretXY(BufferCoord(2, 2));
    EXPECT_EQ(handler.log, (std::vector<std::string>{"paint after", "overlay before", "overlay after"}));
    EXPECT_EQ(window.transientLog, (std::vector<std::string>{"begin clear", "end", "begin", "end"}));
    EXPECT_EQ(overlayCanvas.Font().Name(), edit->Font().Name());
    EXPECT_EQ(overlayCanvas.BrushColor, edit->Color);

    window.transientCanvas = nullptr;  // no overlay: nothing is drawn
    handler.log.clear();
    edit->SetCaretXY(BufferCoord(1, 1));
    EXPECT_TRUE(handler.log.empty());
}

TEST_F(SrcEditWindowEventsTest, PropertySettersReachTheWindow) {
    EXPECT_EQ(window.borderStyle, bsSingle);
    edit->SetBorderStyle(bsNone);
    EXPECT_EQ(window.borderStyle, bsNone);

    TSrcGutter gutter;
    gutter.SetWidth(50);
    gutter.SetColor(clRed);
    edit->SetGutter(gutter);
    EXPECT_EQ(edit->Gutter().Color(), clRed);
    EXPECT_EQ(edit->GutterWidth(), 50);
    EXPECT_EQ(edit->TextOffset(), 52);
    EXPECT_EQ(edit->CharsInWindow(), (window.client.Width() - 52) / 8);
    edit->TimerFired(1);  // no timer of its own yet: ignored
}

// Opens the transient notification to the test.
class TransientEdit : public TSrcEdit {
public:
    using TSrcEdit::DoOnPaintTransientEx;
    using TSrcEdit::TSrcEdit;
};

TEST(SrcEditTransientLock, OnlyTheOutermostLockedPairFires) {
    FakeFontServices fonts;
    SetSrcFontServices(&fonts);
    {
        FakeSrcWindow window(200, 100);
        RecordingCanvas overlay;
        window.transientCanvas = &overlay;
        TransientEdit edit;
        edit.SetWindowServices(&window);
        struct Counter {
            void Fired(TObject*, TSrcCanvas*, TTransientType Type) { log += Type == ttBefore ? "b" : "a"; }
            std::string log;
        } counter;
        edit.OnPaintTransient = TPaintTransient::Of<&Counter::Fired>(&counter);
        edit.DoOnPaintTransientEx(ttBefore, true);
        edit.DoOnPaintTransientEx(ttBefore, true);
        edit.DoOnPaintTransientEx(ttAfter, false);  // unlocked inside a lock: silent
        edit.DoOnPaintTransientEx(ttAfter, true);
        EXPECT_EQ(counter.log, "b");
        edit.DoOnPaintTransientEx(ttAfter, true);
        EXPECT_EQ(counter.log, "ba");
        edit.DoOnPaintTransientEx(ttAfter, false);
        EXPECT_EQ(counter.log, "baa");
        edit.SetWindowServices(nullptr);
    }
    SetSrcFontServices(nullptr);
}

}  // namespace
