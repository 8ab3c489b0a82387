#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "editor/qt/FontsInfoManager.h"
#include "editor/qt/QtCanvas.h"
#include "editor/qt/QtFontServices.h"
#include "editor/qt/TextDrawer.h"
#include "editor/qt/TextDrawer2.h"
#include "editor/qt/TextDrawerEx.h"
#include "editor/qt/TextDrawerExceptions.h"

namespace {

class TextDrawerTest : public ::testing::Test {
protected:
    void SetUp() override {
        font.SetName("Courier New");
        font.SetSize(10);
    }

    // Leftmost column with ink darker than mid-grey in [Left, Right) of
    // Image, or -1.
    static int FirstInk(const QImage& Image, int Left, int Right) {
        for (int x = Left; x < Right; ++x) {
            for (int y = 0; y < Image.height(); ++y) {
                if (qGray(Image.pixel(x, y)) < 128) {
                    return x;
                }
            }
        }
        return -1;
    }

    TFont font;
};

TEST_F(TextDrawerTest, DefaultFontFallsBackToAFixedPitchFace) {
    TQtFontServices services;
    TSrcTextMetric metric = services.GetTextMetrics(font);
    EXPECT_GT(metric.AveCharWidth, 0);
    EXPECT_EQ(metric.AveCharWidth, metric.MaxCharWidth);
    TFont proportional;
    proportional.SetName("DejaVu Sans");
    proportional.SetSize(10);
    TSrcTextMetric wide = services.GetTextMetrics(proportional);
    EXPECT_NE(wide.AveCharWidth, wide.MaxCharWidth);
}

TEST_F(TextDrawerTest, CellIsTheSameForEveryStyle) {
    TTextDrawer drawer(TFontStyles{fsBold}, &font);
    int width = drawer.GetCharWidth();
    int height = drawer.GetCharHeight();
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    std::vector<int> expected;
    for (int i = 0; i < 70; ++i) {
        expected.push_back(i * width);
    }
    for (TFontStyles style : {TFontStyles{}, TFontStyles{fsBold}, TFontStyles{fsItalic}, TFontStyles{fsBold, fsItalic}}) {
        drawer.SetStyle(style);
        EXPECT_EQ(drawer.GetCharWidth(), width);
        EXPECT_EQ(drawer.ExtTextOutOffsets(70), expected);
    }
    drawer.SetCharExtra(2);
    EXPECT_EQ(drawer.GetCharWidth(), width + 2);
    EXPECT_EQ(drawer.ExtTextOutOffsets(3), (std::vector<int>{0, width + 2, 2 * (width + 2)}));
}

TEST_F(TextDrawerTest, RunsOfEveryStyleStartEachCharacterOnItsCell) {
    TTextDrawer drawer(TFontStyles{fsBold}, &font);
    int width = drawer.GetCharWidth();
    const char text[] = "||||||||||||||||||||";
    int n = static_cast<int>(sizeof(text) - 1);
    for (TFontStyles style : {TFontStyles{}, TFontStyles{fsBold}}) {
        QImage image(width * (n + 1), drawer.GetCharHeight(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        drawer.BeginDrawing(canvas);
        drawer.SetStyle(style);
        drawer.SetForeColor(clBlack);
        drawer.SetBackColor(clWhite);
        drawer.ExtTextOut(0, 0, ETO_OPAQUE, Rect(0, 0, image.width(), image.height()), text, n);
        drawer.EndDrawing();
        painter.end();
        std::vector<int> ink;
        for (int i = 0; i < n; ++i) {
            int at = FirstInk(image, i * width, (i + 1) * width);
            ASSERT_GE(at, 0) << "no ink in cell " << i;
            ink.push_back(at - i * width);
        }
        // The same place in every cell: no drift along the run.
        for (int offset : ink) {
            EXPECT_EQ(offset, ink[0]);
        }
    }
}

TEST_F(TextDrawerTest, OpaqueFillsTheRectangleAndClippingKeepsInkInside) {
    TTextDrawer drawer(TFontStyles{fsBold}, &font);
    int width = drawer.GetCharWidth();
    QImage image(width * 12, drawer.GetCharHeight(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TQtCanvas canvas(painter);
    drawer.BeginDrawing(canvas);
    drawer.BeginDrawing(canvas);  // nested on the same canvas
    drawer.SetForeColor(clBlack);
    drawer.SetBackColor(clYellow);
    drawer.ExtTextOut(0, 0, ETO_OPAQUE | ETO_CLIPPED, Rect(0, 0, width * 4, image.height()), "MMMMMMMM", 8);
    drawer.EndDrawing();
    EXPECT_TRUE(drawer.Drawing());
    drawer.EndDrawing();
    EXPECT_FALSE(drawer.Drawing());
    painter.end();
    EXPECT_EQ(QColor(image.pixel(width * 4 - 1, 0)), QColor(255, 255, 0));
    EXPECT_EQ(FirstInk(image, width * 4, image.width()), -1);
    EXPECT_GE(FirstInk(image, 0, width), 0);
}

TEST_F(TextDrawerTest, MisuseAndMissingFontsRaise) {
    EXPECT_THROW(TTextDrawer(TFontStyles{}, nullptr), ETextDrawerException);
    TTextDrawer drawer(TFontStyles{}, &font);
    try {
        drawer.SetBaseFont(nullptr);
        FAIL();
    } catch (const ETextDrawerException& e) {
        EXPECT_EQ(e.Message(), "SetBaseFont: 'Value' must be specified.");
    }
    EXPECT_THROW(TFontStock(nullptr), EFontStockException);
    EXPECT_THROW(drawer.EndDrawing(), ETextDrawerMisuse);
    EXPECT_THROW(drawer.SetStyle(TFontStyles::FromBits(0x30)), ETextDrawerMisuse);
    QImage a(10, 10, QImage::Format_RGB32);
    QImage b(10, 10, QImage::Format_RGB32);
    QPainter pa(&a);
    QPainter pb(&b);
    TQtCanvas ca(pa);
    TQtCanvas cb(pb);
    drawer.BeginDrawing(ca);
    EXPECT_THROW(drawer.BeginDrawing(cb), ETextDrawerMisuse);
    drawer.EndDrawing();
}

TEST_F(TextDrawerTest, DrawersOfOneFontShareOneEntry) {
    TFontsInfoManager& manager = GetFontsInfoManager();
    int before = manager.Count();
    auto first = std::make_unique<TTextDrawer>(TFontStyles{fsBold}, &font);
    auto second = std::make_unique<TTextDrawer2>(TFontStyles{fsBold}, &font);
    EXPECT_EQ(manager.Count(), before + 1);
    const TSharedFontsInfo* info = first->FontStock().FontsInfo();
    EXPECT_EQ(info, second->FontStock().FontsInfo());
    EXPECT_EQ(info->RefCount, 2);
    first.reset();
    EXPECT_EQ(manager.Count(), before + 1);
    EXPECT_TRUE(info->FontsData[TFontStyles{fsBold}.ToBits()].Handle.has_value());
    second.reset();
    EXPECT_EQ(manager.Count(), before);
    TFont other = font;
    other.SetSize(14);
    TTextDrawer third(TFontStyles{}, &other);
    EXPECT_EQ(manager.Count(), before + 1);
}

TEST_F(TextDrawerTest, ExDrawerCorrectsAProportionalStyleOntoTheBaseCell) {
    TFont proportional;
    proportional.SetName("DejaVu Sans");
    proportional.SetSize(12);
    TTextDrawerEx drawer(TFontStyles{fsBold}, &proportional);
    int cell = drawer.GetCharWidth();
    for (TFontStyles style : {TFontStyles{}, TFontStyles{fsBold}, TFontStyles{fsItalic}}) {
        drawer.SetStyle(style);
        EXPECT_EQ(drawer.TextOutAdvance(), cell);
        EXPECT_EQ(drawer.SingleByteCorrection(), cell - drawer.FontStock().CharAdvance());
    }
    drawer.SetCharExtra(3);
    EXPECT_EQ(drawer.TextOutAdvance(), cell + 3);
}

TEST_F(TextDrawerTest, FontServicesMakeDrawersForTheEditor) {
    TQtFontServices services;
    std::unique_ptr<TSrcTextDrawerBase> drawer = services.CreateTextDrawer(TFontStyles{fsBold}, font);
    EXPECT_GT(drawer->GetCharWidth(), 0);
    drawer->SetBaseStyle(TFontStyles{});
    EXPECT_GT(drawer->GetCharHeight(), 0);
}

}  // namespace
