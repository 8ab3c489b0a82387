#include <gtest/gtest.h>

#include "tests/editor/common/DrawerWidget.h"
#include "tests/support/gui/ScreenProbe.h"

// What the X server shows of a window the text drawer paints.
TEST(ShownTextDrawerTest, TheScreenShowsTheDrawnCells) {
    TDrawerWidget widget("M M");
    ASSERT_TRUE(ShowExposed(widget));
    QImage image = GrabWindowToPng(widget, "shown");
    ASSERT_EQ(image.size(), widget.size());
    TCellGrid cells{QPoint(0, 0), QSize(widget.CellWidth(), widget.CellHeight())};
    EXPECT_EQ(DominantColor(image, cells.CellRect(0, 0)), QColor(Qt::yellow));
    EXPECT_TRUE(HasColor(image, cells.CellRect(0, 0), Qt::black)) << "no ink in the M's cell";
    EXPECT_EQ(PixelAt(image, cells.CellRect(1, 0).center()), QColor(Qt::yellow));
    EXPECT_EQ(DominantColor(image, cells.CellRect(3, 0)), QColor(Qt::white));
}
