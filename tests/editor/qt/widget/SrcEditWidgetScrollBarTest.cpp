#include <QLabel>
#include <QScrollBar>

#include "editor/qt/ScrollHintWindow.h"
#include "tests/editor/qt/widget/WidgetScene.h"

namespace {

class SrcEditWidgetScrollBarTest : public ::testing::Test, public WidgetScene {
protected:
    void Fill(int Count) {
        TSrcEditStringList& lines = widget->Lines();
        lines.BeginUpdate();
        for (int i = 1; i <= Count; ++i) {
            lines.Add("line " + std::to_string(i));
        }
        lines.EndUpdate();
    }
    // Drags the vertical thumb to Pos and, with Release, lets it go.
    void DragThumb(int Pos, bool Release) {
        QScrollBar& bar = *widget->verticalScrollBar();
        bar.setSliderDown(true);
        bar.setSliderPosition(Pos);
        if (Release) {
            bar.setSliderDown(false);
        }
    }
    QScrollBar& Vertical() const { return *widget->verticalScrollBar(); }
};

TEST_F(SrcEditWidgetScrollBarTest, BarsShowTheViewAndItsRequestsMoveIt) {
    Fill(100);
    int page = widget->LinesInWindow();
    ASSERT_GT(page, 3);
    EXPECT_EQ(Vertical().minimum(), 1);
    EXPECT_EQ(Vertical().maximum(), 100 - page + 1);
    EXPECT_EQ(Vertical().pageStep(), page);
    widget->SetTopLine(10);
    EXPECT_EQ(Vertical().value(), 10);

    Vertical().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(widget->TopLine(), 11);
    Vertical().triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(widget->TopLine(), 10);
    Vertical().triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(widget->TopLine(), 10 + page);
    Vertical().triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(widget->TopLine(), 100 - page + 1);
    EXPECT_EQ(Vertical().value(), 100 - page + 1);
    Vertical().triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(widget->TopLine(), 1);

    widget->Lines().Add(std::string(300, 'x'));
    widget->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(widget->LeftChar(), 2);
    EXPECT_EQ(widget->horizontalScrollBar()->value(), 2);
}

TEST_F(SrcEditWidgetScrollBarTest, ThumbAtTheEndShowsTheLastTopLineAlsoWhenScaled) {
    Fill(40000);
    int page = widget->LinesInWindow();
    DragThumb(Vertical().maximum(), true);
    EXPECT_EQ(widget->TopLine(), 40000 - page + 1);
    WithOption(eoScrollPastEof, true);
    DragThumb(Vertical().minimum(), true);
    EXPECT_EQ(widget->TopLine(), 1);
    DragThumb(Vertical().maximum(), true);
    EXPECT_EQ(widget->TopLine(), 40000);
}

TEST_F(SrcEditWidgetScrollBarTest, ANearlyEmptyTextShowsADisabledBarUnlessBarsHide) {
    Fill(3);
    EXPECT_EQ(widget->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(Vertical().isEnabled());
    WithOption(eoHideShowScrollbars, true);
    EXPECT_EQ(widget->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    WithOption(eoHideShowScrollbars, false);
    Fill(200);
    EXPECT_TRUE(Vertical().isEnabled());
    WithOption(eoDisableScrollArrows, true);
    widget->SetTopLine(1);
    EXPECT_TRUE(Vertical().isEnabled());  // one arrow still works
    widget->SetScrollBars(ssNone);
    EXPECT_EQ(widget->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(widget->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(SrcEditWidgetScrollBarTest, DraggingTheThumbShowsTheHintInItsColour) {
    Fill(500);
    widget->ScrollHintColor = clAqua;
    DragThumb(120, false);
    EXPECT_EQ(widget->TopLine(), 120);
    QLabel* hint = TScrollHintWindow::Instance().Window();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), QString("Top Line: 120"));
    EXPECT_EQ(hint->palette().color(QPalette::Window), ToQColor(clAqua));
    QPoint rightEdge = widget->viewport()->mapToGlobal(QPoint(widget->viewport()->width(), 10));
    EXPECT_EQ(hint->pos(), rightEdge - QPoint(hint->width() + 4, 0));  // 4 pixels left of the right edge
    Vertical().setSliderDown(false);
    EXPECT_FALSE(hint->isVisible());
}

}  // namespace
