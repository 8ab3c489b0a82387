#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>

#include "editor/search/SrcEditSearch.h"
#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/RegexSearchEngine.h"

namespace {

class SrcEditSearchReplaceTest : public ::testing::Test, public SrcEditTestBase {
public:
    SrcEditSearchReplaceTest() { edit->SetSearchEngine(&plain); }

    // The number of undo steps: records of one block share a change number;
    // group breaks between steps are none.
    int UndoSteps() const {
        std::set<int> numbers;
        for (int i = 0; i < edit->UndoList().ItemCount(); ++i) {
            if (edit->UndoList().Items(i)->ChangeReason != crGroupBreak) {
                numbers.insert(edit->UndoList().Items(i)->ChangeNumber);
            }
        }
        return static_cast<int>(numbers.size());
    }
    void Select(TBufferCoord From, TBufferCoord To) { edit->SetCaretAndSelection(To, From, To); }
    void Answer(TObject*, const std::string&, const std::string&, int Line, int Column, TSrcReplaceAction& Action) {
        prompts.push_back(BufferCoord(Column, Line));
        Action = answers.empty() ? raCancel : answers.front();
        if (!answers.empty()) {
            answers.erase(answers.begin());
        }
    }
    void AnswerWith(std::vector<TSrcReplaceAction> Answers) {
        answers = std::move(Answers);
        edit->OnReplaceText = TReplaceTextEvent::Of<&SrcEditSearchReplaceTest::Answer>(this);
    }

    TSrcEditSearch plain;
    RegexSearchEngine regex;
    std::vector<TSrcReplaceAction> answers;
    std::vector<TBufferCoord> prompts;
};

TEST_F(SrcEditSearchReplaceTest, WithoutEngineOrPatternNothingHappens) {
    SetLines({"abc"});
    edit->SetSearchEngine(nullptr);
    EXPECT_THROW(
        try { edit->SearchReplace("a", "", {}); } catch (const ESrcEditError& e) {
            EXPECT_STREQ(e.what(), "No search engine has been assigned");
            throw;
        },
        ESrcEditError);
    edit->SetSearchEngine(&plain);
    EXPECT_EQ(edit->SearchReplace("", "x", {ssoReplaceAll}), 0);
    EXPECT_EQ(AllLines(), std::vector<std::string>{"abc"});
}

TEST_F(SrcEditSearchReplaceTest, AFreedEngineIsUnassigned) {
    auto engine = std::make_unique<TSrcEditSearch>();
    edit->SetSearchEngine(engine.get());
    engine.reset();
    EXPECT_EQ(edit->SearchEngine(), nullptr);
}

TEST_F(SrcEditSearchReplaceTest, SearchFromTheCursorBothWays) {
    SetLines({"foo foo", "bar foo"});
    edit->SetCaretXY(BufferCoord(2, 1));  // inside the first occurrence
    EXPECT_EQ(edit->SearchReplace("foo", "", {}), 1);
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(5, 1));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(8, 1));
    EXPECT_EQ(edit->SearchReplace("foo", "", {}), 1);
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(5, 2));
    EXPECT_EQ(edit->SearchReplace("foo", "", {}), 0);
    edit->SetCaretXY(BufferCoord(7, 2));  // backwards: must end before the caret
    EXPECT_EQ(edit->SearchReplace("foo", "", {ssoBackwards}), 1);
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(5, 1));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(5, 1));
    EXPECT_EQ(edit->SearchReplace("foo", "", {ssoBackwards}), 1);
    EXPECT_EQ(edit->CaretXY(), BufferCoord(1, 1));
    EXPECT_EQ(edit->SearchReplace("foo", "", {ssoBackwards, ssoEntireScope}), 1);
    EXPECT_EQ(edit->BlockBegin(), BufferCoord(5, 2));  // the last one of the text
}

TEST_F(SrcEditSearchReplaceTest, AFoundLineIsScrolledToTheMiddle) {
    FillNumbered(200);
    edit->Lines().Put(149, "target");
    EXPECT_EQ(edit->SearchReplace("target", "", {}), 1);
    EXPECT_EQ(edit->TopLine(), 150 - 10 + 1);
    EXPECT_EQ(edit->SelText(), "target");
}

