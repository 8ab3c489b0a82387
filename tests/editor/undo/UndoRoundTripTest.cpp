#include "tests/editor/undo/UndoTestBase.h"

#include <functional>

#include "editor/search/SrcEditSearch.h"

// Chosen edits undone and redone, each row on a new control with its
// default options (those of an IDE page) and those the row names: undo
// must give the text back (in one step where the row says so, with the
// caret or the whole state where it says so), redo the text after, and
// undo again the text before; the page is unmodified exactly when its
// text is the saved one, and bookmark 1 follows: Undo puts it back on its
// line and column, Redo where the commands put it. Many rows pin faults
// once mended.

namespace {

struct Step {
    TSrcEditorCommand command;
    char c = '\0';
    const char* text = nullptr;                     // ecImeStr's
    std::function<void(TCustomSrcEdit&)> call = {};  // instead of the command
};

std::vector<Step> Typed(const char* Text) {
    std::vector<Step> steps;
    for (; *Text; ++Text) {
        steps.push_back({ecChar, *Text});
    }
    return steps;
}

enum Restores { kText, kCaret, kUndoState, kState };  // what Undo (and Redo, for kState) give back besides the text
enum class View { kWide, kOneColumn, kNoWindow };

struct Row {
    Row(const char* Name, Lines Text, TBufferCoord From, TBufferCoord To, std::vector<Step> Steps, Lines After)
        : name(Name), text(std::move(Text)), from(From), to(To), steps(std::move(Steps)), after(std::move(After)) {}
    Row& In(TSrcSelectionMode Mode) {
        mode = Mode;
        return *this;
    }
    Row& Pasting(const char* Text, int Mode = 0) {
        pasted = Text;
        pasteMode = Mode;
        return *this;
    }
    Row& With(std::vector<TSrcEditorOption> On, std::vector<TSrcEditorOption> Off = {}) {
        on = std::move(On);
        off = std::move(Off);
        return *this;
    }
    Row& Restoring(Restores What) {
        restores = What;
        return *this;
    }
    Row& InSteps() {
        oneStep = false;
        return *this;
    }
    Row& In(View Kind) {
        view = Kind;
        return *this;
    }
    Row& Overwriting() {
        overwrite = true;
        return *this;
    }
    Row& Tabs(int Width) {
        tabWidth = Width;
        return *this;
    }
    Row& Marked(int Line, int After, int Char = 1, int CharAfter = 0) {
        mark = Line;
        markAfter = After;
        markChar = Char;
        markCharAfter = CharAfter;
        return *this;
    }

    const char* name;
    Lines text;
    TBufferCoord from;  // the anchor
    TBufferCoord to;    // the caret
    std::vector<Step> steps;
    Lines after;
    TSrcSelectionMode mode = smNormal;
    const char* pasted = nullptr;  // on the clipboard: a block of pasteMode, or plain text (-1)
    int pasteMode = 0;
    std::vector<TSrcEditorOption> on, off;
    bool oneStep = true;  // one Undo and one Redo each
    Restores restores = kText;
    View view = View::kWide;
    bool overwrite = false;
    int tabWidth = 8;
    int mark = 0;  // bookmark 1's line before, 0 for none, and after the commands
    int markAfter = 0;
    int markChar = 1;
    int markCharAfter = 0;  // 0: not checked after the commands
};

class UndoRoundTripTest : public UndoTestBase {
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

    void NewControl(View Kind) {
        edit = std::make_unique<TSrcEdit>();
        edit->SetClipboard(&clipboard);
        if (Kind != View::kNoWindow) {
            window.client = Rect(0, 0, Kind == View::kOneColumn ? Px(2) : Px(81), 320);
            edit->SetWindowServices(&window);
        }
        EXPECT_EQ(edit->CharsInWindow(), Kind == View::kWide ? 80 : Kind == View::kOneColumn ? 1 : 0);
    }
    int MarkLine() const { return MarkAt().Line; }
    // Bookmark 1, (0, 0) for none.
    TBufferCoord MarkAt() const {
        int x = 0;
        int y = 0;
        return edit->GetBookMark(1, x, y) ? BufferCoord(x, y) : BufferCoord(0, 0);
    }
    // The text, the flag, the bookmark (its column too when not 0) and no
    // selection under eoNoSelection.
    void Expect(const Lines& Text, const Lines& Saved, TBufferCoord Mark, const char* When) {
        EXPECT_EQ(AllLines(), Text) << When;
        EXPECT_EQ(edit->Modified(), AllLines() != Saved) << "Modified " << When;
        EXPECT_EQ(MarkLine(), Mark.Line) << "bookmark " << When;
        if (Mark.Char > 0) {
            EXPECT_EQ(MarkAt().Char, Mark.Char) << "bookmark's column " << When;
        }
        EXPECT_FALSE(edit->Options().Contains(eoNoSelection) && edit->SelAvail()) << "a selection " << When;
    }

