#include "tests/editor/undo/UndoTestBase.h"

// Short command lists with the options an IDE page runs with (its pages
// keep the control's defaults: tab width 8, tabs to spaces, smart tabs,
// group undo...). Each row checks the text after the commands, after one
// Undo (byte for byte the text before) and after one Redo; Modified is
// false exactly when the text is the saved one; bookmark 1's line follows.

namespace {

struct Step {
    TSrcEditorCommand command;
    char c = '\0';
    const char* data = nullptr;
};

std::vector<Step> Typed(const char* Text) {
    std::vector<Step> steps;
    for (; *Text; ++Text) {
        steps.push_back({ecChar, *Text});
    }
    return steps;
}

struct Row {
    const char* name;
    Lines text;
    TBufferCoord from, to;  // the anchor and the caret
    std::vector<Step> steps;
    Lines after;
    TSrcSelectionMode mode = smNormal;
    std::vector<TSrcEditorOption> on = {}, off = {};
    int tabWidth = 8;
    bool overwrite = false;
    int mark = 0;  // bookmark 1's line before, 0 for none
    int markChar = 1;
    int markAfter = 0;  // and after the commands
    int undos = 1;      // the undo groups the commands make
};

TBufferCoord P(int Char, int Line) { return BufferCoord(Char, Line); }

class UndoPaddingTableTest : public UndoTestBase {
protected:
    int MarkLine() const {
        int x = 0;
        int y = 0;
        return edit->GetBookMark(1, x, y) ? y : 0;
    }

    void ExpectText(const Lines& Expected, const Lines& Saved, const char* When) {
        EXPECT_EQ(AllLines(), Expected) << When;
        EXPECT_EQ(edit->Modified(), AllLines() != Saved) << "Modified " << When;
    }

    void Check(const Row& R) {
        SCOPED_TRACE(R.name);
        edit->SetOptions(defaults);
        edit->SetTabWidth(R.tabWidth);
        for (TSrcEditorOption o : R.on) {
            WithOption(o, true);
        }
        for (TSrcEditorOption o : R.off) {
            WithOption(o, false);
        }
        edit->SetInsertMode(!R.overwrite);
        SetLines(R.text);
        Select(R.mode, R.from, R.to);
        edit->ClearBookMark(1);
        if (R.mark > 0) {
            edit->SetBookMark(1, R.markChar, R.mark);
        }
        edit->ClearUndo();
        edit->SetModified(false);
        for (const Step& step : R.steps) {
            Run(step.command, step.c, const_cast<char*>(step.data));
        }
        ExpectText(R.after, R.text, "after the commands");
        EXPECT_EQ(MarkLine(), R.markAfter) << "mark after the commands";
        for (int i = 0; i < R.undos; ++i) {
            edit->Undo();
        }
        ExpectText(R.text, R.text, "after Undo");
        EXPECT_EQ(MarkLine(), R.mark) << "mark after Undo";
        EXPECT_FALSE(edit->CanUndo()) << "more undo groups";
        for (int i = 0; i < R.undos; ++i) {
            edit->Redo();
        }
        ExpectText(R.after, R.text, "after Redo");
        EXPECT_EQ(MarkLine(), R.markAfter) << "mark after Redo";
    }

    void CheckAll(const std::vector<Row>& Rows) {
        for (const Row& row : Rows) {
            Check(row);
        }
    }

