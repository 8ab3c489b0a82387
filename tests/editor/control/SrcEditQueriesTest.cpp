#include <gtest/gtest.h>

#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/TokenHighlighter.h"

namespace {

class SrcEditQueriesTest : public ::testing::Test, public SrcEditTestBase {};

TEST_F(SrcEditQueriesTest, BracketsMatchAcrossLinesAndSkipStringsAndComments) {
    SetLines({"a(b)c"});
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(2, 1)), BufferCoord(4, 1));
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(4, 1)), BufferCoord(2, 1));
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(1, 1)), BufferCoord(0, 0));
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(9, 1)), BufferCoord(0, 0));
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(1, 7)), BufferCoord(0, 0));

    TokenHighlighter highlighter;
    edit->SetHighlighter(&highlighter);
    SetLines({"f(a, \")\", [b]  // )", "  {x<y>} /* ) */", ")"});
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(2, 1)), BufferCoord(1, 3));
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(1, 3)), BufferCoord(2, 1));
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(3, 2)), BufferCoord(8, 2));
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(5, 2)), BufferCoord(7, 2));
    SetLines({"((", ")"});
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(1, 1)), BufferCoord(0, 0));  // unbalanced
    edit->SetCaretXY(BufferCoord(2, 1));
    edit->FindMatchingBracket();
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 2));
    edit->SetHighlighter(nullptr);
}

TEST_F(SrcEditQueriesTest, BracketMatchingTokenisesEachLineAtMostOnce) {
    TokenHighlighter highlighter;
    edit->SetHighlighter(&highlighter);
    std::string line = "(";
    for (int i = 0; i < 2000; ++i) {
        line += "(x)\"(\"";
    }
    SetLines({line.c_str(), "plain", "[]", ")"});
    highlighter.linesGiven = 0;
    EXPECT_EQ(edit->GetMatchingBracketEx(BufferCoord(1, 1)), BufferCoord(1, 4));
    EXPECT_EQ(highlighter.linesGiven, 2);  // the long line and the last; lines without the pair are not asked
    edit->SetHighlighter(nullptr);
}

TEST_F(SrcEditQueriesTest, AttributeAndWordAtAPosition) {
    TokenHighlighter highlighter;
    edit->SetHighlighter(&highlighter);
    SetLines({"/* a", "b */ int x_1;"});
    std::string token;
    int kind = -1;
    int start = 0;
    TSrcHighlighterAttributes* attri = nullptr;
    ASSERT_TRUE(edit->GetHighlighterAttriAtRowColEx(BufferCoord(2, 2), token, kind, start, attri));
    EXPECT_EQ(token, "b */");  // the comment range carried from line 1
    EXPECT_EQ(attri, highlighter.comment);
    ASSERT_TRUE(edit->GetHighlighterAttriAtRowColEx(BufferCoord(8, 2), token, kind, start, attri));
    EXPECT_EQ(token, "int");
    EXPECT_EQ(kind, TokenHighlighter::tkKeyword);
    EXPECT_EQ(start, 6);
    EXPECT_FALSE(edit->GetHighlighterAttriAtRowCol(BufferCoord(40, 2), token, attri));
    EXPECT_EQ(token, "");
    EXPECT_EQ(attri, nullptr);
    EXPECT_FALSE(edit->GetHighlighterAttriAtRowCol(BufferCoord(1, 3), token, attri));

    EXPECT_EQ(edit->GetWordAtRowCol(BufferCoord(10, 2)), "x_1");
    EXPECT_EQ(edit->GetWordAtRowCol(BufferCoord(12, 2)), "x_1");
    EXPECT_EQ(edit->GetWordAtRowCol(BufferCoord(13, 2)), "");
    edit->SetHighlighter(nullptr);
    SetLines({"caf\xE9-bar"});
    EXPECT_EQ(edit->GetWordAtRowCol(BufferCoord(2, 1)), "caf\xE9");
    EXPECT_EQ(edit->GetWordAtRowCol(BufferCoord(5, 1)), "");
    EXPECT_EQ(edit->GetWordAtRowCol(BufferCoord(9, 1)), "");
}

TEST_F(SrcEditQueriesTest, CharacterOffsetsCountLineBreaksAsTwo) {
    SetLines({"ab", "cd"});
    EXPECT_EQ(edit->RowColToCharIndex(BufferCoord(1, 2)), 4);
    EXPECT_EQ(edit->CharIndexToRowCol(4), BufferCoord(1, 2));
    EXPECT_EQ(edit->CharIndexToRowCol(0), BufferCoord(1, 1));
    EXPECT_EQ(edit->CharIndexToRowCol(-5), BufferCoord(1, 1));
    EXPECT_EQ(edit->CharIndexToRowCol(100), BufferCoord(1, 3));
    EXPECT_EQ(edit->RowColToCharIndex(BufferCoord(1, 9)), 8);  // past the last line: as the line after it

    edit->SetSelStart(5);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(2, 2));
    EXPECT_FALSE(edit->SelAvail());
    edit->SetSelLength(-3);
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelEnd(), 5);
    EXPECT_EQ(edit->SelLength(), 3);
    edit->SetSelLength(1);
    EXPECT_EQ(edit->SelText(), "d");
}

TEST_F(SrcEditQueriesTest, SelLengthBeforeTheTextSelectsBackToItsStart) {
    SetLines({"abc", "def"});
    edit->SetSelStart(7);
    edit->SetSelLength(-100);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelEnd(), 7);
    EXPECT_EQ(edit->SelText(), "abc\r\nde");
}

}  // namespace
