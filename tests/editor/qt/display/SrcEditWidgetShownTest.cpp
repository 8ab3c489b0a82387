#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include "editor/qt/ScrollHintWindow.h"
#include "tests/editor/qt/widget/ScreenScript.h"

namespace {

class SrcEditWidgetShownTest : public ::testing::Test, public ScreenScript {
protected:
    // The middle of the vertical bar's thumb, in the bar's pixels.
    QPoint ThumbCentre() const {
        QScrollBar& bar = *widget->verticalScrollBar();
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar.minimum();
        option.maximum = bar.maximum();
        option.sliderPosition = bar.sliderPosition();
        option.sliderValue = bar.value();
        option.singleStep = bar.singleStep();
        option.pageStep = bar.pageStep();
        option.subControls = QStyle::SC_All;
        return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar).center();
    }
};

TEST_F(SrcEditWidgetShownTest, ScreenEqualsAFullRepaintAfterAScriptedRun) { RunScript(); }

TEST_F(SrcEditWidgetShownTest, DraggingTheThumbShowsTheHint) {
    for (int i = 1; i <= 1000; ++i) {
        widget->Lines().Add("line " + std::to_string(i));
    }
    widget->ScrollHintColor = clAqua;
    QScrollBar& bar = *widget->verticalScrollBar();
    QPoint thumb = ThumbCentre();
    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, thumb);
    QTest::mouseMove(&bar, thumb + QPoint(0, bar.height() / 3));
    ASSERT_TRUE(WaitUntil([] { QLabel* hint = TScrollHintWindow::Instance().Window(); return hint && hint->isVisible(); },
                          5s, "the scroll hint to show"));
    QLabel& hint = *TScrollHintWindow::Instance().Window();
    EXPECT_GT(widget->TopLine(), 1);
    EXPECT_EQ(hint.text(), QString::fromStdString("Top Line: " + std::to_string(widget->TopLine())));
    ASSERT_TRUE(WaitUntil([&] { return hint.windowHandle() && hint.windowHandle()->isExposed(); }, 5s,
                          "the hint window to be exposed"));
    QRect at = hint.frameGeometry();
    QImage shown = QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), at.width(), at.height()).toImage();
    SavePng(shown, "hint");
    EXPECT_EQ(DominantColor(shown, shown.rect()), ToQColor(clAqua));
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, thumb + QPoint(0, bar.height() / 3));
    EXPECT_TRUE(WaitUntil([&] { return !hint.isVisible(); }, 5s, "the scroll hint to hide"));
}

}  // namespace
