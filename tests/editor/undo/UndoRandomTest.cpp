#include "tests/editor/undo/UndoTestBase.h"

#include <algorithm>
#include <cstdlib>
#include <random>

#include "editor/search/SrcEditSearch.h"

// Random command sequences (Replace All, bookmarks, long lines, narrow
// views and word wrap among them). Each step is undone, which must give
// the text before it (and, over one step, the bookmarks' places), and
// redone, which must give the step's text; the page is unmodified only
// with the saved text. At the end all is undone to the start and redone
// to the end. CORVANE_UNDO_SEEDS sets the number of seeds,
// CORVANE_UNDO_FIRST_SEED the first (1). Texts are compared byte for
// byte, but with eoTrimTrailingSpaces without trailing blanks and without
// an emptied last line: undo gives back the blanks an edit trimmed, which
// can then stay at the line's end; a redone line break is the command
// replayed, which indents an empty new line from the lines as they are
// then; and undoing a deleted last line leaves it empty.

namespace {

const TSrcEditorCommand kCommands[] = {
    ecChar,          ecChar,          ecChar,          ecChar,          ecLineBreak,     ecDeleteLastChar,
    ecDeleteChar,    ecDeleteWord,    ecDeleteLastWord, ecDeleteBOL,    ecDeleteEOL,     ecDeleteLine,
    ecTab,           ecShiftTab,      ecBlockIndent,   ecBlockUnindent, ecUpperCase,     ecLowerCase,
    ecToggleCase,    ecTitleCase,     ecUpperCaseBlock, ecToggleCaseBlock, ecCut,        ecCopy,
    ecPaste,         ecPaste,         ecLeft,          ecRight,         ecUp,            ecDown,
    ecWordLeft,      ecWordRight,     ecLineStart,     ecLineEnd,       ecEditorTop,     ecEditorBottom,
    ecSelLeft,       ecSelRight,      ecSelUp,         ecSelDown,       ecSelWordRight,  ecSelLineEnd,
    ecSelectAll,     ecNormalSelect,  ecColumnSelect,  ecLineSelect,    ecInsertLine,    ecToggleMode,
    ecSetMarker0,    static_cast<TSrcEditorCommand>(ecSetMarker0 + 1), ecNone,  // Replace All
};

const char* const kSearched[] = {"a", "ab", "b c", "Y", " ", "\xe9"};
const char* const kReplacements[] = {"", "Z", "XYZ", "a", " ", "ab"};
const TSrcSearchOption kSearchOptions[] = {ssoEntireScope, ssoSelectedOnly, ssoBackwards, ssoWholeWord,
                                           ssoMatchCase,   ssoPrompt};
const TSrcReplaceAction kAnswers[] = {raReplace, raReplace, raSkip, raReplaceAll, raCancel};

const TSrcEditorOption kOptions[] = {eoGroupUndo, eoAutoIndent, eoScrollPastEol, eoTabsToSpaces,
                                     eoSmartTabs, eoTabIndent,  eoSmartTabDelete, eoTrimTrailingSpaces};

const char kAlphabet[] = "ab cXY\t(\xe9";

std::string WithoutTrailingBlanks(const std::vector<std::string>& Lines) {
    std::string text;
    for (std::string line : Lines) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) {
            line.pop_back();
        }
        text += line + "\n";
    }
    while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\n\n") == 0) {
        text.pop_back();  // an emptied last line
    }
    return text;
}

int SeedCount() {
    const char* value = std::getenv("CORVANE_UNDO_SEEDS");
    return value ? std::max(1, std::atoi(value)) : 300;
}

int FirstSeed() {
    const char* value = std::getenv("CORVANE_UNDO_FIRST_SEED");
    return value ? std::max(1, std::atoi(value)) : 1;
}

class UndoRandomTest : public UndoTestBase {
protected:
    UndoRandomTest() {
        edit->SetSearchEngine(&search);
        edit->OnReplaceText = TReplaceTextEvent::Of<&UndoRandomTest::Answer>(this);
    }
    ~UndoRandomTest() override { edit->SetSearchEngine(nullptr); }

    // What one step left: the records (up to the newest that is more than a
    // group break: breaks alone change nothing), the text, the bookmarks'
    // places and how often a bookmark moved without a record.
    struct Snapshot {
        int records;
        std::string text;
        std::vector<TBufferCoord> marks;  // (0, 0) for none
        std::vector<bool> pastText;       // a mark at or past its line's end
        int markMoves;
    };

    std::mt19937 rng;
    TSrcEditSearch search;
    std::string saved;
    bool savedAtStart = true;
    int Pick(int N) { return static_cast<int>(rng() % static_cast<unsigned>(N)); }

    void Answer(TObject*, const std::string&, const std::string&, int, int, TSrcReplaceAction& Action) {
        Action = kAnswers[Pick(sizeof(kAnswers) / sizeof(kAnswers[0]))];
    }

