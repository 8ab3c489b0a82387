#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "tests/editor/common/CommandRun.h"
#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

using Lines = std::vector<std::string>;
using Undo = std::vector<std::string>;
struct Cmd {
    TSrcEditorCommand Command;
    char Char = 0;
};

// One row: the starting state, the commands, and what must follow. A row
// without a selection runs in every selection mode.
struct Row {
    const char* Name;
    Lines Text;
    TBufferCoord Caret;
    std::vector<Cmd> Commands;
    Lines TextAfter;
    TBufferCoord CaretAfter;
    Undo Records = {};
    std::optional<std::pair<TBufferCoord, TBufferCoord>> Selection = {};
    TSrcSelectionMode Mode = smNormal;
    std::optional<std::pair<TBufferCoord, TBufferCoord>> SelectionAfter = {};
    std::vector<TSrcEditorOption> On = {};
    std::vector<TSrcEditorOption> Off = {};
    int LastCaretX = 0;  // 0: not checked
    int TopLine = 0;
    int LeftChar = 0;
    Undo ColumnRecords = {};  // when column mode records differently
};

class SrcEditExecuteTest : public ::testing::Test, public SrcEditTestBase {
protected:
    void Prepare(const Row& R, TSrcSelectionMode Mode) {
        edit->SetOptions(defaults);
        edit->SetInsertMode(true);
        SetLines(R.Text);
        edit->SetSelectionMode(Mode);
        if (R.Selection) {
            edit->SetCaretAndSelection(R.Caret, R.Selection->first, R.Selection->second);
        } else {
            edit->SetCaretXY(R.Caret);
        }
        for (TSrcEditorOption o : R.On) {
            WithOption(o, true);
        }
        for (TSrcEditorOption o : R.Off) {
            WithOption(o, false);
        }
        edit->UndoList().Clear();
    }

    void Check(const Row& R, TSrcSelectionMode Mode) {
        SCOPED_TRACE(std::string(R.Name) + " in mode " + std::to_string(Mode));
        Prepare(R, Mode);
        for (const Cmd& c : R.Commands) {
            edit->CommandProcessor(c.Command, c.Char, nullptr);
        }
        EXPECT_EQ(AllLines(), R.TextAfter);
        EXPECT_EQ(edit->CaretXY(), R.CaretAfter);
        if (R.SelectionAfter) {
            EXPECT_EQ(edit->BlockBegin(), R.SelectionAfter->first);
            EXPECT_EQ(edit->BlockEnd(), R.SelectionAfter->second);
        } else {
            EXPECT_FALSE(edit->SelAvail());
        }
        bool column = Mode == smColumn && !R.ColumnRecords.empty();
        EXPECT_EQ(DescribeUndo(edit->UndoList()), column ? R.ColumnRecords : R.Records);
        if (R.LastCaretX) {
            EXPECT_EQ(edit->LastCaretX(), R.LastCaretX);
        }
        if (R.TopLine) {
            EXPECT_EQ(edit->TopLine(), R.TopLine);
        }
        if (R.LeftChar) {
            EXPECT_EQ(edit->LeftChar(), R.LeftChar);
        }
    }

    const TSrcEditorOptions defaults = edit->Options();

    void CheckAll(const std::vector<Row>& Rows) {
        for (const Row& r : Rows) {
            if (r.Selection) {
                Check(r, r.Mode);
            } else {
                for (TSrcSelectionMode mode : {smNormal, smLine, smColumn}) {
                    Check(r, mode);
                }
            }
        }
    }
};

TBufferCoord P(int Char, int Line) { return BufferCoord(Char, Line); }

