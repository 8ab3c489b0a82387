#include "tests/editor/undo/UndoTestBase.h"

namespace {

class UndoRedoTest : public UndoTestBase {};

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
            if (command == ecUpperCaseBlock) {
                // Converted where it stands: no join, no text moved.
                EXPECT_EQ(after, (Lines{"a\tc", "DEfgh"})) << pastEol;
            } else {
                EXPECT_EQ(after[0].substr(0, 5), "a\tcfg") << command << " " << pastEol;
            }
            edit->Undo();
            EXPECT_EQ(AllLines(), (Lines{"a\tc", "defgh"})) << command << " " << pastEol;
            EXPECT_FALSE(edit->CanUndo()) << command;
            edit->Redo();
            EXPECT_EQ(AllLines(), after) << command << " " << pastEol;
        }
    }
}

TEST_F(UndoRedoTest, RecordsTheHostWritesUndoAndRedo) {
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
    // With a limit of 3, one typed character per command: when the saved
    // command goes, the bottom of the list is the saved text; once a command
    // made after the save goes, no undo reaches the saved text again.
    for (auto [beforeSave, afterSave, modifiedAtBottom] : {std::tuple{"a", "bcd", false}, {"", "abcd", true}}) {
        SetLines({""});
        edit->ClearUndo();
        Options({}, {eoGroupUndo});
        edit->SetMaxUndo(3);
        Type(beforeSave);
        edit->SetModified(true);
        edit->SetModified(false);  // saved
        Type(afterSave);
        while (edit->CanUndo()) {
            edit->Undo();
        }
        EXPECT_EQ(AllLines(), Lines{"a"});
        EXPECT_EQ(edit->Modified(), modifiedAtBottom) << afterSave;
    }
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
    edit->SetModified(false);  // saved
    Run(ecClearAll);
    EXPECT_EQ(edit->Lines().Count(), 0);
    EXPECT_FALSE(edit->IsBookmark(1));
    EXPECT_FALSE(edit->CanUndo());
    EXPECT_FALSE(edit->Modified());
    Type("x");
    edit->Undo();
    EXPECT_FALSE(edit->Modified()) << "back at the cleared text";
}

}  // namespace
