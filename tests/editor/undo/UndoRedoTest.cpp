#include "tests/editor/undo/UndoTestBase.h"

namespace {


// Text, caret, selection and active mode of one state.
struct State {
    Lines text;
    TBufferCoord caret;
    TBufferCoord blockBegin;
    TBufferCoord blockEnd;
    TSrcSelectionMode mode;
    bool operator==(const State& o) const {
        return text == o.text && caret == o.caret && blockBegin == o.blockBegin && blockEnd == o.blockEnd &&
               mode == o.mode;
    }
};

std::ostream& operator<<(std::ostream& os, const State& s) {
    for (const std::string& line : s.text) {
        os << "[" << line << "]";
    }
    return os << " caret " << s.caret.Char << "," << s.caret.Line << " block " << s.blockBegin.Char << ","
              << s.blockBegin.Line << "-" << s.blockEnd.Char << "," << s.blockEnd.Line << " mode " << s.mode;
}

class UndoRedoTest : public UndoTestBase {
protected:
    State Now() const {
        return {AllLines(), edit->CaretXY(), edit->BlockBegin(), edit->BlockEnd(), edit->ActiveSelectionMode()};
    }
    // Runs Action; one Undo gives Before (with the caret at UndoCaret),
    // one Redo the state after Action, each time with one group.
    template <typename TAction>
    void ExpectOneStep(TAction Action, const TBufferCoord& UndoCaret) {
        edit->ClearUndo();
        State before = Now();
        before.caret = UndoCaret;
        Action();
        State after = Now();
        edit->Undo();
        State undone = Now();
        EXPECT_EQ(undone.text, before.text);
        EXPECT_EQ(undone.caret, before.caret);
        EXPECT_FALSE(edit->CanUndo()) << "more than one group";
        edit->Redo();
        EXPECT_EQ(Now().text, after.text);
        EXPECT_EQ(Now().caret, after.caret);
        EXPECT_FALSE(edit->CanRedo()) << "more than one group";
    }
};

TEST_F(UndoRedoTest, TypingBackspaceDeleteAndWhiteSpaceAdd) {
    SetLines({"abc", "de"});
    edit->SetCaretXY(BufferCoord(2, 1));
    ExpectOneStep([&] { Type("XY"); }, BufferCoord(2, 1));                   // crInsert run
    ExpectOneStep([&] { Run(ecDeleteLastChar); }, BufferCoord(4, 1));        // crSilentDelete
    ExpectOneStep([&] { Run(ecDeleteChar); }, BufferCoord(3, 1));            // crSilentDeleteAfterCursor
    edit->SetCaretXY(BufferCoord(7, 2));
    // crWhiteSpaceAdd + crInsert; the caret goes back where the blanks ended.
    ExpectOneStep([&] { Type("z"); }, BufferCoord(7, 2));
    EXPECT_EQ(AllLines(), (Lines{"aXc", "de    z"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"aXc", "de"}));
    EXPECT_FALSE(edit->SelAvail());
}

TEST_F(UndoRedoTest, OverwrittenTextComesBackAndRedoOverwritesAgain) {
    SetLines({"abcd"});
    edit->SetInsertMode(false);
    edit->SetCaretXY(BufferCoord(2, 1));
    Type("XY");
    EXPECT_EQ(AllLines(), (Lines{"aXYd"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abcd"}));
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"aXYd"}));
}

TEST_F(UndoRedoTest, LineBreaksRedoAsOneGroup) {
    SetLines({"    abc def"});
    Options({eoAutoIndent});
    edit->SetCaretXY(BufferCoord(8, 1));
    ExpectOneStep([&] { Run(ecLineBreak); }, BufferCoord(8, 1));
    EXPECT_EQ(AllLines(), (Lines{"    abc", "     def"}));
    // Selection deleted, then the break: one Undo, one Redo.
    edit->ClearUndo();
    Select(smNormal, BufferCoord(5, 1), BufferCoord(8, 1));
    Run(ecLineBreak);
    Lines broken = AllLines();
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"    abc", "     def"}));
    EXPECT_FALSE(edit->CanUndo());
    edit->Redo();
    EXPECT_EQ(AllLines(), broken);
    EXPECT_FALSE(edit->CanRedo());
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"    abc", "     def"}));
}

