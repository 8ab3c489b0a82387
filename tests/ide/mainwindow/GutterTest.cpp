// The gutter marks of the execution line and of breakpoints, on screen.
#include <QImage>

#include "ide/EditorImages.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"

namespace {

QColor Colour(TColor bgr)
{
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

}  // namespace

TEST_F(MainWindowTest, TheExecutionLineAndABreakpointPaintTheirImagesInTheGutter)
{
    std::string text;
    for (int i = 1; i <= 12; ++i) text += "int line" + std::to_string(i) + ";\n";
    const std::string path = Write("Marks.java", text);
    form->OpenSourceFile(path);
    ASSERT_TRUE(ShowExposed(*form));
    form->SetBreakpointQuery([](const CZARNSource&, int line) { return line == 5 || line == 3; });
    form->ShowExecutionLine(path, 3);
    ASSERT_EQ(form->ExecutionPage(), Page());

    const QImage image = GrabToPng(*Page()->viewport(), "gutter");
    const int height = Page()->LineHeight();
    const int top = Page()->TopLine();
    const int centre = TEditorImages::MarkSize / 2;
    auto rowY = [&](int line) { return (line - top) * height + (height - TEditorImages::MarkSize) / 2 + centre; };
    const QColor arrow = Colour(TEditorImages::ArrowColor);
    const QColor breakpoint = Colour(TEditorImages::BreakpointColor);

    EXPECT_EQ(PixelAt(image, QPoint(2 + 1, rowY(3))), arrow);
    EXPECT_EQ(PixelAt(image, QPoint(14 + centre, rowY(3))), breakpoint);
    EXPECT_EQ(PixelAt(image, QPoint(14 + centre, rowY(5))), breakpoint);
    EXPECT_NE(PixelAt(image, QPoint(2 + 1, rowY(5))), arrow);
    EXPECT_NE(PixelAt(image, QPoint(14 + centre, rowY(4))), breakpoint);
    EXPECT_NE(PixelAt(image, QPoint(14 + centre, rowY(2))), breakpoint);

    // Cleared, the execution line's breakpoint is marked again and the arrow goes.
    form->ClearExecutionLine();
    const QImage after = GrabToPng(*Page()->viewport(), "cleared");
    EXPECT_NE(PixelAt(after, QPoint(2 + 1, rowY(3))), arrow);
    EXPECT_EQ(PixelAt(after, QPoint(14 + centre, rowY(3))), breakpoint);
}
