#include <vector>

#include "editor/support/SrcCanvas.h"
#include "tests/editor/qt/widget/WidgetScene.h"

namespace {

// The widget with its protected parts within reach.
class OpenWidget : public TSrcEditWidget {
public:
    using TCustomSrcEdit::DoOnPaintTransient;
    void TimerFired(int Id) override { fired.push_back(Id); }
    std::vector<int> fired;
};

class SrcEditWidgetWindowTest : public ::testing::Test, public WidgetScene {
protected:
    SrcEditWidgetWindowTest() {
        TFont font = widget->Font();
        widget = std::make_unique<OpenWidget>();
        widget->SetFont(font);
        widget->Color = clWhite;
        widget->resize(400, 300);
        EXPECT_TRUE(ShowExposed(*widget));
        for (const char* text : {"abc", "def", "ghi"}) {
            widget->Lines().Add(text);
        }
    }
    bool marking = false;
    OpenWidget& Open() const { return static_cast<OpenWidget&>(*widget); }

public:
    // Transient painting: while marking, a red mark in the middle of cell
    // (2, 2).
    void MarkCell(TObject*, TSrcCanvas* Canvas, TTransientType Type) {
        if (Type == ttAfter && marking) {
            QPoint cell = Cell(2, 2);
            Canvas->FillRect(Rect(cell.x() - 2, cell.y() - 2, cell.x() + 2, cell.y() + 2), clRed);
        }
    }
};

TEST_F(SrcEditWidgetWindowTest, WindowServicesMapToTheViewport) {
    EXPECT_EQ(widget->viewport()->cursor().shape(), Qt::IBeamCursor);
    EXPECT_TRUE(widget->viewport()->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(widget->Window().ClientRect(), Rect(0, 0, widget->viewport()->width(), widget->viewport()->height()));
    EXPECT_EQ(widget->frameShape(), QFrame::StyledPanel);
    int framed = widget->viewport()->width();
    widget->SetBorderStyle(bsNone);
    EXPECT_EQ(widget->frameShape(), QFrame::NoFrame);
    EXPECT_GT(widget->viewport()->width(), framed);  // the view is measured again
    EXPECT_EQ(widget->CharsInWindow(),
              (widget->viewport()->width() - widget->GutterWidth() - 2) / widget->CharWidth());
}

TEST_F(SrcEditWidgetWindowTest, FocusMakesTheCaretAndLosingItDestroysIt) {
    ASSERT_TRUE(Focus());
    EXPECT_TRUE(widget->Window().Caret().Visible());
    widget->SetCaretXY(BufferCoord(6, 2));  // past the line's end
    QPoint caret = Cell(6, 2) - QPoint(widget->CharWidth() / 2, 0);
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_EQ(Screen().pixel(caret), qRgb(0, 0, 0));

    QWidget other;
    other.show();
    other.activateWindow();
    other.setFocus();
    ASSERT_TRUE(WaitUntil([&] { return !widget->hasFocus(); }, 5s, "the editor to lose the focus"));
    EXPECT_FALSE(widget->Window().Caret().Exists());
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_EQ(Screen().pixel(caret), Rgb(clWhite));

    widget->SetAlwaysShowCaret(true);
    EXPECT_TRUE(widget->Window().Caret().Visible());
}


TEST_F(SrcEditWidgetWindowTest, TimersCallTheControl) {
    widget->Window().StartTimer(7, 5);
    ASSERT_TRUE(WaitUntil([&] { return Open().fired.size() >= 2; }, 5s, "the timer to fire twice"));
    widget->Window().StopTimer(7);
    QCoreApplication::processEvents();
    size_t count = Open().fired.size();
    EXPECT_FALSE(WaitUntil([&] { return Open().fired.size() > count; }, 50ms, "a stopped timer to fire"));
    EXPECT_EQ(Open().fired.front(), 7);
}

TEST_F(SrcEditWidgetWindowTest, TransientPaintingStaysUntilClearedOrPaintedAfresh) {
    widget->OnPaintTransient = TPaintTransient::Of<&SrcEditWidgetWindowTest::MarkCell>(this);
    marking = true;
    Open().DoOnPaintTransient(ttAfter);
    marking = false;
    ASSERT_TRUE(WaitUntil([&] { return Screen().pixel(Cell(2, 2)) == Rgb(clRed); }, 5s, "the mark on the screen"));
    EXPECT_EQ(Repaint().pixel(Cell(2, 2)), Rgb(clRed));  // composed over every paint
    widget->SetTopLine(1);
    widget->InvalidateLine(1);
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_EQ(Screen().pixel(Cell(2, 2)), Rgb(clRed));  // another line painted afresh

    widget->InvalidateLine(2);
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_NE(Screen().pixel(Cell(2, 2)), Rgb(clRed));

    marking = true;
    Open().DoOnPaintTransient(ttAfter);
    marking = false;
    ASSERT_TRUE(WaitUntil([&] { return Screen().pixel(Cell(2, 2)) == Rgb(clRed); }, 5s, "the mark on the screen"));
    Open().DoOnPaintTransient(ttBefore);
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_NE(Screen().pixel(Cell(2, 2)), Rgb(clRed));
    widget->OnPaintTransient = nullptr;
}

TEST_F(SrcEditWidgetWindowTest, TransientPaintingScrollsWithTheText) {
    for (int i = 0; i < 60; ++i) {
        widget->Lines().Add("line");
    }
    widget->OnPaintTransient = TPaintTransient::Of<&SrcEditWidgetWindowTest::MarkCell>(this);
    marking = true;
    Open().DoOnPaintTransient(ttAfter);
    marking = false;
    widget->OnPaintTransient = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return Screen().pixel(Cell(2, 2)) == Rgb(clRed); }, 5s, "the mark on the screen"));
    widget->SetTopLine(2);  // line 2, and its mark, one row up
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_EQ(Screen().pixel(Cell(2, 2)), Rgb(clRed));
    EXPECT_NE(Screen().pixel(Cell(2, 3)), Rgb(clRed));
}

TEST_F(SrcEditWidgetWindowTest, UpdatePaintsWhatIsPendingAtOnce) {
    ASSERT_TRUE(ScreenSettlesToRepaint());
    widget->SetSelectionMode(smLine);
    widget->SetBlockBegin(BufferCoord(1, 3));
    widget->SetBlockEnd(BufferCoord(2, 3));
    widget->Window().Update();  // no events processed after this
    EXPECT_EQ(Screen().pixel(Cell(20, 3)), Rgb(widget->SelectedColor().Background()));
}

TEST_F(SrcEditWidgetWindowTest, TheCaretBlinksWithTheFlashTime) {
    QGuiApplication::styleHints()->setCursorFlashTime(100);
    ASSERT_TRUE(Focus());
    widget->SetCaretXY(BufferCoord(6, 2));
    QPoint caret = Cell(6, 2) - QPoint(widget->CharWidth() / 2, 0);
    EXPECT_TRUE(WaitUntil([&] { return Screen().pixel(caret) == qRgb(0, 0, 0); }, 5s, "the caret shown"));
    EXPECT_TRUE(WaitUntil([&] { return Screen().pixel(caret) == Rgb(clWhite); }, 5s, "the caret blinked off"));
    EXPECT_TRUE(WaitUntil([&] { return Screen().pixel(caret) == qRgb(0, 0, 0); }, 5s, "the caret blinked on"));
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

}  // namespace