// Undo gives back text, caret, selection and mode as they were before the
// indent or unindent, redo as they were after; each in one step.
TEST_F(UndoRedoTest, BlockIndentAndUnindentRestoreTheirSelection) {
    struct Case {
        TSrcEditorCommand command;
        Lines text;
        TSrcSelectionMode mode;
        TBufferCoord from;  // the anchor
        TBufferCoord to;    // the caret
    };
    const Case cases[] = {
        {ecBlockIndent, {"ab", "  cd", "ef"}, smNormal, BufferCoord(1, 1), BufferCoord(3, 2)},
        {ecBlockIndent, {"ab", "  cd", "ef"}, smNormal, BufferCoord(3, 2), BufferCoord(2, 1)},  // upwards
        {ecBlockIndent, {"ab", "cd", "ef"}, smNormal, BufferCoord(2, 1), BufferCoord(1, 3)},    // ends at column 1
        {ecBlockIndent, {"abc", "def"}, smColumn, BufferCoord(2, 1), BufferCoord(3, 2)},
        {ecBlockIndent, {"abc", "def"}, smLine, BufferCoord(2, 2), BufferCoord(1, 1)},
        {ecBlockUnindent, {"  ab", "    cd", "ef"}, smNormal, BufferCoord(1, 1), BufferCoord(5, 2)},
        {ecBlockUnindent, {"  ab", "\tcd", "ef"}, smNormal, BufferCoord(3, 2), BufferCoord(3, 1)},  // upwards
        {ecBlockUnindent, {"a  b", "c  d"}, smColumn, BufferCoord(4, 2), BufferCoord(2, 1)},
    };
    for (const Case& c : cases) {
        SetLines(c.text);
        Select(c.mode, c.from, c.to);
        edit->ClearUndo();
        State before = Now();
        Run(c.command);
        State after = Now();
        EXPECT_NE(after.text, before.text) << c.command << " " << before;
        edit->Undo();
        EXPECT_EQ(Now(), before) << c.command;
        EXPECT_FALSE(edit->CanUndo()) << "more than one group";
        edit->Redo();
        EXPECT_EQ(Now(), after) << c.command << " " << before;
        EXPECT_FALSE(edit->CanRedo()) << "more than one group";
    }
}

// Undo puts a column unindent's blanks back as a column, whatever the
// selection mode the user chose since.
TEST_F(UndoRedoTest, ColumnUnindentUndoesInNormalSelectionMode) {
    SetLines({"abcdef", "x\t  yz          "});
    Options({eoTabsToSpaces});
    Select(smColumn, BufferCoord(10, 2), BufferCoord(12, 1));
    edit->ClearUndo();
    Run(ecBlockUnindent);
    EXPECT_EQ(AllLines(), (Lines{"abcdef", "x\t  yz   "}));
    Run(ecNormalSelect);
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abcdef", "x\t  yz          "}));
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"abcdef", "x\t  yz   "}));
}