    void Check(const Row& R) {
        SCOPED_TRACE(R.name);
        NewControl(R.view);
        edit->SetInsertMode(!R.overwrite);
        edit->SetTabWidth(R.tabWidth);
        for (TSrcEditorOption o : R.on) {
            WithOption(o, true);
        }
        for (TSrcEditorOption o : R.off) {
            WithOption(o, false);
        }
        SetLines(R.text);
        Select(R.mode, R.from, R.to);
        clipboard.data.clear();
        if (R.pasted && R.pasteMode < 0) {
            clipboard.PutText(R.pasted);
        } else if (R.pasted) {
            clipboard.PutBlock(static_cast<char>(R.pasteMode), R.pasted);
        }
        if (R.mark > 0) {
            edit->SetBookMark(1, R.markChar, R.mark);
        }
        State before = Now();
        for (const Step& step : R.steps) {
            if (step.call) {
                step.call(*edit);
            } else {
                Run(step.command, step.c, const_cast<char*>(step.text));
            }
        }
        State after = Now();
        const TBufferCoord markBefore = R.mark > 0 ? BufferCoord(R.markChar, R.mark) : BufferCoord(0, 0);
        Expect(R.after, R.text, BufferCoord(R.markCharAfter, R.markAfter), "after the commands");
        const TBufferCoord markDone = MarkAt();
        R.oneStep ? edit->Undo() : UndoAll();
        Expect(R.text, R.text, markBefore, "after Undo");
        EXPECT_TRUE(R.restores != kCaret || edit->CaretXY() == before.caret) << "caret not back";
        EXPECT_TRUE(R.restores < kUndoState || Now() == before) << "state not back";
        EXPECT_FALSE(edit->CanUndo()) << "more than one group";
        R.oneStep ? edit->Redo() : RedoAll();
        Expect(R.after, R.text, markDone, "after Redo");
        EXPECT_TRUE(R.restores != kCaret || edit->CaretXY() == after.caret) << "caret not redone";
        EXPECT_TRUE(R.restores != kState || Now() == after) << "state not redone";
        EXPECT_FALSE(edit->CanRedo()) << "more than one group";
        UndoAll();
        Expect(R.text, R.text, markBefore, "undone again");
    }
    void CheckAll(std::vector<Row> Rows) {
        for (const Row& row : Rows) {
            Check(row);
        }
    }
};

TBufferCoord P(int Char, int Line) {
    return BufferCoord(Char, Line);
}

TEST_F(UndoRoundTripTest, Typing) {
    CheckAll({
        Row("typed run", {"abc"}, P(2, 1), P(2, 1), Typed("XY"), {"aXYbc"}).Restoring(kCaret),
        Row("backspace", {"abc"}, P(3, 1), P(3, 1), {{ecDeleteLastChar}}, {"ac"}).Restoring(kCaret),
        Row("delete", {"abc"}, P(2, 1), P(2, 1), {{ecDeleteChar}}, {"ac"}).Restoring(kCaret),
        Row("typed past the line end: blanks added, then the character", {"de"}, P(7, 1), P(7, 1), Typed("z"),
            {"de    z"})
            .Restoring(kCaret),
        Row("overwritten text comes back, redo overwrites again", {"abcd"}, P(2, 1), P(2, 1),
            {{ecOverwriteMode}, {ecChar, 'X'}, {ecChar, 'Y'}}, {"aXYd"}),
        Row("line break with auto indent", {"    abc def"}, P(8, 1), P(8, 1), {{ecLineBreak}}, {"    abc", "     def"})
            .With({eoAutoIndent})
            .Restoring(kCaret),
        Row("a selection deleted, then the break", {"    abc", "     def"}, P(5, 1), P(8, 1), {{ecLineBreak}},
            {"    ", "    ", "     def"})
            .With({eoAutoIndent}),
    });
}

// Undo gives back text, caret, selection and mode as they were before the
// indent, unindent or case change; redo as they were after.
TEST_F(UndoRoundTripTest, BlockIndentUnindentAndCaseRestoreTheirSelection) {
    CheckAll({
        Row("indent", {"ab", "  cd", "ef"}, P(1, 1), P(3, 2), {{ecBlockIndent}}, {"        ab", "          cd", "ef"})
            .Restoring(kState),
        Row("indent upwards", {"ab", "  cd", "ef"}, P(3, 2), P(2, 1), {{ecBlockIndent}},
            {"        ab", "          cd", "ef"})
            .Restoring(kState),
        Row("indent ending at column 1", {"ab", "cd", "ef"}, P(2, 1), P(1, 3), {{ecBlockIndent}},
            {"        ab", "        cd", "ef"})
            .Restoring(kState),
        Row("column indent", {"abc", "def"}, P(2, 1), P(3, 2), {{ecBlockIndent}}, {"a        bc", "d        ef"})
            .In(smColumn)
            .Restoring(kState),
        Row("line indent", {"abc", "def"}, P(2, 2), P(1, 1), {{ecBlockIndent}}, {"        abc", "        def"})
            .In(smLine)
            .Restoring(kState),
        Row("unindent", {"  ab", "    cd", "ef"}, P(1, 1), P(5, 2), {{ecBlockUnindent}}, {"ab", "cd", "ef"})
            .Restoring(kState),
        Row("unindent upwards", {"  ab", "\tcd", "ef"}, P(3, 2), P(3, 1), {{ecBlockUnindent}}, {"ab", "cd", "ef"})
            .Restoring(kState),
        Row("column unindent", {"a  b", "c  d"}, P(4, 2), P(2, 1), {{ecBlockUnindent}}, {"ab", "cd"})
            .In(smColumn)
            .Restoring(kState),
        Row("column unindent undone in normal selection mode", {"abcdef", "x\t  yz          "}, P(10, 2), P(12, 1),
            {{ecBlockUnindent}, {ecNormalSelect}}, {"abcdef", "x\t  yz   "})
            .In(smColumn)
            .With({eoTabsToSpaces}),
        Row("column upper case", {"abc", "def"}, P(2, 1), P(3, 2), {{ecUpperCaseBlock}}, {"aBc", "dEf"})
            .In(smColumn)
            .Restoring(kUndoState),
    });
}

TEST_F(UndoRoundTripTest, Pastes) {
    CheckAll({
        Row("a line block from mid-line pastes whole lines", {"one", "two", "three"}, P(3, 3), P(3, 3), {{ecPaste}},
            {"one", "two", "one", "three"})
            .Pasting("one\r\n", 1),
        Row("replacing a selection", {"abc", "def"}, P(2, 1), P(2, 2), {{ecPaste}}, {"a1", "2ef"}).Pasting("1\r\n2"),
        Row("over a selection made upwards", {"((", "", "", "bX", "cc"}, P(1, 3), P(1, 2), {{ecPaste}},
            {"((", "((bX", "((cc"})
            .In(smLine)
            .Pasting("((\r\n((", 2),
        Row("a normal block over a line selection starts at column 1", {"abcdef", "xy("}, P(4, 1), P(5, 1), {{ecPaste}},
            {"PQxy("})
            .In(smLine)
            .Pasting("PQ"),
        Row("a column pasted below the last line redoes unindented", {"\tab"}, P(4, 1), P(4, 1), {{ecPaste}},
            {"\tabX", "   Y", "   Z"})
            .Pasting("X\r\nY\r\nZ", 2)
            .With({eoAutoIndent}),
        Row("plain text over a normal selection", {"abcd", "efgh", "ijkl"}, P(2, 1), P(3, 2), {{ecPaste}},
            {"aX", "Y", "Z", "Wgh", "ijkl"})
            .Pasting("X\nY\rZ\r\nW", -1)
            .Restoring(kUndoState),
        Row("plain text in column mode", {"abcd", "efgh", "ijkl"}, P(2, 2), P(2, 2), {{ecPaste}},
            {"abcd", "e12fgh", "i34jkl"})
            .In(smColumn)
            .Pasting("12\n34", -1),
        Row("plain text in line mode keeps the caret line", {"abcd", "efgh"}, P(3, 2), P(3, 2), {{ecPaste}},
            {"abcd", "P", "Q", "efgh"})
            .In(smLine)
            .Pasting("P\nQ\n", -1),
        Row("plain text without a line end in line mode", {"abcd", "efgh"}, P(3, 2), P(3, 2), {{ecPaste}},
            {"abcd", "Refgh"})
            .In(smLine)
            .Pasting("R", -1),
    });
}

// 2,240 characters pasted across the scroll width's edge (1,025 by default).
TEST_F(UndoRoundTripTest, PastesOnLinesLongerThanTheScrollWidth) {
    std::string pasted;
    for (int i = 0; pasted.size() < 2240; ++i) {
        pasted += static_cast<char>('A' + i % 26);
    }
    std::vector<std::string> names;
    names.reserve(4);  // the rows keep pointers to their names
    std::vector<Row> rows;
    for (size_t length : {2u, 1100u, 3000u, 20000u}) {
        std::string line(length, 'a');
        line[length - 1] = 'z';
        int at = static_cast<int>(std::min<size_t>(length, 1000));
        std::string after = line;
        after.insert(static_cast<size_t>(at - 1), pasted);
        names.push_back("pasted at " + std::to_string(at) + " of " + std::to_string(length));
        rows.push_back(Row(names.back().c_str(), {line, "b"}, P(at, 1), P(at, 1), {{ecPaste}}, {after, "b"})
                           .Pasting(pasted.c_str())
                           .Restoring(kState));
    }
    CheckAll(rows);
}

// A paste that inserts nothing changes nothing; a paste's or a case
// change's record covers what it changed, whatever the view's width (none
// without a window); a line copy pastes back as whole lines, the buffer's
// last lines too.
TEST_F(UndoRoundTripTest, PasteRecordsCoverWhatTheyChanged) {
    const Step paste{ecPaste};
    CheckAll({
        Row("empty text in line mode", {"Zebra", "two"}, P(4, 1), P(4, 1), {paste}, {"Zebra", "two"})
            .In(smLine)
            .Pasting("", -1),
        Row("an empty line block", {"Zebra", "two"}, P(4, 1), P(4, 1), {paste}, {"Zebra", "two"})
            .In(smLine)
            .Pasting("", 1),
        Row("empty text over a line selection", {"Zebra", "two", "x"}, P(2, 2), P(3, 2), {paste}, {"Zebra", "x"})
            .In(smLine)
            .Pasting("", -1),
        Row("a line block in a one-column view", {"one", "two"}, P(2, 2), P(2, 2), {paste}, {"one", "x", "two"})
            .Pasting("x\r\n", 1)
            .In(View::kOneColumn),
        Row("a line block without a window", {"one", "two"}, P(2, 2), P(2, 2), {paste}, {"one", "x", "two"})
            .Pasting("x\r\n", 1)
            .In(View::kNoWindow),
        Row("line text in a one-column view", {"one", "two"}, P(2, 2), P(2, 2), {paste}, {"one", "x", "two"})
            .In(smLine)
            .Pasting("x\n", -1)
            .In(View::kOneColumn),
        Row("a line case change in a one-column view", {"one", "two", "x"}, P(1, 2), P(2, 2), {{ecUpperCaseBlock}},
            {"one", "TWO", "x"})
            .In(smLine)
            .In(View::kOneColumn),
        Row("a line case change of the last lines", {"one", "two", "x"}, P(1, 2), P(1, 3), {{ecUpperCaseBlock}},
            {"one", "TWO", "X"})
            .In(smLine),
        Row("the last lines copied", {"one", "two", "three"}, P(1, 2), P(1, 3), {{ecCopy}, {ecEditorTop}, paste},
            {"two", "three", "one", "two", "three"})
            .In(smLine),
        Row("the last line copied onto itself", {"one", "two"}, P(1, 2), P(2, 2), {{ecCopy}, {ecLineEnd}, paste},
            {"one", "two", "two"})
            .In(smLine),
        Row("the whole text copied", {"a", "b"}, P(1, 1), P(1, 1), {{ecSelectAll}, {ecCopy}, {ecEditorTop}, paste},
            {"a", "b", "a", "b"})
            .In(smLine),
    });
}

// Undo and redo replace their records' ranges under eoNoSelection.
TEST_F(UndoRoundTripTest, UndoAndRedoWithoutSelection) {
    const std::vector<TSrcEditorOption> noSelection = {eoNoSelection};
    CheckAll({
        Row("typed", {"x"}, P(2, 1), P(2, 1), Typed("ab"), {"xab"}).With(noSelection),
        Row("pasted", {"x"}, P(2, 1), P(2, 1), {{ecPaste}}, {"xyz"}).Pasting("yz", -1).With(noSelection),
        Row("pasted lines", {"x"}, P(1, 1), P(1, 1), {{ecPaste}}, {"p", "q", "x"})
            .Pasting("p\r\nq\r\n", 1)
            .With(noSelection),
        Row("delete", {"abc"}, P(1, 1), P(1, 1), {{ecDeleteChar}}, {"bc"}).With(noSelection),
        Row("backspace", {"abc"}, P(4, 1), P(4, 1), {{ecDeleteLastChar}}, {"ab"}).With(noSelection),
        Row("a join", {"a", "b"}, P(2, 1), P(2, 1), {{ecDeleteChar}}, {"ab"}).With(noSelection),
        Row("delete to the line start", {"( ab"}, P(3, 1), P(3, 1), {{ecDeleteBOL}}, {"ab"}).With(noSelection),
    });
}

// Backspace, Delete, Tab and Enter over a line selection leave the caret
// at column 1 of the line that took the selection's place.
TEST_F(UndoRoundTripTest, ALineSelectionDeletedLeavesTheCaretAtColumnOne) {
    auto row = [](const char* Name, std::vector<Step> Steps, Lines After) {
        return Row(Name, {"hello", "world", "x"}, P(4, 1), P(5, 1), std::move(Steps), std::move(After)).In(smLine);
    };
    CheckAll({
        row("tab", {{ecTab}}, {"        world", "x"}),
        row("enter", {{ecLineBreak}}, {"", "world", "x"}),
        row("backspace, then a letter", {{ecDeleteLastChar}, {ecChar, 'Z'}}, {"Zworld", "x"}).InSteps(),
        row("delete, then a letter", {{ecDeleteChar}, {ecChar, 'Z'}}, {"Zworld", "x"}).InSteps(),
    });
}

// Every blank a command pads a line with is undone with it; without tabs
// to spaces an empty line is filled with tabs and the character lands at
// the caret's column in both modes.
TEST_F(UndoRoundTripTest, PaddingBlanksAreUndoneWithTheirCommand) {
    const Step ime{ecImeStr, '\0', "XY"};
    const std::string longLine(1100, 'a');
    CheckAll({
        Row("typed past the end", {"ab"}, P(5, 1), P(5, 1), Typed("x"), {"ab  x"}),
        Row("typed on past the end, one group", {"ab"}, P(5, 1), P(5, 1), Typed("xy"), {"ab  xy"}),
        Row("overwrite past the end", {"ab"}, P(5, 1), P(5, 1), Typed("x"), {"ab  x"}).Overwriting(),
        Row("tab past the end", {"ab"}, P(5, 1), P(5, 1), {{ecTab}}, {"ab      "}),
        Row("input-method text past the end", {"ab"}, P(5, 1), P(5, 1), {ime}, {"ab  XY"}),
        Row("input-method text past the end, overwriting", {"ab"}, P(5, 1), P(5, 1), {ime}, {"ab  XY"}).Overwriting(),
        Row("delete past the end joins", {"ab", "cd"}, P(5, 1), P(5, 1), {{ecDeleteChar}}, {"ab  cd"}),
        Row("delete word past the end joins", {"ab", "cd"}, P(5, 1), P(5, 1), {{ecDeleteWord}}, {"ab  cd"}),
        Row("delete to the end past the end changes nothing", {"ab", "cd"}, P(5, 1), P(5, 1), {{ecDeleteEOL}},
            {"ab", "cd"}),
        Row("column deleted over a short line", {"abcdef", "ab", "abcdef"}, P(4, 1), P(6, 3), {{ecDeleteChar}},
            {"abcf", "ab", "abcf"})
            .In(smColumn),
        Row("column past the scroll width, a short line on top", {"ab", longLine + "XYZ!"}, P(1101, 1), P(1104, 2),
            {{ecDeleteChar}}, {"ab", longLine + "!"})
            .In(smColumn)
            .With({}, {eoScrollPastEol}),
        Row("column typed over, a short line on top", {"ab", "abcdef"}, P(4, 1), P(6, 2), Typed("X"),
            {"ab X", "abcf"})
            .In(smColumn),
        Row("column tabbed over, a short line on top", {"ab", "abcdef"}, P(4, 1), P(6, 2), {{ecTab}},
            {"ab      ", "abcf"})
            .In(smColumn),
        Row("tab filler, inserting", {""}, P(5, 1), P(5, 1), Typed("b"), {"\t\tb"}).With({}, {eoTabsToSpaces}).Tabs(2),
        Row("tab filler, overwriting", {""}, P(5, 1), P(5, 1), Typed("b"), {"\t\tb"})
            .With({}, {eoTabsToSpaces})
            .Tabs(2)
            .Overwriting(),
    });
}

// A mark on a line that is joined away moves with its text onto the kept
// line; Undo puts it back.
TEST_F(UndoRoundTripTest, AMarkOnAJoinedLineFollowsItsText) {
    const Lines abc = {"a", "b", "c"};
    auto row = [&](const char* Name, TBufferCoord Caret, std::vector<Step> Steps, Lines After, int Mark,
                   int MarkAfter) {
        return Row(Name, abc, Caret, Caret, std::move(Steps), std::move(After)).Marked(Mark, MarkAfter);
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
        // At the join's column: only a mark the join brought goes back down.
        row("a mark at the end of the kept line stays", P(1, 3), {{ecDeleteLastChar}}, {"a", "bc"}, 2, 2)
            .Marked(2, 2, 2),
        row("a mark carried by two joins", P(2, 2), {{ecDeleteChar}, {ecLineStart}, {ecDeleteLastChar}}, {"abc"}, 3, 1)
            .InSteps(),
        Row("a mark on an empty kept line stays", {"a", "", "c"}, P(1, 3), P(1, 3), {{ecDeleteLastChar}}, {"a", "c"})
            .Marked(2, 2),
        Row("a selection across lines, a mark inside it on the kept line", {"hello", "world"}, P(2, 1), P(3, 2),
            {{ecDeleteChar}}, {"hrld"})
            .Marked(1, 1, 4),
        Row("a selection across lines, a mark after it", {"hello", "world"}, P(2, 1), P(2, 2), {{ecDeleteChar}},
            {"horld"})
            .Marked(2, 1, 4),
        Row("a column pasted over the last line's end", {"ab", "cd", "x"}, P(1, 1), P(2, 2),
            {{ecCopy}, {ecEditorBottom}, {ecPaste}}, {"ab", "cd", "xa", " c"})
            .In(smColumn)
            .Marked(3, 3),
    });
}