    std::string RandomText(int Length) {
        std::string line;
        for (int n = Length; n > 0; --n) {
            line += kAlphabet[Pick(sizeof(kAlphabet) - 1)];
        }
        return line;
    }

    void RandomStart() {
        edit->Lines().Clear();
        int lines = 1 + Pick(8);
        int longLine = Pick(4) == 0 ? Pick(lines) : -1;  // past the scroll width
        for (int i = 0; i < lines; ++i) {
            edit->Lines().Add(RandomText(i == longLine ? 1020 + Pick(40) : Pick(12)));
        }
        for (TSrcEditorOption option : kOptions) {
            WithOption(option, Pick(2) == 0);
        }
        WithOption(eoNoSelection, Pick(8) == 0);
        edit->SetWordWrap(Pick(8) == 0);
        window.client = Rect(0, 0, Pick(6) == 0 ? Px(1 + Pick(3)) : Px(81), 320);
        window.invalidated.clear();
        edit->SizeOrFontChanged(false);
        edit->SetInsertMode(true);
        edit->SetSelectionMode(smNormal);
        edit->SetCaretAndSelection(BufferCoord(1, 1), BufferCoord(1, 1), BufferCoord(1, 1));
        edit->ClearBookMark(0);
        edit->ClearBookMark(1);
        edit->SetMaxUndo(100000);
        edit->ClearUndo();
        edit->SetModified(false);
        clipboard.data.clear();
        saved = Normalized();
        savedAtStart = true;
    }

    void ReplaceAll(std::string& Log) {
        std::string searched = kSearched[Pick(sizeof(kSearched) / sizeof(kSearched[0]))];
        std::string replacement = kReplacements[Pick(sizeof(kReplacements) / sizeof(kReplacements[0]))];
        TSrcSearchOptions options{ssoReplaceAll};
        for (TSrcSearchOption option : kSearchOptions) {
            if (Pick(3) == 0) {
                options.Include(option);
            }
        }
        Log += "replace '" + searched + "' '" + replacement + "' " + std::to_string(options.ToBits()) + " ";
        edit->SearchReplace(searched, replacement, options);
    }

    void RandomCommand(std::string& Log) {
        TSrcEditorCommand command = kCommands[Pick(sizeof(kCommands) / sizeof(kCommands[0]))];
        if (command == ecNone) {
            ReplaceAll(Log);
            return;
        }
        if (Pick(40) == 0) {
            Log += "save ";
            edit->SetModified(false);
            saved = Normalized();
            savedAtStart = false;
            return;
        }
        char c = command == ecChar ? kAlphabet[Pick(sizeof(kAlphabet) - 1)] : '\0';
        Log += std::to_string(command) + (c ? std::string(":") + c : std::string()) + " ";
        Run(command, c);
    }

    std::string Normalized() const {
        if (edit->Options().Contains(eoTrimTrailingSpaces)) {
            return WithoutTrailingBlanks(AllLines());
        }
        std::string text;
        for (const std::string& line : AllLines()) {
            text += line + "\n";
        }
        return text;
    }

    int RecordCount() const {
        const TSrcEditUndoList& list = edit->UndoList();
        int count = list.ItemCount();
        while (count > 0 && list.Items(count - 1)->ChangeReason == crGroupBreak) {
            --count;
        }
        return count;
    }

    Snapshot Snap(int MarkMoves) const {
        std::vector<TBufferCoord> marks;
        std::vector<bool> pastText;
        for (int i = 0; i < 2; ++i) {
            int x = 0;
            int y = 0;
            bool set = edit->GetBookMark(i, x, y);
            marks.push_back(set ? BufferCoord(x, y) : BufferCoord(0, 0));
            pastText.push_back(set && static_cast<size_t>(x) > edit->Lines()[y - 1].size());
        }
        return {RecordCount(), Normalized(), marks, pastText, MarkMoves};
    }

    // A mark in text that the undone group deleted has no place to follow.
    bool InsideUndoneDeletion(const TBufferCoord& Mark) const {
        const TSrcEditUndoList& redo = edit->RedoList();
        for (int i = redo.ItemCount() - 1; i >= 0 && redo.Items(i)->ChangeNumber == redo.PeekItem()->ChangeNumber;
             --i) {
            const TSrcEditUndoItem& item = *redo.Items(i);
            bool ordered = !Before(item.ChangeEndPos, item.ChangeStartPos);
            TBufferCoord from = ordered ? item.ChangeStartPos : item.ChangeEndPos;
            TBufferCoord to = ordered ? item.ChangeEndPos : item.ChangeStartPos;
            bool deletion = item.ChangeReason == crDelete || item.ChangeReason == crSilentDelete ||
                            item.ChangeReason == crDeleteAfterCursor || item.ChangeReason == crSilentDeleteAfterCursor;
            if (deletion && (item.ChangeSelMode == smLine ? Mark.Line >= from.Line && Mark.Line <= to.Line
                                                          : !Before(Mark, from) && Before(Mark, to))) {
                return true;
            }
        }
        return false;
    }

