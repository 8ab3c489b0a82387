#include "tests/editor/undo/UndoTestBase.h"

// With eoTrimTrailingSpaces an edit trims blanks that older records put
// text after; undoing everything gives the text back byte for byte, and
// redo and undo again go the same way.

namespace {


struct Step {
    TSrcEditorCommand command;
    char c = '\0';
};

struct TrimCase {
    const char* name;
    Lines text;
    bool pastEol;
    TSrcSelectionMode mode;
    TBufferCoord from;
    TBufferCoord to;  // the caret
    std::vector<Step> steps;
    Lines after;
    const char* pasted = "";  // a normal block on the clipboard
};

class UndoTrimTest : public UndoTestBase {
protected:
    void UndoAll() {
        for (int guard = 0; edit->CanUndo() && guard < 100; ++guard) {
            edit->Undo();
        }
    }
    void RedoAll() {
        for (int guard = 0; edit->CanRedo() && guard < 100; ++guard) {
            edit->Redo();
        }
    }
};

TEST_F(UndoTrimTest, UndoGivesBackTheBlanksTrimmedBeforeRemovedText) {
    const TrimCase cases[] = {
        {"Backspace after a tab", {"a\tb"}, false, smNormal, BufferCoord(4, 1), BufferCoord(4, 1),
         {{ecDeleteLastChar}}, {"a"}},
        {"Delete of the last word", {"ab\tcd"}, true, smNormal, BufferCoord(4, 1), BufferCoord(4, 1),
         {{ecDeleteWord}}, {"ab"}},
        {"case change after a tab", {"a\tb"}, true, smNormal, BufferCoord(3, 1), BufferCoord(3, 1),
         {{ecUpperCase}}, {"a\tB"}},
        {"case change on a line ending in a blank", {"ab cd "}, false, smNormal, BufferCoord(1, 1),
         BufferCoord(1, 1), {{ecUpperCase}}, {"AB cd "}},
        {"line break after a tab", {"ab\tcd"}, false, smNormal, BufferCoord(4, 1), BufferCoord(4, 1),
         {{ecLineBreak}}, {"ab", "cd"}},
        {"cut, then a join onto the tab left", {"x", "a\tb"}, false, smNormal, BufferCoord(3, 2),
         BufferCoord(4, 2), {{ecCut}, {ecUp}, {ecLineEnd}, {ecDeleteChar}}, {"xa"}},
        {"Backspace joining onto trailing blanks", {"ab \t", "cd"}, false, smNormal, BufferCoord(1, 2),
         BufferCoord(1, 2), {{ecDeleteLastChar}}, {"abcd"}},
        {"column cut", {"a\tbc", "d\tef"}, false, smColumn, BufferCoord(3, 1), BufferCoord(5, 2),
         {{ecCut}}, {"a", "d"}},
        {"paste whose last line ends in a tab before blanks", {"\t "}, false, smNormal, BufferCoord(2, 1),
         BufferCoord(2, 1), {{ecPaste}}, {"\t\t Y", "x  C"}, "\t Y\r\nx  C\t"},
    };
    for (const TrimCase& c : cases) {
        SetLines(c.text);
        Options({eoTrimTrailingSpaces}, {eoAutoIndent});
        WithOption(eoScrollPastEol, c.pastEol);
        Select(c.mode, c.from, c.to);
        clipboard.PutBlock(0, c.pasted);
        edit->ClearUndo();
        for (const Step& step : c.steps) {
            Run(step.command, step.c);
        }
        EXPECT_EQ(AllLines(), c.after) << c.name;
        UndoAll();
        EXPECT_EQ(AllLines(), c.text) << c.name;
        RedoAll();
        EXPECT_EQ(AllLines(), c.after) << c.name << ", redone";
        UndoAll();
        EXPECT_EQ(AllLines(), c.text) << c.name << ", undone again";
    }
}

// Text put over a line selection that the trim leaves empty, with the
// caret back at column 1 of its own line, is undone on that line alone.
TEST_F(UndoTrimTest, ALineReplacedByBlanksUndoesOnItsOwnLine) {
    SetLines({"x", "    "});
    Options({eoTrimTrailingSpaces}, {eoScrollPastEol});
    Select(smLine, BufferCoord(1, 2), BufferCoord(5, 2));
    edit->ClearUndo();
    Run(ecUpperCaseBlock);
    EXPECT_EQ(AllLines(), (Lines{"x", ""}));
    UndoAll();
    ASSERT_EQ(edit->Lines().Count(), 2);
    EXPECT_EQ(AllLines()[0], "x");
    EXPECT_EQ(AllLines()[1].find_first_not_of(' '), std::string::npos);  // blanks the insertion left
    RedoAll();
    EXPECT_EQ(AllLines(), (Lines{"x", ""}));
}

// A trim is part of the change that made it: one Undo takes both back.
TEST_F(UndoTrimTest, ATrimJoinsItsChangesUndoGroup) {
    SetLines({"ab\tcd", "x"});
    Options({eoTrimTrailingSpaces, eoGroupUndo});
    edit->SetCaretXY(BufferCoord(6, 1));
    edit->ClearUndo();
    Run(ecDeleteLastChar);
    Run(ecDeleteLastChar);
    EXPECT_EQ(AllLines(), (Lines{"ab", "x"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"ab\tcd", "x"}));
    EXPECT_FALSE(edit->CanUndo());
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"ab", "x"}));
    EXPECT_FALSE(edit->CanRedo());
}

}  // namespace