// A column selection switched to normal mode can begin past its line's
// end; deleting it joins the lines at that end, and typed or pasted text
// goes where the caret then stands.
TEST_F(UndoRedoTest, SelectionBeginningPastTheLineEndUndoesExactly) {
    for (bool pastEol : {false, true}) {
        for (TSrcEditorCommand command : {ecChar, ecCut, ecDeleteLastChar, ecDeleteChar, ecPaste, ecUpperCaseBlock}) {
            SetLines({"a\tc", "defgh"});
            Options({}, {eoScrollPastEol, eoTabIndent});
            WithOption(eoScrollPastEol, pastEol);
            clipboard.PutBlock(0, "Q");
            Select(smColumn, BufferCoord(6, 1), BufferCoord(3, 2));
            Run(ecNormalSelect);
            edit->ClearUndo();
            Run(command, 'Y');
            Lines after = AllLines();
            EXPECT_EQ(after[0].substr(0, 5), "a\tcfg") << command << " " << pastEol;
            edit->Undo();
            EXPECT_EQ(AllLines(), (Lines{"a\tc", "defgh"})) << command << " " << pastEol;
            EXPECT_FALSE(edit->CanUndo()) << command;
            edit->Redo();
            EXPECT_EQ(AllLines(), after) << command << " " << pastEol;
        }
    }
}

TEST_F(UndoRedoTest, CaseChangeRestoresCaretSelectionAndMode) {
    SetLines({"abc", "def"});
    Select(smColumn, BufferCoord(2, 1), BufferCoord(3, 2));
    edit->ClearUndo();
    Run(ecUpperCaseBlock);  // crSelection, crCaret, crDelete, column crPaste
    EXPECT_EQ(AllLines(), (Lines{"aBc", "dEf"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abc", "def"}));
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(2, 1));
    EXPECT_EQ(edit->BlockEnd(), BufferCoord(3, 2));
    EXPECT_EQ(edit->ActiveSelectionMode(), smColumn);
    EXPECT_FALSE(edit->CanUndo());
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"aBc", "dEf"}));
}

TEST_F(UndoRedoTest, RecordsNoCommandWritesAreUndoneAndRedone) {
    SetLines({"abc"});
    TSrcEditUndoList& list = edit->UndoList();
    // crDeleteAfterCursor: text back, selected, caret at the start.
    edit->Lines().Put(0, "c");
    list.AddChange(crDeleteAfterCursor, BufferCoord(1, 1), BufferCoord(3, 1), "ab", smNormal);
    edit->Undo();
    EXPECT_EQ(Now(), (State{{"abc"}, BufferCoord(1, 1), BufferCoord(1, 1), BufferCoord(3, 1), smNormal}));
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"c"}));
    // crDragDropInsert: redo selects the dropped text again.
    edit->ClearUndo();
    edit->Lines().Put(0, "cXY");
    list.AddChange(crDragDropInsert, BufferCoord(2, 1), BufferCoord(4, 1), "", smNormal);
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"c"}));
    edit->Redo();
    EXPECT_EQ(Now(), (State{{"cXY"}, BufferCoord(4, 1), BufferCoord(2, 1), BufferCoord(4, 1), smNormal}));
    // crDeleteAll: undo puts the text back with the caret at the top;
    // redo drops the record.
    edit->ClearUndo();
    std::string all = edit->Text();
    edit->Lines().Clear();
    list.AddChange(crDeleteAll, BufferCoord(1, 1), BufferCoord(4, 1), "cXY", smNormal);
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"cXY"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 1));
    EXPECT_TRUE(edit->CanRedo());
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"cXY"}));
    EXPECT_FALSE(edit->CanRedo());
}

TEST_F(UndoRedoTest, MarkerGroupsUndoAndRedoWhole) {
    SetLines({"abc"});
    edit->SetCaretXY(BufferCoord(4, 1));
    const TSrcChangeReason begins[] = {crAutoCompleteBegin, crPasteBegin, crSpecial1Begin, crSpecial2Begin};
    for (TSrcChangeReason begin : begins) {
        edit->ClearUndo();
        TSrcEditUndoList& list = edit->UndoList();
        list.AddChange(begin, edit->CaretXY(), edit->CaretXY(), "", smNormal);
        Type("x");
        Run(ecLeft);  // a group break inside the markers
        Run(ecRight);
        Type("y");
        list.AddChange(static_cast<TSrcChangeReason>(begin + 1), edit->CaretXY(), edit->CaretXY(), "", smNormal);
        edit->Undo();
        EXPECT_EQ(AllLines(), (Lines{"abc"})) << begin;
        EXPECT_FALSE(edit->CanUndo()) << begin;
        edit->Redo();
        EXPECT_EQ(AllLines(), (Lines{"abcxy"})) << begin;
        EXPECT_FALSE(edit->CanRedo()) << begin;
        edit->Undo();
    }
    EXPECT_EQ(edit->UndoList().LastChangeReason(), crNothing);
}