TEST_F(SrcEditExecuteTest, Moves) {
    const Lines three = {"0123456789abc", "abc", "0123456789abcdef"};
    CheckAll({
        {.Name = "right at the end wraps without eoScrollPastEol", .Text = {"ab", "cd"}, .Caret = P(3, 1),
         .Commands = {{ecRight}}, .TextAfter = {"ab", "cd"}, .CaretAfter = P(1, 2), .Off = {eoScrollPastEol}},
        {.Name = "left at column 1 goes to the previous end", .Text = {"ab", "cd"}, .Caret = P(1, 2),
         .Commands = {{ecLeft}}, .TextAfter = {"ab", "cd"}, .CaretAfter = P(3, 1), .Off = {eoScrollPastEol}},
        {.Name = "right past the end with eoScrollPastEol", .Text = {"ab", "cd"}, .Caret = P(3, 1),
         .Commands = {{ecRight}, {ecRight}}, .TextAfter = {"ab", "cd"}, .CaretAfter = P(5, 1), .LastCaretX = 5},
        {.Name = "left stops at column 1 with eoScrollPastEol", .Text = {"ab", "cd"}, .Caret = P(1, 2),
         .Commands = {{ecLeft}}, .TextAfter = {"ab", "cd"}, .CaretAfter = P(1, 2)},
        {.Name = "down keeps the column across a short line", .Text = three, .Caret = P(11, 1),
         .Commands = {{ecDown}, {ecDown}}, .TextAfter = three, .CaretAfter = P(11, 3), .On = {eoKeepCaretX},
         .Off = {eoScrollPastEol}, .LastCaretX = 11},
        {.Name = "down without eoKeepCaretX takes the short line's end", .Text = three, .Caret = P(11, 1),
         .Commands = {{ecDown}, {ecDown}}, .TextAfter = three, .CaretAfter = P(4, 3), .Off = {eoScrollPastEol}},
        {.Name = "down past a caret beyond the end", .Text = {"ab", "cd"}, .Caret = P(7, 1),
         .Commands = {{ecDown}, {ecDown}}, .TextAfter = {"ab", "cd"}, .CaretAfter = P(7, 2), .LastCaretX = 7},
        {.Name = "up at the top stays", .Text = {"ab"}, .Caret = P(2, 1), .Commands = {{ecUp}},
         .TextAfter = {"ab"}, .CaretAfter = P(2, 1)},
        {.Name = "enhanced home toggles", .Text = {"    ab"}, .Caret = P(7, 1),
         .Commands = {{ecLineStart}, {ecLineStart}}, .TextAfter = {"    ab"}, .CaretAfter = P(1, 1),
         .On = {eoEnhanceHomeKey}},
        {.Name = "enhanced home from column 1", .Text = {"    ab"}, .Caret = P(1, 1), .Commands = {{ecLineStart}},
         .TextAfter = {"    ab"}, .CaretAfter = P(5, 1), .On = {eoEnhanceHomeKey}},
        {.Name = "plain home", .Text = {"    ab"}, .Caret = P(7, 1), .Commands = {{ecLineStart}},
         .TextAfter = {"    ab"}, .CaretAfter = P(1, 1)},
        {.Name = "enhanced end stops before trailing blanks", .Text = {"ab  "}, .Caret = P(1, 1),
         .Commands = {{ecLineEnd}}, .TextAfter = {"ab  "}, .CaretAfter = P(3, 1)},
        {.Name = "enhanced end twice", .Text = {"ab  "}, .Caret = P(1, 1), .Commands = {{ecLineEnd}, {ecLineEnd}},
         .TextAfter = {"ab  "}, .CaretAfter = P(5, 1)},
        {.Name = "plain end", .Text = {"ab  "}, .Caret = P(1, 1), .Commands = {{ecLineEnd}}, .TextAfter = {"ab  "},
         .CaretAfter = P(5, 1), .Off = {eoEnhanceEndKey}},
        {.Name = "word right over a word break", .Text = {"foo bar.baz"}, .Caret = P(1, 1),
         .Commands = {{ecWordRight}, {ecWordRight}}, .TextAfter = {"foo bar.baz"}, .CaretAfter = P(9, 1)},
        {.Name = "word right at the end goes to the next line's word", .Text = {"ab", "  cd"}, .Caret = P(2, 1),
         .Commands = {{ecWordRight}}, .TextAfter = {"ab", "  cd"}, .CaretAfter = P(3, 2)},
        {.Name = "word left", .Text = {"foo bar.baz"}, .Caret = P(9, 1), .Commands = {{ecWordLeft}},
         .TextAfter = {"foo bar.baz"}, .CaretAfter = P(5, 1)},
        {.Name = "word left from past the end", .Text = {"foo bar"}, .Caret = P(12, 1), .Commands = {{ecWordLeft}},
         .TextAfter = {"foo bar"}, .CaretAfter = P(5, 1)},
        {.Name = "word left at column 1", .Text = {"ab", "cd"}, .Caret = P(1, 2), .Commands = {{ecWordLeft}},
         .TextAfter = {"ab", "cd"}, .CaretAfter = P(3, 1)},
        {.Name = "editor top and bottom", .Text = {"ab", "cde"}, .Caret = P(2, 1),
         .Commands = {{ecEditorBottom}}, .TextAfter = {"ab", "cde"}, .CaretAfter = P(4, 2)},
        {.Name = "editor top", .Text = {"ab", "cde"}, .Caret = P(2, 2), .Commands = {{ecEditorTop}},
         .TextAfter = {"ab", "cde"}, .CaretAfter = P(1, 1)},
        {.Name = "matching bracket", .Text = {"f(a, [b])"}, .Caret = P(2, 1), .Commands = {{ecMatchBracket}},
         .TextAfter = {"f(a, [b])"}, .CaretAfter = P(9, 1)},
        {.Name = "matching bracket a line below", .Text = {"{", "}"}, .Caret = P(1, 1),
         .Commands = {{ecMatchBracket}}, .TextAfter = {"{", "}"}, .CaretAfter = P(1, 2)},
        {.Name = "goto without a position does nothing", .Text = {"ab", "cde"}, .Caret = P(2, 2),
         .Commands = {{ecGotoXY}}, .TextAfter = {"ab", "cde"}, .CaretAfter = P(2, 2)},
    });
}

TEST_F(SrcEditExecuteTest, SelectingMoves) {
    CheckAll({
        {.Name = "shift right twice", .Text = {"abcd"}, .Caret = P(2, 1),
         .Commands = {{ecSelRight}, {ecSelRight}}, .TextAfter = {"abcd"}, .CaretAfter = P(4, 1),
         .SelectionAfter = std::pair{P(2, 1), P(4, 1)}},
        {.Name = "shift down then a plain move drops the selection", .Text = {"abcd", "efgh"}, .Caret = P(2, 1),
         .Commands = {{ecSelDown}, {ecRight}}, .TextAfter = {"abcd", "efgh"}, .CaretAfter = P(3, 2)},
        {.Name = "shift end from inside", .Text = {"abcd"}, .Caret = P(2, 1), .Commands = {{ecSelLineEnd}},
         .TextAfter = {"abcd"}, .CaretAfter = P(5, 1), .SelectionAfter = std::pair{P(2, 1), P(5, 1)}},
        {.Name = "shift word left", .Text = {"ab cd"}, .Caret = P(6, 1), .Commands = {{ecSelWordLeft}},
         .TextAfter = {"ab cd"}, .CaretAfter = P(4, 1), .SelectionAfter = std::pair{P(4, 1), P(6, 1)}},
        {.Name = "select all", .Text = {"ab", "cde"}, .Caret = P(1, 1), .Commands = {{ecSelectAll}},
         .TextAfter = {"ab", "cde"}, .CaretAfter = P(4, 2), .SelectionAfter = std::pair{P(1, 1), P(4, 2)}},
        {.Name = "a move between typing breaks the undo group", .Text = {""}, .Caret = P(1, 1),
         .Commands = {{ecChar, 'a'}, {ecChar, 'b'}, {ecLeft}, {ecChar, 'c'}}, .TextAfter = {"acb"},
         .CaretAfter = P(3, 1),
         .Records = {"crInsert 1,1-2,1 '' N a", "crInsert 2,1-3,1 '' N b", "crGroupBreak 0,0-0,0 '' N c",
                     "crInsert 2,1-3,1 '' N d"}},
    });
}