TEST_F(SrcEditSearchReplaceTest, SelectedOnlyInTheThreeModes) {
    SetLines({"ab ab ab", "ab ab ab", "ab ab ab"});
    Select(BufferCoord(4, 1), BufferCoord(3, 2));
    EXPECT_EQ(edit->SearchReplace("ab", "X", {ssoSelectedOnly, ssoReplaceAll}), 3);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"ab X X", "X ab ab", "ab ab ab"}));

    SetLines({"ab ab ab", "ab ab ab", "ab ab ab"});
    edit->SetSelectionMode(smLine);
    Select(BufferCoord(5, 2), BufferCoord(2, 3));
    EXPECT_EQ(edit->SearchReplace("ab", "X", {ssoSelectedOnly, ssoReplaceAll}), 6);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"ab ab ab", "X X X", "X X X"}));

    SetLines({"ab ab ab", "ab ab ab", "ab ab ab"});
    edit->SetSelectionMode(smColumn);
    Select(BufferCoord(8, 1), BufferCoord(4, 2));  // columns 4..8, given right to left
    EXPECT_EQ(edit->SearchReplace("ab", "X", {ssoSelectedOnly, ssoReplaceAll}), 2);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"ab X ab", "ab X ab", "ab ab ab"}));
}

TEST_F(SrcEditSearchReplaceTest, SelectedOnlyWithoutASelectionSearchesTheScope) {
    SetLines({"ab", "ab"});
    edit->SetCaretXY(BufferCoord(1, 2));
    EXPECT_EQ(edit->SearchReplace("ab", "X", {ssoSelectedOnly, ssoEntireScope, ssoReplaceAll}), 2);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"X", "X"}));
}

TEST_F(SrcEditSearchReplaceTest, ReplaceOneStopsAfterTheFirst) {
    SetLines({"a a", "a"});
    EXPECT_EQ(edit->SearchReplace("a", "bcd", {ssoReplace}), 1);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"bcd a", "a"}));
    EXPECT_EQ(edit->CaretXY(), BufferCoord(4, 1));
    EXPECT_EQ(edit->SearchReplace("a", "bcd", {ssoReplace}), 1);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"bcd bcd", "a"}));
}

TEST_F(SrcEditSearchReplaceTest, ReplaceAllIsOneUndoStepUnderOnePaintLock) {
    SetLines({"xaxaxa", "a"});
    edit->UndoList().Clear();
    EXPECT_EQ(edit->SearchReplace("a", "bb", {ssoReplaceAll, ssoEntireScope}), 4);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"xbbxbbxbb", "bb"}));
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(edit->PaintLock(), 0);
    EXPECT_EQ(edit->UndoList().BlockCount(), 0);
    edit->Undo();
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"xaxaxa", "a"}));
}

TEST_F(SrcEditSearchReplaceTest, OneUndoTakesBackTenThousandReplacementsAndOnlyThenIsUnmodified) {
    std::vector<std::string> lines(100000, "    total = total + 1;");
    for (size_t i = 9; i < lines.size(); i += 10) lines[i] = "    total = total + value;";
    SetLines(lines);
    const std::string original = edit->Lines().GetTextStr();
    EXPECT_EQ(edit->SearchReplace("value", "amount", {ssoReplaceAll, ssoEntireScope}), 10000);
    const std::string replaced = edit->Lines().GetTextStr();
    edit->Undo();
    EXPECT_TRUE(edit->Lines().GetTextStr() == original) << "every replacement comes back";
    EXPECT_FALSE(edit->Modified());
    edit->Redo();
    EXPECT_TRUE(edit->Lines().GetTextStr() == replaced);
    EXPECT_TRUE(edit->Modified());
}

