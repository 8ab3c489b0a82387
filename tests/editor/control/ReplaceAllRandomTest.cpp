#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "editor/search/SrcEditSearch.h"
#include "editor/text/SrcEditTextPieces.h"
#include "tests/editor/common/FakeSrcPlatform.h"

// Replace All with replacements that break lines, over random short texts:
// one pass without prompts leaves what answering "replace" at every prompt
// leaves (text, count, caret, selection, marks, and forwards the records),
// and both leave the text of replacing every match at once.
namespace {

const char* const kSearches[] = {"a", " ", "ab", "a ", "  "};
const char* const kBreaking[] = {"\r\n", "Q\r\nyy", " \n", "x\r\n\r\n ", "\r", "\n\t"};

struct Case {
    std::vector<std::string> lines;
    std::string search, replacement;
    bool backwards, entire, trim;
    TBufferCoord caret;
    int mark;  // the line of bookmark 1, at column 2

    std::string Name() const {
        std::ostringstream out;
        for (const std::string& line : lines) out << "[" << line << "]";
        out << " '" << search << "' by '" << replacement << "'" << (backwards ? " back" : " fwd")
            << (entire ? " entire" : " caret ") << caret.Char << "," << caret.Line << (trim ? " trim" : "");
        return out.str();
    }
};

Case RandomCase(std::mt19937& random) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    Case c;
    const int count = 1 + pick(4);
    for (int i = 0; i < count; ++i) {
        std::string line;
        for (int k = pick(7); k > 0; --k) line += "ab  c"[pick(5)];
        c.lines.push_back(line);
    }
    c.search = kSearches[pick(5)];
    c.replacement = kBreaking[pick(6)];
    c.backwards = pick(2) == 1;
    c.entire = pick(2) == 1;
    c.trim = pick(2) == 1;
    const int line = 1 + pick(count);
    c.caret = BufferCoord(1 + pick(static_cast<int>(c.lines[static_cast<size_t>(line - 1)].size()) + 1), line);
    c.mark = 1 + pick(count);
    return c;
}

bool InScope(const Case& c, int Line, int Column) {
    if (c.entire) return true;
    const int end = Column + static_cast<int>(c.search.size());
    if (c.backwards) return Line < c.caret.Line || (Line == c.caret.Line && end <= c.caret.Char);
    return Line > c.caret.Line || (Line == c.caret.Line && Column >= c.caret.Char);
}

// Every match in scope replaced, left to right; a changed line's pieces trimmed.
std::pair<std::vector<std::string>, int> Model(const Case& c) {
    std::vector<std::string> lines;
    int count = 0;
    for (size_t i = 0; i < c.lines.size(); ++i) {
        const std::string& text = c.lines[i];
        std::string out;
        bool changed = false;
        for (size_t at = 0; at < text.size();) {
            if (text.compare(at, c.search.size(), c.search) != 0) {
                out += text[at++];
            } else if (InScope(c, static_cast<int>(i) + 1, static_cast<int>(at) + 1)) {
                out += c.replacement;
                at += c.search.size();
                changed = true;
                ++count;
            } else {
                out += c.search;
                at += c.search.size();
            }
        }
        for (std::string& piece : SplitTextPieces(out)) {
            if (changed && c.trim) piece.erase(piece.find_last_not_of(" \t") + 1);
            lines.push_back(piece);
        }
    }
    return {lines, count};
}

class ReplaceAllRandomTest : public ::testing::Test, public SrcEditTestBase {
public:
    ReplaceAllRandomTest() { edit->SetSearchEngine(&engine); }
    ~ReplaceAllRandomTest() override { edit->SetSearchEngine(nullptr); }

    void Answer(TObject*, const std::string&, const std::string&, int, int, TSrcReplaceAction& Action) {
        Action = raReplace;
    }

    // Text, count, caret, selection, bookmark and, with Records, the undo list.
    std::string Run(const Case& c, bool Prompting, bool Records) {
        WithOption(eoTrimTrailingSpaces, c.trim);
        SetLines(c.lines);
        edit->SetCaretXY(c.caret);
        edit->SetBookMark(1, 2, c.mark);
        edit->ClearUndo();
        TSrcSearchOptions options{ssoReplaceAll};
        if (c.backwards) options.Include(ssoBackwards);
        if (c.entire) options.Include(ssoEntireScope);
        edit->OnReplaceText = nullptr;
        if (Prompting) {
            options.Include(ssoPrompt);
            edit->OnReplaceText = TReplaceTextEvent::Of<&ReplaceAllRandomTest::Answer>(this);
        }
        const int found = edit->SearchReplace(c.search, c.replacement, options);
        return std::to_string(found) + " replaced: " + State(Records ? &edit->UndoList() : nullptr);
    }

    // Text, caret, selection, bookmark and Records, group breaks With.
    std::string State(const TSrcEditUndoList* Records, bool WithBreaks = true) const {
        std::ostringstream out;
        for (const std::string& line : AllLines()) out << "[" << line << "]";
        auto at = [&](TBufferCoord p) { out << " " << p.Char << "," << p.Line; };
        out << "\ncaret";
        at(edit->CaretXY());
        out << " block";
        at(edit->BlockBegin());
        at(edit->BlockEnd());
        int x = 0, y = 0;
        edit->GetBookMark(1, x, y);
        out << " mark " << x << "," << y;
        for (int i = 0; Records && i < Records->ItemCount(); ++i) {
            const TSrcEditUndoItem& item = *Records->Items(i);
            if (item.ChangeReason == crGroupBreak && !WithBreaks) continue;
            out << "\n" << item.ChangeReason;
            at(item.ChangeStartPos);
            at(item.ChangeEndPos);
            out << " '" << item.ChangeStr << "'";
        }
        return out.str();
    }

    TSrcEditSearch engine;
};

TEST_F(ReplaceAllRandomTest, OnePassLeavesWhatPromptsLeaveAndTheModelsText) {
    std::mt19937 random(20261207);
    for (int run = 0; run < 3000; ++run) {
        const Case c = RandomCase(random);
        SCOPED_TRACE(c.Name());
        const std::string prompted = Run(c, true, !c.backwards);
        const std::vector<std::string> text = AllLines();
        const std::string onePass = Run(c, false, !c.backwards);
        EXPECT_EQ(onePass, prompted);
        const auto [lines, count] = Model(c);
        EXPECT_EQ(text, lines);
        EXPECT_EQ(prompted.substr(0, prompted.find(' ')), std::to_string(count));
        if (HasFailure()) return;
    }
}

// One Undo and one Redo of a one-pass run leave what undoing and redoing
// its records one at a time leaves, records moved in the same order.
TEST_F(ReplaceAllRandomTest, OneUndoAndRedoReplayTheRecordsOneByOne) {
    std::mt19937 random(20261208);
    for (int run = 0; run < 2000; ++run) {
        const Case c = RandomCase(random);
        SCOPED_TRACE(c.Name());
        Run(c, false, false);
        while (edit->UndoList().CanUndo()) edit->UndoItem();
        const std::string undone = State(&edit->RedoList(), false);
        while (edit->RedoList().CanUndo()) edit->RedoItem();
        const std::string redone = State(&edit->UndoList(), false);
        Run(c, false, false);
        edit->Undo();
        EXPECT_EQ(State(&edit->RedoList(), false), undone);
        edit->Redo();
        EXPECT_EQ(State(&edit->UndoList(), false), redone);
        if (HasFailure()) return;
    }
}

}  // namespace