TEST_F(SrcEditExecuteTest, PagesAndScrolling) {
    FillNumbered(100);
    Lines numbered = AllLines();
    CheckAll({
        {.Name = "page down moves the visible rows", .Text = numbered, .Caret = P(1, 1),
         .Commands = {{ecPageDown}}, .TextAfter = numbered, .CaretAfter = P(1, 21), .TopLine = 21},
        {.Name = "half page", .Text = numbered, .Caret = P(1, 1), .Commands = {{ecPageDown}},
         .TextAfter = numbered, .CaretAfter = P(1, 11), .On = {eoHalfPageScroll}, .TopLine = 11},
        {.Name = "half page, one less", .Text = numbered, .Caret = P(1, 1), .Commands = {{ecPageDown}},
         .TextAfter = numbered, .CaretAfter = P(1, 10), .On = {eoHalfPageScroll, eoScrollByOneLess}, .TopLine = 10},
        {.Name = "page up back", .Text = numbered, .Caret = P(3, 1), .Commands = {{ecPageDown}, {ecPageUp}},
         .TextAfter = numbered, .CaretAfter = P(3, 1), .TopLine = 1},
        {.Name = "page bottom and top", .Text = numbered, .Caret = P(3, 5), .Commands = {{ecPageBottom}},
         .TextAfter = numbered, .CaretAfter = P(3, 20), .TopLine = 1},
        {.Name = "scroll down keeps the caret on the first row", .Text = numbered, .Caret = P(2, 1),
         .Commands = {{ecScrollDown}, {ecScrollDown}}, .TextAfter = numbered, .CaretAfter = P(2, 3), .TopLine = 3},
        {.Name = "scroll up at the top", .Text = numbered, .Caret = P(2, 1), .Commands = {{ecScrollUp}},
         .TextAfter = numbered, .CaretAfter = P(2, 1), .TopLine = 1},
    });
}

TEST_F(SrcEditExecuteTest, Deleting) {
    CheckAll({
        {.Name = "backspace at the very start", .Text = {"ab"}, .Caret = P(1, 1), .Commands = {{ecDeleteLastChar}},
         .TextAfter = {"ab"}, .CaretAfter = P(1, 1)},
        {.Name = "backspace one character", .Text = {"abc"}, .Caret = P(3, 1), .Commands = {{ecDeleteLastChar}},
         .TextAfter = {"ac"}, .CaretAfter = P(2, 1), .Records = {"crSilentDelete 2,1-3,1 'b' N a"}},
        {.Name = "smart backspace to the indentation above", .Text = {"    x", "        y"}, .Caret = P(9, 2),
         .Commands = {{ecDeleteLastChar}}, .TextAfter = {"    x", "    y"}, .CaretAfter = P(5, 2),
         .Records = {"crSilentDelete 5,2-9,2 '    ' N a"}},
        {.Name = "backspace to the previous tab stop", .Text = {"          y"}, .Caret = P(11, 1),
         .Commands = {{ecDeleteLastChar}}, .TextAfter = {"        y"}, .CaretAfter = P(9, 1),
         .Records = {"crSilentDelete 9,1-11,1 '  ' N a"}, .Off = {eoSmartTabDelete}},
        {.Name = "backspace past the end changes no text", .Text = {"abc"}, .Caret = P(8, 1),
         .Commands = {{ecDeleteLastChar}}, .TextAfter = {"abc"}, .CaretAfter = P(4, 1),
         .Records = {"crSilentDelete 4,1-8,1 '' N a"}},
        {.Name = "backspace past the end of an empty line", .Text = {"  x", ""}, .Caret = P(7, 2),
         .Commands = {{ecDeleteLastChar}}, .TextAfter = {"  x", ""}, .CaretAfter = P(3, 2),
         .Records = {"crSilentDelete 3,2-7,2 '' N a"}},
        {.Name = "backspace at column 1 joins", .Text = {"ab", "cd"}, .Caret = P(1, 2),
         .Commands = {{ecDeleteLastChar}}, .TextAfter = {"abcd"}, .CaretAfter = P(3, 1),
         .Records = {"crSilentDelete 3,1-1,2 '\\r\\n' N a"}},
        {.Name = "delete inside the line", .Text = {"abc"}, .Caret = P(2, 1), .Commands = {{ecDeleteChar}},
         .TextAfter = {"ac"}, .CaretAfter = P(2, 1), .Records = {"crSilentDeleteAfterCursor 2,1-3,1 'b' N a"}},
        {.Name = "delete past the end pads and joins", .Text = {"ab", "cd"}, .Caret = P(5, 1),
         .Commands = {{ecDeleteChar}}, .TextAfter = {"ab  cd"}, .CaretAfter = P(5, 1),
         .Records = {"crWhiteSpaceAdd 5,1-3,1 '' N a", "crSilentDeleteAfterCursor 5,1-1,2 '\\r\\n' N a"}},
        {.Name = "delete at the end of the last line", .Text = {"ab"}, .Caret = P(3, 1),
         .Commands = {{ecDeleteChar}}, .TextAfter = {"ab"}, .CaretAfter = P(3, 1)},
        {.Name = "delete word and its blanks", .Text = {"foo  bar"}, .Caret = P(1, 1),
         .Commands = {{ecDeleteWord}}, .TextAfter = {"bar"}, .CaretAfter = P(1, 1),
         .Records = {"crSilentDeleteAfterCursor 1,1-6,1 'foo  ' N a"}},
        {.Name = "delete word on a break character", .Text = {"a.b"}, .Caret = P(2, 1),
         .Commands = {{ecDeleteWord}}, .TextAfter = {"ab"}, .CaretAfter = P(2, 1),
         .Records = {"crSilentDeleteAfterCursor 2,1-3,1 '.' N a"}},
        {.Name = "delete word past the end joins the next line", .Text = {"ab", "  cd"}, .Caret = P(5, 1),
         .Commands = {{ecDeleteWord}}, .TextAfter = {"ab  cd"}, .CaretAfter = P(5, 1),
         .Records = {"crWhiteSpaceAdd 5,1-3,1 '' N a", "crSilentDeleteAfterCursor 5,1-3,2 '\\r\\n  ' N a"}},
        {.Name = "delete to the end of the line", .Text = {"foo bar"}, .Caret = P(3, 1),
         .Commands = {{ecDeleteEOL}}, .TextAfter = {"fo"}, .CaretAfter = P(3, 1),
         .Records = {"crSilentDeleteAfterCursor 3,1-8,1 'o bar' N a"}},
        {.Name = "delete last word", .Text = {"foo bar"}, .Caret = P(8, 1), .Commands = {{ecDeleteLastWord}},
         .TextAfter = {"foo "}, .CaretAfter = P(5, 1), .Records = {"crSilentDelete 5,1-8,1 'bar' N a"}},
        {.Name = "delete last word from past the end", .Text = {"foo bar"}, .Caret = P(11, 1),
         .Commands = {{ecDeleteLastWord}}, .TextAfter = {"foo "}, .CaretAfter = P(5, 1),
         .Records = {"crSilentDelete 5,1-8,1 'bar' N a"}},
        {.Name = "delete last word at column 1 joins", .Text = {"ab", "cd"}, .Caret = P(1, 2),
         .Commands = {{ecDeleteLastWord}}, .TextAfter = {"abcd"}, .CaretAfter = P(3, 1),
         .Records = {"crSilentDelete 3,1-1,2 '\\r\\n' N a"}},
        {.Name = "delete to the line start", .Text = {"foo bar"}, .Caret = P(5, 1), .Commands = {{ecDeleteBOL}},
         .TextAfter = {"bar"}, .CaretAfter = P(1, 1), .Records = {"crSilentDelete 1,1-5,1 'foo ' N a"}},
        {.Name = "delete a middle line", .Text = {"a", "b", "c"}, .Caret = P(2, 2), .Commands = {{ecDeleteLine}},
         .TextAfter = {"a", "c"}, .CaretAfter = P(1, 2),
         .Records = {"crSilentDeleteAfterCursor 1,2-1,3 'b\\r\\n' N a"}},
        {.Name = "delete the last line empties it", .Text = {"a", "bc"}, .Caret = P(2, 2),
         .Commands = {{ecDeleteLine}}, .TextAfter = {"a", ""}, .CaretAfter = P(1, 2),
         .Records = {"crSilentDeleteAfterCursor 1,2-3,2 'bc' N a"}},
        {.Name = "delete an empty last line does nothing", .Text = {"a", ""}, .Caret = P(1, 2),
         .Commands = {{ecDeleteLine}}, .TextAfter = {"a", ""}, .CaretAfter = P(1, 2)},
    });
}

