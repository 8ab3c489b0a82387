#include "tests/editor/undo/UndoTestBase.h"

#include <cstdlib>
#include <random>

// Random command sequences, undone to the start and redone to the end;
// CORVANE_UNDO_SEEDS sets the number of seeds, CORVANE_UNDO_FIRST_SEED the
// first (1). Texts are compared byte for byte, but with
// eoTrimTrailingSpaces without trailing blanks and without an emptied
// last line: undo gives back the blanks an edit trimmed, which can then
// stay at the line's end; a redone line break is the command replayed,
// which indents an empty new line from the lines as they are then; and
// undoing a deleted last line leaves it empty.

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
};

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
    std::mt19937 rng;
    int Pick(int N) { return static_cast<int>(rng() % static_cast<unsigned>(N)); }

    void RandomStart() {
        edit->Lines().Clear();
        int lines = 1 + Pick(8);
        for (int i = 0; i < lines; ++i) {
            std::string line;
            for (int n = Pick(12); n > 0; --n) {
                line += kAlphabet[Pick(sizeof(kAlphabet) - 1)];
            }
            edit->Lines().Add(line);
        }
        for (TSrcEditorOption option : kOptions) {
            WithOption(option, Pick(2) == 0);
        }
        edit->SetInsertMode(true);
        edit->SetSelectionMode(smNormal);
        edit->SetCaretAndSelection(BufferCoord(1, 1), BufferCoord(1, 1), BufferCoord(1, 1));
        edit->SetMaxUndo(100000);
        edit->ClearUndo();
        edit->SetModified(false);
        clipboard.data.clear();
    }

    void RandomCommand(std::string& Log) {
        TSrcEditorCommand command = kCommands[Pick(sizeof(kCommands) / sizeof(kCommands[0]))];
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

    std::string RunSeed(int Seed, int Limit) {
        rng.seed(static_cast<unsigned>(Seed));
        RandomStart();
        std::string start = Normalized();
        std::string log;
        int n = 1 + Pick(200);
        if (Limit >= 0) {
            n = std::min(n, Limit);
        }
        for (int i = 0; i < n; ++i) {
            RandomCommand(log);
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
        if (edit->Modified()) {
            return log + "\nmodified after undoing all";
        }
        for (int guard = 0; edit->CanRedo() && guard < 100000; ++guard) {
            edit->Redo();
        }
        text = Normalized();
        if (text != end) {
            return log + "\nredone:\n" + text + "end:\n" + end;
        }
        return std::string();
    }
};

TEST_F(UndoRandomTest, UndoAllRestoresTheStartAndRedoAllTheEnd) {
    for (int seed = FirstSeed(); seed < FirstSeed() + SeedCount(); ++seed) {
        std::string failure = RunSeed(seed, -1);
        if (failure.empty()) {
            continue;
        }
        // The shortest failing prefix tells the fault.
        for (int limit = 1;; ++limit) {
            std::string shortest = RunSeed(seed, limit);
            if (!shortest.empty()) {
                FAIL() << "seed " << seed << ", " << limit << " commands: " << shortest;
            }
        }
    }
}

}  // namespace