// Lines longer than the scroll width (1,024 by default) are replaced, undone
// and redone byte for byte, each by one step.
TEST_F(SrcEditSearchReplaceTest, ReplaceAllOnLinesLongerThanTheScrollWidth) {
    for (size_t length : {1100u, 3000u, 20000u}) {
        std::string line = "x";
        while (line.size() < length) {
            line += "abc";
        }
        line.resize(length);
        for (const std::string replacement : {"Z", "XYZ", "<abc>"}) {
            SCOPED_TRACE(std::to_string(length) + " to " + replacement);
            std::string expected;
            int hits = 0;
            for (size_t at = 0; at < line.size();) {
                bool hit = line.compare(at, 3, "abc") == 0;
                expected += hit ? replacement : line.substr(at, 1);
                at += hit ? 3 : 1;
                hits += hit ? 1 : 0;
            }
            SetLines({line, "abc"});
            edit->ClearUndo();
            edit->SetModified(false);
            EXPECT_EQ(edit->SearchReplace("abc", replacement, {ssoReplaceAll, ssoEntireScope}), hits + 1);
            EXPECT_TRUE(AllLines() == (std::vector<std::string>{expected, replacement}));
            EXPECT_TRUE(edit->Modified());
            edit->Undo();
            EXPECT_TRUE(AllLines() == (std::vector<std::string>{line, "abc"})) << "every replacement comes back";
            EXPECT_FALSE(edit->Modified());
            EXPECT_FALSE(edit->CanUndo());
            edit->Redo();
            EXPECT_TRUE(AllLines() == (std::vector<std::string>{expected, replacement}));
            EXPECT_TRUE(edit->Modified());
        }
    }
}

TEST_F(SrcEditSearchReplaceTest, ReplaceAllDownALongTextRepaintsOnceAtTheEndWithoutScrolling) {
    std::vector<std::string> lines(300, "x");
    for (size_t i = 0; i < lines.size(); i += 7) {
        lines[i] = "xax";
    }
    SetLines(lines);
    window.scrolls.clear();
    window.invalidated.clear();
    EXPECT_EQ(edit->SearchReplace("a", "bb", {ssoReplaceAll, ssoEntireScope}), 43);
    EXPECT_GT(edit->TopLine(), 200);
    EXPECT_EQ(window.scrolls.size(), 0u);
    EXPECT_EQ(window.invalidated, std::vector<TRect>{window.client});
}

TEST_F(SrcEditSearchReplaceTest, PromptsSkipSkipThenReplaceAll) {
    SetLines({"a a a", "a a"});
    edit->UndoList().Clear();
    AnswerWith({raSkip, raSkip, raReplaceAll});
    EXPECT_EQ(edit->SearchReplace("a", "zz", {ssoReplaceAll, ssoPrompt, ssoEntireScope}), 5);
    EXPECT_EQ(prompts, (std::vector<TBufferCoord>{BufferCoord(1, 1), BufferCoord(3, 1), BufferCoord(5, 1)}));
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"a a zz", "zz zz"}));
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(edit->PaintLock(), 0);
}

TEST_F(SrcEditSearchReplaceTest, CancelKeepsEarlierReplacements) {
    SetLines({"a a a"});
    AnswerWith({raReplace, raCancel});
    EXPECT_EQ(edit->SearchReplace("a", "b", {ssoReplaceAll, ssoPrompt, ssoEntireScope}), 2);
    EXPECT_EQ(AllLines(), std::vector<std::string>{"b a a"});
    edit->OnReplaceText = nullptr;  // prompting without a handler replaces
    EXPECT_EQ(edit->SearchReplace("a", "b", {ssoReplaceAll, ssoPrompt, ssoEntireScope}), 2);
    EXPECT_EQ(AllLines(), std::vector<std::string>{"b b b"});
}

TEST_F(SrcEditSearchReplaceTest, AnEngineThatRaisesLeavesNoLockOrBlockOpen) {
    SetLines({"ab", "ab", "boom", "ab"});
    edit->SetSearchEngine(&regex);
    regex.FailOnLine = "boom";
    edit->UndoList().Clear();
    EXPECT_THROW(edit->SearchReplace("ab", "X", {ssoReplaceAll, ssoEntireScope}), Exception);
    EXPECT_EQ(edit->PaintLock(), 0);
    EXPECT_EQ(edit->UndoList().BlockCount(), 0);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"X", "X", "boom", "ab"}));
    TBufferCoord typeAt = BufferCoord(1, 4);
    edit->CommandProcessor(ecGotoXY, '\0', &typeAt);
    edit->CommandProcessor(ecChar, 'q', nullptr);
    EXPECT_EQ(UndoSteps(), 2);  // the typed character is its own step
    edit->Undo();
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"X", "X", "boom", "ab"}));
}