TEST_F(SrcEditExecuteTest, DeletingSelections) {
    CheckAll({
        {.Name = "backspace on a normal selection", .Text = {"abcdef"}, .Caret = P(4, 1),
         .Commands = {{ecDeleteLastChar}}, .TextAfter = {"adef"}, .CaretAfter = P(2, 1),
         .Records = {"crDelete 2,1-4,1 'bc' N a"}, .Selection = std::pair{P(2, 1), P(4, 1)}},
        {.Name = "delete on a backwards selection", .Text = {"abcdef"}, .Caret = P(2, 1),
         .Commands = {{ecDeleteChar}}, .TextAfter = {"adef"}, .CaretAfter = P(2, 1),
         .Records = {"crDeleteAfterCursor 2,1-4,1 'bc' N a"}, .Selection = std::pair{P(4, 1), P(2, 1)}},
        {.Name = "backspace on a line selection", .Text = {"ab", "cd", "ef"}, .Caret = P(2, 2),
         .Commands = {{ecDeleteLastChar}}, .TextAfter = {"ab", "ef"}, .CaretAfter = P(1, 2),
         .Records = {"crDelete 1,2-2,2 'cd\\r\\n' L a"}, .Selection = std::pair{P(1, 2), P(2, 2)}, .Mode = smLine},
        {.Name = "backspace on a column selection", .Text = {"abcd", "efgh"}, .Caret = P(4, 2),
         .Commands = {{ecDeleteLastChar}}, .TextAfter = {"ad", "eh"}, .CaretAfter = P(2, 1),
         .Records = {"crDelete 2,1-4,2 'bc\\r\\nfg' C a"}, .Selection = std::pair{P(2, 1), P(4, 2)},
         .Mode = smColumn},
        {.Name = "delete line drops the selection", .Text = {"ab", "cd"}, .Caret = P(2, 1),
         .Commands = {{ecDeleteLine}}, .TextAfter = {"cd"}, .CaretAfter = P(1, 1),
         .Records = {"crSilentDeleteAfterCursor 1,1-1,2 'ab\\r\\n' N a"}, .Selection = std::pair{P(1, 1), P(2, 1)}},
    });
}

