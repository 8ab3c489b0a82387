#include "tests/editor/undo/UndoTestBase.h"

// Pastes, case changes and deletions under the options the IDE's source
// pages run with (the control's defaults) plus those a row names. After
// the commands, after one Undo and after Redo the text must be the one
// expected, and the page unmodified exactly when its text is the saved one.

namespace {

struct Step {
    TSrcEditorCommand command;
    char c = '\0';
    TBufferCoord at = BufferCoord(1, 1);  // for ecGotoXY
};

Step Go(int Char, int Line) { return {ecGotoXY, '\0', BufferCoord(Char, Line)}; }

enum class View { kWide, kOneColumn, kNoWindow };

constexpr int kNoClipboard = -2;
constexpr int kPlainText = -1;

struct Row {
    Row(const char* Name, Lines Text, std::vector<Step> Steps, Lines After)
        : name(Name), text(std::move(Text)), steps(std::move(Steps)), after(std::move(After)) {}
    Row& Pasting(int Mode, std::string Text) {
        pasteMode = Mode;
        pasted = std::move(Text);
        return *this;
    }
    Row& With(TSrcEditorOption Option) {
        on.push_back(Option);
        return *this;
    }
    Row& In(View Kind) {
        view = Kind;
        return *this;
    }

    const char* name;
    Lines text;
    std::vector<Step> steps;
    Lines after;
    int pasteMode = kNoClipboard;  // a block's mode byte, or plain text
    std::string pasted;
    std::vector<TSrcEditorOption> on;
    View view = View::kWide;
};

void PrintTo(const Row& R, std::ostream* Os) { *Os << R.name; }

class UndoPasteTableTest : public UndoTestBase, public ::testing::WithParamInterface<Row> {
protected:
    void UseView(View Kind) {
        if (Kind == View::kOneColumn) {
            window.client = Rect(0, 0, Px(2), 320);
            edit->SizeOrFontChanged(false);
            ASSERT_EQ(edit->CharsInWindow(), 1);
        } else if (Kind == View::kNoWindow) {
            edit = std::make_unique<TSrcEdit>();
            edit->SetClipboard(&clipboard);
            ASSERT_EQ(edit->CharsInWindow(), 0);
        }
    }
    void ExpectText(const Lines& Expected, const char* When) {
        EXPECT_EQ(AllLines(), Expected) << When;
        EXPECT_EQ(edit->Modified(), AllLines() != saved) << "modified " << When;
        if (edit->Options().Contains(eoNoSelection)) {
            EXPECT_FALSE(edit->SelAvail()) << "a selection " << When;
        }
    }

