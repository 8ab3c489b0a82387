#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "editor/qt/FontsInfoManager.h"
#include "editor/qt/QtCanvas.h"

namespace {

class QtCanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        image.fill(Qt::white);
    }
    QRgb At(int X, int Y) const { return image.pixel(X, Y) & 0xFFFFFF; }

    QImage image{40, 30, QImage::Format_RGB32};
};

TEST_F(QtCanvasTest, FillsLinesAndClipsHitExactPixels) {
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.FillRect(Rect(2, 3, 6, 5), clRed);
        canvas.Line(10, 0, 10, 20, clBlue);  // vertical, end excluded
        canvas.Line(0, 25, 30, 25, clLime);
        TRect clip = Rect(20, 0, 25, 10);
        canvas.SetClipRect(&clip);
        canvas.FillRect(Rect(15, 0, 40, 30), clBlack);
        canvas.SetClipRect(nullptr);
        canvas.FillRect(Rect(35, 20, 40, 22), clBlack);
    }
    EXPECT_EQ(At(2, 3), 0xFF0000u);
    EXPECT_EQ(At(5, 4), 0xFF0000u);
    EXPECT_EQ(At(6, 4), 0xFFFFFFu);
    EXPECT_EQ(At(2, 5), 0xFFFFFFu);
    EXPECT_EQ(At(10, 19), 0x0000FFu);
    EXPECT_EQ(At(10, 20), 0xFFFFFFu);
    EXPECT_EQ(At(11, 5), 0xFFFFFFu);
    EXPECT_EQ(At(0, 25), 0x00FF00u);
    EXPECT_EQ(At(29, 25), 0x00FF00u);
    EXPECT_EQ(At(30, 25), 0xFFFFFFu);
    EXPECT_EQ(At(20, 0), 0x000000u);
    EXPECT_EQ(At(19, 0), 0xFFFFFFu);
    EXPECT_EQ(At(25, 5), 0xFFFFFFu);
    EXPECT_EQ(At(22, 10), 0xFFFFFFu);
    EXPECT_EQ(At(36, 21), 0x000000u);  // the clip was removed
}

TEST_F(QtCanvasTest, TextExtentMeasuresInTheCanvasFont) {
    QPainter painter(&image);
    TQtCanvas canvas(painter);
    canvas.Font().SetName("Courier New");
    canvas.Font().SetSize(10);
    TPoint one = canvas.TextExtent("8");
    TPoint four = canvas.TextExtent("1234");
    QFontMetrics metrics(MakeQFont(FontKeyOf(canvas.Font()), {}));
    EXPECT_GT(one.X, 0);
    EXPECT_NEAR(four.X, 4 * one.X, 1);  // a fixed-pitch font, advances rounded
    EXPECT_EQ(one.Y, metrics.height());
    EXPECT_EQ(canvas.TextExtent("").X, 0);
}

}  // namespace
