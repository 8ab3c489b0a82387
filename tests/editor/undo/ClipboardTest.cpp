#include "tests/editor/undo/UndoTestBase.h"

#include "editor/support/SrcExceptions.h"

namespace {

using std::string_literals::operator""s;

class ClipboardTest : public UndoTestBase {};

TEST_F(ClipboardTest, CopyWritesBlockAndTextForEachMode) {
    SetLines({"abcdef", "gh", "ijklmn"});
    Select(smNormal, BufferCoord(3, 1), BufferCoord(2, 2));
    edit->CopyToClipboard();
    EXPECT_EQ(Block(), "\0cdef\r\ng\0"s);
    EXPECT_EQ(clipboard.data[kSrcClipboardText], "cdef\r\ng");

    // Line mode: CR LF after each line but the buffer's last.
    Select(smLine, BufferCoord(2, 2), BufferCoord(2, 3));
    edit->CopyToClipboard();
    EXPECT_EQ(Block(), "\1gh\r\nijklmn\0"s);
    Select(smLine, BufferCoord(2, 1), BufferCoord(1, 2));
    edit->CopyToClipboard();
    EXPECT_EQ(Block(), "\1abcdef\r\ngh\r\n\0"s);

    // A column is padded to its width, with eoTrimTrailingSpaces too.
    Options({eoTrimTrailingSpaces});
    Select(smColumn, BufferCoord(2, 1), BufferCoord(5, 3));
    edit->CopyToClipboard();
    EXPECT_EQ(Block(), "\2bcd\r\nh  \r\njkl\0"s);
    EXPECT_TRUE(edit->Options().Contains(eoTrimTrailingSpaces));
}

TEST_F(ClipboardTest, HighBytesPassUnchangedAndNothingSelectedLeavesTheClipboard) {
    SetLines({"a\x80\x9f\xff z"});
    clipboard.PutText("kept");
    edit->CopyToClipboard();
    EXPECT_EQ(clipboard.data[kSrcClipboardText], "kept");
    EXPECT_EQ(clipboard.setCount, 0);
    Select(smNormal, BufferCoord(2, 1), BufferCoord(5, 1));
    edit->CopyToClipboard();
    EXPECT_EQ(Block(), "\0\x80\x9f\xff\0"s);
    edit->SetCaretXY(BufferCoord(6, 1));
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"a\x80\x9f\xff \x80\x9f\xffz"}));
}

TEST_F(ClipboardTest, LineBlockPastesAsWholeLinesFromMidLine) {
    SetLines({"one", "two", "three"});
    Select(smLine, BufferCoord(1, 1), BufferCoord(2, 1));
    edit->CopyToClipboard();
    EXPECT_EQ(Block(), "\1one\r\n\0"s);
    edit->SetSelectionMode(smNormal);
    edit->SetCaretAndSelection(BufferCoord(3, 3), BufferCoord(3, 3), BufferCoord(3, 3));
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"one", "two", "one", "three"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"one", "two", "three"}));
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"one", "two", "one", "three"}));
}

TEST_F(ClipboardTest, PlainTextPastesInTheSelectionModeAndUndoesInOneStep) {
    SetLines({"abcd", "efgh", "ijkl"});
    clipboard.PutText("X\nY\rZ\r\nW");
    Select(smNormal, BufferCoord(2, 1), BufferCoord(3, 2));
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"aX", "Y", "Z", "Wgh", "ijkl"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abcd", "efgh", "ijkl"}));
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(2, 1));
    EXPECT_EQ(edit->BlockEnd(), BufferCoord(3, 2));

    clipboard.PutText("12\n34");
    edit->SetSelectionMode(smColumn);
    edit->SetCaretAndSelection(BufferCoord(2, 2), BufferCoord(2, 2), BufferCoord(2, 2));
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"abcd", "e12fgh", "i34jkl"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abcd", "efgh", "ijkl"}));
}

// One Undo of a line-mode plain-text paste removes the pasted lines only.
TEST_F(ClipboardTest, LineModePlainTextPasteUndoKeepsTheCaretLine) {
    SetLines({"abcd", "efgh"});
    clipboard.PutText("P\nQ\n");
    edit->SetSelectionMode(smLine);
    edit->SetCaretXY(BufferCoord(3, 2));
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"abcd", "P", "Q", "efgh"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abcd", "efgh"}));
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"abcd", "P", "Q", "efgh"}));
    edit->Undo();
    clipboard.PutText("R");
    edit->SetCaretXY(BufferCoord(3, 2));
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"abcd", "Refgh"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abcd", "efgh"}));
}