// Each record holds what undo needs to join the lines back: the text that
// returns to the end of the start line, and the end line to delete.
TEST_F(SrcEditExecuteTest, LineBreaks) {
    CheckAll({
        {.Name = "split with indentation", .Text = {"    abc"}, .Caret = P(6, 1), .Commands = {{ecLineBreak}},
         .TextAfter = {"    a", "    bc"}, .CaretAfter = P(5, 2), .Records = {"crLineBreak 6,1-5,2 'bc' N a"},
         .LastCaretX = 5},
        {.Name = "split without auto indent", .Text = {"    abc"}, .Caret = P(6, 1), .Commands = {{ecLineBreak}},
         .TextAfter = {"    a", "bc"}, .CaretAfter = P(1, 2), .Records = {"crLineBreak 6,1-1,2 'bc' N a"},
         .Off = {eoAutoIndent}},
        {.Name = "at column 1 a line goes above", .Text = {"abc"}, .Caret = P(1, 1), .Commands = {{ecLineBreak}},
         .TextAfter = {"", "abc"}, .CaretAfter = P(1, 2), .Records = {"crLineBreak 1,1-1,2 'abc' N a"}},
        {.Name = "after the end a line goes below with the indentation", .Text = {" \tab"}, .Caret = P(7, 1),
         .Commands = {{ecLineBreak}}, .TextAfter = {" \tab", " \t"}, .CaretAfter = P(3, 2),
         .Records = {"crLineBreak 5,1-1,2 '' N a"}},
        {.Name = "on an empty line", .Text = {"    x", ""}, .Caret = P(1, 2), .Commands = {{ecLineBreak}},
         .TextAfter = {"    x", "", ""}, .CaretAfter = P(5, 3), .Records = {"crLineBreak 1,2-1,3 '' N a"}},
        {.Name = "in an empty buffer", .Text = {}, .Caret = P(1, 1), .Commands = {{ecLineBreak}},
         .TextAfter = {"", ""}, .CaretAfter = P(1, 2), .Records = {"crLineBreak 1,1-1,2 '' N a"}},
        {.Name = "insert line keeps the caret", .Text = {"abc"}, .Caret = P(2, 1), .Commands = {{ecInsertLine}},
         .TextAfter = {"a", "bc"}, .CaretAfter = P(2, 1), .Records = {"crLineBreak 2,1-1,2 'bc' N a"}},
        {.Name = "a selection goes first, in the same change", .Text = {"abcd"}, .Caret = P(3, 1),
         .Commands = {{ecLineBreak}}, .TextAfter = {"a", "d"}, .CaretAfter = P(1, 2),
         .Records = {"crDelete 2,1-4,1 'bc' N a", "crLineBreak 2,1-1,2 'd' N a"},
         .Selection = std::pair{P(2, 1), P(4, 1)}},
    });
}

TEST_F(SrcEditExecuteTest, Typing) {
    CheckAll({
        {.Name = "insert", .Text = {"ab"}, .Caret = P(2, 1), .Commands = {{ecChar, 'x'}}, .TextAfter = {"axb"},
         .CaretAfter = P(3, 1), .Records = {"crInsert 2,1-3,1 '' N a"}},
        {.Name = "control characters and DEL are ignored", .Text = {"ab"}, .Caret = P(2, 1),
         .Commands = {{ecChar, '\r'}, {ecChar, 127}}, .TextAfter = {"ab"}, .CaretAfter = P(2, 1)},
        {.Name = "past the end fills with blanks", .Text = {"ab"}, .Caret = P(5, 1), .Commands = {{ecChar, 'x'}},
         .TextAfter = {"ab  x"}, .CaretAfter = P(6, 1),
         .Records = {"crWhiteSpaceAdd 5,1-3,1 '' N a", "crInsert 5,1-6,1 '' N a"}},
        {.Name = "overwrite", .Text = {"abc"}, .Caret = P(2, 1), .Commands = {{ecOverwriteMode}, {ecChar, 'x'}},
         .TextAfter = {"axc"}, .CaretAfter = P(3, 1), .Records = {"crInsert 2,1-3,1 'b' N a"}},
        {.Name = "typing without eoScrollPastEol keeps the option off", .Text = {"ab"}, .Caret = P(3, 1),
         .Commands = {{ecChar, 'x'}, {ecRight}}, .TextAfter = {"abx"}, .CaretAfter = P(4, 1),
         .Records = {"crInsert 3,1-4,1 '' N a", "crGroupBreak 0,0-0,0 '' N b"}, .Off = {eoScrollPastEol}},
        {.Name = "replaces a selection", .Text = {"abcd"}, .Caret = P(4, 1), .Commands = {{ecChar, 'x'}},
         .TextAfter = {"axd"}, .CaretAfter = P(3, 1),
         .Records = {"crDelete 2,1-4,1 'bc' N a", "crInsert 2,1-3,1 '' N a"},
         .Selection = std::pair{P(2, 1), P(4, 1)}},
        {.Name = "replaces a line selection", .Text = {"ab", "cd"}, .Caret = P(2, 1), .Commands = {{ecChar, 'x'}},
         .TextAfter = {"xcd"}, .CaretAfter = P(2, 1),
         .Records = {"crDelete 1,1-2,1 'ab\\r\\n' L a", "crInsert 1,1-2,1 '' N a"},
         .Selection = std::pair{P(1, 1), P(2, 1)}, .Mode = smLine},
        {.Name = "replaces a column selection", .Text = {"abcd", "efgh"}, .Caret = P(4, 2),
         .Commands = {{ecChar, 'x'}}, .TextAfter = {"axd", "eh"}, .CaretAfter = P(3, 1),
         .Records = {"crDelete 2,1-4,2 'bc\\r\\nfg' C a", "crPaste 2,1-3,1 '' C a"},
         .Selection = std::pair{P(2, 1), P(4, 2)}, .Mode = smColumn},
    });
}