// Text holding a line break, put in at column 1 or mid-line by paste,
// SetSelText, typing or Replace All, with bookmark 1 left or right of the
// insertion point or on the line below: Undo gives back its line and
// column, Redo those the edit gave it. At column 1 the line's marks go
// down with its text and keep their columns.
TEST_F(UndoRoundTripTest, AMarkKeepsItsColumnWhereTextWithALineBreakGoesIn) {
    const Lines abc = {"abc", "def"};
    const Step paste{ecPaste};
    auto setSelText = [](const char* Text) {
        return Step{ecNone, '\0', nullptr, [Text](TCustomSrcEdit& e) { e.SetSelText(Text); }};
    };
    auto replaceAll = [](const char* Searched, const char* Replacement) {
        return Step{ecNone, '\0', nullptr, [=](TCustomSrcEdit& e) {
                        TSrcEditSearch search;
                        e.SetSearchEngine(&search);
                        e.SearchReplace(Searched, Replacement, TSrcSearchOptions{ssoReplaceAll, ssoEntireScope});
                        e.SetSearchEngine(nullptr);
                    }};
    };
    auto pasted = [&](const char* Name, TBufferCoord From, TBufferCoord To, const char* Text, Lines After) {
        return Row(Name, abc, From, To, {paste}, std::move(After)).Pasting(Text);
    };
    std::vector<Step> typed = Typed("1");
    typed.push_back({ecLineBreak});
    typed.push_back({ecChar, '2'});
    CheckAll({
        // Over a selected "a": the fault found with Replace.
        pasted("over column 1, a mark right of it", P(1, 1), P(2, 1), "1\r\n2", {"1", "2bc", "def"})
            .Marked(1, 2, 3, 3),
        pasted("over column 1, a mark at it", P(1, 1), P(2, 1), "1\r\n2", {"1", "2bc", "def"}).Marked(1, 2, 1, 1),
        pasted("over column 1, a mark below", P(1, 1), P(2, 1), "1\r\n2", {"1", "2bc", "def"}).Marked(2, 3, 2, 2),
        pasted("at column 1, a mark right of it", P(1, 1), P(1, 1), "1\r\n2", {"1", "2abc", "def"})
            .Marked(1, 2, 2, 2),
        pasted("at column 1, a mark past the line's end", P(1, 1), P(1, 1), "1\r\n2", {"1", "2abc", "def"})
            .Marked(1, 2, 6, 6),
        pasted("at column 1, two breaks and text after them", P(1, 1), P(1, 1), "1\r\n\r\nXY",
               {"1", "", "XYabc", "def"})
            .Marked(1, 3, 3, 3),
        pasted("at column 1, nothing after the break", P(1, 1), P(1, 1), "1\r\n", {"1", "abc", "def"})
            .Marked(1, 2, 3, 3),
        pasted("at column 1 of the line below", P(1, 2), P(1, 2), "1\r\n2", {"abc", "1", "2def"})
            .Marked(2, 3, 2, 2),
        pasted("mid-line, a mark left of it", P(2, 1), P(2, 1), "1\r\n2", {"a1", "2bc", "def"}).Marked(1, 1, 1, 1),
        pasted("mid-line, a mark right of it stays on its line", P(2, 1), P(2, 1), "1\r\n2", {"a1", "2bc", "def"})
            .Marked(1, 1, 3, 3),
        pasted("mid-line over a selection, a mark below", P(2, 1), P(3, 1), "1\r\n2", {"a1", "2c", "def"})
            .Marked(2, 3, 3, 3),
        pasted("mid-line over a selection across lines, a mark after it", P(2, 1), P(2, 2), "1\r\n2",
               {"a1", "2ef"})
            .Marked(2, 1, 3, 3),
        pasted("over a selection across lines from column 1", P(1, 1), P(2, 2), "1\r\n2", {"1", "2ef"})
            .Marked(2, 2, 3, 3),
        Row("SetSelText over column 1", abc, P(1, 1), P(2, 1), {setSelText("1\r\n2")}, {"1", "2bc", "def"})
            .Marked(1, 2, 3, 3),
        Row("SetSelText at column 1", abc, P(1, 1), P(1, 1), {setSelText("1\r\n2")}, {"1", "2abc", "def"})
            .Marked(1, 2, 2, 2),
        Row("SetSelText mid-line", abc, P(2, 1), P(2, 1), {setSelText("1\r\n2")}, {"a1", "2bc", "def"})
            .Marked(1, 1, 3, 3),
        Row("typed at column 1", abc, P(1, 1), P(1, 1), typed, {"1", "2abc", "def"}).Marked(1, 1, 3, 3).InSteps(),
        Row("Replace All at column 1", {"abc", "abc", "x"}, P(1, 1), P(1, 1), {replaceAll("a", "1\r\n2")},
            {"1", "2bc", "1", "2bc", "x"})
            .Marked(2, 4, 3, 3),
        Row("Replace All at column 1, a mark at the match", {"abc", "abc", "x"}, P(1, 1), P(1, 1),
            {replaceAll("a", "1\r\n2")}, {"1", "2bc", "1", "2bc", "x"})
            .Marked(1, 2, 1, 1),
        Row("Replace All mid-line", {"abc", "abc", "x"}, P(1, 1), P(1, 1), {replaceAll("b", "1\r\n2")},
            {"a1", "2c", "a1", "2c", "x"})
            .Marked(2, 3, 3, 3),
    });
}

