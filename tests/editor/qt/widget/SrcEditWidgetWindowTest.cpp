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
        widget->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get(), 5000)) << "the editor window was not exposed";
        for (const char* text : {"abc", "def", "ghi"}) {
            widget->Lines().Add(text);
        }
    }
    OpenWidget& Open() const { return static_cast<OpenWidget&>(*widget); }
    // Transient painting: a red mark in the middle of cell (2, 2).
    void MarkCell(TObject*, TSrcCanvas* Canvas, TTransientType Type) {
        if (Type == ttAfter) {
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
    widget->SetBorderStyle(bsNone);
    EXPECT_EQ(widget->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(widget->Window().ClientRect().Width(), widget->width());  // the view is measured again
    EXPECT_EQ(widget->CharsInWindow(),
              (widget->viewport()->width() - widget->GutterWidth() - 2) / widget->CharWidth());
}

TEST_F(SrcEditWidgetWindowTest, FocusMakesTheCaretAndLosingItDestroysIt) {
    ASSERT_TRUE(Focus()) << "the editor never got the focus";
    EXPECT_TRUE(widget->Window().Caret().Visible());
    widget->SetCaretXY(BufferCoord(2, 2));
    ASSERT_TRUE(ScreenSettlesToRepaint()) << "the caret move was not painted";
    EXPECT_EQ(Screen().pixel(Cell(2, 2) + QPoint(-widget->CharWidth() / 2, 0)), qRgb(0, 0, 0));

    QWidget other;
    other.show();
    other.activateWindow();
    other.setFocus();
    ASSERT_TRUE(WaitUntil([&] { return !widget->hasFocus(); })) << "the editor kept the focus";
    EXPECT_FALSE(widget->Window().Caret().Exists());
    ASSERT_TRUE(ScreenSettlesToRepaint()) << "the caret's cell was not repainted";
    EXPECT_EQ(Screen().pixel(Cell(2, 2) + QPoint(-widget->CharWidth() / 2, 0)), Rgb(clWhite));

    widget->SetAlwaysShowCaret(true);
    EXPECT_TRUE(widget->Window().Caret().Visible());
}

TEST_F(SrcEditWidgetWindowTest, HiddenSelectionShowsOnlyWithTheFocus) {
    widget->SetHideSelection(true);
    widget->SetBlockBegin(BufferCoord(1, 1));
    widget->SetBlockEnd(BufferCoord(3, 1));
    QRgb selected = Rgb(widget->SelectedColor().Background());
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_NE(Screen().pixel(Cell(2, 1) + QPoint(0, widget->LineHeight() / 2 - 1)), selected);
    ASSERT_TRUE(Focus()) << "the editor never got the focus";
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_EQ(Screen().pixel(Cell(2, 1) + QPoint(0, widget->LineHeight() / 2 - 1)), selected);
}

TEST_F(SrcEditWidgetWindowTest, TimersCallTheControl) {
    widget->Window().StartTimer(7, 5);
    ASSERT_TRUE(WaitUntil([&] { return Open().fired.size() >= 2; })) << "the timer never fired twice";
    widget->Window().StopTimer(7);
    QCoreApplication::processEvents();
    size_t count = Open().fired.size();
    EXPECT_FALSE(WaitUntil([&] { return Open().fired.size() > count; }, 50)) << "a stopped timer fired";
    EXPECT_EQ(Open().fired.front(), 7);
}

TEST_F(SrcEditWidgetWindowTest, TransientPaintingStaysUntilClearedOrPaintedAfresh) {
    widget->OnPaintTransient = TPaintTransient::Of<&SrcEditWidgetWindowTest::MarkCell>(this);
    Open().DoOnPaintTransient(ttAfter);
    ASSERT_TRUE(WaitUntil([&] { return Screen().pixel(Cell(2, 2)) == Rgb(clRed); }))
        << "the transient mark never reached the screen";
    EXPECT_EQ(Repaint().pixel(Cell(2, 2)), Rgb(clRed));  // composed over every paint
    widget->SetTopLine(1);
    widget->InvalidateLine(1);
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_EQ(Screen().pixel(Cell(2, 2)), Rgb(clRed));  // another line painted afresh

    widget->InvalidateLine(2);
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_NE(Screen().pixel(Cell(2, 2)), Rgb(clRed));

    Open().DoOnPaintTransient(ttAfter);
    ASSERT_TRUE(WaitUntil([&] { return Screen().pixel(Cell(2, 2)) == Rgb(clRed); }));
    Open().DoOnPaintTransient(ttBefore);
    ASSERT_TRUE(ScreenSettlesToRepaint());
    EXPECT_NE(Screen().pixel(Cell(2, 2)), Rgb(clRed));
    widget->OnPaintTransient = nullptr;
}

}  // namespace