TEST_F(SrcEditExecuteTest, TypingLimitsAndView) {
    SetLines({"abc"});
    edit->SetMaxScrollWidth(5);
    edit->SetCaretXY(P(6, 1));
    edit->CommandProcessor(ecChar, 'x', nullptr);
    EXPECT_EQ(AllLines(), (Lines{"abc"}));
    EXPECT_EQ(edit->UndoList().ItemCount(), 0);

    edit->SetMaxScrollWidth(1024);
    SetLines({std::string(79, 'a').c_str()});
    edit->SetCaretXY(P(80, 1));
    ASSERT_EQ(edit->LeftChar(), 1);
    edit->CommandProcessor(ecChar, 'x', nullptr);
    EXPECT_EQ(edit->CaretX(), 81);
    EXPECT_EQ(edit->LeftChar(), 26);

    std::string longLine(3000, 'a');  // longer than the scroll width: typed where the caret is
    SetLines({longLine});
    edit->SetCaretXY(P(2000, 1));
    edit->CommandProcessor(ecChar, 'x', nullptr);
    edit->CommandProcessor(ecLineEnd, 0, nullptr);
    edit->CommandProcessor(ecChar, 'y', nullptr);
    EXPECT_EQ(AllLines(), (Lines{longLine.insert(1999, "x") + "y"}));
    EXPECT_EQ(edit->CaretXY(), P(3003, 1));

    std::string ime = "xyz";
    SetLines({"ab"});
    edit->SetCaretXY(P(2, 1));
    edit->UndoList().Clear();
    edit->CommandProcessor(ecImeStr, 0, ime.data());
    EXPECT_EQ(AllLines(), (Lines{"axyzb"}));
    EXPECT_EQ(edit->CaretXY(), P(5, 1));
    EXPECT_EQ(DescribeUndo(edit->UndoList()), (Undo{"crInsert 2,1-5,1 '' N a"}));
}

TEST_F(SrcEditExecuteTest, TabsAndIndentation) {
    CheckAll({
        {.Name = "smart tab under the next word", .Text = {"int   x;", ""}, .Caret = P(1, 2),
         .Commands = {{ecTab}}, .TextAfter = {"int   x;", "      "}, .CaretAfter = P(7, 2),
         .Records = {"crInsert 1,2-7,2 '' N a"}, .ColumnRecords = {"crPaste 1,2-7,2 '' C a"}},
        {.Name = "tab to the next stop", .Text = {"ab"}, .Caret = P(3, 1), .Commands = {{ecTab}},
         .TextAfter = {"ab      "}, .CaretAfter = P(9, 1), .Records = {"crInsert 3,1-9,1 '' N a"},
         .ColumnRecords = {"crPaste 3,1-9,1 '' C a"}},
        {.Name = "smart tab with tab characters", .Text = {"int          x;", ""}, .Caret = P(1, 2),
         .Commands = {{ecTab}}, .TextAfter = {"int          x;", "\t     "}, .CaretAfter = P(7, 2),
         .Records = {"crInsert 1,2-7,2 '' N a"}, .Off = {eoTabsToSpaces},
         .ColumnRecords = {"crPaste 1,2-7,2 '' C a"}},
        {.Name = "shift tab back to the previous stop", .Text = {"        x"}, .Caret = P(9, 1),
         .Commands = {{ecShiftTab}}, .TextAfter = {"x"}, .CaretAfter = P(1, 1),
         .Records = {"crSilentDelete 1,1-9,1 '        ' N a"}},
        {.Name = "shift tab removes only blanks", .Text = {"ab  x"}, .Caret = P(5, 1),
         .Commands = {{ecShiftTab}}, .TextAfter = {"abx"}, .CaretAfter = P(3, 1),
         .Records = {"crSilentDelete 3,1-5,1 '  ' N a"}},
        {.Name = "shift tab removes one tab", .Text = {"\t\tx"}, .Caret = P(3, 1), .Commands = {{ecShiftTab}},
         .TextAfter = {"\tx"}, .CaretAfter = P(2, 1), .Records = {"crSilentDelete 2,1-3,1 '\\t' N a"}},
    });
}

TEST_F(SrcEditExecuteTest, BlockIndentAndUnindent) {
    edit->SetTabWidth(4);
    CheckAll({
        {.Name = "indent with spaces", .Text = {"ab", "cd", "ef"}, .Caret = P(1, 3), .Commands = {{ecBlockIndent}},
         .TextAfter = {"    ab", "    cd", "ef"}, .CaretAfter = P(1, 3),
         .Records = {"crIndent 2,1-1,3 '' N a", "crPaste 1,1-5,1 '' C a", "crPaste 1,2-5,2 '' C a",
                     "crIndent 6,1-1,3 '' N a"},
         .Selection = std::pair{P(2, 1), P(1, 3)}, .SelectionAfter = std::pair{P(6, 1), P(1, 3)}},
        {.Name = "indent in column mode", .Text = {"abc", "def"}, .Caret = P(3, 2), .Commands = {{ecBlockIndent}},
         .TextAfter = {"a    bc", "d    ef"}, .CaretAfter = P(7, 2),
         .Records = {"crIndent 2,1-3,2 '' C a", "crPaste 2,1-6,1 '' C a", "crPaste 2,2-6,2 '' C a",
                     "crIndent 6,1-7,2 '' C a"},
         .Selection = std::pair{P(2, 1), P(3, 2)}, .Mode = smColumn,
         .SelectionAfter = std::pair{P(6, 1), P(7, 2)}},
        {.Name = "unindent of mixed tabs and blanks", .Text = {"  \tab", "\tcd", "      ef", "gh"},
         .Caret = P(3, 4), .Commands = {{ecBlockUnindent}}, .TextAfter = {"ab", "cd", "  ef", "gh"},
         .CaretAfter = P(3, 4),
         .Records = {"crIndent 1,1-3,4 '' N a", "crUnindent 1,1-3,4 '  \\t\\r\\n\\t\\r\\n    \\r\\n' N a",
                     "crIndent 1,1-3,4 '' N a"},
         .Selection = std::pair{P(1, 1), P(3, 4)}, .SelectionAfter = std::pair{P(1, 1), P(3, 4)}},
        {.Name = "unindent in column mode", .Text = {"x  \tab", "x\tcd"}, .Caret = P(3, 2),
         .Commands = {{ecBlockUnindent}}, .TextAfter = {"xab", "xcd"}, .CaretAfter = P(3, 2),
         .Records = {"crIndent 2,1-3,2 '' C a", "crUnindent 2,1-3,2 '  \\t\\r\\n\\t' C a", "crIndent 2,1-3,2 '' C a"},
         .Selection = std::pair{P(2, 1), P(3, 2)},
         .Mode = smColumn, .SelectionAfter = std::pair{P(2, 1), P(3, 2)}},
        {.Name = "tab indents a block with eoTabIndent", .Text = {"ab", "cd"}, .Caret = P(2, 2),
         .Commands = {{ecTab}}, .TextAfter = {"    ab", "    cd"}, .CaretAfter = P(6, 2),
         .Records = {"crIndent 1,1-2,2 '' N a", "crPaste 1,1-5,1 '' C a", "crPaste 1,2-5,2 '' C a",
                     "crIndent 5,1-6,2 '' N a"},
         .Selection = std::pair{P(1, 1), P(2, 2)}, .SelectionAfter = std::pair{P(5, 1), P(6, 2)},
         .On = {eoTabIndent}},
    });
}

