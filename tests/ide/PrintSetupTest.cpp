#include <gtest/gtest.h>

#include "editor/print/SrcEditPrint.h"
#include "ide/PrintSetup.h"

TEST(PrintSetup, MainWindowPrintComponentSettings) {
    TSrcEditPrint print;
    SetUpSrcEditPrint1(print);
    TSrcEditPrintMargins& m = print.Margins();
    for (double value : {m.Left(), m.Right(), m.Top(), m.Bottom(), m.Header(), m.Footer()}) {
        EXPECT_DOUBLE_EQ(value, 15);
    }
    EXPECT_DOUBLE_EQ(m.LeftHFTextIndent(), 2);
    EXPECT_DOUBLE_EQ(m.RightHFTextIndent(), 2);
    EXPECT_DOUBLE_EQ(m.HFInternalMargin(), 0.5);
    for (THeaderFooter* part : {static_cast<THeaderFooter*>(&print.Header()), static_cast<THeaderFooter*>(&print.Footer())}) {
        EXPECT_EQ(part->DefaultFont().Name(), "Arial");
        EXPECT_EQ(part->DefaultFont().Height(), -13);
        EXPECT_EQ(part->DefaultFont().Color(), clBlack);
    }
    EXPECT_TRUE(print.Colors);
    EXPECT_TRUE(print.Wrap());
    EXPECT_TRUE(print.Highlight);
    EXPECT_EQ(print.TabWidth, 8);
    EXPECT_EQ(print.Color, clWhite);
    EXPECT_EQ(print.Copies, 1);

    TFooter footer;
    SetUpPrintFooter(footer);
    ASSERT_EQ(footer.Count(), 1);
    EXPECT_EQ(footer.Get(0).Text, "$DATE$        $TIME$        $TITLE$        $PAGENUM$");
    EXPECT_EQ(footer.Get(0).Alignment, taRightJustify);
    EXPECT_EQ(footer.Get(0).Font.Height(), -13) << "the footer's default font";
    EXPECT_FALSE(footer.MirrorPosition);
}