// An undone insertion of a line break leaves no trace on the marks: a
// later join at the end of a mark's line, undone, leaves the mark there.
TEST_F(UndoRoundTripTest, AnUndoneLineBreakLeavesTheMarksAsTheyWere) {
    const std::vector<Step> thenJoin = {{ecUndo}, {ecDown}, {ecLineStart}, {ecDeleteLastChar}};
    auto row = [&](const char* Name, std::vector<Step> Steps, const char* Pasted = "") {
        Steps.insert(Steps.end(), thenJoin.begin(), thenJoin.end());
        return Row(Name, {"ab", "cd"}, P(1, 1), P(1, 1), std::move(Steps), {"abcd"})
            .Pasting(Pasted)
            .Marked(1, 1, 3, 3);
    };
    CheckAll({
        row("enter at column 1", {{ecLineBreak}}),
        row("a paste at column 1", {{ecPaste}}, "1\r\n2"),
        row("a paste at column 1 ending in a break", {{ecPaste}}, "1\r\n"),
        row("SetSelText at column 1", {{ecNone, '\0', nullptr, [](TCustomSrcEdit& e) { e.SetSelText("1\r\n2"); }}}),
    });
}

// A page without lines takes column edits as a page with one empty line
// does: the same text, flag, caret and bookmark after the commands, Undo,
// Redo and Undo again; Undo gives the empty page back, unmodified, and
// bookmark 1 never leaves line 1.
TEST_F(UndoRoundTripTest, APageWithoutLinesActsAsOneWithAnEmptyLine) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        const char* pasted = nullptr;  // a column block
        int selectedTo = 0;            // a column selection from column 1 of line 1 to this column
    };
    auto afterFourRights = [](std::vector<Step> More) {
        std::vector<Step> steps = {{ecColumnSelect}, {ecRight}, {ecRight}, {ecRight}, {ecRight}};
        steps.insert(steps.end(), More.begin(), More.end());
        return steps;
    };
    const Case cases[] = {
        {"tab", afterFourRights({{ecTab}})},
        {"typed", afterFourRights(Typed("xy"))},
        {"typed over a column selection", {{ecChar, 'x'}}, nullptr, 5},
        {"a column pasted", afterFourRights({{ecPaste}}), "ab\r\ncd"},
        {"a block case change", {{ecUpperCaseBlock}}, nullptr, 5},
    };
    struct Seen {
        std::string text;
        bool modified;
        TBufferCoord caret;
        int mark;
    };
    auto described = [](const std::vector<Seen>& States) {
        std::vector<std::string> result;
        for (const Seen& s : States) {
            result.push_back("[" + s.text + "] modified " + std::to_string(s.modified) + " caret " +
                             std::to_string(s.caret.Char) + "," + std::to_string(s.caret.Line) + " mark " +
                             std::to_string(s.mark));
        }
        return result;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Seen> seen[2];
        for (int page = 0; page < 2; ++page) {
            NewControl(View::kWide);
            SetLines(page == 0 ? Lines{} : Lines{""});
            clipboard.data.clear();
            if (c.pasted) {
                clipboard.PutBlock(2, c.pasted);
            }
            if (c.selectedTo > 0) {
                Select(smColumn, P(1, 1), P(c.selectedTo, 1));
            }
            edit->SetBookMark(1, 1, 1);
            auto look = [&] {
                seen[page].push_back({edit->Lines().GetTextStr(), edit->Modified(), edit->CaretXY(), MarkLine()});
            };
            for (const Step& step : c.steps) {
                Run(step.command, step.c, const_cast<char*>(step.text));
            }
            look();
            UndoAll();
            look();
            RedoAll();
            look();
            UndoAll();
            look();
        }
        EXPECT_EQ(described(seen[0]), described(seen[1]));
        for (size_t i = 0; i < seen[0].size(); ++i) {
            EXPECT_EQ(seen[0][i].mark, 1) << "state " << i;
            EXPECT_EQ(seen[0][i].modified, i % 2 == 0) << "state " << i;
            EXPECT_TRUE(i % 2 == 0 || seen[0][i].text.empty()) << "state " << i << ": " << seen[0][i].text;
        }
    }
}