TEST_F(SrcEditExecuteTest, IndentWithTabsToSpacesThenUnindentMixedLines) {
    edit->SetTabWidth(4);
    SetLines({"a", "\tb", "  c"});
    edit->SetCaretAndSelection(P(4, 3), P(1, 1), P(4, 3));
    edit->CommandProcessor(ecBlockIndent, 0, nullptr);
    EXPECT_EQ(AllLines(), (Lines{"    a", "    \tb", "      c"}));
    edit->CommandProcessor(ecBlockUnindent, 0, nullptr);
    edit->CommandProcessor(ecBlockUnindent, 0, nullptr);
    EXPECT_EQ(AllLines(), (Lines{"a", "b", "c"}));
    EXPECT_EQ(edit->BlockBegin(), P(1, 1));
    EXPECT_EQ(edit->BlockEnd(), P(2, 3));
}

TEST_F(SrcEditExecuteTest, CaseChanges) {
    CheckAll({
        {.Name = "upper case through the code page's table", .Text = {"\xFF\x9A"}, .Caret = P(3, 1),
         .Commands = {{ecUpperCaseBlock}}, .TextAfter = {"\x9F\x8A"}, .CaretAfter = P(3, 1),
         .Records = {"crSelection 1,1-3,1 '' N a", "crCaret 3,1-3,1 '' N a", "crInsert 1,1-3,1 '\xFF\x9A' N a"},
         .Selection = std::pair{P(1, 1), P(3, 1)}, .SelectionAfter = std::pair{P(1, 1), P(3, 1)}},
        {.Name = "toggle a word", .Text = {"x aB"}, .Caret = P(4, 1), .Commands = {{ecToggleCase}},
         .TextAfter = {"x Ab"}, .CaretAfter = P(4, 1),
         .Records = {"crSelection 4,1-4,1 '' N a", "crCaret 4,1-4,1 '' N a", "crInsert 3,1-5,1 'aB' N a"}},
        {.Name = "title case of the word before blanks", .Text = {"hELLO  "}, .Caret = P(8, 1),
         .Commands = {{ecTitleCase}}, .TextAfter = {"Hello  "}, .CaretAfter = P(8, 1),
         .Records = {"crSelection 8,1-8,1 '' N a", "crCaret 8,1-8,1 '' N a", "crInsert 1,1-6,1 'hELLO' N a"}},
        {.Name = "lower case block without a selection takes one character", .Text = {"AB"}, .Caret = P(1, 1),
         .Commands = {{ecLowerCaseBlock}}, .TextAfter = {"aB"}, .CaretAfter = P(2, 1),
         .Records = {"crSelection 1,1-1,1 '' N a", "crCaret 1,1-1,1 '' N a", "crInsert 1,1-2,1 'A' N a"}},
        {.Name = "block case at the end of a line moves on", .Text = {"AB", "C"}, .Caret = P(3, 1),
         .Commands = {{ecLowerCaseBlock}}, .TextAfter = {"AB", "C"}, .CaretAfter = P(1, 2)},
        {.Name = "command 624 does nothing", .Text = {"ab"}, .Caret = P(2, 1),
         .Commands = {{static_cast<TSrcEditorCommand>(624)}}, .TextAfter = {"ab"}, .CaretAfter = P(2, 1)},
    });
}

// Every text-changing command on a read-only control leaves the text and
// the undo list alone; moves still move.
TEST_F(SrcEditExecuteTest, ReadOnlyChangesNoText) {
    const TSrcEditorCommand changing[] = {ecDeleteLastChar, ecDeleteChar, ecDeleteWord,    ecDeleteLastWord,
                                          ecDeleteBOL,      ecDeleteEOL,  ecDeleteLine,    ecLineBreak,
                                          ecInsertLine,     ecChar,       ecImeStr,        ecBlockIndent,
                                          ecBlockUnindent,  ecTab,        ecShiftTab,      ecUpperCase,
                                          ecLowerCase,      ecToggleCase, ecTitleCase,     ecUpperCaseBlock,
                                          ecLowerCaseBlock, ecToggleCaseBlock};
    std::string ime = "xyz";
    for (bool withSelection : {false, true}) {
        for (TSrcEditorCommand command : changing) {
            SCOPED_TRACE(EditorCommandToCodeString(command));
            SetLines({"  ab cd", "  ef"});
            edit->SetReadOnly(true);
            edit->SetCaretAndSelection(P(4, 1), P(withSelection ? 1 : 4, 1), P(4, 1));
            edit->UndoList().Clear();
            edit->CommandProcessor(command, 'x', ime.data());
            EXPECT_EQ(AllLines(), (Lines{"  ab cd", "  ef"}));
            EXPECT_EQ(edit->UndoList().ItemCount(), 0);
        }
    }
    edit->CommandProcessor(ecDown, 0, nullptr);
    EXPECT_EQ(edit->CaretXY(), P(4, 2));
    edit->CommandProcessor(ecSelLineEnd, 0, nullptr);
    EXPECT_EQ(edit->SelText(), "f");
}

