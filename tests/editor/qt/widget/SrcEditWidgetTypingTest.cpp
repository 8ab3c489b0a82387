#include <QTest>

#include "tests/editor/qt/widget/ScreenScript.h"

namespace {

// Keys typed through the widget with QTest; after each script the screen
// must hold what a full repaint draws.
class SrcEditWidgetTypingTest : public ::testing::Test, public ScreenScript {
protected:
    void SetUp() override {
        widget->SetHighlighter(&highlighter);
        ASSERT_TRUE(Focus());
    }
    void TearDown() override { widget->SetHighlighter(nullptr); }

    void Start(const std::string& Text, TBufferCoord Caret) {
        widget->SetText(Text);
        widget->SetCaretXY(Caret);
    }
    void Key(int Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
        QTest::keyClick(widget.get(), static_cast<Qt::Key>(Key), Modifiers);
    }
    std::string Line(int Index) const { return widget->Lines()[Index - 1]; }

};

TEST_F(SrcEditWidgetTypingTest, EnterIndentsAndTypingShowsTheCharacters) {
    Start("    abc", BufferCoord(8, 1));
    Key(Qt::Key_Return);
    QTest::keyClicks(widget.get(), "xy");
    EXPECT_EQ(Line(2), "    xy");
    EXPECT_EQ(widget->CaretXY(), BufferCoord(7, 2));
    ExpectScreenIsRepaint("enter-and-type");
    EXPECT_TRUE(CellHasInk(Screen(), 5, 2));
    EXPECT_TRUE(CellHasInk(Screen(), 6, 2));
    EXPECT_FALSE(CellHasInk(Screen(), 9, 2));
}

TEST_F(SrcEditWidgetTypingTest, SmartTabUnderTheNextWord) {
    widget->SetWantTabs(true);
    widget->SetText("int   x;");
    widget->Lines().Add("");
    widget->SetCaretXY(BufferCoord(1, 2));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Line(2), "      ");
    EXPECT_EQ(widget->CaretXY(), BufferCoord(7, 2));
    QTest::keyClicks(widget.get(), "y");
    EXPECT_EQ(Line(2), "      y");
    ExpectScreenIsRepaint("smart-tab");
    EXPECT_TRUE(CellHasInk(Screen(), 7, 2));
}

TEST_F(SrcEditWidgetTypingTest, HomeAndEndToggle) {
    WithOption(eoEnhanceHomeKey, true);
    Start("    ab  ", BufferCoord(1, 1));
    std::vector<int> columns;
    for (int key : {Qt::Key_Home, Qt::Key_Home, Qt::Key_End, Qt::Key_End, Qt::Key_End}) {
        Key(key);
        columns.push_back(widget->CaretX());
    }
    EXPECT_EQ(columns, (std::vector<int>{5, 1, 7, 9, 7}));
    ExpectScreenIsRepaint("home-end");
}

TEST_F(SrcEditWidgetTypingTest, CtrlBackspaceAndSelectingArrows) {
    Start("foo bar\r\nnext line", BufferCoord(8, 1));
    Key(Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(Line(1), "foo ");
    EXPECT_FALSE(CellHasInk(Screen(), 5, 1));
    Key(Qt::Key_Home);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(widget->SelText(), "fo");
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(widget->SelText(), "foo \r\nne");
    ExpectScreenIsRepaint("selecting");
    EXPECT_EQ(Screen().pixel(Cell(2, 1)) == Rgb(clWhite), false);
}

TEST_F(SrcEditWidgetTypingTest, CtrlShiftBJumpsToTheMatchingBracket) {
    Start("f(a, [b])\r\n{\r\n}", BufferCoord(2, 1));
    Key(Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(widget->CaretXY(), BufferCoord(9, 1));
    Key(Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(widget->CaretXY(), BufferCoord(2, 1));
    widget->SetCaretXY(BufferCoord(1, 2));
    Key(Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(widget->CaretXY(), BufferCoord(1, 3));
    ExpectScreenIsRepaint("match-bracket");
}

}  // namespace