// A case change converts the text where it stands: no line moves, so no
// mark moves, neither on Undo nor on Redo, in any selection mode.
TEST_F(UndoRoundTripTest, ACaseChangeKeepsEveryMark) {
    const Lines five = {"one", "two", "three", "four", "five"};
    const Lines upper = {"one", "TWO", "THREE", "FOur", "five"};
    auto row = [&](const char* Name, TSrcEditorCommand Command, Lines After, int Mark, int Char = 1) {
        return Row(Name, five, P(1, 2), P(3, 4), {{Command}}, std::move(After)).Marked(Mark, Mark, Char);
    };
    CheckAll({
        row("a mark inside the selection", ecUpperCaseBlock, upper, 3).Restoring(kUndoState),
        row("a mark on the last line before the end", ecUpperCaseBlock, upper, 4),
        row("a mark on the last line after the end", ecUpperCaseBlock, upper, 4, 4),
        row("a mark on the first line", ecUpperCaseBlock, upper, 2),
        row("a mark below", ecUpperCaseBlock, upper, 5),
        row("toggle", ecToggleCaseBlock, {"one", "TWO", "THREE", "FOur", "five"}, 3),
        Row("column", five, P(2, 2), P(3, 4), {{ecUpperCaseBlock}}, {"one", "tWo", "tHree", "fOur", "five"})
            .In(smColumn)
            .Marked(3, 3)
            .Restoring(kUndoState),
        Row("column past short lines", five, P(3, 2), P(6, 4), {{ecUpperCaseBlock}},
            {"one", "twO", "thREE", "foUR", "five"})
            .In(smColumn)
            .Marked(4, 4, 5),
        row("lines", ecUpperCaseBlock, {"one", "TWO", "THREE", "FOUR", "five"}, 3).In(smLine).Restoring(kUndoState),
        Row("lines down to the last", five, P(1, 4), P(1, 5), {{ecUpperCaseBlock}},
            {"one", "two", "three", "FOUR", "FIVE"})
            .In(smLine)
            .Marked(5, 5),
        Row("a selection beginning past its line's end", five, P(7, 2), P(3, 4), {{ecUpperCaseBlock}},
            {"one", "two", "THREE", "FOur", "five"})
            .Marked(3, 3),
        Row("blanks at the line ends stay, trimming or not", {"ab  ", "cd  ", "x"}, P(1, 1), P(3, 2),
            {{ecUpperCaseBlock}}, {"AB  ", "CD  ", "x"})
            .With({eoTrimTrailingSpaces})
            .Marked(2, 2),
        Row("the word command", five, P(2, 3), P(2, 3), {{ecTitleCase}}, {"one", "two", "Three", "four", "five"})
            .Marked(3, 3),
        Row("one character without a selection", five, P(1, 3), P(1, 3), {{ecUpperCaseBlock}},
            {"one", "two", "Three", "four", "five"})
            .Marked(4, 4),
    });
}