TEST_F(SrcEditExecuteTest, ReadOnlyReportsItsChange) {
    std::vector<TSrcStatusChanges> seen;
    struct Sink {
        std::vector<TSrcStatusChanges>* Seen;
        void Changed(TObject*, TSrcStatusChanges C) { Seen->push_back(C); }
    } sink{&seen};
    edit->OnStatusChange = TStatusChangeEvent::Of<&Sink::Changed>(&sink);
    edit->SetReadOnly(true);
    edit->SetReadOnly(true);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].Contains(scReadOnly));
    EXPECT_TRUE(edit->ReadOnly());
}

TEST_F(SrcEditExecuteTest, WordAtCursorInEveryModeLeavesTheSelection) {
    SetLines({"one two.three", "four"});
    for (TSrcSelectionMode mode : {smNormal, smLine, smColumn}) {
        edit->SetSelectionMode(mode);
        edit->SetCaretAndSelection(P(6, 1), P(1, 1), P(6, 1));
        EXPECT_EQ(edit->GetWordAtCursor(), "two");
        EXPECT_EQ(edit->BlockBegin(), P(1, 1));
        EXPECT_EQ(edit->BlockEnd(), P(6, 1));
    }
    edit->SetCaretXY(P(4, 1));
    EXPECT_EQ(edit->GetWordAtCursor(), "one");
    edit->SetCaretXY(P(20, 1));
    EXPECT_EQ(edit->GetWordAtCursor(), "three");  // the word before the end
    edit->SetCaretXY(P(4, 2));
    EXPECT_EQ(edit->GetWordAtCursor(), "four");
    SetLines({"a  b"});
    edit->SetCaretXY(P(3, 1));
    EXPECT_EQ(edit->GetWordAtCursor(), "");
}

TEST_F(SrcEditExecuteTest, ModesBookmarksAndHelp) {
    SetLines({"ab cd", "ef"});
    edit->CommandProcessor(ecToggleMode, 0, nullptr);
    EXPECT_FALSE(edit->InsertMode());
    edit->CommandProcessor(ecInsertMode, 0, nullptr);
    EXPECT_TRUE(edit->InsertMode());
    edit->CommandProcessor(ecColumnSelect, 0, nullptr);
    EXPECT_EQ(edit->SelectionMode(), smColumn);
    edit->CommandProcessor(ecLineSelect, 0, nullptr);
    EXPECT_EQ(edit->SelectionMode(), smLine);

    edit->SetCaretXY(P(2, 1));
    edit->CommandProcessor(TSrcEditorCommand(ecSetMarker0 + 3), 0, nullptr);
    EXPECT_TRUE(edit->IsBookmark(3));
    edit->CommandProcessor(TSrcEditorCommand(ecSetMarker0 + 3), 0, nullptr);
    EXPECT_FALSE(edit->IsBookmark(3));
    TBufferCoord second = P(1, 2);
    edit->CommandProcessor(TSrcEditorCommand(ecSetMarker0 + 3), 0, &second);
    edit->CommandProcessor(TSrcEditorCommand(ecGotoMarker0 + 3), 0, nullptr);
    EXPECT_EQ(edit->CaretY(), 2);
    edit->BookMarkOptions().EnableKeys = false;
    edit->CommandProcessor(TSrcEditorCommand(ecSetMarker0 + 3), 0, nullptr);
    EXPECT_TRUE(edit->IsBookmark(3));

    std::string word;
    struct Help {
        std::string* Word;
        void Asked(TObject*, std::string W) { *Word = W; }
    } help{&word};
    edit->OnContextHelp = TContextHelpEvent::Of<&Help::Asked>(&help);
    edit->SetCaretXY(P(5, 1));
    edit->CommandProcessor(ecContextHelp, 0, nullptr);
    EXPECT_EQ(word, "cd");
}

// The window logs each transient paint: "begin clear" for ttBefore.
TEST_F(SrcEditExecuteTest, TransientPaintsAndCommandsWithoutACase) {
    SetLines({"abc def"});
    edit->SetCaretXY(P(3, 1));
    struct Painter {
        void Paint(TObject*, TSrcCanvas*, TTransientType) {}
    } painter;
    edit->OnPaintTransient = TPaintTransient::Of<&Painter::Paint>(&painter);
    window.transientLog.clear();
    edit->CommandProcessor(ecDeleteEOL, 0, nullptr);
    ASSERT_FALSE(window.transientLog.empty());
    EXPECT_EQ(window.transientLog.front(), "begin clear");
    window.transientLog.clear();
    edit->CommandProcessor(ecChar, 'x', nullptr);
    ASSERT_FALSE(window.transientLog.empty());
    EXPECT_EQ(window.transientLog.back(), "begin");
    window.transientLog.clear();
    for (TSrcEditorCommand command :
         std::vector<TSrcEditorCommand>{ecNone, ecCommentBlock, ecString, ecAutoCompletion, 999}) {
        edit->CommandProcessor(command, 'y', nullptr);
    }
    EXPECT_TRUE(window.transientLog.empty());
    EXPECT_EQ(AllLines(), (Lines{"abx"}));
    EXPECT_EQ(edit->CaretXY(), P(4, 1));
}

TEST_F(SrcEditExecuteTest, ACommandThatRaisesReleasesThePaintLock) {
    struct Thrower {
        void Changed(TObject*) { throw std::runtime_error("change refused"); }
    } thrower;
    SetLines({"ab"});
    edit->SetCaretXY(P(3, 1));
    edit->OnChange = TNotifyEvent::Of<&Thrower::Changed>(&thrower);
    EXPECT_THROW(edit->CommandProcessor(ecChar, 'x', nullptr), std::runtime_error);
    EXPECT_EQ(edit->PaintLock(), 0);
    EXPECT_EQ(edit->UndoList().BlockCount(), 0);
    edit->OnChange = nullptr;
    edit->CommandProcessor(ecLineBreak, 0, nullptr);
    EXPECT_EQ(edit->Lines().Count(), 2);
}

}  // namespace
