// The Qt printer's device values, targets and failures.
#include <gtest/gtest.h>

#include <QPrinter>

#include "editor/print/SrcEditPrintTypes.h"
#include "editor/print/SrcEditPrinterInfo.h"
#include "editor/print/SrcPrintCanvas.h"
#include "editor/qt/QtPrinter.h"
#include "tests/support/TempDir.h"

TEST(QtPrinter, DeviceValuesOfAnA4PdfAt300Dpi) {
    TempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    TQtPrinter qt(printer);
    TSrcEditPrinterInfo info(&qt);
    EXPECT_FALSE(qt.TargetPresent()) << "a native printer without a name has no target here";
    EXPECT_EQ(info.PrintableWidth(), 2358) << "no target: the A4 defaults";

    TQtPrinter::UsePdf(printer, QString::fromStdString(dir.File("a.pdf")));
    printer.setPageMargins(QMarginsF(18, 12, 12, 12), QPageLayout::Point);
    ASSERT_TRUE(qt.TargetPresent());
    info.UpdatePrinter();
    EXPECT_EQ(info.PhysicalWidth(), 2479);
    EXPECT_EQ(info.PhysicalHeight(), 3508);
    EXPECT_EQ(info.PrintableWidth(), 2354);
    EXPECT_EQ(info.PrintableHeight(), 3408);
    EXPECT_EQ(info.LeftGutter(), 75);
    EXPECT_EQ(info.TopGutter(), 50);
    EXPECT_EQ(info.RightGutter(), 50);
    EXPECT_EQ(info.BottomGutter(), 50);
    EXPECT_EQ(info.XPixPrInch(), 300);
}

TEST(QtPrinter, MeasuresAtThePrinterResolutionAndReportsFailures) {
    QPrinter printer(QPrinter::HighResolution);
    TQtPrinter::UsePdf(printer, "/nonexistent-folder/out.pdf");
    TQtPrinter qt(printer);
    TSrcPrintCanvas& canvas = qt.MeasureCanvas(300);
    TSrcPrintFont font;
    font.SetName("DejaVu Sans Mono");
    font.SetPixelsPerInch(300);
    font.SetSize(10);
    canvas.SetFont(font);
    EXPECT_EQ(canvas.GetTextMetrics().AveCharWidth, 25);
    EXPECT_EQ(canvas.GetTextMetrics().Height, 49);
    EXPECT_NEAR(canvas.TextWidth(std::string(84, 'W')), 2124, 1) << "natural advances at 300 dpi";

    EXPECT_THROW(qt.Canvas(), EPrinter);
    EXPECT_THROW(qt.BeginDoc(), EPrinter);
    EXPECT_FALSE(qt.Printing());
    EXPECT_NO_THROW(qt.EndDoc());
}
