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

}  // namespace
