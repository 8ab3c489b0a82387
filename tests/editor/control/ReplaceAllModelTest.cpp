#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "editor/search/SrcEditSearch.h"
#include "editor/text/SrcEditTextPieces.h"
#include "tests/editor/common/FakeSrcPlatform.h"

// Replace All, run every way, against a plain model: every match of the
// scope replaced, the text split where a replacement breaks its line.
namespace {

const std::vector<std::string> kText = {"ab\tab xab", "abab", "x ab\tab"};
const std::string kSearch = "ab";
const char* const kReplacements[] = {"Z", "XY", "XYZW", "", "1\r\n2", "\n"};

enum class Scope { Caret, Selection, SelectedOnly };
enum class Way { OnePass, EachPrompt, AllAtFirst, AllInTheMiddle };
enum class Option { Defaults, NoSelection, Trim, ReadOnly };

struct Row {
    TSrcSelectionMode mode;
    Scope scope;
    bool backwards, entire;
    std::string replacement;
    Way way;
    Option option;
    int wrap;  // columns of a wrapping view; 0 without word wrap

    std::string Name() const {
        std::ostringstream out;
        out << "mode " << mode << " scope " << int(scope) << (backwards ? " back" : " fwd")
            << (entire ? " entire" : " caret") << " '" << replacement << "' way " << int(way) << " option "
            << int(option) << " wrap " << wrap;
        return out.str();
    }
};

const TBufferCoord kFrom = BufferCoord(2, 1), kTo = BufferCoord(6, 3), kCaret = BufferCoord(3, 2);

struct Model {
    std::vector<std::string> lines;
    int count = 0;
    TBufferCoord first{0, 0};  // the occurrence a plain search selects
};

bool InScope(const Row& r, int Line, int Column) {
    const int end = Column + static_cast<int>(kSearch.size());
    // Where nothing can be selected only the caret is set.
    if (r.scope == Scope::SelectedOnly && r.option != Option::NoSelection) {
        if (Line < kFrom.Line || Line > kTo.Line) return false;
        if (r.mode == smLine) return true;
        if (r.mode == smColumn) {
            const int left = std::min(kFrom.Char, kTo.Char), right = std::max(kFrom.Char, kTo.Char);
            return Column >= left && end <= right;
        }
        return (Line != kFrom.Line || Column >= kFrom.Char) && (Line != kTo.Line || end <= kTo.Char);
    }
    if (r.entire) return true;
    const TBufferCoord caret = r.scope == Scope::Caret ? kCaret : kTo;
    if (r.backwards) return Line < caret.Line || (Line == caret.Line && end <= caret.Char);
    return Line > caret.Line || (Line == caret.Line && Column >= caret.Char);
}

Model Expected(const Row& r) {
    Model m;
    for (int line = 1; line <= static_cast<int>(kText.size()); ++line) {
        const std::string& text = kText[static_cast<size_t>(line - 1)];
        std::string out;
        bool changed = false;
        for (size_t at = 0; at < text.size();) {
            const int column = static_cast<int>(at) + 1;
            if (text.compare(at, kSearch.size(), kSearch) == 0 && InScope(r, line, column)) {
                ++m.count;
                if (m.first.Line == 0 || r.backwards) m.first = BufferCoord(column, line);
                out += r.replacement;
                changed = true;
                at += kSearch.size();
            } else {
                out += text[at++];
            }
        }
        for (std::string& piece : SplitTextPieces(out)) {
            if (changed && r.option == Option::Trim) {
                piece.erase(piece.find_last_not_of(" \t") + 1);
            }
            m.lines.push_back(piece);
        }
    }
    return m;
}

class ReplaceAllModelTest : public ::testing::Test, public SrcEditTestBase {
public:
    ReplaceAllModelTest() { edit->SetSearchEngine(&engine); }
    ~ReplaceAllModelTest() override { edit->SetSearchEngine(nullptr); }

    void Answer(TObject*, const std::string&, const std::string&, int, int, TSrcReplaceAction& Action) {
        ++prompts;
        Action = answers.empty() ? raReplace : answers.front();
        if (!answers.empty()) answers.erase(answers.begin());
    }