// With eoTrimTrailingSpaces an edit trims blanks that older records put
// text after; undoing everything gives the text back byte for byte.
TEST_F(UndoRoundTripTest, UndoGivesBackTheBlanksTrimmedBeforeRemovedText) {
    const std::vector<TSrcEditorOption> trim = {eoTrimTrailingSpaces};
    const std::vector<TSrcEditorOption> noIndent = {eoAutoIndent, eoScrollPastEol};
    CheckAll({
        Row("backspace after a tab", {"a\tb"}, P(4, 1), P(4, 1), {{ecDeleteLastChar}}, {"a"})
            .With(trim, noIndent)
            .InSteps(),
        Row("delete of the last word", {"ab\tcd"}, P(4, 1), P(4, 1), {{ecDeleteWord}}, {"ab"})
            .With({eoTrimTrailingSpaces, eoScrollPastEol}, {eoAutoIndent})
            .InSteps(),
        Row("case change after a tab", {"a\tb"}, P(3, 1), P(3, 1), {{ecUpperCase}}, {"a\tB"})
            .With({eoTrimTrailingSpaces, eoScrollPastEol}, {eoAutoIndent})
            .InSteps(),
        Row("case change on a line ending in a blank", {"ab cd "}, P(1, 1), P(1, 1), {{ecUpperCase}}, {"AB cd "})
            .With(trim, noIndent)
            .InSteps(),
        Row("line break after a tab", {"ab\tcd"}, P(4, 1), P(4, 1), {{ecLineBreak}}, {"ab", "cd"})
            .With(trim, noIndent)
            .InSteps(),
        Row("cut, then a join onto the tab left", {"x", "a\tb"}, P(3, 2), P(4, 2),
            {{ecCut}, {ecUp}, {ecLineEnd}, {ecDeleteChar}}, {"xa"})
            .With(trim, noIndent)
            .InSteps(),
        Row("backspace joining onto trailing blanks", {"ab \t", "cd"}, P(1, 2), P(1, 2), {{ecDeleteLastChar}}, {"abcd"})
            .With(trim, noIndent)
            .InSteps(),
        Row("column cut", {"a\tbc", "d\tef"}, P(3, 1), P(5, 2), {{ecCut}}, {"a", "d"})
            .In(smColumn)
            .With(trim, noIndent)
            .InSteps(),
        Row("paste whose last line ends in a tab before blanks", {"\t "}, P(2, 1), P(2, 1), {{ecPaste}},
            {"\t\t Y", "x  C"})
            .Pasting("\t Y\r\nx  C\t")
            .With(trim, noIndent)
            .InSteps(),
        Row("a trim joins its change's undo group", {"ab\tcd", "x"}, P(6, 1), P(6, 1),
            {{ecDeleteLastChar}, {ecDeleteLastChar}}, {"ab", "x"})
            .With({eoTrimTrailingSpaces, eoGroupUndo}),
    });
}