    Lines saved;
};

TEST_P(UndoPasteTableTest, UndoGivesTheTextBackAndRedoTheEdit) {
    const Row& row = GetParam();
    ASSERT_NO_FATAL_FAILURE(UseView(row.view));
    TSrcEditorOptions options = TSrcEditorOptions::FromBits(SRCEDIT_DEFAULT_OPTIONS);
    for (TSrcEditorOption o : row.on) {
        options.Include(o);
    }
    edit->SetOptions(options);
    SetLines(row.text);
    if (row.pasteMode == kPlainText) {
        clipboard.PutText(row.pasted);
    } else if (row.pasteMode != kNoClipboard) {
        clipboard.PutBlock(static_cast<char>(row.pasteMode), row.pasted);
    }
    edit->SetModified(false);
    saved = AllLines();
    for (Step step : row.steps) {
        Run(step.command, step.c, step.command == ecGotoXY ? &step.at : nullptr);
    }
    ExpectText(row.after, "after the commands");
    edit->Undo();
    ExpectText(row.text, "after Undo");
    edit->Redo();
    ExpectText(row.after, "after Redo");
}

const Step kLine{ecLineSelect};
const Step kPaste{ecPaste};

INSTANTIATE_TEST_SUITE_P(
    Rows, UndoPasteTableTest,
    ::testing::Values(
        // A paste that inserts nothing changes nothing, in any mode.
        Row("EmptyTextInLineMode", {"Zebra", "two"}, {kLine, Go(4, 1), kPaste}, {"Zebra", "two"})
            .Pasting(kPlainText, ""),
        Row("EmptyLineBlock", {"Zebra", "two"}, {kLine, Go(4, 1), kPaste}, {"Zebra", "two"}).Pasting(smLine, ""),
        Row("EmptyTextOverALineSelection", {"Zebra", "two", "x"}, {kLine, Go(2, 2), {ecSelRight}, kPaste},
            {"Zebra", "x"})
            .Pasting(kPlainText, ""),
        Row("TextBeforeTheCaretLineInLineMode", {"Zebra", "two"}, {kLine, Go(4, 1), kPaste}, {"abZebra", "two"})
            .Pasting(kPlainText, "ab"),
        Row("LineBlockMidLine", {"Zebra", "two"}, {Go(4, 2), kPaste}, {"Zebra", "a", "b", "two"})
            .Pasting(smLine, "a\r\nb\r\n"),
        // The record of a line paste or case change is a buffer range.
        Row("LineBlockInOneColumn", {"one", "two"}, {Go(2, 2), kPaste}, {"one", "x", "two"})
            .Pasting(smLine, "x\r\n")
            .In(View::kOneColumn),
        Row("EmptyLineInOneColumn", {"one", "two"}, {Go(2, 2), kPaste}, {"one", "", "two"})
            .Pasting(smLine, "\r\n")
            .In(View::kOneColumn),
        Row("LineBlockWithoutWindow", {"one", "two"}, {Go(2, 2), kPaste}, {"one", "x", "two"})
            .Pasting(smLine, "x\r\n")
            .In(View::kNoWindow),
        Row("LineTextInOneColumn", {"one", "two"}, {kLine, Go(2, 2), kPaste}, {"one", "x", "two"})
            .Pasting(kPlainText, "x\n")
            .In(View::kOneColumn),
        Row("LineCaseInOneColumn", {"one", "two", "x"}, {kLine, Go(1, 2), {ecSelRight}, {ecUpperCaseBlock}},
            {"one", "TWO", "x"})
            .In(View::kOneColumn),
        Row("LineCaseWithoutWindow", {"one", "two", "x"}, {kLine, Go(1, 2), {ecSelRight}, {ecUpperCaseBlock}},
            {"one", "TWO", "x"})
            .In(View::kNoWindow),
        Row("LineCaseOfTheLastLines", {"one", "two", "x"}, {kLine, Go(1, 2), {ecSelDown}, {ecUpperCaseBlock}},
            {"one", "TWO", "X"}),
        // Undo and redo replace their ranges under eoNoSelection.
        Row("TypedWithoutSelection", {"x"}, {{ecLineEnd}, {ecChar, 'a'}, {ecChar, 'b'}}, {"xab"}).With(eoNoSelection),
        Row("PastedWithoutSelection", {"x"}, {{ecLineEnd}, kPaste}, {"xyz"})
            .Pasting(kPlainText, "yz")
            .With(eoNoSelection),
        Row("PastedLinesWithoutSelection", {"x"}, {kPaste}, {"p", "q", "x"})
            .Pasting(smLine, "p\r\nq\r\n")
            .With(eoNoSelection),
        Row("DeleteWithoutSelection", {"abc"}, {{ecDeleteChar}}, {"bc"}).With(eoNoSelection),
        Row("BackspaceWithoutSelection", {"abc"}, {{ecLineEnd}, {ecDeleteLastChar}}, {"ab"}).With(eoNoSelection),
        Row("JoinWithoutSelection", {"a", "b"}, {{ecLineEnd}, {ecDeleteChar}}, {"ab"}).With(eoNoSelection),
        Row("DeleteLineWithoutSelection", {"a", "b"}, {{ecDeleteLine}}, {"b"}).With(eoNoSelection),
        Row("DeleteToLineStartWithoutSelection", {"( ab"}, {Go(3, 1), {ecDeleteBOL}}, {"ab"}).With(eoNoSelection),
        Row("DeleteLastWordWithoutSelection", {"ab cd"}, {{ecLineEnd}, {ecDeleteLastWord}}, {"ab "})
            .With(eoNoSelection),
        // A line copy pastes back as whole lines, the buffer's last too.
        Row("LastLinesCopied", {"one", "two", "three"}, {kLine, Go(1, 2), {ecSelDown}, {ecCopy}, {ecEditorTop}, kPaste},
            {"two", "three", "one", "two", "three"}),
        Row("LastLineCopiedOntoItself", {"one", "two"}, {kLine, Go(1, 2), {ecSelRight}, {ecCopy}, Go(3, 2), kPaste},
            {"one", "two", "two"}),
        Row("WholeBufferCopied", {"a", "b"}, {kLine, {ecSelectAll}, {ecCopy}, {ecEditorTop}, kPaste},
            {"a", "b", "a", "b"}),
        Row("MiddleLineCopied", {"a", "b", "c"}, {kLine, Go(1, 2), {ecSelRight}, {ecCopy}, {ecEditorTop}, kPaste},
            {"b", "a", "b", "c"})),
    [](const ::testing::TestParamInfo<Row>& Info) { return std::string(Info.param.name); });

}  // namespace