    const TSrcEditorOptions defaults = edit->Options();
};

// Backspace, Delete, Tab and Enter over a line selection leave the caret
// at column 1 of the line that took the selection's place.
TEST_F(UndoPaddingTableTest, ALineSelectionDeletedLeavesTheCaretAtColumnOne) {
    const Lines text = {"hello", "world", "x"};
    auto row = [&](const char* Name, std::vector<Step> Steps, Lines After, int Undos = 1) {
        std::vector<Step> steps = {{ecSelRight}};
        steps.insert(steps.end(), Steps.begin(), Steps.end());
        Row r{Name, text, P(4, 1), P(4, 1), steps, std::move(After), smLine};
        r.undos = Undos;
        return r;
    };
    CheckAll({
        row("tab", {{ecTab}}, {"        world", "x"}),
        row("enter", {{ecLineBreak}}, {"", "world", "x"}),
        row("backspace, then a letter", {{ecDeleteLastChar}, {ecChar, 'Z'}}, {"Zworld", "x"}, 2),
        row("delete, then a letter", {{ecDeleteChar}, {ecChar, 'Z'}}, {"Zworld", "x"}, 2),
    });
}

// Every blank a command pads a line with is recorded with it.
TEST_F(UndoPaddingTableTest, PaddingBlanksAreUndoneWithTheirCommand) {
    Row overwrite{"overwrite past the end", {"ab"}, P(5, 1), P(5, 1), Typed("x"), {"ab  x"}};
    overwrite.overwrite = true;
    Row imeOverwrite{"input-method text past the end, overwriting", {"ab"}, P(5, 1), P(5, 1),
                     {{ecImeStr, '\0', "XY"}}, {"ab  XY"}};
    imeOverwrite.overwrite = true;
    CheckAll({
        {"typed past the end", {"ab"}, P(5, 1), P(5, 1), Typed("x"), {"ab  x"}},
        {"typed on past the end, one group", {"ab"}, P(5, 1), P(5, 1), Typed("xy"), {"ab  xy"}},
        overwrite,
        {"tab past the end", {"ab"}, P(5, 1), P(5, 1), {{ecTab}}, {"ab      "}},
        {"input-method text past the end", {"ab"}, P(5, 1), P(5, 1), {{ecImeStr, '\0', "XY"}}, {"ab  XY"}},
        imeOverwrite,
        {"delete past the end joins", {"ab", "cd"}, P(5, 1), P(5, 1), {{ecDeleteChar}}, {"ab  cd"}},
        {"delete word past the end joins", {"ab", "cd"}, P(5, 1), P(5, 1), {{ecDeleteWord}}, {"ab  cd"}},
        {"delete to the end past the end changes nothing", {"ab", "cd"}, P(5, 1), P(5, 1), {{ecDeleteEOL}},
         {"ab", "cd"}},
        {"column deleted over a short line", {"abcdef", "ab", "abcdef"}, P(4, 1), P(6, 3), {{ecDeleteChar}},
         {"abcf", "ab", "abcf"}, smColumn},
        {"column past the scroll width, a short line on top", {"ab", std::string(1100, 'a') + "XYZ!"}, P(1101, 1),
         P(1104, 2), {{ecDeleteChar}}, {"ab", std::string(1100, 'a') + "!"}, smColumn, {}, {eoScrollPastEol}},
        {"column typed over, a short line on top", {"ab", "abcdef"}, P(4, 1), P(6, 2), Typed("X"),
         {"ab X", "abcf"}, smColumn},
        {"column tabbed over, a short line on top", {"ab", "abcdef"}, P(4, 1), P(6, 2), {{ecTab}},
         {"ab      ", "abcf"}, smColumn},
    });
}

// Without tabs to spaces an empty line is filled with tabs up to the
// caret; the character lands at the caret's column in both modes.
TEST_F(UndoPaddingTableTest, TabFillerPutsTheCharacterAtTheCaret) {
    Row insert{"insert", {""}, P(5, 1), P(5, 1), Typed("b"), {"\t\tb"}, smNormal, {}, {eoTabsToSpaces}, 2};
    Row overwrite = insert;
    overwrite.name = "overwrite";
    overwrite.overwrite = true;
    CheckAll({insert, overwrite});
}

// A mark on a line that is joined away moves with its text onto the kept
// line; Undo puts it back.
TEST_F(UndoPaddingTableTest, AMarkOnAJoinedLineFollowsItsText) {
    const Lines abc = {"a", "b", "c"};
    auto row = [&](const char* Name, TBufferCoord Caret, std::vector<Step> Steps, Lines After, int Mark,
                   int MarkAfter) {
        Row r{Name, abc, Caret, Caret, std::move(Steps), std::move(After)};
        r.mark = Mark;
        r.markAfter = MarkAfter;
        return r;
    };
    CheckAll({
        row("delete at the end of the line above", P(2, 2), {{ecDeleteChar}}, {"a", "bc"}, 3, 2),
        row("backspace at column 1", P(1, 3), {{ecDeleteLastChar}}, {"a", "bc"}, 3, 2),
        row("delete word at the end of the line above", P(2, 2), {{ecDeleteWord}}, {"a", "bc"}, 3, 2),
        row("a mark below the join moves up", P(2, 1), {{ecDeleteChar}}, {"ab", "c"}, 3, 2),
        row("a mark on the kept line stays", P(1, 3), {{ecDeleteLastChar}}, {"a", "bc"}, 2, 2),
        row("enter at column 1", P(1, 3), {{ecLineBreak}}, {"a", "b", "", "c"}, 3, 4),
        row("enter at the end", P(2, 2), {{ecLineBreak}}, {"a", "b", "", "c"}, 3, 4),
        row("enter at column 1 of the line above", P(1, 2), {{ecLineBreak}}, {"a", "", "b", "c"}, 3, 4),
        row("a line deleted, a mark below it", P(1, 2), {{ecDeleteLine}}, {"a", "c"}, 3, 2),
        row("a line deleted, a mark on it", P(1, 2), {{ecDeleteLine}}, {"a", "c"}, 2, 2),
    });
    Row selection{"a selection across lines, a mark inside it on the kept line", {"hello", "world"}, P(2, 1),
                  P(3, 2), {{ecDeleteChar}}, {"hrld"}};
    selection.mark = 1;
    selection.markChar = 4;
    selection.markAfter = 1;
    Row pastEnd{"a selection across lines, a mark after it", {"hello", "world"}, P(2, 1), P(2, 2), {{ecDeleteChar}},
                {"horld"}};
    pastEnd.mark = 2;
    pastEnd.markChar = 4;
    pastEnd.markAfter = 1;
    Row emptyKept{"a mark on an empty kept line stays", {"a", "", "c"}, P(1, 3), P(1, 3), {{ecDeleteLastChar}},
                  {"a", "c"}};
    emptyKept.mark = 2;
    emptyKept.markAfter = 2;
    Row columnPaste{"a column pasted over the last line's end", {"ab", "cd", "x"}, P(1, 1), P(2, 2),
                    {{ecCopy}, {ecEditorBottom}, {ecPaste}}, {"ab", "cd", "xa", " c"}, smColumn};
    columnPaste.mark = 3;
    columnPaste.markAfter = 3;
    // At the join's column: only a mark the join brought goes back down.
    Row atEnd = row("a mark at the end of the kept line stays", P(1, 3), {{ecDeleteLastChar}}, {"a", "bc"}, 2, 2);
    atEnd.markChar = 2;
    Row twice{"a mark carried by two joins", abc, P(2, 2), P(2, 2),
              {{ecDeleteChar}, {ecLineStart}, {ecDeleteLastChar}}, {"abc"}};
    twice.mark = 3;
    twice.markAfter = 1;
    twice.undos = 2;
    CheckAll({selection, pastEnd, emptyKept, columnPaste, atEnd, twice});
}

}  // namespace