    void Prepare(const Row& r) {
        TSrcEditorOptions options = edit->Options();
        options.Exclude(eoNoSelection);
        options.Exclude(eoTrimTrailingSpaces);
        if (r.option == Option::NoSelection) options.Include(eoNoSelection);
        if (r.option == Option::Trim) options.Include(eoTrimTrailingSpaces);
        edit->SetReadOnly(false);
        edit->SetOptions(options);
        SetLines(kText);
        edit->SetWordWrap(r.wrap > 0);
        if (r.wrap > 0) {
            window.client.Right = edit->GutterWidth() + 2 + r.wrap * edit->CharWidth();
            edit->SizeOrFontChanged(false);
        }
        edit->SetSelectionMode(r.mode);
        if (r.scope == Scope::Caret) {
            edit->SetCaretAndSelection(kCaret, kCaret, kCaret);
        } else {
            edit->SetCaretAndSelection(kTo, kFrom, kTo);
        }
        edit->SetBookMark(1, 3, 2);
        edit->SetBookMark(2, 1, 3);
        edit->ClearUndo();
        edit->SetModified(false);
        edit->SetReadOnly(r.option == Option::ReadOnly);
    }

    int Run(const Row& r) {
        TSrcSearchOptions options{ssoReplaceAll};
        if (r.backwards) options.Include(ssoBackwards);
        if (r.entire) options.Include(ssoEntireScope);
        if (r.scope == Scope::SelectedOnly) options.Include(ssoSelectedOnly);
        prompts = 0;
        answers.clear();
        if (r.way == Way::AllAtFirst) answers = {raReplaceAll};
        if (r.way == Way::AllInTheMiddle) answers = {raReplace, raReplaceAll};
        if (r.way != Way::OnePass) {
            options.Include(ssoPrompt);
            edit->OnReplaceText = TReplaceTextEvent::Of<&ReplaceAllModelTest::Answer>(this);
        } else {
            edit->OnReplaceText = nullptr;
        }
        return edit->SearchReplace(kSearch, r.replacement, options);
    }

    void Check(const Row& r) {
        SCOPED_TRACE(r.Name());
        Prepare(r);
        const Model m = Expected(r);
        const int found = Run(r);
        if (r.option == Option::ReadOnly) {
            EXPECT_EQ(found, 0);
            EXPECT_EQ(prompts, 0);
            EXPECT_EQ(AllLines(), kText);
            EXPECT_FALSE(edit->Modified());
            if (m.count > 0) {
                EXPECT_EQ(edit->BlockBegin(), m.first);
                EXPECT_EQ(edit->BlockEnd(), BufferCoord(m.first.Char + 2, m.first.Line));
            }
            return;
        }
        EXPECT_EQ(found, m.count);
        EXPECT_EQ(AllLines(), m.lines);
        if (r.way == Way::OnePass || r.way == Way::EachPrompt) {
            Row same = r;
            same.way = Way::OnePass;
            same.wrap = 0;
            // A trim may leave the caret past the line's end one by one.
            marksAfter[same.Name()].push_back(Bookmarks() + (r.option == Option::Trim ? "" : Selection()));
        }
        if (m.count == 0) return;
        edit->Undo();
        // Without prompts, and from a first "All" on, the run is one step.
        if (r.way == Way::OnePass || r.way == Way::AllAtFirst) {
            EXPECT_FALSE(edit->CanUndo());
        }
        while (edit->CanUndo()) edit->Undo();
        EXPECT_EQ(AllLines(), kText);
        EXPECT_FALSE(edit->Modified());
        EXPECT_EQ(Bookmarks(), "3,2 1,3");
        while (edit->CanRedo()) edit->Redo();
        EXPECT_EQ(AllLines(), m.lines);
        EXPECT_TRUE(edit->Modified());
    }