TEST_F(ClipboardTest, UnusableBlockFailsWithNothingChanged) {
    SetLines({"abc"});
    for (std::string block : {""s, "\3xyz\0"s}) {
        clipboard.data.clear();
        clipboard.data[kSrcClipboardBlock] = block;
        edit->SetCaretXY(BufferCoord(2, 1));
        try {
            edit->PasteFromClipboard();
            FAIL() << "no error";
        } catch (const ESrcEditError& e) {
            EXPECT_STREQ(e.what(), "Clipboard paste operation failed.");
        }
        EXPECT_EQ(AllLines(), (Lines{"abc"}));
        EXPECT_EQ(edit->UndoList().BlockCount(), 0);
        EXPECT_FALSE(edit->CanUndo());
    }
    // A block without its NUL reads to the end.
    clipboard.data[kSrcClipboardBlock] = "\0XY"s;
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"aXYbc"}));
}

TEST_F(ClipboardTest, FailingCopyRaisesAndCutDeletesNothing) {
    SetLines({"abc"});
    clipboard.failSet = true;
    Select(smNormal, BufferCoord(1, 1), BufferCoord(3, 1));
    try {
        edit->CutToClipboard();
        FAIL() << "no error";
    } catch (const ESrcEditError& e) {
        EXPECT_STREQ(e.what(), "Clipboard copy operation failed");
    }
    EXPECT_EQ(AllLines(), (Lines{"abc"}));
    EXPECT_EQ(edit->UndoList().BlockCount(), 0);
    EXPECT_THROW(edit->CopyToClipboard(), ESrcEditError);
    // Later edits are grouped on their own.
    clipboard.failSet = false;
    edit->SetCaretXY(BufferCoord(4, 1));
    Type("d");
    Run(ecLeft);
    Type("e");
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abcd"}));
}

TEST_F(ClipboardTest, ReadOnlyCopiesButNeitherCutsNorPastes) {
    SetLines({"abc"});
    Select(smNormal, BufferCoord(1, 1), BufferCoord(3, 1));
    edit->SetReadOnly(true);
    Run(ecCopy);
    EXPECT_EQ(Block(), "\0ab\0"s);
    EXPECT_FALSE(edit->CanPaste());
    Run(ecCut);
    Run(ecPaste);
    Run(ecClearAll);
    EXPECT_EQ(AllLines(), (Lines{"abc"}));
    edit->SetReadOnly(false);
    Run(ecCut);
    EXPECT_EQ(AllLines(), (Lines{"c"}));
    Run(ecEditorBottom);
    Run(ecPaste);
    EXPECT_EQ(AllLines(), (Lines{"cab"}));
    Run(ecUndo);
    EXPECT_EQ(AllLines(), (Lines{"c"}));
    Run(ecUndo);
    EXPECT_EQ(AllLines(), (Lines{"abc"}));
    Run(ecRedo);
    EXPECT_EQ(AllLines(), (Lines{"c"}));
}

TEST_F(ClipboardTest, PasteReplacingASelectionIsOneUndoStep) {
    SetLines({"abc", "def"});
    clipboard.PutBlock(0, "1\r\n2");
    Select(smNormal, BufferCoord(2, 1), BufferCoord(2, 2));
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"a1", "2ef"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abc", "def"}));
    EXPECT_FALSE(edit->CanUndo());
    edit->Redo();
    EXPECT_EQ(AllLines(), (Lines{"a1", "2ef"}));
    EXPECT_FALSE(edit->CanRedo());
}

// A selection made upwards is replaced like one made downwards.
TEST_F(ClipboardTest, PasteReplacesASelectionMadeUpwards) {
    SetLines({"((", "", "", "bX", "cc"});
    edit->SetSelectionMode(smLine);
    edit->SetCaretAndSelection(BufferCoord(1, 2), BufferCoord(1, 3), BufferCoord(1, 2));
    clipboard.PutBlock(2, "((\r\n((");
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"((", "((bX", "((cc"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"((", "", "", "bX", "cc"}));
}

// Normal text over a line selection goes where the lines were.
TEST_F(ClipboardTest, NormalBlockOverALineSelectionStartsAtColumnOne) {
    SetLines({"abcdef", "xy("});
    Select(smLine, BufferCoord(4, 1), BufferCoord(5, 1));
    clipboard.PutBlock(0, "PQ");
    edit->PasteFromClipboard();
    EXPECT_EQ(AllLines(), (Lines{"PQxy("}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"abcdef", "xy("}));
}

// Lines a column paste adds below the last one come back on redo as they
// were added, not indented like a line broken with Enter.
TEST_F(ClipboardTest, ColumnPastedBelowTheLastLineRedoesUnindented) {
    SetLines({"\tab"});
    Options({eoAutoIndent});
    edit->SetCaretXY(BufferCoord(4, 1));
    clipboard.PutBlock(2, "X\r\nY\r\nZ");
    edit->ClearUndo();
    edit->PasteFromClipboard();
    Lines pasted = AllLines();
    EXPECT_EQ(pasted, (Lines{"\tabX", "   Y", "   Z"}));
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"\tab"}));
    edit->Redo();
    EXPECT_EQ(AllLines(), pasted);
    edit->Undo();
    EXPECT_EQ(AllLines(), (Lines{"\tab"}));
}

}  // namespace