    // Unmodified only with the saved text.
    std::string CheckModified(const char* When) const {
        return !edit->Modified() && Normalized() != saved ? std::string("unmodified ") + When : std::string();
    }

    // Undoing the step's groups gives the text (and bookmarks) of the state
    // before them, redoing them the step's own; History ends with the
    // step's state.
    std::string CheckStep(std::vector<Snapshot>& History) {
        Snapshot now = History.back();
        const Snapshot& before = History[History.size() - 2];
        if (now.records == before.records) {
            return now.text == before.text ? std::string() : "text changed without a record";
        }
        // A prompted Replace All leaves a group for each answer; group undo
        // can end inside another step's groups: undo on to a step's state.
        auto known = [&](int Records) {
            return std::find_if(History.rbegin(), History.rend(),
                                [&](const Snapshot& s) { return s.records == Records; });
        };
        int undos = 0;
        for (; undos < 1000 && (RecordCount() > before.records || known(RecordCount()) == History.rend());
             ++undos) {
            if (!edit->CanUndo()) {
                return "no state before the step";
            }
            edit->Undo();
        }
        auto it = known(RecordCount());
        Snapshot undone = Snap(now.markMoves);
        if (undone.text != it->text) {
            return "undone:\n" + undone.text + "before:\n" + it->text;
        }
        // Marks are checked over one step: a join's undo cannot tell which
        // earlier join brought a mark.
        bool oneStep = &*it == &before && it->markMoves == now.markMoves;
        for (size_t i = 0; i < undone.marks.size() && oneStep; ++i) {
            if (undone.marks[i] != it->marks[i] && !it->pastText[i] &&
                !InsideUndoneDeletion(it->marks[i])) {
                return "bookmark " + std::to_string(i) + " undone to " + std::to_string(undone.marks[i].Char) + "," +
                       std::to_string(undone.marks[i].Line) + " from " + std::to_string(it->marks[i].Char) + "," +
                       std::to_string(it->marks[i].Line);
            }
        }
        std::string failure = CheckModified("after the step's undo");
        if (!failure.empty()) {
            return failure;
        }
        for (int i = 0; i < undos; ++i) {
            edit->Redo();
        }
        Snapshot redone = Snap(now.markMoves);
        if (redone.text != now.text) {
            return "redone:\n" + redone.text + "done:\n" + now.text;
        }
        History.back() = redone;
        return CheckModified("after the step's redo");
    }

    std::string RunSeed(int Seed, int Limit) {
        rng.seed(static_cast<unsigned>(Seed));
        RandomStart();
        std::vector<Snapshot> history{Snap(0)};
        std::string start = Normalized();
        std::string log;
        int n = 1 + Pick(200);
        if (Limit >= 0) {
            n = std::min(n, Limit);
        }
        for (int i = 0; i < n; ++i) {
            RandomCommand(log);
            Snapshot now = Snap(history.back().markMoves);
            if (now.records == history.back().records && now.marks != history.back().marks) {
                ++now.markMoves;
            }
            history.push_back(now);
            std::string failure = CheckModified("after the step");
            if (failure.empty()) {
                failure = CheckStep(history);
            }
            if (!failure.empty()) {
                return log + "\n" + failure;
            }
        }
        std::string end = Normalized();
        if (edit->UndoList().ItemCount() >= edit->MaxUndo()) {
            return "undo list full";
        }
        for (int guard = 0; edit->CanUndo() && guard < 100000; ++guard) {
            edit->Undo();
        }
        std::string text = Normalized();
        if (text != start) {
            return log + "\nundone:\n" + text + "start:\n" + start;
        }
        if (savedAtStart && edit->Modified()) {
            return log + "\nmodified after undoing all";
        }
        for (int guard = 0; edit->CanRedo() && guard < 100000; ++guard) {
            edit->Redo();
        }
        text = Normalized();
        if (text != end) {
            return log + "\nredone:\n" + text + "end:\n" + end;
        }
        return CheckModified("after redoing all");
    }
};

TEST_F(UndoRandomTest, UndoAllRestoresTheStartAndRedoAllTheEnd) {
    for (int seed = FirstSeed(); seed < FirstSeed() + SeedCount(); ++seed) {
        std::string failure = RunSeed(seed, -1);
        if (failure.empty()) {
            continue;
        }
        // The shortest failing prefix tells the fault.
        for (int limit = 1; limit <= 200; ++limit) {
            std::string shortest = RunSeed(seed, limit);
            if (!shortest.empty()) {
                FAIL() << "seed " << seed << ", " << limit << " commands: " << shortest;
            }
        }
        FAIL() << "seed " << seed << ", after another seed: " << failure;
    }
}

}  // namespace