TEST_F(SrcEditSearchReplaceTest, RegexResultsOfOtherLengthsShiftTheLaterOnes) {
    SetLines({"k=1, kk=22, kkk=333"});
    edit->SetSearchEngine(&regex);
    EXPECT_EQ(edit->SearchReplace("(k+)=([0-9]+)", "$2:$1$1", {ssoReplaceAll, ssoEntireScope}), 3);
    EXPECT_EQ(AllLines(), std::vector<std::string>{"1:kk, 22:kkkk, 333:kkkkkk"});
    SetLines({"long=1 x=2 y=3"});
    EXPECT_EQ(edit->SearchReplace("([a-z]+)=[0-9]", "$1", {ssoReplaceAll, ssoEntireScope}), 3);
    EXPECT_EQ(AllLines(), std::vector<std::string>{"long x y"});
}

TEST_F(SrcEditSearchReplaceTest, RegexReplacementsOnTheEndLineOfASelection) {
    SetLines({"a1 a2 a3", "a4 a5 a6"});
    edit->SetSearchEngine(&regex);
    Select(BufferCoord(4, 1), BufferCoord(6, 2));  // ends after "a5"
    EXPECT_EQ(edit->SearchReplace("a([0-9])", "<$1$1$1>", {ssoSelectedOnly, ssoReplaceAll}), 4);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"a1 <222> <333>", "<444> <555> a6"}));
    SetLines({"xyz1 xyz2 xyz3", "xyz4 xyz5 xyz6"});
    Select(BufferCoord(1, 1), BufferCoord(15, 2));  // after "xyz6": shrinking keeps it inside
    EXPECT_EQ(edit->SearchReplace("xyz([0-9])", "$1", {ssoSelectedOnly, ssoReplaceAll}), 6);
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"1 2 3", "4 5 6"}));
}

TEST_F(SrcEditSearchReplaceTest, BackwardReplaceAllWalksUpwards) {
    SetLines({"a b a", "a"});
    edit->SetCaretXY(BufferCoord(2, 2));
    AnswerWith({raReplace, raReplace, raCancel});
    EXPECT_EQ(edit->SearchReplace("a", "cc", {ssoReplaceAll, ssoPrompt, ssoBackwards}), 3);
    EXPECT_EQ(prompts, (std::vector<TBufferCoord>{BufferCoord(1, 2), BufferCoord(5, 1), BufferCoord(1, 1)}));
    EXPECT_EQ(AllLines(), (std::vector<std::string>{"a b cc", "cc"}));
}

// Replace All without prompts replaces a line's occurrences in one pass;
// it must leave what replacing them one at a time (a prompt answered
// "replace" each time) leaves, and one Undo and one Redo must give the
// same as undoing and redoing the records one by one.
struct ReplaceAllCase {
    const char* name;
    std::vector<std::string> lines;
    std::string search, replace;
    TSrcSearchOptions options;
    TBufferCoord from, to;  // the selection, or the caret when equal
    TSrcSelectionMode mode;
    int found;
    std::vector<std::string> result;
    bool allAtFirstPrompt = false;  // the first prompt answered "all"; else each "replace"
    bool recordsInTextOrder = false;  // one pass records backwards replacements from the first
    bool trim = false;                // under eoTrimTrailingSpaces
};

// Count lines "x" with Text as line At.
std::vector<std::string> Lines(int Count, int At, const std::string& Text) {
    std::vector<std::string> lines(static_cast<size_t>(Count), "x");
    lines[static_cast<size_t>(At - 1)] = Text;
    return lines;
}