TEST_F(UndoRedoTest, GroupingFollowsGroupUndoAndCaretMoves) {
    SetLines({""});
    Type("abc");
    Run(ecLeft);
    Type("de");
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abc"}));
    // A caret move keeps the redo list; a new edit clears it.
    Run(ecLineStart);
    EXPECT_TRUE(edit->CanRedo());
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"abdec"}));
    edit->Undo();
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{""}));
    edit->Redo();
    Type("z");
    EXPECT_FALSE(edit->CanRedo());

    // Without eoGroupUndo each character is a step.
    Options({}, {eoGroupUndo});
    SetLines({""});
    edit->ClearUndo();
    edit->SetCaretXY(BufferCoord(1, 1));
    Type("ab");
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"a"}));
}

TEST_F(UndoRedoTest, ModifiedIsFalseExactlyAtTheSavePoint) {
    SetLines({""});
    struct Sink {
        TCustomSrcEdit* edit;
        std::vector<bool> reports;
        void Changed(TObject*, TSrcStatusChanges c) {
            if (c.Contains(scModified)) {
                reports.push_back(edit->Modified());
            }
        }
    } sink{edit.get(), {}};
    edit->OnStatusChange = TStatusChangeEvent::Of<&Sink::Changed>(&sink);
    EXPECT_FALSE(edit->Modified());
    Type("ab");
    EXPECT_TRUE(edit->Modified());
    edit->SetModified(false);  // saved
    Type("c");
    Run(ecLeft);
    Type("d");
    EXPECT_TRUE(edit->Modified());
    edit->Undo();
    EXPECT_TRUE(edit->Modified());
    edit->Undo();
    EXPECT_FALSE(edit->Modified());
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{""}));
    EXPECT_TRUE(edit->Modified());
    edit->Redo();
    EXPECT_FALSE(edit->Modified());
    edit->Redo();
    EXPECT_TRUE(edit->Modified());
    EXPECT_FALSE(sink.reports.empty());
    EXPECT_FALSE(sink.reports.back() == false);
    edit->OnStatusChange = TStatusChangeEvent();
}

TEST_F(UndoRedoTest, MaxUndoLockUndoReadOnlyAndClearAll) {
    SetLines({""});
    Options({}, {eoGroupUndo});
    edit->SetMaxUndo(3);
    Type("abcdef");
    EXPECT_EQ(edit->UndoList().ItemCount(), 3);
    EXPECT_EQ(edit->RedoList().MaxUndoActions(), 3);
    edit->SetMaxUndo(-1);
    EXPECT_EQ(edit->MaxUndo(), 3);

    edit->ClearUndo();
    edit->LockUndo();
    Type("g");
    edit->UnlockUndo();
    EXPECT_FALSE(edit->CanUndo());
    Type("h");
    EXPECT_TRUE(edit->CanUndo());

    edit->SetReadOnly(true);
    EXPECT_FALSE(edit->CanUndo());
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abcdefgh"}));
    edit->SetReadOnly(false);

    edit->SetBookMark(1, 1, 1);
    Run(ecClearAll);
    EXPECT_EQ(edit->Lines().Count(), 0);
    EXPECT_FALSE(edit->IsBookmark(1));
    EXPECT_FALSE(edit->CanUndo());
    EXPECT_FALSE(edit->Modified());
}

}  // namespace
