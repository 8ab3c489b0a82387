#include "tests/editor/qt/widget/WidgetScene.h"

#include "tests/editor/common/ThreeStyleHighlighter.h"

namespace {

class SrcEditWidgetScreenTest : public ::testing::Test, public WidgetScene {
protected:
    // After each step the screen must come to equal a full repaint.
    void ExpectScreenIsRepaint(const std::string& Step) {
        bool settled = ScreenSettlesToRepaint();
        if (!settled) {
            Save(Screen(), "screen-" + Step);
            Save(Repaint(), "repaint-" + Step);
        }
        EXPECT_TRUE(settled) << "after " << Step << ": " << DifferentPixels(Screen(), Repaint())
                             << " pixels differ from a full repaint";
    }
};

TEST_F(SrcEditWidgetScreenTest, ScreenEqualsAFullRepaintAfterAScriptedRun) {
    ThreeStyleHighlighter highlighter;
    widget->SetHighlighter(&highlighter);
    widget->Gutter().SetShowLineNumbers(true);
    widget->SetActiveLineColor(clCream);
    std::string text;
    for (int i = 1; i <= 300; ++i) {
        text += i % 7 == 0 ? "/* comment " + std::to_string(i) + "\r\n" : "";
        text += "int value" + std::to_string(i) + " = " + std::to_string(i * 3) + "; return */\r\n";
    }
    widget->SetText(text);
    ASSERT_TRUE(Focus()) << "the editor never got the focus";
    ExpectScreenIsRepaint("load");

    widget->SetTopLine(2);
    ExpectScreenIsRepaint("line-down");
    widget->SetTopLine(widget->TopLine() + widget->LinesInWindow());
    ExpectScreenIsRepaint("page-down");
    widget->SetTopLine(widget->TopLine() - 3);
    ExpectScreenIsRepaint("lines-up");
    widget->SetLeftChar(4);
    ExpectScreenIsRepaint("left-char");
    widget->SetLeftChar(1);
    ExpectScreenIsRepaint("left-char-back");

    widget->SetCaretXY(BufferCoord(5, widget->TopLine() + 2));
    widget->SetSelTextPrimitive("inserted ");
    ExpectScreenIsRepaint("insert");
    widget->SetSelTextPrimitive("two\r\nlines");
    ExpectScreenIsRepaint("insert-lines");
    widget->SetBlockBegin(BufferCoord(3, widget->TopLine() + 1));
    widget->SetBlockEnd(BufferCoord(6, widget->TopLine() + 4));
    ExpectScreenIsRepaint("selection");
    widget->SetSelTextPrimitive("");
    ExpectScreenIsRepaint("delete-selection");
    widget->SetSelectionMode(smColumn);
    widget->SetBlockBegin(BufferCoord(2, widget->TopLine() + 5));
    widget->SetBlockEnd(BufferCoord(8, widget->TopLine() + 9));
    ExpectScreenIsRepaint("column-selection");
    widget->SetCaretXY(BufferCoord(1, widget->TopLine() + 12));
    widget->SetTopLine(widget->TopLine() + 1);
    ExpectScreenIsRepaint("caret-and-scroll");
    widget->SetHighlighter(nullptr);
}

}  // namespace