const ReplaceAllCase kReplaceAllCases[] = {
    {"shorter", {"abcabc abc", "x abc"}, "abc", "z", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 4, {"zz z", "x z"}},
    {"equal", {"ijk.ijk.ijk"}, "ijk", "IJK", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 3, {"IJK.IJK.IJK"}},
    {"longer", {"a-a-a-a", "", "-a"}, "a", "bcd", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 5,
     {"bcd-bcd-bcd-bcd", "", "-bcd"}},
    {"emptied", {"a.b.c.", ".."}, ".", "", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 5, {"abc", ""}},
    {"whole words", {"one oneself one", "someone one"}, "one", "ONE", {ssoEntireScope, ssoWholeWord}, {1, 1}, {1, 1},
     smNormal, 3, {"ONE oneself ONE", "someone ONE"}},
    {"regex", {"k=1, kk=22, kkk=333", "k=4"}, "(k+)=([0-9]+)", "$2:$1$1", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal,
     4, {"1:kk, 22:kkkk, 333:kkkkkk", "4:kk"}},
    {"from the caret", {"ab ab ab", "ab"}, "ab", "Z", {}, {5, 1}, {5, 1}, smNormal, 2, {"ab ab Z", "Z"}},
    {"selection", {"ab ab ab", "ab ab ab", "ab ab ab"}, "ab", "XYZ", {ssoSelectedOnly}, {4, 1}, {7, 2}, smNormal, 4,
     {"ab XYZ XYZ", "XYZ XYZ ab", "ab ab ab"}},
    {"column selection", {"ab ab ab", "ab ab ab", "ab ab ab"}, "ab", "X", {ssoSelectedOnly}, {8, 1}, {4, 2}, smColumn,
     2, {"ab X ab", "ab X ab", "ab ab ab"}},
    {"backwards", {"a b a", "a a"}, "a", "cc", {ssoBackwards}, {2, 2}, {2, 2}, smNormal, 3, {"cc b cc", "cc a"}},
    {"far down and right", Lines(40, 35, std::string(300, '.') + "a" + std::string(9, '.') + "a"), "a", "bb",
     {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 2,
     Lines(40, 35, std::string(300, '.') + "bb" + std::string(9, '.') + "bb")},
    {"backwards shorter", {"xyzxyz", "xyz"}, "xyz", "q", {ssoBackwards, ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 3,
     {"qq", "q"}},
    {"all from the first prompt", {"abc abc abc", "abc"}, "abc", "Z", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 4,
     {"Z Z Z", "Z"}, true},
    {"line breaks", {"a;b;", "c;d", "x"}, ";", ";\r\n", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 3,
     {"a;", "b;", "", "c;", "d", "x"}},
    {"line breaks on the last line", {";a;b;", "c;d"}, ";", "1\n2", {}, {2, 1}, {2, 1}, smNormal, 3,
     {";a1", "2b1", "2", "c1", "2d"}},
    {"line breaks select the rest of the range", {"aac"}, "a", "Q\r\nyy", {}, {1, 1}, {1, 1}, smNormal, 2,
     {"Q", "yyQ", "yyc"}},
    {"line breaks backwards", {"a;b;", "c;d", "x"}, ";", ";\r\n", {ssoBackwards, ssoEntireScope}, {1, 1}, {1, 1},
     smNormal, 3, {"a;", "b;", "", "c;", "d", "x"}, false, true},
    {"line breaks backwards from the caret", {";a;b;", "c;d;e"}, ";", "1\n2", {ssoBackwards}, {4, 2}, {4, 2}, smNormal,
     4, {"1", "2a1", "2b1", "2", "c1", "2d;e"}, true, true},
    {"one per line emptied", {"a;", "b;;", "c;", "d;"}, ";", "", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 5,
     {"a", "b", "c", "d"}},
    {"one per line longer", {"a;", "b;", "c;;"}, ";", "<;>", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 4,
     {"a<;>", "b<;>", "c<;><;>"}},
    {"one per line emptied backwards", {";a", "b;", ";c;"}, ";", "", {ssoBackwards, ssoEntireScope}, {1, 1}, {1, 1},
     smNormal, 4, {"a", "b", "c"}},
    {"one per line broken", {"a;b", "c;d", "e;f"}, ";", "\r\n", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 3,
     {"a", "b", "c", "d", "e", "f"}},
    {"line breaks backwards far down", Lines(40, 35, std::string(300, '.') + ";" + std::string(9, '.') + ";"), ";",
     ";\r\n", {ssoBackwards, ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 2,
     [] {
         std::vector<std::string> lines = Lines(40, 35, std::string(300, '.') + ";");
         lines.insert(lines.begin() + 35, {std::string(9, '.') + ";", ""});
         return lines;
     }(),
     false, true},
    {"trimmed breaks", {"abc defgh ;", "x ;y ;", "z"}, ";", "\r\n", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 3,
     {"abc defgh", "", "x", "y", "", "z"}, false, false, true},
    {"trimmed breaks backwards", {"abc defgh ;", "x ;y ;", "z"}, ";", "\r\n", {ssoEntireScope, ssoBackwards}, {1, 1},
     {1, 1}, smNormal, 3, {"abc defgh", "", "x", "y", "", "z"}, false, true, true},
    {"trimmed blanks that are hits", {"a b  "}, " ", "\r\n", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 3,
     {"a", "b", "", ""}, false, false, true},
    {"trimmed blanks that are hits backwards", {"x  y", "z"}, " ", "\r\n", {ssoBackwards}, {5, 1}, {5, 1}, smNormal,
     2, {"x", "", "y", "z"}, false, true, true},
    {"trimmed blank pieces", {"a ; b;  ", "c ;"}, ";", " \r\n ", {ssoEntireScope}, {1, 1}, {1, 1}, smNormal, 3,
     {"a", "  b", "", "c", ""}, false, false, true},
    {"trimmed blank pieces backwards", {"a ; b;  ", "c ;"}, ";", " \r\n ", {ssoEntireScope, ssoBackwards}, {1, 1},
     {1, 1}, smNormal, 3, {"a", "  b", "", "c", ""}, false, true, true},
};

class ReplaceAllAtOnceTest : public SrcEditSearchReplaceTest, public ::testing::WithParamInterface<ReplaceAllCase> {
public:
    // Text, caret, selection, view and the records of one list, less the
    // group breaks that Undo and Redo move between the lists.
    std::string State(const TSrcEditUndoList& Records, bool WithRecords = true) const {
        std::ostringstream out;
        for (const std::string& line : AllLines()) {
            out << "[" << line << "]";
        }
        auto at = [&](TBufferCoord c) { out << c.Char << "," << c.Line << " "; };
        out << "\ncaret ";
        at(edit->CaretXY());
        out << "block ";
        at(edit->BlockBegin());
        at(edit->BlockEnd());
        out << "mode " << edit->ActiveSelectionMode() << " top " << edit->TopLine() << " left " << edit->LeftChar();
        for (int i = 0; WithRecords && i < Records.ItemCount(); ++i) {
            const TSrcEditUndoItem& item = *Records.Items(i);
            if (item.ChangeReason == crGroupBreak) {
                continue;
            }
            out << "\n" << item.ChangeReason << " ";
            at(item.ChangeStartPos);
            at(item.ChangeEndPos);
            out << "'" << item.ChangeStr << "' " << item.ChangeSelMode;
        }
        return out.str();
    }
    int Start(bool Prompting) {
        const ReplaceAllCase& c = GetParam();
        WithOption(eoTrimTrailingSpaces, c.trim);
        SetLines(c.lines);
        edit->SetSelectionMode(c.mode);
        edit->SetCaretAndSelection(c.to, c.from, c.to);
        edit->SetSearchEngine(std::string(c.name) == "regex" ? static_cast<TSrcEditSearchCustom*>(&regex) : &plain);
        edit->ClearUndo();
        edit->SetModified(false);
        TSrcSearchOptions options = c.options;
        options.Include(ssoReplaceAll);
        if (Prompting) {
            AnswerWith(c.allAtFirstPrompt ? std::vector<TSrcReplaceAction>{raReplaceAll}
                                          : std::vector<TSrcReplaceAction>(20, raReplace));
            options.Include(ssoPrompt);
        }
        return edit->SearchReplace(c.search, c.replace, options);
    }
};

TEST_P(ReplaceAllAtOnceTest, LeavesWhatReplacingOneByOneLeaves) {
    const ReplaceAllCase& c = GetParam();
    EXPECT_EQ(Start(true), c.found);
    EXPECT_EQ(AllLines(), c.result);
    const std::string oneByOne = State(edit->UndoList(), !c.recordsInTextOrder);
    if (c.allAtFirstPrompt) {
        edit->Undo();
        EXPECT_EQ(AllLines(), c.lines) << "one undo step";
    }
    edit->OnReplaceText = nullptr;
    EXPECT_EQ(Start(false), c.found);
    EXPECT_EQ(State(edit->UndoList(), !c.recordsInTextOrder), oneByOne);
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_TRUE(edit->Modified());
}

TEST_P(ReplaceAllAtOnceTest, OneUndoAndOneRedoReplayTheRecordsExactly) {
    const ReplaceAllCase& c = GetParam();
    Start(false);
    while (edit->UndoList().CanUndo()) {
        edit->UndoItem();
    }
    edit->EnsureCursorPosVisible();  // as Undo ends
    const std::string undone = State(edit->RedoList());
    while (edit->RedoList().CanUndo()) {
        edit->RedoItem();
    }
    edit->EnsureCursorPosVisible();
    const std::string redone = State(edit->UndoList());

    Start(false);
    edit->Undo();
    EXPECT_EQ(AllLines(), c.lines);
    EXPECT_FALSE(edit->Modified());
    EXPECT_FALSE(edit->UndoList().CanUndo());
    EXPECT_EQ(State(edit->RedoList()), undone);
    edit->Redo();
    EXPECT_EQ(AllLines(), c.result);
    EXPECT_TRUE(edit->Modified());
    EXPECT_FALSE(edit->RedoList().CanUndo());
    EXPECT_EQ(State(edit->UndoList()), redone);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllAtOnceTest, ::testing::ValuesIn(kReplaceAllCases),
                         [](const ::testing::TestParamInfo<ReplaceAllCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

}  // namespace

// Replacements that break lines, trim blanks or meet a wrapping view: the
// text and count of replacing every match, one pass or prompted.
struct ExactCase {
    const char* name;
    std::vector<std::string> lines;
    std::string search, replace;
    TSrcSearchOptions options;
    TBufferCoord caret;
    std::vector<TSrcReplaceAction> answers;  // none: no prompt
    bool trim, wrap;
    int found;
    std::vector<std::string> result;
};

TEST_F(SrcEditSearchReplaceTest, ExactResultsOfHardReplacements) {
    const std::vector<TSrcReplaceAction> yes(10, raReplace);
    const ExactCase cases[] = {
        {"line breaks", {"a;b;c;"}, ";", ";\r\n", {ssoEntireScope}, {1, 1}, {}, false, false, 3, {"a;", "b;", "c;", ""}},
        {"line breaks prompted", {"a;b;", "c;"}, ";", ";\n", {ssoEntireScope}, {1, 1}, yes, false, false, 3,
         {"a;", "b;", "", "c;", ""}},
        {"blanks trimmed backwards", {"x    "}, " ", "", {ssoBackwards}, {6, 1}, {raReplaceAll}, true, false, 4, {"x"}},
        {"tabs in a narrow view", {"a\ta\ta\ta\ta\ta\t|aa b"}, "a", " ", {ssoEntireScope}, {1, 1}, yes, false, true, 8,
         {" \t \t \t \t \t \t|   b"}},
    };
    edit->SetTabWidth(2);
    for (const ExactCase& c : cases) {
        SCOPED_TRACE(c.name);
        TSrcEditorOptions options = edit->Options();
        c.trim ? options.Include(eoTrimTrailingSpaces) : options.Exclude(eoTrimTrailingSpaces);
        edit->SetOptions(options);
        edit->SetWordWrap(c.wrap);
        window.client.Right = edit->GutterWidth() + 2 + (c.wrap ? 4 : 80) * edit->CharWidth();
        edit->SizeOrFontChanged(false);
        SetLines(c.lines);
        edit->SetCaretXY(c.caret);
        TSrcSearchOptions searchOptions = c.options;
        searchOptions.Include(ssoReplaceAll);
        if (!c.answers.empty()) {
            searchOptions.Include(ssoPrompt);
        }
        AnswerWith(c.answers);
        EXPECT_EQ(edit->SearchReplace(c.search, c.replace, searchOptions), c.found);
        EXPECT_EQ(AllLines(), c.result);
    }
}
