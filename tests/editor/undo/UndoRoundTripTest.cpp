#include "tests/editor/undo/UndoTestBase.h"

// Chosen edits undone and redone: each row runs its commands, then undo
// must give the text back (in one step where the row says so, with the
// caret or the whole state where it says so), redo the text after, and
// undo again the text before. Many rows pin faults once mended.

namespace {

struct Step {
    TSrcEditorCommand command;
    char c = '\0';
};

std::vector<Step> Typed(const char* Text) {
    std::vector<Step> steps;
    for (; *Text; ++Text) {
        steps.push_back({ecChar, *Text});
    }
    return steps;
}

enum Restores { kText, kCaret, kUndoState, kState };  // what Undo (and Redo, for kState) give back besides the text

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

    void Check(const Row& R) {
        SCOPED_TRACE(R.name);
        edit->SetOptions(defaults);
        edit->SetInsertMode(true);
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
        edit->ClearUndo();
        State before = Now();
        for (const Step& step : R.steps) {
            Run(step.command, step.c);
        }
        State after = Now();
        EXPECT_EQ(after.text, R.after);
        R.oneStep ? edit->Undo() : UndoAll();
        EXPECT_EQ(AllLines(), R.text);
        EXPECT_TRUE(R.restores != kCaret || edit->CaretXY() == before.caret) << "caret not back";
        EXPECT_TRUE(R.restores < kUndoState || Now() == before) << "state not back";
        EXPECT_FALSE(edit->CanUndo()) << "more than one group";
        R.oneStep ? edit->Redo() : RedoAll();
        EXPECT_EQ(AllLines(), R.after) << "redone";
        EXPECT_TRUE(R.restores != kCaret || edit->CaretXY() == after.caret) << "caret not redone";
        EXPECT_TRUE(R.restores != kState || Now() == after) << "state not redone";
        EXPECT_FALSE(edit->CanRedo()) << "more than one group";
        UndoAll();
        EXPECT_EQ(AllLines(), R.text) << "undone again";
    }
    void CheckAll(std::vector<Row> Rows) {
        for (const Row& row : Rows) {
            Check(row);
        }
    }

    const TSrcEditorOptions defaults = edit->Options();
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
    Run(ecUpperCaseBlock);
    EXPECT_EQ(AllLines(), (Lines{"x", ""}));
    UndoAll();
    ASSERT_EQ(edit->Lines().Count(), 2);
    EXPECT_EQ(AllLines()[0], "x");
    EXPECT_EQ(AllLines()[1].find_first_not_of(' '), std::string::npos);  // blanks the insertion left
    RedoAll();
    EXPECT_EQ(AllLines(), (Lines{"x", ""}));
}

}  // namespace