    std::string Bookmarks() const {
        std::string at;
        for (int mark : {1, 2}) {
            int x = 0, y = 0;
            edit->GetBookMark(mark, x, y);
            at += (at.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
        }
        return at;
    }

    std::string Selection() const {
        std::ostringstream out;
        out << " caret, selection ";
        for (const TBufferCoord& at : {edit->CaretXY(), edit->BlockBegin(), edit->BlockEnd()}) {
            out << at.Char << "," << at.Line << " ";
        }
        return out.str();
    }

    TSrcEditSearch engine;
    std::vector<TSrcReplaceAction> answers;
    int prompts = 0;
    std::map<std::string, std::vector<std::string>> marksAfter;  // marks and caret: one pass, then prompted
};

TEST_F(ReplaceAllModelTest, EveryWayGivesTheModelsTextAndCount) {
    edit->SetTabWidth(2);
    int index = 0;
    for (TSrcSelectionMode mode : {smNormal, smColumn, smLine})
        for (Scope scope : {Scope::Caret, Scope::Selection, Scope::SelectedOnly})
            for (bool backwards : {false, true})
                for (bool entire : {false, true})
                    for (const char* replacement : kReplacements)
                        for (Way way : {Way::OnePass, Way::EachPrompt, Way::AllAtFirst, Way::AllInTheMiddle})
                            for (Option option : {Option::Defaults, Option::NoSelection, Option::Trim,
                                                  Option::ReadOnly}) {
                                Check({mode, scope, backwards, entire, replacement, way, option, index++ % 8});
                                if (HasFailure()) return;
                            }
    // Marks, caret and selection end where replacing one by one leaves them.
    for (const auto& [name, marks] : marksAfter) {
        ASSERT_EQ(marks.size(), 2u) << name;
        EXPECT_EQ(marks[0], marks[1]) << name;
    }
}

// Under eoTrimTrailingSpaces, blanks that are matches themselves are
// replaced before a trim takes them, every way the run can go.
struct TrimRow {
    std::vector<std::string> lines;
    std::string search, replacement;
    bool backwards;
    TBufferCoord caret;
    std::vector<std::string> result;
    int count;
};

const TrimRow kTrimRows[] = {
    {{"a b  "}, " ", "\r\n", false, {1, 1}, {"a", "b", "", ""}, 3},
    {{"x  y"}, " ", "\r\n", true, {5, 1}, {"x", "", "y"}, 2},
    {{"a  ", "b"}, " ", "1\r\n", false, {1, 1}, {"a1", "1", "", "b"}, 2},
    {{" b  "}, " ", "x\r\n\r\n ", false, {1, 1}, {"x", "", " bx", "", " x", "", ""}, 3},
    {{"ab b  ", "c  "}, "b ", "\n", false, {1, 1}, {"a", "", "", "c  "}, 2},
    {{"p;  ;", "q ;"}, ";", " \r", false, {1, 1}, {"p", "", "", "q", ""}, 3},
    {{"k  ;  "}, " ", "\n", true, {7, 1}, {"k", "", ";", "", ""}, 4},
};

TEST_F(ReplaceAllModelTest, TrimmedBlanksThatMatchAreReplacedFirst) {
    WithOption(eoTrimTrailingSpaces, true);
    for (const TrimRow& row : kTrimRows) {
        for (Way way : {Way::OnePass, Way::EachPrompt, Way::AllAtFirst, Way::AllInTheMiddle}) {
            SCOPED_TRACE(row.lines[0] + " '" + row.replacement + "' way " + std::to_string(int(way)));
            SetLines(row.lines);
            edit->SetCaretXY(row.caret);
            edit->ClearUndo();
            edit->SetModified(false);
            TSrcSearchOptions options{ssoReplaceAll};
            if (row.backwards) options.Include(ssoBackwards);
            answers.clear();
            if (way == Way::AllAtFirst) answers = {raReplaceAll};
            if (way == Way::AllInTheMiddle) answers = {raReplace, raReplaceAll};
            edit->OnReplaceText = nullptr;
            if (way != Way::OnePass) {
                options.Include(ssoPrompt);
                edit->OnReplaceText = TReplaceTextEvent::Of<&ReplaceAllModelTest::Answer>(this);
            }
            EXPECT_EQ(edit->SearchReplace(row.search, row.replacement, options), row.count);
            EXPECT_EQ(AllLines(), row.result);
            while (edit->CanUndo()) edit->Undo();
            EXPECT_EQ(AllLines(), row.lines);
            while (edit->CanRedo()) edit->Redo();
            EXPECT_EQ(AllLines(), row.result);
        }
    }
}

}  // namespace
