#include <QTest>

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "tests/editor/qt/widget/WidgetScene.h"

namespace {

// A scripted run of scrolls, edits, caret moves, selections and typed keys;
// after each step what the screen holds must come to equal a full repaint.
class SrcEditWidgetScreenTest : public ::testing::Test, public WidgetScene {
public:
    ~SrcEditWidgetScreenTest() override { widget->SetHighlighter(nullptr); }
    void ExpectScreenIsRepaint(const std::string& Step) {
        ::testing::AssertionResult settled = ScreenSettlesToRepaint();
        if (!settled) {
            SavePng(Screen(), "screen-" + Step);
            SavePng(Repaint(), "repaint-" + Step);
        }
        EXPECT_TRUE(settled) << "after " << Step << ", from a full repaint: " << Differences(Screen(), Repaint());
    }

    TSrcJavaSrc highlighter;
};

TEST_F(SrcEditWidgetScreenTest, ScreenEqualsAFullRepaintAfterEachStep) {
    highlighter.KeyAttri->SetForeground(clNavy);
    highlighter.CommentAttri->SetForeground(clGreen);
    widget->SetHighlighter(&highlighter);
    widget->Gutter().SetShowLineNumbers(true);
    widget->SetActiveLineColor(clYellow);
    std::string text;
    for (int i = 1; i <= 300; ++i) {
        text += i % 7 == 0 ? "/* comment " + std::to_string(i) + "\r\n" : "";
        text += "int value" + std::to_string(i) + " = " + std::to_string(i * 3) + "; return */\r\n";
    }
    widget->SetText(text);
    ASSERT_TRUE(Focus());
    ExpectScreenIsRepaint("load");

    widget->SetTopLine(2);
    ExpectScreenIsRepaint("line-down");
    widget->SetTopLine(widget->TopLine() + widget->LinesInWindow() - 1);
    ExpectScreenIsRepaint("scroll-by-almost-a-page");
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
    // Typed keys: Enter indents, the characters show, Ctrl+Backspace
    // deletes a word, Shift+arrows select.
    widget->SetSelectionMode(smNormal);
    widget->SetText("    abc\r\nfoo bar");
    widget->SetCaretXY(BufferCoord(8, 1));
    QTest::keyClick(widget.get(), Qt::Key_Return);
    QTest::keyClicks(widget.get(), "xy");
    EXPECT_EQ(widget->Lines()[1], "    xy");
    ExpectScreenIsRepaint("enter-and-type");
    EXPECT_TRUE(CellHasInk(Screen(), 6, 2));
    EXPECT_FALSE(CellHasInk(Screen(), 9, 2, clYellow));  // the active line
    widget->SetCaretXY(BufferCoord(8, 3));
    QTest::keyClick(widget.get(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(widget->Lines()[2], "foo ");
    QTest::keyClick(widget.get(), Qt::Key_Home);
    QTest::keyClick(widget.get(), Qt::Key_End);
    EXPECT_EQ(widget->CaretX(), 4);  // before the trailing blank
    QTest::keyClick(widget.get(), Qt::Key_Home);
    QTest::keyClick(widget.get(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(widget->SelText(), "    xy\r\n");
    ExpectScreenIsRepaint("delete-word-and-select");
    EXPECT_FALSE(CellHasInk(Screen(), 5, 3));
}

}  // namespace
