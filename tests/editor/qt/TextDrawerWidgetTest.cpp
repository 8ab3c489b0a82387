#include <gtest/gtest.h>

#include "tests/editor/common/DrawerWidget.h"
#include "tests/support/gui/ScreenProbe.h"

TEST(TextDrawerWidgetTest, PaintsTextInItsCellsOnAWidget) {
    TDrawerWidget widget("M M");
    QImage image = GrabToPng(widget, "drawer");
    TCellGrid cells{QPoint(0, 0), QSize(widget.CellWidth(), widget.CellHeight())};
    EXPECT_EQ(DominantColor(image, cells.CellRect(0, 0)), QColor(Qt::yellow));
    EXPECT_TRUE(HasColor(image, cells.CellRect(0, 0), Qt::black)) << "no ink in the M's cell";
    EXPECT_FALSE(HasColor(image, cells.CellRect(1, 0), Qt::black)) << "ink in the space's cell";
    EXPECT_EQ(PixelAt(image, cells.CellRect(1, 0).center()), QColor(Qt::yellow));
    EXPECT_EQ(DominantColor(image, cells.CellRect(3, 0)), QColor(Qt::white));
    EXPECT_EQ(DominantColor(image, cells.CellRect(0, 1)), QColor(Qt::white));
}