// Text put over a line selection that the trim leaves empty, with the
// caret back at column 1 of its own line, is undone on that line alone.
TEST_F(UndoRoundTripTest, ALineReplacedByBlanksUndoesOnItsOwnLine) {
    SetLines({"x", "    "});
    Options({eoTrimTrailingSpaces}, {eoScrollPastEol});
    Select(smLine, BufferCoord(1, 2), BufferCoord(5, 2));
    edit->ClearUndo();
    edit->SetSelText("    ");
    EXPECT_EQ(AllLines(), (Lines{"x", ""}));
    UndoAll();
    ASSERT_EQ(edit->Lines().Count(), 2);
    EXPECT_EQ(AllLines()[0], "x");
    EXPECT_EQ(AllLines()[1].find_first_not_of(' '), std::string::npos);  // blanks the insertion left
    RedoAll();
    EXPECT_EQ(AllLines(), (Lines{"x", ""}));
}

// A column case change undone after blanks that an undo gave back
// lengthened a line is put back as a column, not in place: its redo must
// cover the column from its left edge (also when it was selected from the
// right) to its widest row (also past a shorter last row).
TEST_F(UndoRoundTripTest, AColumnCaseChangeRedoneOverLengthenedLines) {
    auto trimmed = [this] {
        Lines lines = AllLines();
        for (std::string& line : lines) {
            line.erase(line.find_last_not_of(' ') + 1);
        }
        return lines;
    };
    struct Case {
        Lines text;
        TBufferCoord anchor, caret;
        TSrcEditorCommand command;
        Lines after;
    } cases[] = {
        {{"ab", "cd"}, P(1, 2), P(4, 1), ecToggleCaseBlock, {"AB", "CD"}},
        {{"ab", "cd"}, P(4, 1), P(1, 2), ecToggleCaseBlock, {"AB", "CD"}},
        {{"ab", "cd"}, P(2, 2), P(4, 1), ecUpperCaseBlock, {"aB", "cD"}},
        {{"ab", "cd"}, P(1, 2), P(2, 1), ecToggleCaseBlock, {"Ab", "Cd"}},
        {{"abc", "d"}, P(1, 1), P(4, 2), ecToggleCaseBlock, {"ABC", "D"}},
        {{"abc", "d"}, P(4, 2), P(1, 1), ecUpperCaseBlock, {"ABC", "D"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text[0] << " " << c.anchor.Char << "," << c.anchor.Line << " "
                                        << c.command);
        edit->ClearUndo();
        SetLines(c.text);
        Options({eoTrimTrailingSpaces});
        Select(smColumn, c.anchor, c.caret);
        Run(c.command);
        Run(ecEditorBottom);
        Run(ecLineEnd);
        Type("  ");  // trimmed; its undo leaves a blank
        EXPECT_EQ(AllLines(), c.after);
        UndoAll();
        EXPECT_EQ(trimmed(), c.text);
        RedoAll();
        EXPECT_EQ(trimmed(), c.after);
        UndoAll();
        EXPECT_EQ(trimmed(), c.text);
    }
}

}  // namespace
